// Broken and hostile films: each must give a clear failure, or open and then read short, and
// never read outside the file or allocate what the file cannot back.
#include "AviFile.h"
#include "AviFixtures.h"
#include "AviGetFrame.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes plainFilm(FixtureIndex index = FixtureIndex::Idx1, bool sound = true) {
    FixtureSpec spec;
    spec.frames = 6;
    spec.index = index;
    if (sound) spec.audio = FixtureAudio{8000, 8, 1, 0};
    return MakeAvi(spec);
}

// Opens, then touches everything a player touches. Returns whether it opened.
bool exercise(const std::string& path, std::string* error, int* frames, std::int64_t* soundBytes) {
    auto file = TAviFile::Open(path, error);
    *frames = 0;
    *soundBytes = 0;
    if (!file) return false;
    if (auto v = file->GetStream(streamtypeVIDEO)) {
        v->SampleToTime(v->Length());
        v->TimeToSample(1000000);
        if (auto g = TGetFrame::Open(v)) {
            for (int n = v->Start() - 1; n < v->Start() + std::min(v->Length(), 64) + 1; ++n)
                *frames += g->GetFrame(n) != nullptr;
        }
    }
    if (auto a = file->GetStream(streamtypeAUDIO)) {
        std::vector<std::uint8_t> buf(4096);
        for (std::int32_t s = a->Start(), i = 0; i < 64; ++i) {
            std::int32_t bytes = 0, got = 0;
            if (a->Read(s, 1024, buf.data(), std::int32_t(buf.size()), &bytes, &got) != AVIERR_OK || got == 0)
                break;
            *soundBytes += bytes;
            s += got;
        }
    }
    return true;
}

struct HostileCase {
    const char* name;
    std::function<Bytes()> make;
    bool opens;
    int frames;              // frames that decode (-1: don't care)
    std::int64_t soundBytes; // sound bytes that read (-1: don't care)
};

std::size_t videoStrh() {
    return FindFourCC(plainFilm(), "strh");
}

// A 32-bit film of bit fields whose red field is the top byte (the pixels' unused byte).
Bytes topByteBitFields() {
    FixtureSpec spec;
    spec.codec = FixtureCodec::Raw32;
    spec.frames = 6;
    spec.index = FixtureIndex::None;
    Bytes b = MakeAvi(spec);
    const std::size_t strf = FindFourCC(b, "strf");
    PutU32(b, strf + 8 + 16, 3); // BI_BITFIELDS
    Bytes masks(12);
    PutU32(masks, 0, 0xFF000000u);
    PutU32(masks, 4, 0x00FF0000u);
    PutU32(masks, 8, 0x0000FF00u);
    b.insert(b.begin() + long(strf + 8 + GetU32(b, strf + 4)), masks.begin(), masks.end());
    PutU32(b, strf + 4, GetU32(b, strf + 4) + 12);
    PutU32(b, 4, GetU32(b, 4) + 12);   // RIFF
    PutU32(b, 16, GetU32(b, 16) + 12); // hdrl
    const std::size_t strl = FindFourCC(b, "strl") - 8;
    PutU32(b, strl + 4, GetU32(b, strl + 4) + 12);
    return b;
}

const HostileCase kCases[] = {
    {"HeaderListSwallowsTheData", // its size reaches past the data list and the index
     [] {
         Bytes b = plainFilm();
         PutU32(b, 16, 0x7FFFFFF0u);
         return b;
     },
     true, 6, 533 * 6},
    {"HeaderListSwallowsTheUnindexedData",
     [] {
         Bytes b = plainFilm(FixtureIndex::None);
         PutU32(b, 16, std::uint32_t(b.size()));
         return b;
     },
     true, 6, 533 * 6},
    {"BitFieldsInTheTopByte", topByteBitFields, true, 6, 0},
    {"Empty", [] { return Bytes{}; }, false, 0, 0},
    {"NotRiff", [] { return Bytes(200, 'x'); }, false, 0, 0},
    {"WaveFile", [] { return MakeWav(8000, 8, 1, 1000); }, false, 0, 0},
    {"HeaderOnly",
     [] {
         Bytes b = plainFilm();
         b.resize(12);
         return b;
     },
     false, 0, 0},
    {"TruncatedInHeaders",
     [] {
         Bytes b = plainFilm();
         b.resize(FindFourCC(b, "strf") + 20);
         return b;
     },
     true, 0, 0},
    {"TruncatedInData", // cut inside the fourth frame: three frames, their sound, part of more sound
     [] {
         Bytes b = plainFilm(FixtureIndex::None);
         std::size_t f = 0;
         for (int i = 0; i < 4; ++i)
             f = FindFourCC(b, "00db", f + 4);
         b.resize(f + 100);
         return b;
     },
     true, 3, 533 * 3},
    {"TruncatedIndexedFilm", // the old index lists chunks past the end of the file
     [] {
         Bytes b = plainFilm();
         Bytes tail(b.begin() + long(FindFourCC(b, "idx1")), b.end());
         std::size_t f = 0;
         for (int i = 0; i < 4; ++i)
             f = FindFourCC(b, "00db", f + 4);
         b.resize(f + 100);
         b.insert(b.end(), tail.begin(), tail.end());
         return b;
     },
     true, 3, -1},
    {"RateZero",
     [] {
         Bytes b = plainFilm();
         PutU32(b, videoStrh() + 8 + 24, 0);
         return b;
     },
     true, 6, 533 * 6},
    {"LengthZero",
     [] {
         Bytes b = plainFilm();
         PutU32(b, videoStrh() + 8 + 32, 0);
         return b;
     },
     true, 0, 533 * 6},
    {"LengthHuge",
     [] {
         Bytes b = plainFilm();
         PutU32(b, videoStrh() + 8 + 32, 0x7FFFFFFF);
         return b;
     },
     true, 6, 533 * 6},
    {"SampleSizeHuge",
     [] {
         Bytes b = plainFilm();
         std::size_t audio = FindFourCC(b, "strh", videoStrh() + 4);
         PutU32(b, audio + 8 + 44, 0x7FFFFFF0);
         return b;
     },
     true, 6, 0},
    {"FrameSizeHuge", // a few bytes claim a 30000 x 30000 frame
     [] {
         Bytes b = plainFilm();
         std::size_t strf = FindFourCC(b, "strf");
         PutU32(b, strf + 8 + 4, 30000);
         PutU32(b, strf + 8 + 8, 30000);
         return b;
     },
     true, 0, -1},
    {"FrameSizeHugeCompressed",
     [] {
         FixtureSpec s;
         s.codec = FixtureCodec::Mjpeg;
         Bytes b = MakeAvi(s);
         std::size_t strf = FindFourCC(b, "strf");
         PutU32(b, strf + 8 + 4, 65535);
         PutU32(b, strf + 8 + 8, 65535);
         return b;
     },
     true, 0, -1},
    {"NegativeWidth",
     [] {
         Bytes b = plainFilm();
         PutU32(b, FindFourCC(b, "strf") + 8 + 4, 0xFFFFFFF0u);
         return b;
     },
     true, 0, -1},
    {"ColourCountHuge",
     [] {
         FixtureSpec s;
         s.codec = FixtureCodec::Raw8;
         Bytes b = MakeAvi(s);
         PutU32(b, FindFourCC(b, "strf") + 8 + 32, 0xFFFFFFFFu);
         return b;
     },
     true, 5, -1},
    {"InflatedChunk", // a frame chunk claims more than the whole file
     [] {
         Bytes b = plainFilm(FixtureIndex::None);
         PutU32(b, FindFourCC(b, "00db") + 4, 0x7FFFFFF0u);
         return b;
     },
     true, -1, -1},
    {"InflatedRiff",
     [] {
         Bytes b = plainFilm();
         PutU32(b, 4, 0xFFFFFFF0u);
         return b;
     },
     true, 6, 533 * 6},
    {"InflatedIndexEntries",
     [] {
         Bytes b = plainFilm();
         std::size_t idx = FindFourCC(b, "idx1");
         PutU32(b, idx + 8 + 12, 0xFFFFFFF0u);     // first entry's size
         PutU32(b, idx + 8 + 16 + 8, 0xFFFFFF00u); // second entry's offset
         return b;
     },
     true, 6, -1},
    {"IndexOffsetsWrong", // the old index points nowhere: the data is scanned instead
     [] {
         Bytes b = plainFilm();
         std::size_t idx = FindFourCC(b, "idx1");
         for (std::size_t e = idx + 8; e + 16 <= b.size(); e += 16)
             PutU32(b, e + 8, GetU32(b, e + 8) + 3);
         return b;
     },
     true, 6, 533 * 6},
    {"UnpaddedOddChunks",
     [] {
         FixtureSpec s;
         s.codec = FixtureCodec::Rle8; // run-length chunks of odd size
         s.width = 5;
         s.height = 3;
         s.index = FixtureIndex::None;
         s.unpaddedOddChunks = true;
         s.audio = FixtureAudio{8001, 8, 1, 0};
         return MakeAvi(s);
     },
     true, 5, -1},
    {"NestedIndexes", // an index of indexes that points at itself
     [] {
         FixtureSpec s;
         s.index = FixtureIndex::OpenDML;
         s.frames = 4;
         Bytes b = MakeAvi(s);
         std::size_t indx = FindFourCC(b, "indx");
         PutU32(b, indx + 8 + 24, std::uint32_t(indx));
         return b;
     },
     true, 4, -1},
    {"SuperIndexRepeats", // thousands of entries all naming one chunk index
     [] {
         FixtureSpec s;
         s.index = FixtureIndex::OpenDML;
         s.frames = 4;
         Bytes b = MakeAvi(s);
         std::size_t indx = FindFourCC(b, "indx");
         std::size_t ix = GetU32(b, indx + 8 + 24);
         PutU32(b, indx + 4, 24 + 16 * 4000);
         PutU32(b, indx + 8 + 4, 4000);
         Bytes entries;
         for (int i = 0; i < 4000; ++i)
             for (std::uint32_t v : {std::uint32_t(ix), 0u, 40u, 4u})
                 for (int k = 0; k < 4; ++k)
                     entries.push_back(std::uint8_t(v >> (8 * k)));
         std::size_t at = indx + 8 + 24;
         b.erase(b.begin() + long(at), b.begin() + long(at + 16));
         b.insert(b.begin() + long(at), entries.begin(), entries.end());
         // Move every offset behind the insertion along with it.
         const std::uint32_t delta = 16 * 3999;
         for (std::size_t size : {std::size_t(4), FindFourCC(b, "hdrl") - 4, FindFourCC(b, "strl") - 4})
             PutU32(b, size, GetU32(b, size) + delta);
         for (std::size_t e = at; e < at + entries.size(); e += 16)
             PutU32(b, e, std::uint32_t(ix + delta));
         std::size_t ix00 = FindFourCC(b, "ix00");
         for (std::size_t e = ix00 + 8 + 24; e + 8 <= ix00 + 8 + 24 + 4 * 8; e += 8)
             PutU32(b, e, GetU32(b, e) + delta);
         return b;
     },
     true, 4, -1},
    {"ListNestingDeep",
     [] {
         Bytes b = plainFilm(FixtureIndex::None, false);
         std::size_t movi = FindFourCC(b, "movi") - 8;
         Bytes nest;
         for (int i = 0; i < 200; ++i)
             nest.insert(nest.end(), {'L', 'I', 'S', 'T', 0xF0, 0xFF, 0xFF, 0x0F, 'r', 'e', 'c', ' '});
         b.insert(b.begin() + long(movi + 12), nest.begin(), nest.end());
         return b;
     },
     true, -1, 0},
};

class HostileFilms : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileFilms, FailClearlyOrReadShort) {
    const HostileCase& c = GetParam();
    TestFolder dir;
    WriteBytes(dir.file("bad.avi"), c.make());
    std::string error;
    int frames = 0;
    std::int64_t sound = 0;
    bool opened = exercise(dir.file("bad.avi"), &error, &frames, &sound);
    EXPECT_EQ(opened, c.opens) << error;
    if (!opened) {
        EXPECT_FALSE(error.empty());
    }
    if (c.frames >= 0) {
        EXPECT_EQ(frames, c.frames);
    }
    if (c.soundBytes >= 0) {
        EXPECT_EQ(sound, c.soundBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, HostileFilms, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HostileFilms, MissingFileIsAClearFailure) {
    std::string error;
    EXPECT_EQ(TAviFile::Open("/nonexistent/film.avi", &error), nullptr);
    EXPECT_FALSE(error.empty());
}

} // namespace
