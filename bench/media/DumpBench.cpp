// AVI Capture's frame dump as the user meets it, in the real window: a film opened in the
// capture window's player, "Dump" pressed, the folder dialog answered with a folder, the prefix
// "frame" and the whole range, "OK to dump all the fames to files?" answered Yes; each frame is
// sought, drawn, copied from the screen under the player and written through the safe writer.
// The screen copy reads the X11 screen, so this runs under an X server (Xvfb), not offscreen.
// `--dump=FILM --out=DIR` dumps every frame of FILM into DIR once and prints the milliseconds
// from the click to the end of the dump; it checks that every frame was written. The player is
// transparent, as the window starts; `--opaque` unticks "Transparent" first.
#include "Application.h"
#include "AviPlay.h"
#include "BmpCodec.h"
#include "MessageBox.h"
#include "ModalSeam.h"
#include "OrvantaProgram.h"
#include "ProgramFolder.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TSpinEdit.h"
#include "avicapper.h"
#include "dirpathdlg.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

namespace {

// Events processed for a while, so the window is mapped and painted before the clock starts.
void settle(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string film, out;
    bool opaque = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--opaque") == 0) opaque = true;
        if (std::strncmp(argv[i], "--dump=", 7) == 0) film = argv[i] + 7;
        if (std::strncmp(argv[i], "--out=", 6) == 0) out = argv[i] + 6;
    }
    if (film.empty() || out.empty()) {
        std::fprintf(stderr, "usage: avicapture_bench --dump=FILM --out=DIR (under an X server)\n");
        return 2;
    }
    QApplication app(argc, argv);
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "orvanta-avicapture-bench";
    std::filesystem::create_directories(root / "bin");
    ProgramFolder::SetRoot(root);
    StartOrvanta();
    std::filesystem::create_directories(out);

    TAVICAP& cap = *AVICAP;
    cap.AVI->SetFileName(film);
    if (opaque) cap.CheckTransparent->SetChecked(false);
    const int frames = cap.AVI->FFrameCount();
    cap.Show();
    settle(500);

    ModalSeam().QueueScript<Tfolderdlg1>([&](Tfolderdlg1& d) {
        d.SpinEdit1->SetValue(1);
        d.SpinEdit2->SetValue(frames);
        d.Edit1->SetText("frame");
        d.Label1->SetCaption(out);
        d.Close();
    });
    ModalSeam().QueueButton(IDYES); // "OK to dump all the fames to files?"
    const auto t0 = std::chrono::steady_clock::now();
    cap.BitBtn6->Click();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();

    int written = 0;
    for (int n = 0; n < frames; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "/frame%03d.bmp", n);
        const std::string path = out + name;
        if (!std::filesystem::exists(path)) continue;
        const TBitmap b = ReadBmpFile(path);
        written += b.Width() == cap.AVI->Width() && b.Height() == cap.AVI->Height();
    }
    if (frames == 0 || written != frames || !ModalSeam().Failures().empty())
        std::fprintf(stderr, "dump: %d of %d frames written\n", written, frames);
    std::printf("%.1f\n", ms);
    cap.Close();
    return 0;
}
