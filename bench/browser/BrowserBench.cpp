// The image browser's thumbnail run over a folder of large JPEGs, in the real windows on the
// offscreen platform: every file decoded at full size, then again at 1:8 for its thumbnail.
//   browser_bench --make DIR      writes 40 JPEGs of 2000 x 1500 into DIR
//   browser_bench --thumbnails DIR runs the sheet and prints the milliseconds it took
#include "Application.h"
#include "MessageBox.h"
#include "ModalSeam.h"
#include "OrvantaProgram.h"
#include "PictureWriters.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TImage.h"
#include "imview.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// A photograph-like picture: smooth gradients with a little noise and some edges.
TBitmap photo(int w, int h, unsigned seed) {
    TBitmap b(w, h);
    unsigned r = seed * 2654435761u;
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < w; ++x) {
            r = r * 1664525u + 1013904223u;
            const int n = int(r >> 28);
            const int red = (x * 255 / w + n) & 0xFF, green = (y * 255 / h + n) & 0xFF;
            const int blue = ((x / 125 + y / 125) % 2) ? 200 : 40;
            row[x] =
                0xFF000000u | (std::uint32_t(red) << 16) | (std::uint32_t(green) << 8) | std::uint32_t(blue);
        }
    }
    return b;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s --make DIR | --thumbnails DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[2];
    if (std::strcmp(argv[1], "--make") == 0) {
        std::filesystem::create_directories(dir);
        for (int i = 0; i < 40; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "/p%02d.jpg", i);
            WriteJpegPicture(photo(2000, 1500, unsigned(i + 1)), dir + name, 90, false);
        }
        return 0;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const std::filesystem::path program = std::filesystem::temp_directory_path() / "browser-bench-program";
    std::filesystem::create_directories(program / "bin");
    ProgramFolder::SetRoot(program);
    Screen->SetSize(1024, 768);
    StartOrvanta();
    picform1->DirectoryListBox1->SetDirectory(dir);
    picform1->FileListBox1->Update();
    ModalSeam().QueueButton(IDNO); // "Save Thumbnails?": one sheet of 40
    QElapsedTimer clock;
    clock.start();
    picform1->SpeedButton6Click(nullptr);
    std::printf("%lld\n", (long long)clock.elapsed());
    return picform1->Image1->Picture().Height() == 1500 ? 0 : 1;
}
