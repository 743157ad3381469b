// The zoom view painting a 4000 x 4000 page at 180 %: an exposed 800 x 600 part of it against a
// whole 800 x 600 view (a repaint must cost what is on the screen, not the page), and the whole
// 4000 x 4000 view against a plain nearest-neighbour loop scaling the same visible rectangle to
// the same size. Painting goes through the widget into an image, as the screen gets it.
#include "Application.h"
#include "Forms.h"
#include "Zoompic.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

TForm* host = nullptr;

TBitmap noise(int w, int h) {
    TBitmap b(w, h, pf24bit);
    std::mt19937 rng(5);
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < w; ++x)
            row[x] = 0xFF000000u | (rng() & 0xFFFFFFu);
    }
    return b;
}

// A control of the picture's size showing it at 180 %, centred.
std::unique_ptr<TZoomImage> zoomed(const TBitmap& picture) {
    auto z = std::make_unique<TZoomImage>(nullptr, host);
    z->SetBounds(0, 0, picture.Width(), picture.Height());
    z->SetBitmap(picture);
    z->SetzoomValue(180);
    return z;
}

void paint(TZoomImage& z, QImage& target, const QRect& part) {
    z.Widget()->render(&target, QPoint(0, 0), QRegion(part), QWidget::RenderFlags());
}

// A picture of side w x h shown at 180 % in a control of its size, the part repainted.
void BM_ZoomRepaint(benchmark::State& state, int w, int h, QRect part) {
    auto z = zoomed(noise(w, h));
    QImage target(part.width(), part.height(), QImage::Format_RGB32);
    target.fill(0); // a screen buffer that exists already, as the yardstick's
    for (auto _ : state) {
        paint(*z, target, part);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK_CAPTURE(BM_ZoomRepaint, ExposedPartOf4000, 4000, 4000, QRect(1600, 1700, 800, 600))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ZoomRepaint, Whole800x600, 800, 600, QRect(0, 0, 800, 600))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ZoomRepaint, Whole4000, 4000, 4000, QRect(0, 0, 4000, 4000))
    ->Unit(benchmark::kMillisecond);

// The yardstick: the same visible rectangle of the same picture, each output pixel picked from
// its source pixel, into a buffer of the view's size.
void BM_PlainNearestNeighbour4000(benchmark::State& state) {
    const TBitmap picture = noise(4000, 4000);
    auto z = zoomed(picture);
    const int sx = z->visleft(), sy = z->vistop();
    const int sw = z->visright() - sx, sh = z->visbottom() - sy;
    const int W = 4000, H = 4000;
    std::vector<std::uint32_t> out(std::size_t(W) * H);
    std::vector<int> cols(W);
    for (int x = 0; x < W; ++x)
        cols[std::size_t(x)] = sx + int((long long)x * sw / W);
    for (auto _ : state) {
        for (int y = 0; y < H; ++y) {
            const std::uint32_t* src = picture.Row32(sy + int((long long)y * sh / H));
            std::uint32_t* dst = out.data() + std::size_t(y) * W;
            for (int x = 0; x < W; ++x)
                dst[x] = src[cols[std::size_t(x)]];
        }
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_PlainNearestNeighbour4000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    host = new TForm();
    host->SetBounds(0, 0, 800, 600);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
