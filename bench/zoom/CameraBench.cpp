// One frame of the zoom page's camera (the box's part of the zoomed view worked out, the next
// frame name, the BMP written safely): a 352 x 288 box at 200 % over a 4000 x 4000 page and over a
// 500 x 500 page, beside a plain loop that copies the same box out of a 4000 x 4000 buffer,
// doubling each pixel, and writes it as a BMP through write, fsync and rename. A frame must cost
// the box, not the page.
#include "Application.h"
#include "FileIO.h"
#include "OrvantaProgram.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TSpinEdit.h"
#include "Zoompic.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kBoxW = 352, kBoxH = 288;

fs::path& frames() {
    static fs::path p;
    return p;
}

TBitmap noise(int n) {
    TBitmap b(n, n, pf24bit);
    std::mt19937 rng(5);
    for (int y = 0; y < n; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < n; ++x)
            row[x] = rng() & 0xFFFFFFu;
    }
    return b;
}

// The page at 200 % on the "Zoom" tab, the "352x288" preset centring the box, frames going to
// the benchmark's folder.
void zoomPage(int n) {
    TPbook1& pb = *Pbook1;
    pb.PageControl1->SetActivePage(pb.TabSheet1);
    pb.PageControl1Change(pb.PageControl1);
    pb.ptbox1->Picture().Assign(noise(n));
    pb.modified = false;
    pb.initpages();
    pb.zm1spin->SetValue(200);
    pb.PageControl1->SetActivePage(pb.TabSheet3);
    pb.PageControl1Change(pb.PageControl1);
    pb.BitBtn56->Click();
    pb.BitBtn33->Click();
    pb.zlabel1->SetCaption(frames().string() + "/");
    pb.zedit1->SetText("cam");
    pb.zcambut1->SetEnabled(true);
}

void cameraFrame(benchmark::State& state) {
    zoomPage(int(state.range(0)));
    TPbook1& pb = *Pbook1;
    int n = 0;
    for (auto _ : state) {
        pb.zspin1->SetValue(n++ % 8);
        pb.zcambut1Click(&pb);
    }
    state.counters["box"] = double(pb.SpinEdit5->Value() * pb.SpinEdit6->Value());
}
BENCHMARK(cameraFrame)->Arg(4000)->Arg(500)->Unit(benchmark::kMicrosecond);

// The frame's pixels alone, without the name and the disk.
void cameraRender(benchmark::State& state) {
    zoomPage(int(state.range(0)));
    for (auto _ : state) {
        TBitmap box = Pbook1->zoomboxrender();
        benchmark::DoNotOptimize(box.Bits());
    }
}
BENCHMARK(cameraRender)->Arg(4000)->Arg(500)->Unit(benchmark::kMicrosecond);

// The yardstick: the box's 176 x 144 source pixels, each doubled, into BMP rows (bottom up,
// 24-bit, padded to 4 bytes), then one safe write of the file.
void plainFrame(benchmark::State& state) {
    const int n = 4000;
    std::vector<std::uint32_t> page(std::size_t(n) * n);
    std::mt19937 rng(5);
    for (auto& p : page)
        p = rng() & 0xFFFFFFu;
    const int sx = 1000 + (2000 - kBoxW / 2) / 2, sy = 1000 + (2000 - kBoxH / 2) / 2;
    const int stride = (kBoxW * 3 + 3) & ~3;
    std::vector<std::uint8_t> file(54 + std::size_t(stride) * kBoxH);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, std::uint32_t(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, kBoxW);
    put32(22, kBoxH);
    file[26] = 1;
    file[28] = 24;
    put32(34, std::uint32_t(stride) * kBoxH);
    const bool write = state.range(0) != 0;
    int k = 0;
    for (auto _ : state) {
        for (int y = 0; y < kBoxH; ++y) {
            const std::uint32_t* src = page.data() + std::size_t(sy + y / 2) * n + sx;
            std::uint8_t* dst = file.data() + 54 + std::size_t(kBoxH - 1 - y) * stride;
            for (int x = 0; x < kBoxW; ++x) {
                const std::uint32_t c = src[x / 2];
                dst[3 * x] = std::uint8_t(c >> 16);
                dst[3 * x + 1] = std::uint8_t(c >> 8);
                dst[3 * x + 2] = std::uint8_t(c);
            }
        }
        benchmark::DoNotOptimize(file.data());
        if (!write) continue;
        writeFileReplacing((frames() / ("plain" + std::to_string(k++ % 8) + ".bmp")).string(),
                           std::span<const std::uint8_t>(file));
    }
}
BENCHMARK(plainFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    const fs::path root = fs::temp_directory_path() / ("camera-bench-" + std::to_string(getpid()));
    fs::create_directories(root / "bin");
    frames() = root / "frames";
    fs::create_directories(frames());
    ProgramFolder::SetRoot(root);
    Screen->SetSize(1280, 1024);
    StartOrvanta();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(root);
    return 0;
}
