// Random damage to good films: opening and reading every part must never crash or hang.
// ORVANTA_FUZZ_ITERATIONS sets the number of films (default small).
#include "AviFile.h"
#include "AviFixtures.h"
#include "AviGetFrame.h"
#include "FilmBuilder.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

int iterations() {
    const char* s = std::getenv("ORVANTA_FUZZ_ITERATIONS");
    int n = s ? std::atoi(s) : 0;
    return n > 0 ? n : 300;
}

TEST(AviFuzz, DamagedFilmsOpenOrFailCleanly) {
    std::vector<std::vector<std::uint8_t>> seeds;
    for (FixtureCodec c : {FixtureCodec::Raw24, FixtureCodec::Raw8, FixtureCodec::Rle8, FixtureCodec::Rle4,
                           FixtureCodec::Mjpeg})
        for (FixtureIndex i : {FixtureIndex::Idx1, FixtureIndex::None, FixtureIndex::OpenDML}) {
            FixtureSpec s;
            s.codec = c;
            s.index = i;
            s.frames = 4;
            s.width = 10;
            s.height = 6;
            s.secondRiff = i == FixtureIndex::OpenDML;
            s.audio = FixtureAudio{8000, 16, 1, 0};
            seeds.push_back(MakeAvi(s));
        }
    std::mt19937 rng(12345);
    TestFolder dir;
    const std::string path = dir.file("fuzz.avi");
    const int n = iterations();
    for (int it = 0; it < n; ++it) {
        std::vector<std::uint8_t> b = seeds[rng() % seeds.size()];
        DamageFile(b, rng);
        WriteBytes(path, b);
        auto file = TAviFile::Open(path);
        if (!file) continue;
        for (int s = 0; s < file->StreamCount(); ++s) {
            auto st = file->GetStream(0, s);
            std::vector<std::uint8_t> buf(8192);
            std::int32_t bytes = 0, got = 0;
            for (std::int32_t p = st->Start(), k = 0; k < 16; ++k, p += std::max(got, 1))
                if (st->Read(p, 2000, buf.data(), std::int32_t(buf.size()), &bytes, &got) != AVIERR_OK) break;
            st->SampleToTime(st->Length());
            st->TimeToSample(123456);
            if (auto g = TGetFrame::Open(st))
                for (int f : {0, 1, 3, 2, 7, 0})
                    g->GetFrame(st->Start() + f);
        }
    }
    SUCCEED();
}

} // namespace
