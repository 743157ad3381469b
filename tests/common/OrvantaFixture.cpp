#include "OrvantaFixture.h"

#include "jpegop.h"

#include <filesystem>

std::unique_ptr<TestFolder>& OrvantaTest::folder() {
    static std::unique_ptr<TestFolder> f;
    return f;
}

TestFolder& OrvantaTest::program() {
    return *folder();
}

void OrvantaTest::SetUpTestSuite() {
    folder() = std::make_unique<TestFolder>();
    std::filesystem::create_directory(folder()->path() / "bin");
    ProgramFolder::SetRoot(folder()->path());
    Screen->SetSize(1024, 768);
    if (!Pbook1) StartOrvanta();
}

void OrvantaTest::SetUp() {
    TModalTest::SetUp();
    ProgramFolder::SetRoot(folder()->path());
    Screen->SetSize(1024, 768);

    TForm3& p = *Form3;
    p.toolcode = 0;
    p.leftcolor = clBlack;
    p.rightcolor = clWhite;
    p.fillstyle = 0;
    p.normalfill = true;
    p.patternfill = false;
    p.pasteframe = false;
    p.linewidth = 1;
    p.penwidth = 1;
    p.SpinEdit1->SetValue(1);

    TPbook1& pb = *Pbook1;
    pb.SpinEdit3->SetValue(50); // the width spin's change copies into the box width
    pb.SpinEdit4->SetValue(40);
    pb.redo->Picture().Clear();
    pb.ptbox1->Picture().Assign(TBitmap(450, 250));
    pb.FormCreate(&pb); // clears every mode and stroke flag and lays the page out
    pb.polycount = 1;
    page().Canvas().Pen = TPen();
    page().Canvas().Brush = TBrush();
    jpop1->TrackBar1->SetPosition(100);
}

void OrvantaTest::loadPage(int w, int h, TColor mark) {
    TBitmap b(w, h);
    b.SetPixel(1, 1, mark);
    Pbook1->ptbox1->Picture().Assign(b);
    Pbook1->initpages();
}

void OrvantaTest::choose(int code) {
    Form3->toolcode = code;
    Form3->do_tool(std::uint8_t(code));
}

TBitmap OrvantaTest::expected(const std::function<void(TCanvas&)>& draw) {
    TBitmap b(page().Width(), page().Height());
    draw(b.Canvas());
    return b;
}

bool OrvantaTest::shown(const std::string& text) {
    for (const auto& s : ModalSeam().Log())
        if (s.text == text) return true;
    return false;
}
