// The animation manager's preview tick as the user meets it: 300 marked 640 x 480 frame files on
// the play list, each tick reading the next into the Preview window's image and the paint that
// causes (events processed after every tick). `--write-frames=DIR` writes the frames
// (frame000.bmp ..., for compare.sh); `--time=DIR` plays them once per run, 5 runs, and prints
// the median milliseconds a frame.
// `--resize=DIR` runs the batch resize once, as the user does it ("Resize", 320 x 240 in the
// resize dialog, Yes), over the 300 frames of DIR, all marked, each written back over itself
// through the safe writer; it prints the milliseconds of the run and checks every frame.
#include "Application.h"
#include "BmpCodec.h"
#include "ModalSeam.h"
#include "OrvantaProgram.h"
#include "PictureWriters.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TBitBtn.h"
#include "TImage.h"
#include "TListBox.h"
#include "TTimer.h"
#include "animcap.h"
#include "resizefrm.h"
#include "scrntest.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kFrames = 300;

std::string frameName(const std::string& dir, int n) {
    char name[32];
    std::snprintf(name, sizeof name, "/frame%03d.bmp", n);
    return dir + name;
}

// Frame n: gradients that move from frame to frame.
void writeFrames(const std::string& dir) {
    std::filesystem::create_directories(dir);
    TBitmap b(640, 480, pf24bit);
    for (int n = 0; n < kFrames; ++n) {
        for (int y = 0; y < 480; ++y) {
            std::uint32_t* row = b.Row32(y);
            for (int x = 0; x < 640; ++x)
                row[x] = TBitmap::ToWord(RGB((x + n) & 0xFF, (y * 2 + n) & 0xFF, (x ^ y) & 0xFF));
        }
        WriteBmpPicture(b, frameName(dir, n));
    }
}

int shown = 0; // ticks whose frame reached the Preview window

// Every frame of `dir` on the play list, all marked; their paths.
std::vector<std::string> markAll(const std::string& dir) {
    std::vector<std::string> paths;
    for (int n = 0; n < kFrames; ++n)
        paths.push_back(frameName(dir, n));
    AnimCap1->ListBox1->Items().SetStrings(paths);
    for (int n = 0; n < kFrames; ++n)
        AnimCap1->ListBox1->SetSelected(n, true);
    return paths;
}

// Plays every marked frame once; the milliseconds a frame.
double playAll(const std::string& dir) {
    TAnimCap1& m = *AnimCap1;
    markAll(dir);
    m.BitBtn10->Click();            // "Preview": shows the first frame, starts the clock
    m.Timer1->SetInterval(1000000); // the clock stays on; the ticks are driven here, one after another
    Application->ProcessMessages();
    const auto t0 = std::chrono::steady_clock::now();
    for (int n = 0; n < kFrames; ++n) {
        m.doshow2();
        Application->ProcessMessages();
        const TColor c = screentest1->Image1->Picture().Bitmap().GetPixel(0, 0);
        shown += GetRValue(c) == (n & 0xFF) && screentest1->Visible();
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    m.ListBox1->Clear();
    return ms / kFrames;
}

// "Resize" over every frame of `dir`, all marked, to 320 x 240; the milliseconds of the run.
double resizeAll(const std::string& dir) {
    TAnimCap1& m = *AnimCap1;
    const std::vector<std::string> paths = markAll(dir);
    ModalSeam().QueueScript<TResizeForm>([](TResizeForm& d) {
        d.SpinEdit1->SetValue(320);
        d.SpinEdit2->SetValue(240);
        d.BitBtn1->Click();
    });
    ModalSeam().QueueButton(mrYes); // "OK to resize all marked files?"
    const auto t0 = std::chrono::steady_clock::now();
    m.BitBtn14->Click();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    int resized = 0;
    for (int n = 0; n < kFrames; ++n) {
        const TBitmap b = ReadBmpFile(paths[n]);
        resized += b.Width() == 320 && b.Height() == 240 && !m.ListBox1->Selected(n);
    }
    if (resized != kFrames || !ModalSeam().Failures().empty())
        std::fprintf(stderr, "batch resize: only %d of %d frames resized\n", resized, kFrames);
    m.ListBox1->Clear();
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    std::string write, time, resize;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-frames=", 15) == 0) write = argv[i] + 15;
        if (std::strncmp(argv[i], "--time=", 7) == 0) time = argv[i] + 7;
        if (std::strncmp(argv[i], "--resize=", 9) == 0) resize = argv[i] + 9;
    }
    if (!write.empty()) {
        writeFrames(write);
        return 0;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "orvanta-animation-bench";
    std::filesystem::create_directories(root / "bin");
    ProgramFolder::SetRoot(root);
    StartOrvanta();
    if (!resize.empty()) {
        std::printf("%.1f\n", resizeAll(resize));
        return 0;
    }
    if (time.empty()) {
        time = (root / "frames").string();
        if (!std::filesystem::exists(frameName(time, kFrames - 1))) writeFrames(time);
    }
    std::vector<double> ms;
    for (int run = 0; run < 5; ++run)
        ms.push_back(playAll(time));
    std::sort(ms.begin(), ms.end());
    std::printf(
        "preview tick, 640 x 480 frame: %.2f ms (median of 5 runs of %d frames; %d of %d ticks showed "
        "their frame)\n",
        ms[2], kFrames, shown, 5 * kFrames);
    return 0;
}
