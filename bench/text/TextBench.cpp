// "Copy to Paint" of the Text tab on a 1000-line text (54 characters a line, one font) in the
// real main window on the offscreen platform, beside a plain loop that draws the same lines
// with one QPainter::drawText call per line into a picture of the same size. The tab reads each
// character's attributes and draws characters of one font together only where that puts every
// glyph where its own drawing would; the whole command also puts the picture on the clipboard
// and makes it the floating paste, and the drawing alone is measured too.
#include "Application.h"
#include "Clipboard.h"
#include "Faces.h"
#include "OrvantaProgram.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TCheckBox.h"
#include "TPageControl.h"
#include "TRichEdit.h"
#include "TestClipboardSystem.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> textLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; ++i) {
        std::string line = "Line " + std::to_string(1000 + i) + ": the quick brown fox jumps over a dog";
        line.resize(54, '.');
        lines.push_back(line);
    }
    return lines;
}

TFont benchFont() {
    TFont f;
    f.Name = "Arial";
    f.SetSize(10);
    f.Color = clBlack;
    return f;
}

void BM_CopyToPaint1000Lines(benchmark::State& state) {
    TRichEdit& edit = *Pbook1->RichEdit2;
    int height = 0;
    for (auto _ : state) {
        Pbook1->PageControl1->SetActivePage(Pbook1->TabSheet4);
        Pbook1->CopytoPaint1Click(nullptr);
        state.PauseTiming();
        TBitmap drawn;
        Clipboard()->GetBitmap(drawn);
        height = drawn.Height();
        Pbook1->hidePastePanel();
        state.ResumeTiming();
    }
    state.counters["height"] = height;
    state.counters["chars"] = edit.GetTextLen();
}
BENCHMARK(BM_CopyToPaint1000Lines)->Unit(benchmark::kMillisecond);

// The drawing alone, without the clipboard and the floating paste of so tall a picture.
void BM_TextPicture1000Lines(benchmark::State& state) {
    for (auto _ : state) {
        TBitmap drawn = Pbook1->textPicture();
        benchmark::DoNotOptimize(drawn.Row32(0));
    }
}
BENCHMARK(BM_TextPicture1000Lines)->Unit(benchmark::kMillisecond);

void BM_PlainDrawTextPerLine(benchmark::State& state) {
    const std::vector<std::string> lines = textLines();
    TFont f = benchFont();
    f.SetHeight(13); // the cell height the editor reports for 10 points
    const QFont font = DesignedFont(f);
    const int pitch = QFontMetrics(font).height();
    QImage picture(Pbook1->RichEdit2->Width(), pitch * int(lines.size()), QImage::Format_RGB32);
    for (auto _ : state) {
        picture.fill(Qt::white);
        QPainter p(&picture);
        p.setFont(font);
        p.setPen(Qt::black);
        int y = 0;
        for (const std::string& line : lines) {
            p.drawText(0, y + QFontMetrics(font).ascent(), QString::fromStdString(line));
            y += pitch;
        }
        p.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_PlainDrawTextPerLine)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const std::filesystem::path program = std::filesystem::temp_directory_path() / "text-bench-program";
    std::filesystem::create_directories(program / "bin");
    ProgramFolder::SetRoot(program);
    Screen->SetSize(1024, 768);
    SetClipboardSystem(std::make_shared<TestClipboardSystem>());
    StartOrvanta();
    Pbook1->Show();
    Pbook1->PageControl1->SetActivePage(Pbook1->TabSheet4);
    Pbook1->Checkwrap->SetChecked(false);
    Pbook1->RichEdit2->SetFont(benchFont());
    std::string text;
    for (const std::string& line : textLines())
        text += line + "\n";
    Pbook1->RichEdit2->Lines().SetText(text);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetClipboardSystem(nullptr);
    return 0;
}
