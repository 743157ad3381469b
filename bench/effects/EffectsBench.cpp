// The page turn and the palette mapping, in memory and file to file.
//   --write-pictures=DIR  writes DIR/page.bmp (4000 x 4000, 24-bit), DIR/clip.bmp (2000 x 2000,
//                         8-bit) and DIR/pal.bmp (16 x 16, the page palette's 256 colours)
//   --pictures=DIR        the file-to-file cases read those files (compare.sh passes it)
#include "BmpCodec.h"
#include "Mapper.h"
#include "Progress.h"
#include "rotation.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

std::string picturesDir;

TBitmap makepage(int n) {
    TBitmap b(n, n);
    std::mt19937 rng(1);
    for (int y = 0; y < n; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < n; ++x) {
            int r = x * 255 / n, g = y * 255 / n, bl = ((x / 64 + y / 64) & 1) ? 200 : 40;
            if (((x - n / 2) * (x - n / 2) + (y - n / 3) * (y - n / 3)) < n * n / 16) bl = 255 - bl;
            int noise = int(rng() & 15);
            row[x] = TBitmap::ToWord(RGB(r ^ noise, g, bl));
        }
    }
    return b;
}

std::vector<PALETTEENTRY> randompalette(unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<PALETTEENTRY> e(256);
    for (auto& p : e)
        p = {std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng()), 0};
    e[0] = {0, 0, 0, 0};
    e[255] = {255, 255, 255, 0};
    return e;
}

TBitmap makeclip(int n) {
    TBitmap b(n, n, pf8bit);
    b.SetPalette(CreatePalette(randompalette(2)));
    for (int y = 0; y < n; ++y) {
        std::uint8_t* row = b.ScanLine(y);
        for (int x = 0; x < n; ++x)
            row[x] = std::uint8_t((x / 7) ^ (y / 5) ^ ((x * y) >> 10));
    }
    return b;
}

HPALETTE pagepalette() {
    return CreatePalette(randompalette(3));
}

void writepictures(const std::string& dir) {
    SaveBmpToFile(makepage(4000), dir + "/page.bmp");
    SaveBmpToFile(makeclip(2000), dir + "/clip.bmp");
    // The palette the clip ends with: the page's entries 1..254, the clip's own 0 and 255.
    TBitmap pal(16, 16);
    std::vector<PALETTEENTRY> page = pagepalette()->entries, clip = randompalette(2);
    page[0] = clip[0];
    page[255] = clip[255];
    for (int i = 0; i < 256; ++i)
        pal.SetPixel(i % 16, i / 16,
                     RGB(page[size_t(i)].peRed, page[size_t(i)].peGreen, page[size_t(i)].peBlue));
    SaveBmpToFile(pal, dir + "/pal.bmp");
}

void BM_RotatePicture(benchmark::State& state) {
    const int n = int(state.range(0));
    TBitmap undo = makepage(n), page(n, n);
    TQuietProgress bar;
    for (auto _ : state) {
        rotatepicture(undo, page, n / 2, n / 2, 1.0, 15, bar);
        benchmark::DoNotOptimize(page.Bits());
    }
    state.SetItemsProcessed(state.iterations() * n * n);
}
BENCHMARK(BM_RotatePicture)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_MapToPalette(benchmark::State& state) {
    const int n = int(state.range(0));
    TBitmap clip = makeclip(n);
    HPALETTE targets[2] = {pagepalette(), CreatePalette(randompalette(4))};
    TQuietProgress bar;
    int i = 0;
    for (auto _ : state) {
        maptopalette(targets[i++ & 1], clip, bar);
        benchmark::DoNotOptimize(clip.Bits());
    }
    state.SetItemsProcessed(state.iterations() * n * n);
}
BENCHMARK(BM_MapToPalette)->Arg(2000)->Unit(benchmark::kMillisecond);

// File to file, as the command-line tools work: read, work, write.
void BM_RotateFile(benchmark::State& state) {
    if (picturesDir.empty()) {
        state.SkipWithError("needs --pictures=DIR");
        return;
    }
    TQuietProgress bar;
    for (auto _ : state) {
        TBitmap undo = ReadBmpFile(picturesDir + "/page.bmp");
        TBitmap page(undo.Width(), undo.Height());
        rotatepicture(undo, page, page.Width() / 2, page.Height() / 2, 1.0, 15, bar);
        SaveBmpToFile(page, picturesDir + "/ours-rotated.bmp");
    }
}
BENCHMARK(BM_RotateFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RemapFile(benchmark::State& state) {
    if (picturesDir.empty()) {
        state.SkipWithError("needs --pictures=DIR");
        return;
    }
    TQuietProgress bar;
    for (auto _ : state) {
        TBitmap clip = ReadBmpFile(picturesDir + "/clip.bmp");
        TBitmap pal = ReadBmpFile(picturesDir + "/pal.bmp");
        std::vector<PALETTEENTRY> e(256);
        for (int i = 0; i < 256; ++i) {
            TColor c = pal.GetPixel(i % 16, i / 16);
            e[size_t(i)] = {std::uint8_t(GetRValue(c)), std::uint8_t(GetGValue(c)),
                            std::uint8_t(GetBValue(c)), 0};
        }
        maptopalette(CreatePalette(e), clip, bar);
        SaveBmpToFile(clip, picturesDir + "/ours-remapped.bmp");
    }
}
BENCHMARK(BM_RemapFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strncmp(a, "--write-pictures=", 17) == 0) {
            writepictures(a + 17);
            return 0;
        }
        if (std::strncmp(a, "--pictures=", 11) == 0)
            picturesDir = a + 11;
        else
            rest.push_back(argv[i]);
    }
    int n = int(rest.size());
    benchmark::Initialize(&n, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
