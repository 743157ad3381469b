// One drag step of a floating paste: the whole undo image back onto the page, then the mask
// (MERGEPAINT) and the clip (SRCAND) at the new place, as the canvas does it, beside a plain
// memcpy of the page and a C loop that combines the same pixels.
#include "TBitmap.h"
#include "TCanvas.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kPage = 4000;
constexpr int kClip = 256;

struct Pictures {
    TBitmap page{kPage, kPage}, undo{kPage, kPage}, clip{kClip, kClip}, mask{kClip, kClip};
    Pictures() {
        for (int y = 0; y < kPage; ++y) {
            std::uint32_t* row = undo.Row32(y);
            for (int x = 0; x < kPage; ++x)
                row[x] = std::uint32_t(x * 7 + y * 13) & 0xFFFFFF;
        }
        for (int y = 0; y < kClip; ++y)
            for (int x = 0; x < kClip; ++x) {
                bool inside = (x - 128) * (x - 128) + (y - 128) * (y - 128) < 120 * 120;
                clip.Row32(y)[x] = inside ? std::uint32_t(x * 3 + y) & 0xFFFFFF : 0xFFFFFF;
                mask.Row32(y)[x] = inside ? 0 : 0xFFFFFF;
            }
    }
};

Pictures& pictures() {
    static Pictures p;
    return p;
}

void PasteDragStep(benchmark::State& st) {
    Pictures& p = pictures();
    TCanvas& c = p.page.Canvas();
    int at = 0;
    for (auto _ : st) {
        c.CopyMode = SRCCOPY;
        c.Draw(0, 0, p.undo);
        at = (at + 7) % (kPage - kClip);
        BitBlt(c, at, at, kClip, kClip, &p.mask.Canvas(), 0, 0, MERGEPAINT);
        BitBlt(c, at, at, kClip, kClip, &p.clip.Canvas(), 0, 0, SRCAND);
        benchmark::DoNotOptimize(p.page.Bits());
    }
}
BENCHMARK(PasteDragStep)->Unit(benchmark::kMillisecond);

void PlainDragStep(benchmark::State& st) {
    Pictures& p = pictures();
    int at = 0;
    for (auto _ : st) {
        for (int y = 0; y < kPage; ++y)
            std::memcpy(p.page.Row32(y), p.undo.Row32(y), size_t(kPage) * 4);
        at = (at + 7) % (kPage - kClip);
        for (int y = 0; y < kClip; ++y) {
            std::uint32_t* d = p.page.Row32(at + y) + at;
            const std::uint32_t* m = p.mask.Row32(y);
            const std::uint32_t* s = p.clip.Row32(y);
            for (int x = 0; x < kClip; ++x)
                d[x] = ((~m[x] | d[x]) & s[x]) & 0xFFFFFF;
        }
        benchmark::DoNotOptimize(p.page.Bits());
    }
}
BENCHMARK(PlainDragStep)->Unit(benchmark::kMillisecond);

} // namespace
