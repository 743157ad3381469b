// The image fader's sweep over a 4000 x 4000 page into a 4000 x 4000 picture, both modes, with a
// quiet bar, beside a plain single-thread loop doing the same integer mix on raw buffers.
//   fader_bench --write DIR   writes DIR/page.ppm and DIR/target.ppm (the same pixels) and exits
#include "BenchPictures.h"
#include "TCanvas.h"
#include "fade.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 4000;

const TBitmap& page() {
    static const TBitmap p = gradientNoise(kSide, 1);
    return p;
}
const TBitmap& target() {
    static const TBitmap t = gradientNoise(kSide, 2);
    return t;
}

void BM_FadeInto(benchmark::State& state) {
    const int mode = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        TBitmap t = target();
        state.ResumeTiming();
        TQuietProgress bar;
        fadeInto(t, page(), 120, 120, mode, bar);
        benchmark::DoNotOptimize(t.Bits());
    }
}
BENCHMARK(BM_FadeInto)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same mix, written plainly: one loop over raw 0x00RRGGBB words.
std::uint8_t plainMix(int t, int p, long long n, long long k) {
    if (n < 10) n = 10;
    if (p == t) return std::uint8_t(t);
    const long long base = p < t ? p : t, diff = p < t ? t - p : p - t, weight = p < t ? n - k : k;
    const long long num = diff * weight;
    long long q = num / n, r = num % n;
    if (r < 0) --q, r += n;
    if (2 * r > n || (2 * r == n && (q & 1))) ++q;
    return std::uint8_t(base + q);
}

void BM_PlainLoop(benchmark::State& state) {
    const int mode = int(state.range(0));
    std::vector<std::uint32_t> p(size_t(kSide) * kSide), t0(p.size());
    for (int y = 0; y < kSide; ++y) {
        std::memcpy(&p[size_t(y) * kSide], page().Row32(y), kSide * 4);
        std::memcpy(&t0[size_t(y) * kSide], target().Row32(y), kSide * 4);
    }
    const long long a = 120, k = 120;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::uint32_t> t = t0;
        state.ResumeTiming();
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const long long prod = mode ? (long long)x * y : (long long)(kSide - 1 - x) * (kSide - 1 - y);
                long long q = prod / a, r = prod % a;
                if (2 * r > a || (2 * r == a && (q & 1))) ++q;
                const long long n = q + 2 * a;
                std::uint32_t& o = t[size_t(y) * kSide + x];
                const std::uint32_t in = p[size_t(y) * kSide + x];
                std::uint32_t v = 0;
                for (int s : {0, 8, 16})
                    v |= std::uint32_t(plainMix(int((o >> s) & 0xFF), int((in >> s) & 0xFF), n, k)) << s;
                o = v;
            }
        benchmark::DoNotOptimize(t.data());
    }
}
BENCHMARK(BM_PlainLoop)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void writePpm(const TBitmap& b, const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6\n%d %d\n255\n", b.Width(), b.Height());
    std::vector<unsigned char> row(size_t(b.Width()) * 3);
    for (int y = 0; y < b.Height(); ++y) {
        const std::uint32_t* r = b.Row32(y);
        for (int x = 0; x < b.Width(); ++x) {
            row[size_t(x) * 3] = (r[x] >> 16) & 0xFF;
            row[size_t(x) * 3 + 1] = (r[x] >> 8) & 0xFF;
            row[size_t(x) * 3 + 2] = r[x] & 0xFF;
        }
        std::fwrite(row.data(), 1, row.size(), f);
    }
    std::fclose(f);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
        writePpm(page(), std::string(argv[2]) + "/page.ppm");
        writePpm(target(), std::string(argv[2]) + "/target.ppm");
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
