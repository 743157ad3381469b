// The page turn and the palette mapping, in memory and file to file; the blends, brightness
// steps, flip, mirror and video filters in memory, beside plain loops doing the same work.
//   --write-pictures=DIR  writes DIR/page.bmp (4000 x 4000, 24-bit), DIR/clip.bmp (2000 x 2000,
//                         8-bit) and DIR/pal.bmp (16 x 16, the page palette's 256 colours)
//                         and the fax sheets of DitherBench.cpp
//   --pictures=DIR        adds the file-to-file cases, which read those files
//   --rotate IN OUT, --remap CLIP PAL OUT   one file-to-file run in a fresh process
#include "BmpCodec.h"
#include "Mapper.h"
#include "Progress.h"
#include "blend.h"
#include "filters1.h"
#include "rotation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

// DitherBench.cpp
extern std::string ditherPicturesDir;
void writeditherpictures(const std::string& dir);

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
    writeditherpictures(dir);
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
void rotateFile(const std::string& in, const std::string& out) {
    TQuietProgress bar;
    TBitmap undo = ReadBmpFile(in);
    TBitmap page(undo.Width(), undo.Height());
    rotatepicture(undo, page, page.Width() / 2, page.Height() / 2, 1.0, 15, bar);
    SaveBmpToFile(page, out);
}

void remapFile(const std::string& in, const std::string& palette, const std::string& out) {
    TQuietProgress bar;
    TBitmap clip = ReadBmpFile(in);
    TBitmap pal = ReadBmpFile(palette);
    std::vector<PALETTEENTRY> e(256);
    for (int i = 0; i < 256; ++i) {
        TColor c = pal.GetPixel(i % 16, i / 16);
        e[size_t(i)] = {std::uint8_t(GetRValue(c)), std::uint8_t(GetGValue(c)), std::uint8_t(GetBValue(c)),
                        0};
    }
    maptopalette(CreatePalette(e), clip, bar);
    SaveBmpToFile(clip, out);
}

// Registered only with --pictures=DIR, the files they work on.
void BM_RotateFile(benchmark::State& state) {
    for (auto _ : state)
        rotateFile(picturesDir + "/page.bmp", picturesDir + "/ours-rotated.bmp");
}

void BM_RemapFile(benchmark::State& state) {
    for (auto _ : state)
        remapFile(picturesDir + "/clip.bmp", picturesDir + "/pal.bmp", picturesDir + "/ours-remapped.bmp");
}

// The page passes on a 4000 x 4000 page, each run on the same picture (restored outside the
// timing), with a quiet bar.
void pagepass(benchmark::State& state, const std::function<void(TBitmap&)>& pass) {
    const TBitmap original = makepage(4000);
    TBitmap page(original);
    for (auto _ : state) {
        pass(page);
        benchmark::DoNotOptimize(page.Bits());
        state.PauseTiming();
        page = original;
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 4000 * 4000);
}

TQuietProgress quietbar;
const TFilterSettingsSource filterdefaults = [] { return TFilterSettings{10, 10}; };

void BM_Doblend(benchmark::State& s) {
    pagepass(s, [](TBitmap& p) { doblend(p, quietbar); });
}
void BM_Doblend2(benchmark::State& s) {
    pagepass(s, [](TBitmap& p) { doblend2(p, quietbar); });
}
void BM_Lighten(benchmark::State& s) {
    pagepass(s, [](TBitmap& p) { doblend3(p, true, quietbar); });
}
void BM_Flip(benchmark::State& s) {
    TBitmap undo;
    pagepass(s, [&](TBitmap& p) { flipPicture(p, undo, quietbar); });
}
void BM_Mirror(benchmark::State& s) {
    TBitmap undo;
    pagepass(s, [&](TBitmap& p) { mirrorPicture(p, undo, quietbar); });
}
void BM_Pairfilt(benchmark::State& s) {
    pagepass(s, [](TBitmap& p) { pairfilt(p, filterdefaults, quietbar); });
}
void BM_Triplefilt(benchmark::State& s) {
    pagepass(s, [](TBitmap& p) { triplefilt(p, filterdefaults, quietbar); });
}
void BM_Sortfilt(benchmark::State& s) {
    pagepass(s, [](TBitmap& p) { sortfilt(p, filterdefaults, quietbar); });
}
BENCHMARK(BM_Doblend)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Doblend2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lighten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Flip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mirror)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pairfilt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Triplefilt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sortfilt)->Unit(benchmark::kMillisecond);

// The yardstick: the same per-pixel work as plain single-thread loops over a raw buffer of
// 0xFFRRGGBB words, in place, with the same tables; no copy, no bar, no bitmap.
constexpr int plainSide = 4000;

std::vector<std::uint32_t> plainpage() {
    TBitmap b = makepage(plainSide);
    std::vector<std::uint32_t> v(size_t(plainSide) * plainSide);
    for (int y = 0; y < plainSide; ++y)
        std::memcpy(&v[size_t(y) * plainSide], b.Row32(y), size_t(plainSide) * 4);
    return v;
}

inline std::uint32_t plainmix(std::uint32_t a, std::uint32_t b, const std::uint8_t* t) {
    std::uint32_t r = 0xFF000000u;
    for (int s = 0; s < 24; s += 8)
        r |= std::uint32_t(t[((a >> s) & 0xFF) * 256 + ((b >> s) & 0xFF)]) << s;
    return r;
}

inline int plainbright(std::uint32_t c) {
    return int((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) + 1) / 3;
}

inline std::uint32_t plainshift(std::uint32_t c, int d) {
    std::uint32_t r = 0xFF000000u;
    for (int s = 0; s < 24; s += 8)
        r |= std::uint32_t(std::clamp(int((c >> s) & 0xFF) + d, 0, 255)) << s;
    return r;
}

void plainpass(benchmark::State& state, const std::function<void(std::uint32_t*, int, int)>& pass) {
    const std::vector<std::uint32_t> original = plainpage();
    std::vector<std::uint32_t> page = original;
    for (auto _ : state) {
        pass(page.data(), plainSide, plainSide);
        benchmark::DoNotOptimize(page.data());
        state.PauseTiming();
        page = original;
        state.ResumeTiming();
    }
}

void BM_PlainDoblend(benchmark::State& s) {
    const std::uint8_t* t = blendTable(6, 3);
    plainpass(s, [t](std::uint32_t* p, int W, int H) {
        for (int pass = 0; pass < 2; ++pass)
            for (int y = 1; y < H; ++y)
                for (int x = 1; x < W; ++x)
                    p[y * W + x] = plainmix(p[y * W + x], p[(y - 1) * W + x - 1], t);
    });
}
void BM_PlainDoblend2(benchmark::State& s) {
    const std::uint8_t* t = blendTable(10, 3);
    plainpass(s, [t](std::uint32_t* p, int W, int H) {
        for (int y = 1; y < H - 1; ++y)
            for (int x = 1; x < W - 1; ++x) {
                p[y * W + x] = plainmix(p[y * W + x], p[y * W + x - 1], t);
                p[y * W + x - 1] = plainmix(p[(y - 1) * W + x], p[(y + 1) * W + x], t);
            }
    });
}
void BM_PlainLighten(benchmark::State& s) {
    std::uint8_t lut[256];
    for (int v = 0; v < 256; ++v)
        lut[v] = std::uint8_t(std::min(v + 8, 255));
    plainpass(s, [&lut](std::uint32_t* p, int W, int H) {
        for (size_t i = 0; i < size_t(W) * H; ++i)
            p[i] = 0xFF000000u | std::uint32_t(lut[(p[i] >> 16) & 0xFF]) << 16 |
                   std::uint32_t(lut[(p[i] >> 8) & 0xFF]) << 8 | lut[p[i] & 0xFF];
    });
}
void BM_PlainFlip(benchmark::State& s) {
    std::vector<std::uint32_t> out(size_t(plainSide) * plainSide);
    plainpass(s, [&out](std::uint32_t* p, int W, int H) {
        for (int y = 0; y < H; ++y)
            std::memcpy(&out[size_t(y) * W], p + size_t(H - 1 - y) * W, size_t(W) * 4);
        benchmark::DoNotOptimize(out.data());
    });
}
void BM_PlainMirror(benchmark::State& s) {
    std::vector<std::uint32_t> out(size_t(plainSide) * plainSide);
    plainpass(s, [&out](std::uint32_t* p, int W, int H) {
        for (int y = 0; y < H; ++y)
            std::reverse_copy(p + size_t(y) * W, p + size_t(y + 1) * W, &out[size_t(y) * W]);
        benchmark::DoNotOptimize(out.data());
    });
}
void BM_PlainPairfilt(benchmark::State& s) {
    plainpass(s, [](std::uint32_t* p, int W, int H) {
        const int thr = 10, amt = 10;
        for (int pass = 0; pass < 2; ++pass)
            for (int y = 0; y < H; ++y) {
                std::uint32_t* r = p + size_t(y) * W;
                for (int x = 0; x < W; ++x) {
                    std::uint32_t a = r[x], b = x + 1 < W ? r[x + 1] : 0xFFFFFFFFu;
                    int ba = plainbright(a), bb = plainbright(b);
                    if (ba - thr > bb) {
                        a = plainshift(a, -amt);
                        b = plainshift(b, amt);
                    } else if (ba + thr < bb) {
                        a = plainshift(a, amt);
                        b = plainshift(b, -amt);
                    }
                    r[x] = a;
                    if (x + 1 < W) r[x + 1] = b;
                }
            }
    });
}
void BM_PlainTriplefilt(benchmark::State& s) {
    plainpass(s, [](std::uint32_t* p, int W, int H) {
        const int thr = 10, amt = 10;
        for (int y = 0; y < H; ++y) {
            std::uint32_t* r = p + size_t(y) * W;
            for (int x = 1; x < W - 1; ++x) {
                int ba = plainbright(r[x - 1]), bc = plainbright(r[x + 1]);
                if (bc < ba - thr && bc > ba - 5 * thr) {
                    r[x - 1] = plainshift(r[x - 1], -amt);
                    r[x] = plainshift(r[x], amt);
                    r[x + 1] = plainshift(r[x + 1], 2 * amt);
                }
            }
        }
    });
}
void BM_PlainSortfilt(benchmark::State& s) {
    plainpass(s, [](std::uint32_t* p, int W, int H) {
        const int thr = 10, amt = 10;
        for (int y = 0; y < H; ++y) {
            std::uint32_t* r = p + size_t(y) * W;
            for (int x = 0; x < W; ++x) {
                std::uint32_t a = r[x], b = x + 1 < W ? r[x + 1] : 0;
                if ((a & 0xFFFFFF) == 0xFFFFFF || (x + 1 < W && (b & 0xFFFFFF) == 0xFFFFFF)) continue;
                int ba = plainbright(a), bb = x + 1 < W ? plainbright(b) : 255;
                if (ba - thr > bb)
                    r[x + 1] = plainshift(b, amt);
                else if (ba + thr < bb)
                    r[x] = plainshift(a, amt);
            }
        }
    });
}
BENCHMARK(BM_PlainDoblend)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainDoblend2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainLighten)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainFlip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainMirror)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainPairfilt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainTriplefilt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainSortfilt)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // One conversion in a fresh process, as compare.sh times the command-line tools:
    //   effects_bench --rotate IN.bmp OUT.bmp | --remap CLIP.bmp PAL.bmp OUT.bmp
    if (argc == 4 && std::strcmp(argv[1], "--rotate") == 0) {
        rotateFile(argv[2], argv[3]);
        return 0;
    }
    if (argc == 5 && std::strcmp(argv[1], "--remap") == 0) {
        remapFile(argv[2], argv[3], argv[4]);
        return 0;
    }
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strncmp(a, "--write-pictures=", 17) == 0) {
            writepictures(a + 17);
            return 0;
        }
        if (std::strncmp(a, "--pictures=", 11) == 0)
            picturesDir = ditherPicturesDir = a + 11;
        else
            rest.push_back(argv[i]);
    }
    if (!picturesDir.empty()) {
        benchmark::RegisterBenchmark("BM_RotateFile", BM_RotateFile)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark("BM_RemapFile", BM_RemapFile)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    int n = int(rest.size());
    benchmark::Initialize(&n, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
