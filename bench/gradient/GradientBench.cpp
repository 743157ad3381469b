// The horizontal gradient area fill as the user meets it: the whole command on the real main
// window (list read, band table, undo copy, flood fill, recolour with its progress and pumps) on
// a white 4000 x 4000 page clicked at (5, 5) with 200 colours; beside it a plain single-thread
// loop over raw buffers doing the same work (copy, scan-line fill, one band colour written per
// changed pixel).
#include "Application.h"
#include "BenchWindows.h"
#include "Pbook.h"
#include "TImage.h"
#include "TListBox.h"
#include "Toolpal.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 4000, kColours = 200;

void BM_Hdogradfill(benchmark::State& state) {
    std::vector<std::string> items;
    for (int i = 0; i < kColours; ++i)
        items.push_back(std::to_string(RGB(i, 255 - i, i / 2)));
    Form3->ListBox1->Items().SetStrings(items);
    TPbook1& pb = *Pbook1;
    const TBitmap white(kSide, kSide);
    for (auto _ : state) {
        state.PauseTiming();
        pb.ptbox1->Picture().Assign(white);
        state.ResumeTiming();
        pb.Hdogradfill(5, 5);
    }
    if (pb.ptbox1->Picture().Bitmap().GetPixel(kSide - 1, kSide - 1) == clWhite)
        state.SkipWithError("no fill");
}
BENCHMARK(BM_Hdogradfill)->Unit(benchmark::kMillisecond)->UseRealTime();

// Scan-line fill of the 4-connected area of `from` around (x, y) with `to`.
void spanFill(std::uint32_t* p, int w, int h, int x, int y, std::uint32_t from, std::uint32_t to) {
    std::vector<std::pair<int, int>> stack{{x, y}};
    while (!stack.empty()) {
        auto [sx, sy] = stack.back();
        stack.pop_back();
        std::uint32_t* row = p + size_t(sy) * size_t(w);
        if (row[sx] != from) continue;
        int l = sx, r = sx;
        while (l > 0 && row[l - 1] == from)
            --l;
        while (r < w - 1 && row[r + 1] == from)
            ++r;
        for (int i = l; i <= r; ++i)
            row[i] = to;
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h) continue;
            std::uint32_t* n = p + size_t(ny) * size_t(w);
            for (int i = l; i <= r; ++i)
                if (n[i] == from && (i == l || n[i - 1] != from)) stack.push_back({i, ny});
        }
    }
}

void BM_PlainLoop(benchmark::State& state) {
    const size_t n = size_t(kSide) * kSide;
    std::vector<std::uint32_t> page(n), undo(n), band(kSide);
    for (int y = 0; y < kSide; ++y)
        band[size_t(y)] = 0xFF000000u | std::uint32_t(y * kColours / kSide);
    for (auto _ : state) {
        state.PauseTiming();
        std::fill(page.begin(), page.end(), 0xFFFFFFFFu);
        state.ResumeTiming();
        std::memcpy(undo.data(), page.data(), n * 4);
        spanFill(page.data(), kSide, kSide, 5, 5, page[5 * kSide + 5], 0xFF010000u);
        for (int y = 0; y < kSide; ++y) {
            std::uint32_t* d = page.data() + size_t(y) * kSide;
            const std::uint32_t* s = undo.data() + size_t(y) * kSide;
            for (int x = 0; x < kSide; ++x)
                if (d[x] != s[x]) d[x] = band[size_t(y)];
        }
        benchmark::DoNotOptimize(page.data());
    }
}
BENCHMARK(BM_PlainLoop)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    startMainWindow("orvanta-gradient-bench");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
