// A rectangle rubber band followed by the mouse on the page of the real main window, each move
// handled by the page's mouse dispatch and then painted (the window is shown on the offscreen
// platform and the events are processed after every move). The cost of a move must not grow
// with the page: the band is erased and drawn again on the page itself and only the rectangle
// it touched is repainted.
#include "Application.h"
#include "BenchWindows.h"
#include "Pbook.h"
#include "TImage.h"
#include "Toolpal.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

// Counts the paints of the page control, to show the moves were really painted.
class PaintCounter : public QObject {
public:
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};
PaintCounter* counter = nullptr;

void BM_RubberBandMove(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    TPbook1& pb = *Pbook1;
    pb.ptbox1->Picture().Assign(TBitmap(w, h));
    pb.initpages();
    Application->ProcessMessages();
    Form3->toolcode = 5;
    Form3->do_tool(5);
    Application->ProcessMessages();
    pb.ptbox1->MouseDown(mbLeft, ssLeft, 40, 30);
    long before = counter->paints;
    long moves = 0;
    for (auto _ : state) {
        // A 200 x 150 band whose corner wobbles as a hand does.
        int k = int(moves++ % 8);
        pb.ptbox1->MouseMove(ssLeft, 240 + k, 180 + (k ^ 3));
        Application->ProcessMessages();
    }
    pb.ptbox1->MouseUp(mbLeft, 0, 240, 180);
    Application->ProcessMessages();
    state.counters["paints_per_move"] = double(counter->paints - before) / double(moves ? moves : 1);
}
BENCHMARK(BM_RubberBandMove)->Args({450, 250})->Args({4000, 4000})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    startMainWindow("orvanta-draw-bench");
    counter = new PaintCounter;
    Pbook1->ptbox1->Widget()->installEventFilter(counter);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
