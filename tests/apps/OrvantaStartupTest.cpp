// Orvanta's real start-up sequence, headless: every window in its order behind its global, the
// title, the main window's first page, and the loop ending when the main window closes.
#include "Application.h"
#include "Clpfrm.h"
#include "LayoutCheck.h"
#include "ModalTesting.h"
#include "OrvantaFixture.h"
#include "OrvantaProgram.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TImage.h"
#include "TPageControl.h"
#include "TStatusBar.h"
#include "TestFolder.h"
#include "Toolpal.h"
#include "about.h"
#include "almaker.h"
#include "animcap.h"
#include "animname.h"
#include "avicapper.h"
#include "aviwin.h"
#include "capbox.h"
#include "capboximview.h"
#include "capdlg.h"
#include "cappastepositioner.h"
#include "colortint.h"
#include "dirpathdlg.h"
#include "gradpal.h"
#include "help1.h"
#include "imview.h"
#include "jpegop.h"
#include "linklaunch1.h"
#include "morfshapeform1.h"
#include "moviedisplay1.h"
#include "mydialog.h"
#include "newsizefrm1.h"
#include "options.h"
#include "palettecolorsfrm1.h"
#include "preference1.h"
#include "prnfrm.h"
#include "resizefrm.h"
#include "rotdialog.h"
#include "scrntest.h"
#include "soundfrm1.h"
#include "stationary.h"
#include "textstyler.h"

#include <QTimer>
#include <filesystem>
#include <functional>

namespace {

// The shared start, without the fresh page each test gets elsewhere: these tests look at what
// the start itself left.
class OrvantaStartup : public OrvantaTest {
protected:
    void SetUp() override { TModalTest::SetUp(); }
};

struct Window {
    const char* name;
    std::function<TCustomForm*()> global;
};
#define W(g)                                                                                                 \
    Window {                                                                                                 \
#g, [] { return static_cast<TCustomForm*>(g); }                                                      \
    }

TEST_F(OrvantaStartup, CreatesTheWindowsInTheirOrderBehindTheirGlobals) {
    const Window order[] = {
        W(Pbook1),        W(folderdlg1),       W(Form3),        W(picform1),
        W(TextMakerForm), W(morfshapeform),    W(ResizeForm),   W(aboutfrm1),
        W(options1),      W(ALmaker),          W(station1),     W(jpop1),
        W(capformdlg),    W(Prinfrm),          W(cappos1),      W(AVICAP),
        W(aviwin),        W(gradform1),        W(Form1),        W(colortint1),
        W(newsizefrm),    W(PaletteColorsfrm), W(linkform),     W(Helpfrm),
        W(screentest1),   W(mydialog1),        W(AnimCap1),     W(clpform1),
        W(preference),    W(Soundfrm),         W(Moviedisplay), W(cappastefrm),
        W(rotateform),    W(cappos2),
    };
    const auto& forms = Application->Forms();
    ASSERT_EQ(forms.size(), std::size(order));
    for (size_t i = 0; i < forms.size(); ++i) {
        EXPECT_NE(order[i].global(), nullptr) << order[i].name;
        EXPECT_EQ(forms[i], order[i].global()) << "window " << i + 1 << " should be " << order[i].name;
    }
    EXPECT_EQ(Application->Title(), "Orvanta");
    EXPECT_EQ(Application->MainForm(), Pbook1);
    // The loop shows the main window; the dialogs wait for their callers.
    EXPECT_FALSE(Pbook1->Visible());
    for (TCustomForm* dialog : {static_cast<TCustomForm*>(newsizefrm), static_cast<TCustomForm*>(ResizeForm),
                                static_cast<TCustomForm*>(mydialog1), static_cast<TCustomForm*>(jpop1)})
        EXPECT_FALSE(dialog->Visible()) << dialog->Name();
}

TEST_F(OrvantaStartup, MainWindowStartsWithAWhitePageNamedTempBmp) {
    EXPECT_EQ(Pbook1->Caption(), "TEMP.BMP");
    EXPECT_EQ(Pbook1->BoundsRect(), Bounds(10, 43, 640, 480));
    const TBitmap& page = Pbook1->ptbox1->Picture().Bitmap();
    ASSERT_EQ(page.Width(), 450);
    ASSERT_EQ(page.Height(), 250);
    for (int y = 0; y < page.Height(); y += 7)
        for (int x = 0; x < page.Width(); x += 7)
            ASSERT_EQ(page.GetPixel(x, y), clWhite) << x << "," << y;
    EXPECT_EQ(Pbook1->Image2->Picture().Width(), 450);
    EXPECT_TRUE(Pbook1->pagesready);
    EXPECT_FALSE(Pbook1->modified);
    EXPECT_TRUE(std::filesystem::is_directory(program().path() / "clpcache"));
}

// Runs last: it ends the program's loop.
TEST_F(OrvantaStartup, NoCaptionOfAnyWindowIsCutOrCovered) {
    std::string faults;
    for (TCustomForm* f : Application->Forms())
        for (const std::string& fault : layoutcheck::Faults(f))
            faults += fault + "\n";
    EXPECT_EQ(faults, "");
}

TEST_F(OrvantaStartup, ZClosingTheMainWindowEndsTheLoop) {
    bool shownOnPaint = false;
    std::string status;
    QTimer::singleShot(0, [&] {
        shownOnPaint = Pbook1->Visible() && Pbook1->PageControl1->ActivePage() == Pbook1->TabSheet1;
        status = Pbook1->StatusBar1->SimpleText();
        Pbook1->Close();
    });
    bool stuck = false;
    QTimer::singleShot(10000, [&] {
        stuck = true;
        Application->Terminate();
    });
    Application->Run();
    EXPECT_FALSE(stuck);
    EXPECT_TRUE(shownOnPaint);
    EXPECT_EQ(status, "   450x250");
    EXPECT_TRUE(Application->Terminated());
    // The colour bar is written back on the way out.
    EXPECT_TRUE(std::filesystem::exists(program().path() / "bin" / "pal.clrs"));
}

} // namespace
