// Decoding every frame of a 640 x 480 film, MJPEG and uncompressed, through the frame
// decompressor the player uses. `--write-films=DIR` writes the two films (for compare.sh);
// `--time=FILE` decodes FILE once per run, 5 runs, and prints the median in ms.
#include "AviFile.h"
#include "AviGetFrame.h"
#include "FilmBuilder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {
constexpr int kMjpegFrames = 300;
constexpr int kRawFrames = 100;

// Frame n: gradients, edges and noise that move from frame to frame, so neither codec gets an
// easy picture.
TBitmap benchFrame(int w, int h, int n) {
    TBitmap b(w, h, pf24bit);
    std::uint32_t seed = 2463534242u + std::uint32_t(n);
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < w; ++x) {
            seed ^= seed << 13;
            seed ^= seed >> 17;
            seed ^= seed << 5;
            int noise = int(seed & 15) - 8;
            int xs = x + 3 * n, ys = y + n;
            bool edge = ((xs / 40) + (ys / 40)) % 2;
            int r = std::clamp(xs * 255 / (w + 3 * n + 1) + noise, 0, 255);
            int g = std::clamp(ys * 255 / (h + n + 1) + (edge ? 40 : 0) + noise, 0, 255);
            int bl = std::clamp((edge ? 200 : 60) + noise, 0, 255);
            row[x] = TBitmap::ToWord(RGB(r, g, bl));
        }
    }
    return b;
}

// A 640 x 480 film at 25 frames a second, MJPEG or uncompressed 24-bit.
bool writeBenchFilm(const std::string& path, bool mjpeg, int frames) {
    FilmSpec spec;
    spec.coding = mjpeg ? FilmCoding::Mjpeg : FilmCoding::Raw;
    spec.rate = 25;
    for (int n = 0; n < frames; ++n)
        spec.frames.push_back(benchFrame(640, 480, n));
    try {
        WriteBytes(path, MakeFilm(spec));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
std::string filmPath(bool mjpeg) {
    static std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / "orvanta-media-bench";
        std::filesystem::create_directories(d);
        return d.string();
    }();
    std::string p = dir + (mjpeg ? "/mjpeg.avi" : "/raw.avi");
    if (!std::filesystem::exists(p)) writeBenchFilm(p, mjpeg, mjpeg ? kMjpegFrames : kRawFrames);
    return p;
}

// Decodes every frame; returns the frames decoded.
int decodeAll(const std::string& path) {
    auto file = TAviFile::Open(path);
    if (!file) return -1;
    auto video = file->GetStream(streamtypeVIDEO);
    auto getter = TGetFrame::Open(video);
    if (!getter) return -1;
    int n = 0;
    for (std::int32_t f = video->Start(); f < video->Start() + video->Length(); ++f)
        if (const BITMAPINFOHEADER* bi = getter->GetFrame(f)) {
            benchmark::DoNotOptimize(TGetFrame::Bits(bi)[0]);
            ++n;
        }
    return n;
}

void BM_DecodeMjpeg640x480(benchmark::State& state) {
    std::string p = filmPath(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeAll(p));
    state.counters["frames/s"] =
        benchmark::Counter(double(kMjpegFrames), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DecodeMjpeg640x480)->Unit(benchmark::kMillisecond);

void BM_DecodeRaw640x480(benchmark::State& state) {
    std::string p = filmPath(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeAll(p));
    state.counters["frames/s"] =
        benchmark::Counter(double(kRawFrames), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DecodeRaw640x480)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-films=", 14) == 0) {
            std::string dir = argv[i] + 14;
            bool ok = writeBenchFilm(dir + "/mjpeg.avi", true, kMjpegFrames) &&
                      writeBenchFilm(dir + "/raw.avi", false, kRawFrames);
            return ok ? 0 : 1;
        }
        if (std::strncmp(argv[i], "--time=", 7) == 0) {
            std::vector<double> ms;
            int frames = 0;
            for (int run = 0; run < 5; ++run) {
                auto t0 = std::chrono::steady_clock::now();
                frames = decodeAll(argv[i] + 7);
                ms.push_back(
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            }
            std::sort(ms.begin(), ms.end());
            std::printf("%.1f ms (%d frames)\n", ms[2], frames);
            return frames > 0 ? 0 : 1;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
