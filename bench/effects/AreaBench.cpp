// The area effects over a 4000 x 4000 true-colour page with a quiet bar, each beside a plain
// single-thread loop doing the same per-pixel work on raw 32-bit buffers:
//   BM_Tint       the colour tint, red +50 %          / BM_PlainTint
//   BM_Lighten    lighten by 8 under a whole-page clip / BM_PlainLighten
//   BM_Morph      the page fitted into a 2000 x 4000 ellipse / BM_PlainMorph
//   BM_Cocount    the colour map and its count          / BM_PlainCocount
//   area_bench --write DIR   writes DIR/page.bmp (the same pixels) and exits
#include "BenchPictures.h"
#include "BmpCodec.h"
#include "FileIO.h"
#include "TCanvas.h"
#include "colormap.h"
#include "lighten.h"
#include "morfshape.h"
#include "tint.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 4000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

const TBitmap& page() {
    static const TBitmap p = gradientNoise(kSide, 7);
    return p;
}

// The page as raw 0x00RRGGBB words.
std::vector<std::uint32_t> rawPage() {
    std::vector<std::uint32_t> p(size_t(kSide) * kSide);
    for (int y = 0; y < kSide; ++y) {
        const std::uint32_t* row = page().Row32(y);
        for (int x = 0; x < kSide; ++x)
            p[size_t(y) * kSide + x] = row[x] & 0xFFFFFF;
    }
    return p;
}

// ---- Tint ----

void BM_Tint(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TBitmap b = page();
        state.ResumeTiming();
        TQuietProgress bar;
        colourTint(b, 50, 0, 0, 0, bar);
        benchmark::DoNotOptimize(b.Bits());
    }
}
BENCHMARK(BM_Tint)->Unit(benchmark::kMillisecond)->UseRealTime();

int plainTintChannel(int c, int p, long long offset) {
    long long v = c;
    if (c != 0) {
        const long long n = (long long)p * c;
        long long q = n / 100, r = n % 100;
        if (r < 0) --q, r += 100;
        if (2 * r > 100 || (2 * r == 100 && (q & 1))) ++q;
        v += q;
    }
    return int(std::clamp(v + offset, 0LL, 255LL));
}

void BM_PlainTint(benchmark::State& state) {
    const std::vector<std::uint32_t> p0 = rawPage();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::uint32_t> p = p0;
        state.ResumeTiming();
        for (std::uint32_t& w : p) {
            if (w == kWhite) continue;
            w = std::uint32_t(plainTintChannel(int(w >> 16), 50, 0)) << 16 |
                std::uint32_t(plainTintChannel(int((w >> 8) & 0xFF), 0, 0)) << 8 |
                std::uint32_t(plainTintChannel(int(w & 0xFF), 0, 0));
        }
        benchmark::DoNotOptimize(p.data());
    }
}
BENCHMARK(BM_PlainTint)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- Lighten under a whole-page clip ----

void BM_Lighten(benchmark::State& state) {
    const TBitmap& clip = page();
    for (auto _ : state) {
        state.PauseTiming();
        TBitmap b = page();
        state.ResumeTiming();
        TQuietProgress bar;
        lightenUnderClip(b, clip, 0, 0, true, 8, bar);
        benchmark::DoNotOptimize(b.Bits());
    }
}
BENCHMARK(BM_Lighten)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainLighten(benchmark::State& state) {
    const std::vector<std::uint32_t> clip = rawPage();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::uint32_t> p = clip;
        state.ResumeTiming();
        for (size_t i = 0; i < p.size(); ++i) {
            const std::uint32_t c = clip[i];
            if (c == kWhite) continue;
            std::uint32_t v = 0;
            for (int s : {0, 8, 16})
                v |= std::uint32_t(std::min(int((c >> s) & 0xFF) + 8, 255)) << s;
            p[i] = v;
        }
        benchmark::DoNotOptimize(p.data());
    }
}
BENCHMARK(BM_PlainLighten)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- Fitting into an ellipse ----

const TBitmap& ellipse() {
    static const TBitmap e = [] {
        TBitmap b(2000, kSide);
        b.Canvas().Brush.SetColor(clMaroon);
        b.Canvas().Ellipse(0, 0, 2000, kSide);
        return b;
    }();
    return e;
}

void BM_Morph(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TBitmap content = page(), shape = ellipse();
        state.ResumeTiming();
        TQuietProgress bar;
        morphtoshape(content, shape, bar);
        benchmark::DoNotOptimize(shape.Bits());
    }
}
BENCHMARK(BM_Morph)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same in plain loops: a nearest-neighbour shrink to the silhouette's size, then per row the
// content's non-white pixels spread or sampled over the silhouette's.
void BM_PlainMorph(benchmark::State& state) {
    const std::vector<std::uint32_t> c0 = rawPage();
    const int w = 2000, h = kSide;
    std::vector<std::uint32_t> s(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s[size_t(y) * w + x] = ellipse().Row32(y)[x] & 0xFFFFFF;
    std::vector<size_t> column(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x)
        column[size_t(x)] = size_t((long long)x * kSide / w);
    for (auto _ : state) {
        std::vector<std::uint32_t> c(size_t(w) * h), out(size_t(w) * h, kWhite), K(static_cast<size_t>(w));
        for (int y = 0; y < h; ++y) {
            const std::uint32_t* from = &c0[size_t((long long)y * kSide / h) * kSide];
            for (int x = 0; x < w; ++x)
                c[size_t(y) * w + x] = from[column[size_t(x)]];
        }
        for (int y = 0; y < h; ++y) {
            const std::uint32_t* cr = &c[size_t(y) * w];
            const std::uint32_t* sr = &s[size_t(y) * w];
            std::uint32_t* o = &out[size_t(y) * w];
            long long n = 0, m = 0;
            for (int x = 0; x < w; ++x)
                if (cr[x] != kWhite) K[size_t(n++)] = cr[x];
            for (int x = 0; x < w; ++x)
                m += sr[x] != kWhite;
            if (!n || !m) continue;
            long long j = 0;
            for (int x = 0; x < w; ++x) {
                if (sr[x] == kWhite) continue;
                ++j;
                long long idx;
                if (n < m) {
                    long long q = j * n / m, r = j * n % m;
                    if (2 * r > m || (2 * r == m && (q & 1))) ++q;
                    idx = q;
                } else {
                    idx = j * n / m;
                }
                if (idx >= 1) o[x] = K[size_t(idx - 1)];
            }
        }
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_PlainMorph)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- Colour map and count ----

void BM_Cocount(benchmark::State& state) {
    for (auto _ : state) {
        TBitmap map;
        TQuietProgress bar;
        plotColourMap(page(), map, bar);
        benchmark::DoNotOptimize(countMapColours(map, bar));
    }
}
BENCHMARK(BM_Cocount)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainCocount(benchmark::State& state) {
    const std::vector<std::uint32_t> p = rawPage();
    for (auto _ : state) {
        std::vector<std::uint32_t> map(256 * 256, kWhite);
        for (std::uint32_t c : p)
            if (c != kWhite) map[(c >> 16) * 256 + ((c >> 8) & 0xFF)] = c;
        int count = 0;
        for (std::uint32_t c : map)
            count += c != kWhite;
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_PlainCocount)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
        writeFileReplacing(std::string(argv[2]) + "/page.bmp", WriteBmp(page()));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
