// The rotate dialog driven through its buttons with the modal seam, on a small document of its
// own: a page, an undo copy, a bar and a window with a tool bar.
#include "Application.h"
#include "ModalTesting.h"
#include "Pixels.h"
#include "Screen.h"
#include "TPanel.h"
#include "WindowAlone.h"
#include "rotdialog.h"

#include <gtest/gtest.h>

namespace {

TBitmap marked(int w, int h) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, TColor((x * 7 + y * 13) % 200 | (x % 5) << 8 | (y % 3) << 16));
    return b;
}

class RotateDialogTest : public TModalTest {
protected:
    static void SetUpTestSuite() {
        Screen->SetSize(1024, 768);
        if (!host) {
            host = plainMainForm();
            toolbar = new TPanel(host, host);
            toolbar->SetBounds(500, 0, 70, 300);
            page = new TImage(host, host);
            undo = new TImage(host, host);
            undo->Hide();
        }
        makeDialog(rotateform);
    }
    void SetUp() override {
        TModalTest::SetUp();
        rotateform->CheckBox1->SetChecked(false);
        rotateform->rotedit1->SetValue(15);
        rotateform->SetDocument({page, undo, &bar, host, toolbar});
        host->SetBounds(10, 43, 640, 480);
        bar = TQuietProgress();
    }
    void loadpage(const TBitmap& b) {
        page->Picture().Assign(b);
        page->SetBounds(0, 0, b.Width(), b.Height());
        undo->Picture().Assign(TBitmap(1, 1));
    }
    // Opens the dialog as the main window does and answers it with the given angle and box.
    static void rotate(int angle, bool enlarge, bool ok = true) {
        ModalSeam().QueueScript<Trotateform>([=](Trotateform& d) {
            d.rotedit1->SetValue(angle);
            d.CheckBox1->SetChecked(enlarge);
            (ok ? d.BitBtn1 : d.BitBtn2)->Click();
        });
        rotateform->ShowModal();
    }
    static inline TForm* host = nullptr;
    static inline TPanel* toolbar = nullptr;
    static inline TImage* page = nullptr;
    static inline TImage* undo = nullptr;
    static inline TQuietProgress bar;
};

TEST_F(RotateDialogTest, DesignTexts) {
    Trotateform& d = *rotateform;
    EXPECT_EQ(d.Caption(), "Rotate image");
    EXPECT_EQ(d.Rlabel1->Caption(), "Degree of Rotation");
    EXPECT_TRUE(d.Rlabel1->Font().Style & fsBold);
    EXPECT_EQ(d.Label1->Caption(), "0 to 360");
    EXPECT_EQ(d.rotedit1->MinValue(), 0);
    EXPECT_EQ(d.rotedit1->MaxValue(), 360);
    EXPECT_EQ(d.rotedit1->Hint(), "Degree of Rotation ");
    EXPECT_EQ(d.CheckBox1->Caption(), "Enlarge Image if necessary");
    EXPECT_EQ(d.BitBtn1->Caption(), "OK");
    EXPECT_TRUE(d.BitBtn1->Default());
    EXPECT_EQ(d.BitBtn1->ModalResult(), mrOk);
    EXPECT_EQ(d.BitBtn2->Caption(), "Cancel");
    EXPECT_TRUE(d.BitBtn2->Cancel());
    EXPECT_EQ(d.BitBtn2->ModalResult(), mrCancel);
}

TEST_F(RotateDialogTest, FreshDialogStartsAtFifteenUnticked) {
    Trotateform fresh;
    EXPECT_EQ(fresh.rotedit1->Value(), 15);
    EXPECT_FALSE(fresh.CheckBox1->Checked());
    // Centred on the screen when made.
    EXPECT_EQ(fresh.Left(), 1024 / 2 - fresh.Width() / 2);
    EXPECT_EQ(fresh.Top(), 768 / 2 - fresh.Height() / 2);
}

TEST_F(RotateDialogTest, OkWithNinetyDegreesTurnsThePageAndKeepsTheOldOneForUndo) {
    const int n = 40, c = n / 2;
    TBitmap before = marked(n, n);
    loadpage(before);
    rotate(90, false);

    const TBitmap& p = page->Picture().Bitmap();
    ASSERT_EQ(p.Width(), n);
    // What was right of the centre is now below it: (x, y) reads (y, 2c - x).
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            int sx = y, sy = 2 * c - x;
            TColor want = sy < n ? before.GetPixel(sx, sy) : clWhite;
            ASSERT_EQ(p.GetPixel(x, y), want) << x << "," << y;
        }
    EXPECT_TRUE(samePixels(undo->Picture().Bitmap(), before));
    EXPECT_FALSE(bar.visible);
    EXPECT_GT(bar.steps, 0);
    EXPECT_FALSE(rotateform->Visible());
}

TEST_F(RotateDialogTest, CancelLeavesPageAndUndoCopyAlone) {
    TBitmap before = marked(30, 20);
    loadpage(before);
    TBitmap undoBefore = undo->Picture().Bitmap();
    rotate(90, true, false);
    EXPECT_TRUE(samePixels(page->Picture().Bitmap(), before));
    EXPECT_TRUE(samePixels(undo->Picture().Bitmap(), undoBefore));
    EXPECT_EQ(page->Width(), 30);
    EXPECT_EQ(host->Width(), 640);
}

TEST_F(RotateDialogTest, EnlargeSquaresANonSquarePageWithThePictureCentred) {
    TBitmap before = marked(100, 50);
    loadpage(before);
    rotate(0, true);

    const int side = 122, ox = (side - 100) / 2, oy = (side - 50) / 2;
    const TBitmap& p = page->Picture().Bitmap();
    const TBitmap& u = undo->Picture().Bitmap();
    ASSERT_EQ(p.Width(), side);
    ASSERT_EQ(p.Height(), side);
    ASSERT_EQ(u.Width(), side);
    EXPECT_EQ(page->Width(), side);
    EXPECT_EQ(page->Height(), side);
    EXPECT_EQ(undo->Width(), side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            bool inside = x >= ox && x < ox + 100 && y >= oy && y < oy + 50;
            TColor want = inside ? before.GetPixel(x - ox, y - oy) : clWhite;
            ASSERT_EQ(u.GetPixel(x, y), want) << x << "," << y;
            ASSERT_EQ(p.GetPixel(x, y), want) << x << "," << y;
        }
    // The window grows to the page plus the tool bar.
    EXPECT_EQ(host->Width(), side + 70 + 40);
    EXPECT_EQ(host->Height(), side + 100);
}

TEST_F(RotateDialogTest, EnlargedWindowStaysInsideTheScreen) {
    loadpage(marked(900, 300));
    rotate(0, true);
    EXPECT_EQ(page->Width(), 959);
    EXPECT_EQ(host->Width(), 1024 - 20);
    EXPECT_EQ(host->Height(), 768 - 80);
}

TEST_F(RotateDialogTest, SquarePageKeepsItsSizeAndLosesItsCorners) {
    loadpage(marked(300, 300));
    rotate(45, true);
    const TBitmap& p = page->Picture().Bitmap();
    EXPECT_EQ(p.Width(), 300);
    EXPECT_EQ(p.Height(), 300);
    EXPECT_EQ(page->Width(), 300);
    EXPECT_EQ(host->Width(), 640);
    for (auto [x, y] : {std::pair{0, 0}, {299, 0}, {0, 299}, {299, 299}})
        EXPECT_EQ(p.GetPixel(x, y), clWhite) << x << "," << y;
    EXPECT_NE(p.GetPixel(150, 150), clWhite);
}

} // namespace
