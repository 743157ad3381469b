// The main window's own commands: 640 x 480, the upper tool bar, roll up and down, enlarging the
// canvas, the about box and the help text.
#include "Application.h"
#include "MemoryStatus.h"
#include "Menus.h"
#include "OrvantaFixture.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "about.h"
#include "help1.h"
#include "resizefrm.h"

#include <vector>

namespace {

class WindowCommandsTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        Pbook1->SetBounds(10, 43, 639, 522);
    }
    void TearDown() override {
        Pbook1->SetBounds(10, 43, 639, 522);
        OrvantaTest::TearDown();
    }
    // The heights the window takes while `command` runs.
    static std::vector<int> heightsDuring(void (TPbook1::*command)(TObject*)) {
        std::vector<int> heights;
        TNotifyEvent old = Pbook1->OnResize;
        Pbook1->OnResize = [&](TObject*) { heights.push_back(Pbook1->Height()); };
        (Pbook1->*command)(nullptr);
        Pbook1->OnResize = old;
        return heights;
    }
};

TEST_F(WindowCommandsTest, RollUpLosesTwentyAtEachMultipleOfTwentyThenEndsAt84) {
    Pbook1->SetHeight(300);
    std::vector<int> expected;
    for (int h = 280; h >= 80; h -= 20)
        expected.push_back(h); // lost at 300, 280, ..., 100
    expected.push_back(84);
    EXPECT_EQ(heightsDuring(&TPbook1::Minimize1Click), expected);
    EXPECT_EQ(Pbook1->Height(), 84);
    // Rolled up already: nothing happens.
    EXPECT_TRUE(heightsDuring(&TPbook1::Minimize1Click).empty());
    EXPECT_EQ(Pbook1->Height(), 84);
}

TEST_F(WindowCommandsTest, RollDownGrowsToTheScreenBelowTheWindowLess40) {
    Screen->SetSize(800, 600);
    Pbook1->SetBounds(10, 100, 639, 84);
    const std::vector<int> heights = heightsDuring(&TPbook1::RollDown1Click);
    ASSERT_FALSE(heights.empty());
    EXPECT_EQ(heights.front(), 104); // the first multiple of 20 from 84 is 100
    EXPECT_EQ(Pbook1->Height(), 600 - 100 - 40);
    // Higher than that already: nothing happens.
    Pbook1->SetHeight(470);
    EXPECT_TRUE(heightsDuring(&TPbook1::RollDown1Click).empty());
    EXPECT_EQ(Pbook1->Height(), 470);
}

TEST_F(WindowCommandsTest, SixFortyByFourEightyKeepsTheWindowOnTheScreen) {
    struct Case {
        int screenW, screenH, left, top;
        int wantLeft, wantTop;
    } cases[] = {
        {800, 600, 300, 50, 2, 50},   // the right edge would lie beyond the screen
        {800, 600, 100, 200, 100, 2}, // the bottom edge would
        {1024, 768, 100, 50, 100, 50},
    };
    for (const Case& c : cases) {
        Screen->SetSize(c.screenW, c.screenH);
        Pbook1->SetBounds(c.left, c.top, 300, 200);
        Pbook1->SpeedButton58->Click();
        EXPECT_EQ(Pbook1->BoundsRect(), Bounds(c.wantLeft, c.wantTop, 640, 480)) << c.left << "," << c.top;
    }
}

TEST_F(WindowCommandsTest, UpperToolbarMenuItemTogglesItsTickAndTheBar) {
    TPbook1& pb = *Pbook1;
    EXPECT_TRUE(pb.Toolbar3->Checked());
    pb.Toolbar3->Click();
    EXPECT_FALSE(pb.Toolbar3->Checked());
    EXPECT_FALSE(pb.Panel3->Visible());
    pb.Toolbar3->Click();
    EXPECT_TRUE(pb.Toolbar3->Checked());
    EXPECT_TRUE(pb.Panel3->Visible());
}

// The tool bar once ran past the window's right edge at its designed size: the buttons from
// "Print" on could not be reached.
TEST_F(WindowCommandsTest, EveryToolBarButtonLiesInsideTheBarAtTheDesignedSize) {
    TPanel* bar = Pbook1->Panel3;
    ASSERT_GE(bar->ControlCount(), 19);
    for (int i = 0; i < bar->ControlCount(); ++i) {
        TControl* b = bar->Controls(i);
        SCOPED_TRACE(b->Name());
        EXPECT_GE(b->Left(), 0);
        EXPECT_GE(b->Top(), 0);
        EXPECT_LE(b->Left() + b->Width(), bar->ClientWidth());
        EXPECT_LE(b->Top() + b->Height(), bar->ClientHeight());
        for (int j = 0; j < i; ++j) {
            const TRect a = b->BoundsRect(), o = bar->Controls(j)->BoundsRect();
            const bool overlap = a.Left < o.Right && o.Left < a.Right && a.Top < o.Bottom && o.Top < a.Bottom;
            EXPECT_FALSE(overlap) << "covers " << bar->Controls(j)->Name();
        }
    }
}

TEST_F(WindowCommandsTest, EnlargeCanvasCutsOrExtendsInWhiteWithoutScaling) {
    struct Case {
        int w, h; // asked for
        int gotW, gotH;
    } cases[] = {{5, 5, 10, 10}, {30, 20, 30, 20}, {12, 40, 12, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        loadPage(20, 15, clRed); // one red pixel at (1, 1)
        page().SetPixel(19, 14, clBlue);
        ModalSeam().QueueScript<TResizeForm>([c](TResizeForm& d) {
            d.SpinEdit1->SetValue(c.w);
            d.SpinEdit2->SetValue(c.h);
            d.SetModalResult(mrOk);
        });
        Pbook1->Enlargecanvas1->Click();
        ASSERT_EQ(page().Width(), c.gotW);
        ASSERT_EQ(page().Height(), c.gotH);
        EXPECT_EQ(Pbook1->ptbox1->Width(), c.gotW);
        EXPECT_EQ(page().GetPixel(1, 1), clRed);
        EXPECT_EQ(page().GetPixel(0, 0), clWhite);
        if (c.gotW > 20 && c.gotH > 15) {
            EXPECT_EQ(page().GetPixel(19, 14), clBlue);
            EXPECT_EQ(page().GetPixel(c.gotW - 1, c.gotH - 1), clWhite);
            EXPECT_EQ(page().GetPixel(20, 3), clWhite);
        }
    }
    // Cancel leaves the page alone.
    loadPage(20, 15);
    ModalSeam().QueueResult(mrCancel);
    Pbook1->Enlargecanvas1->Click();
    EXPECT_EQ(page().Width(), 20);
}

TEST_F(WindowCommandsTest, AboutBoxShowsTheMemoryGroupedWithCommas) {
    const std::uint64_t MB = 1ull << 20;
    struct Case {
        std::uint64_t total;
        std::uint32_t load;
        const char *physmem, *freeres;
    } cases[] = {
        {64 * MB, 42, "65,536 KB", "42 %"},
        {1024 * MB, 20, "1,048,576 KB", "20 %"},
        {16 * 1024 * MB, 7, "16,777,216 KB", "7 %"},
        {512, 0, "0 KB", "0 %"},
    };
    for (const Case& c : cases) {
        ScopedMemoryStatus memory(c.total, c.load);
        ModalSeam().QueueScript<Taboutfrm1>([c](Taboutfrm1& f) {
            EXPECT_EQ(f.Physmem->Caption(), c.physmem);
            EXPECT_EQ(f.FreeRes->Caption(), c.freeres);
            EXPECT_EQ(f.Caption(), "About Orvanta");
            f.Close();
        });
        Pbook1->About1->Click();
    }
}

TEST_F(WindowCommandsTest, AboutBoxIsCentredAtEveryShowing) {
    Screen->SetSize(800, 600);
    aboutfrm1->SetBounds(0, 0, aboutfrm1->Width(), aboutfrm1->Height());
    ModalSeam().QueueScript<Taboutfrm1>([](Taboutfrm1& f) {
        EXPECT_EQ(f.Left(), 400 - f.Width() / 2);
        EXPECT_EQ(f.Top(), 300 - f.Height() / 2);
        f.Close();
    });
    Pbook1->About1->Click();
}

TEST_F(WindowCommandsTest, NoneStayOnTopMakesTheStayOnTopWindowsNormal) {
    ASSERT_EQ(Form3->FormStyle(), fsStayOnTop);
    Pbook1->NoneStayonTop1->Click();
    EXPECT_EQ(Form3->FormStyle(), fsNormal);
    for (TCustomForm* f : Application->Forms())
        EXPECT_NE(f->FormStyle(), fsStayOnTop) << f->Name();
    Form3->SetFormStyle(fsStayOnTop);
}

// Each menu in its place on the bar, holding the commands a user looks for there.
TEST_F(WindowCommandsTest, MenusHoldTheirItems) {
    TPbook1& pb = *Pbook1;
    struct Menu {
        const char* caption;
        std::vector<TMenuItem*> items;
    } menus[] = {
        {"&File",
         {pb.New1, pb.Open2, pb.Save2, pb.SaveAs1, pb.BrowseImages1, pb.JpegSaveOptions1, pb.PrintOptions1,
          pb.Exit1}},
        {"&Edit", {pb.Undo1, pb.Repeatcommand1, pb.Cut1, pb.copyallmenu, pb.CaptureBox1}},
        {"&Image",
         {pb.Resize1, pb.Enlargecanvas1, pb.Rotate1, pb.Flip1, pb.Mirror1, pb.FancyText1,
          pb.LoadBitmapPalette1}},
        {"&Tools", {pb.Toolbar3, pb.TextPanel1, pb.Preferences1}},
        {"&Panel", {pb.InnerToolbars1, pb.InnerColorbar1, pb.SidePanel1}},
        {"&Window", {pb.Minimize1, pb.RollDown1, pb.NoneStayonTop1, pb.Freetheclipboard1}},
        {"&Text", {pb.FontType1, pb.PrintText1}},
        {"Add ons", {pb.velmora1, pb.utility1, pb.utility4}},
        {"Making Movies", {pb.MoviesontheWWW1, pb.CreatingAnimation1}},
        {"&Help", {pb.HelpIndex1, pb.OnlineManual1, pb.SupportServices1, pb.About1}},
    };
    TMenuItem* bar = pb.MainMenu1->Items();
    ASSERT_EQ(bar->Count(), int(std::size(menus)));
    for (int i = 0; i < bar->Count(); ++i) {
        EXPECT_EQ(bar->Items(i)->Caption(), menus[i].caption);
        for (TMenuItem* item : menus[i].items) {
            ASSERT_NE(item, nullptr) << menus[i].caption;
            EXPECT_EQ(item->Parent(), bar->Items(i)) << item->Name();
        }
    }
}

TEST_F(WindowCommandsTest, HelpTextShowsTheHelpWindow) {
    Helpfrm->Hide();
    Pbook1->HelpIndex1->Click();
    EXPECT_TRUE(Helpfrm->Visible());
    Helpfrm->Hide();
}

} // namespace
