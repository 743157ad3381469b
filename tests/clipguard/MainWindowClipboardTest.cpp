// The rotate command and Window > "&Free the clipboard..." on the started program's main window.
#include "Application.h"
#include "Clipboard.h"
#include "ClipboardGuard.h"
#include "Clpfrm.h"
#include "Menus.h"
#include "OrvantaFixture.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TCoolBar.h"
#include "TImage.h"
#include "TProgressBar.h"
#include "TScrollBox.h"
#include "TestClipboardSystem.h"
#include "TestFolder.h"
#include "rotdialog.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

class MainWindowClipboardTest : public OrvantaClipboardTest {
protected:
    void SetUp() override {
        OrvantaClipboardTest::SetUp();
        rotateform->CheckBox1->SetChecked(false);
    }
    static void loadStripedPage(int w, int h) {
        TBitmap b(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                b.SetPixel(x, y, TColor(((x * 3) % 250) | ((y * 5) % 250) << 8));
        Pbook1->ptbox1->Picture().Assign(b);
        Pbook1->initpages();
    }
};

// Runs first: nothing has written the notice's line yet.
TEST_F(MainWindowClipboardTest, AFreeTheClipboardFirstShowsTheDesignLine) {
    ASSERT_NE(Pbook1->Freetheclipboard1, nullptr);
    EXPECT_EQ(Pbook1->Freetheclipboard1->Caption(), "&Free the clipboard...");
    EXPECT_EQ(Pbook1->Windowmenu->Caption(), "&Window");
    Pbook1->Freetheclipboard1->Click();
    EXPECT_TRUE(clpform1->Visible());
    EXPECT_EQ(clpform1->Label1->Caption(), "Clipboard in use or Clipboard Format Not availilable");
    clpform1->BitBtn1->Click();
}

TEST_F(MainWindowClipboardTest, FreeTheClipboardAfterAFailedCopyShowsThatCopysLine) {
    board->SetHeldByOtherProgram(true);
    EXPECT_FALSE(ClipboardGuardWrite(page(), reportNoticeNotAvailableOrEmpty));
    clpform1->BitBtn1->Click();
    ASSERT_FALSE(clpform1->Visible());
    Pbook1->Freetheclipboard1Click(Pbook1);
    EXPECT_TRUE(clpform1->Visible());
    EXPECT_EQ(clpform1->Label1->Caption(), "Clipboard Not Available or Empty");

    // Freed from the notice once the other program lets go, the page copies.
    board->SetHeldByOtherProgram(false);
    clpform1->BitBtn2->Click();
    EXPECT_TRUE(ClipboardGuardWrite(page(), reportNoticeNotAvailableOrEmpty));
    TBitmap got;
    ASSERT_TRUE(board->GetBitmap(got));
    EXPECT_EQ(got.Width(), page().Width());
    clpform1->BitBtn1->Click();
}

TEST_F(MainWindowClipboardTest, RotateFromTheImageMenuTurnsThePageInTheWindow) {
    loadStripedPage(60, 60);
    TBitmap before = page();
    Pbook1->SetLeft(30);
    bool placed = false;
    ModalSeam().QueueScript<Trotateform>([&](Trotateform& d) {
        placed = d.Top() == Pbook1->ScrollBox1->Top() && d.Left() == 130;
        d.rotedit1->SetValue(90);
        d.BitBtn1->Click();
    });
    Pbook1->Rotate1->Click();
    EXPECT_TRUE(placed);
    const int c = 30;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            int sx = y, sy = 2 * c - x;
            TColor want = sy < 60 ? before.GetPixel(sx, sy) : clWhite;
            ASSERT_EQ(page().GetPixel(x, y), want) << x << "," << y;
        }
    EXPECT_EQ(Pbook1->Image2->Picture().Bitmap().GetPixel(5, 7), before.GetPixel(5, 7));
    EXPECT_FALSE(Pbook1->bg1->Visible());

    // Undo gives the page from before the turn.
    Pbook1->undoptb1Click(Pbook1);
    EXPECT_EQ(page().GetPixel(59, 0), before.GetPixel(59, 0));
}

TEST_F(MainWindowClipboardTest, RotateWithEnlargeSquaresThePageAndGrowsTheWindow) {
    loadStripedPage(100, 50);
    ModalSeam().QueueScript<Trotateform>([](Trotateform& d) {
        d.rotedit1->SetValue(30);
        d.CheckBox1->SetChecked(true);
        d.BitBtn1->Click();
    });
    Pbook1->Rotate1Click(Pbook1);
    EXPECT_EQ(page().Width(), 122);
    EXPECT_EQ(page().Height(), 122);
    EXPECT_EQ(Pbook1->ptbox1->Width(), 122);
    EXPECT_EQ(Pbook1->Image2->Width(), 122);
    EXPECT_EQ(Pbook1->Width(), 122 + Pbook1->CoolBar1->Width() + 40);
    EXPECT_EQ(Pbook1->Height(), 122 + 100);
    // The turned picture sits in the middle; the corners are white.
    EXPECT_EQ(page().GetPixel(0, 0), clWhite);
    EXPECT_NE(page().GetPixel(61, 61), clWhite);
}

} // namespace
