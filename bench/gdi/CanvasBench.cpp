// The canvas on a 4000 x 4000 page: whole-page flood fill against a whole-page FillRect, a
// rubber-band outline drawn and erased on a large and a small page, and block copies.
#include "Blit.h"
#include "TBitmap.h"
#include "TCanvas.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPage = 4000;

TBitmap& page() {
    static TBitmap p(kPage, kPage);
    return p;
}

void FillRectPage(benchmark::State& st) {
    TCanvas& c = page().Canvas();
    bool red = false;
    for (auto _ : st) {
        c.Brush.Color = red ? clRed : clWhite;
        c.FillRect(Rect(0, 0, kPage, kPage));
        red = !red;
        benchmark::DoNotOptimize(page().Bits());
    }
    st.SetItemsProcessed(st.iterations() * kPage * kPage);
}
BENCHMARK(FillRectPage)->Unit(benchmark::kMillisecond);

void FloodFillPage(benchmark::State& st) {
    TCanvas& c = page().Canvas();
    c.Brush.Color = clWhite;
    c.FillRect(Rect(0, 0, kPage, kPage));
    bool red = false;
    for (auto _ : st) {
        // Every pass fills the whole page with the other colour.
        c.Brush.Color = red ? clWhite : clRed;
        c.FloodFill(kPage / 2, kPage / 2, red ? clRed : clWhite, fsSurface);
        red = !red;
        benchmark::DoNotOptimize(page().Bits());
    }
    st.SetItemsProcessed(st.iterations() * kPage * kPage);
}
BENCHMARK(FloodFillPage)->Unit(benchmark::kMillisecond);

void FloodFillPageHatched(benchmark::State& st) {
    // A brush that leaves most pixels as they were: the region is found first, then painted.
    TCanvas& c = page().Canvas();
    c.Brush.Style = bsSolid;
    c.Brush.Color = clWhite;
    c.FillRect(Rect(0, 0, kPage, kPage));
    for (auto _ : st) {
        c.Brush.Style = bsCross;
        c.Brush.Color = clWhite;
        c.FloodFill(kPage / 2, kPage / 2, clWhite, fsSurface);
        benchmark::DoNotOptimize(page().Bits());
    }
    c.Brush.Style = bsSolid;
    st.SetItemsProcessed(st.iterations() * kPage * kPage);
}
BENCHMARK(FloodFillPageHatched)->Unit(benchmark::kMillisecond);

// A 300 x 300 NOT-XOR outline drawn and erased, as a rubber band does on every mouse move.
void RubberBandRectangle(benchmark::State& st) {
    TBitmap b(int(st.range(0)), int(st.range(0)));
    TCanvas& c = b.Canvas();
    c.Pen.Mode = pmNotXor;
    c.Brush.Style = bsClear;
    for (auto _ : st) {
        c.Rectangle(50, 50, 350, 350);
        c.Rectangle(50, 50, 350, 350);
    }
}
BENCHMARK(RubberBandRectangle)->Arg(400)->Arg(4000)->Unit(benchmark::kMicrosecond);

void RubberBandEllipse(benchmark::State& st) {
    TBitmap b(int(st.range(0)), int(st.range(0)));
    TCanvas& c = b.Canvas();
    c.Pen.Mode = pmNotXor;
    c.Brush.Style = bsClear;
    for (auto _ : st) {
        c.Ellipse(50, 50, 350, 350);
        c.Ellipse(50, 50, 350, 350);
    }
}
BENCHMARK(RubberBandEllipse)->Arg(400)->Arg(4000)->Unit(benchmark::kMicrosecond);

void WideLine(benchmark::State& st) {
    TBitmap b(1000, 1000);
    TCanvas& c = b.Canvas();
    c.Pen.Width = int(st.range(0));
    for (auto _ : st) {
        c.MoveTo(20, 30);
        c.LineTo(950, 900);
    }
}
BENCHMARK(WideLine)->Arg(1)->Arg(12)->Arg(90)->Unit(benchmark::kMicrosecond);

// Bitmaps touched once before timing, so that first-touch page faults stay out of the figures.
TBitmap& warm(TBitmap& b) {
    b.Canvas().FillRect(Rect(0, 0, b.Width(), b.Height()));
    return b;
}

void BitBltPage(benchmark::State& st) {
    static TBitmap& dst = warm(*new TBitmap(kPage, kPage));
    auto rop = std::uint32_t(st.range(0));
    for (auto _ : st) {
        BitBlt(dst.Canvas(), 0, 0, kPage, kPage, &page().Canvas(), 0, 0, rop);
        benchmark::DoNotOptimize(dst.Bits());
    }
    st.SetItemsProcessed(st.iterations() * kPage * kPage);
}
BENCHMARK(BitBltPage)->Arg(SRCCOPY)->Arg(SRCAND)->Arg(0x00B8074A)->Unit(benchmark::kMillisecond);

void StretchBltHalf(benchmark::State& st) {
    static TBitmap& dst = warm(*new TBitmap(kPage / 2, kPage / 2));
    dst.Canvas().StretchMode = int(st.range(0));
    for (auto _ : st) {
        StretchBlt(dst.Canvas(), 0, 0, kPage / 2, kPage / 2, page().Canvas(), 0, 0, kPage, kPage, SRCCOPY);
        benchmark::DoNotOptimize(dst.Bits());
    }
    st.SetItemsProcessed(st.iterations() * kPage * kPage);
}
BENCHMARK(StretchBltHalf)->Arg(COLORONCOLOR)->Arg(BLACKONWHITE)->Arg(HALFTONE)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
