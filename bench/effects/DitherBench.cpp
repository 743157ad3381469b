// The fax pass ("Dither Style 1", the heaviest kernel): ours over a bitmap beside a plain C loop of
// the same kernel over a byte array, in memory, and file to file (read the BMP, dither, write it)
// on the pictures that --write-pictures leaves as DIR/fax-850x1100.bmp and DIR/fax-3000x3000.bmp.
#include "BmpCodec.h"
#include "dither.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

std::string ditherPicturesDir;

namespace {

const int sizes[][2] = {{850, 1100}, {3000, 3000}};

// A scanned-looking page: grey ramps, text-like blocks and noise.
TBitmap makesheet(int w, int h) {
    TBitmap b(w, h);
    std::mt19937 rng(7);
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < w; ++x) {
            int v = (x * 255 / w + y * 128 / h) % 256;
            if ((y / 24) % 3 == 1 && (x / 9) % 7 != 0) v = 30;
            v = std::clamp(v + int(rng() % 21) - 10, 0, 255);
            row[x] = TBitmap::ToWord(RGB(v, v, v));
        }
    }
    return b;
}

std::string sheetFile(int w, int h) {
    return ditherPicturesDir + "/fax-" + std::to_string(w) + "x" + std::to_string(h) + ".bmp";
}

// The same kernel as a plain loop over one byte a pixel, the yardstick for ours.
void ditherBytes(std::uint8_t* p, int w, int h) {
    static const int taps[12][4] = {{1, 0, 4, 21},  {2, 0, 2, 21},  {1, 1, 1, 21},  {0, 1, 2, 21},
                                    {-1, 1, 4, 21}, {-2, 1, 2, 21}, {-3, 1, 1, 21}, {1, 2, 1, 42},
                                    {0, 2, 1, 21},  {-1, 2, 2, 21}, {-2, 2, 1, 21}, {-3, 2, 1, 42}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int v = p[y * w + x], e;
            if (v > 128) {
                p[y * w + x] = 255;
                e = v - 255;
            } else {
                p[y * w + x] = 0;
                e = v;
            }
            if (e == 0) continue;
            for (const auto& t : taps) {
                int nx = x + t[0], ny = y + t[1];
                if (nx < 0 || nx >= w || ny >= h) continue;
                int c = p[ny * w + nx] + e * t[2] / t[3];
                p[ny * w + nx] = std::uint8_t(c < 0 ? 0 : c > 255 ? 255 : c);
            }
        }
}

void BM_Dither(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    const TBitmap sheet = makesheet(w, h);
    TBitmap work(w, h);
    for (auto _ : state) {
        state.PauseTiming();
        work.Assign(sheet);
        state.ResumeTiming();
        dither(work, 0, [](int) { return true; });
        benchmark::DoNotOptimize(work.Bits());
    }
    state.SetItemsProcessed(state.iterations() * w * h);
}
BENCHMARK(BM_Dither)->Args({850, 1100})->Args({3000, 3000})->Unit(benchmark::kMillisecond);

void BM_DitherCLoop(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    const TBitmap sheet = makesheet(w, h);
    std::vector<std::uint8_t> grey(size_t(w) * h), work;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            grey[size_t(y) * w + x] = std::uint8_t(sheet.Row32(y)[x] & 0xFF);
    for (auto _ : state) {
        state.PauseTiming();
        work = grey;
        state.ResumeTiming();
        ditherBytes(work.data(), w, h);
        benchmark::DoNotOptimize(work.data());
    }
    state.SetItemsProcessed(state.iterations() * w * h);
}
BENCHMARK(BM_DitherCLoop)->Args({850, 1100})->Args({3000, 3000})->Unit(benchmark::kMillisecond);

void BM_DitherFile(benchmark::State& state) {
    if (ditherPicturesDir.empty()) {
        state.SkipWithError("needs --pictures=DIR");
        return;
    }
    const int w = int(state.range(0)), h = int(state.range(1));
    for (auto _ : state) {
        TBitmap page = ReadBmpFile(sheetFile(w, h));
        dither(page, 0);
        SaveBmpToFile(page, ditherPicturesDir + "/ours-fax.bmp");
    }
}
BENCHMARK(BM_DitherFile)->Args({850, 1100})->Args({3000, 3000})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

void writeditherpictures(const std::string& dir) {
    ditherPicturesDir = dir;
    for (const auto& s : sizes)
        SaveBmpToFile(makesheet(s[0], s[1]), sheetFile(s[0], s[1]));
}
