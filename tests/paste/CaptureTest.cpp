// Region captures on the started program's page through its own mouse events: the box, lasso
// and ellipse outlines, Cut, the colour replacer, the colour count and the template capture.
#include "PasteFixture.h"

#include "Clpfrm.h"
#include "MessageBox.h"
#include "TCheckBox.h"
#include "TPanel.h"
#include "TRadioGroup.h"
#include "TSpeedButton.h"
#include "TSpinButton.h"
#include "TSpinEdit.h"
#include "options.h"
#include "palettecolorsfrm1.h"

#include <vector>

namespace {

class CaptureTest : public PasteFixture {
protected:
    void SetUp() override {
        PasteFixture::SetUp();
        loadStripes(120, 90);
        original = page();
    }
    void TearDown() override {
        options1->Hide();
        PaletteColorsfrm->Hide();
        PasteFixture::TearDown();
    }
    static void drag(int x1, int y1, int x2, int y2) {
        down(x1, y1);
        move((x1 + x2) / 2, (y1 + y2) / 2);
        move(x2, y2);
        up(x2, y2);
    }
    // The page's pixel under clip pixel (x, y) of a clip taken from `at`.
    TColor under(TPoint at, int x, int y) const { return original.GetPixel(at.x + x, at.y + y); }
    TBitmap original;
};

TEST_F(CaptureTest, ABoxTakesTheInsideOfItsBorderOntoTheClipboard) {
    choose(22);
    drag(40, 50, 10, 20);
    ASSERT_EQ(clip().Width(), 29);
    ASSERT_EQ(clip().Height(), 29);
    EXPECT_EQ(Pbook1->clipx, 11);
    EXPECT_EQ(Pbook1->clipy, 21);
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 29; ++x)
            ASSERT_EQ(clip().GetPixel(x, y), under({11, 21}, x, y)) << x << "," << y;
    EXPECT_TRUE(samePixels(onClipboard(), clip()));
    EXPECT_TRUE(Pbook1->pbpastetobut1->Enabled());
    EXPECT_TRUE(samePixels(page(), original));
    EXPECT_TRUE(samePixels(undo(), original));

    // A click without a drag takes the 9 x 9 inside of a 10 x 10 box below and right of it.
    click(30, 30);
    EXPECT_EQ(clip().Width(), 9);
    EXPECT_EQ(clip().Height(), 9);
    EXPECT_EQ(clip().GetPixel(0, 0), original.GetPixel(31, 31));
    EXPECT_EQ(clip().GetPixel(8, 8), original.GetPixel(39, 39));
}

TEST_F(CaptureTest, CutFillsTheDraggedRectangleWithItsBorderAfterTheCapture) {
    Form3->rightcolor = clBlue;
    choose(23);
    drag(10, 20, 40, 50);
    EXPECT_EQ(clip().GetPixel(0, 0), original.GetPixel(11, 21));
    EXPECT_TRUE(samePixels(page(), expected([this](TCanvas& c) {
                               c.Draw(0, 0, original);
                               c.Brush.SetColor(clBlue);
                               c.FillRect(Rect(10, 20, 40, 50));
                           })));
    EXPECT_TRUE(samePixels(undo(), original));
    // Off the page nothing is captured, so nothing is cut.
    const TBitmap cut = page();
    drag(130, 10, 160, 40);
    EXPECT_TRUE(samePixels(page(), cut));
}

TEST_F(CaptureTest, LassoAndEllipseWhitenTheOutsideOnly) {
    page().SetPixel(28, 60, clWhite);  // inside the triangle: stays white
    page().SetPixel(50, 20, 0x010101); // outside it: stops the whitening, so it stays
    original = page();
    choose(21);
    lasso({{20, 10}, {60, 70}, {10, 70}});
    // Bounds (10, 10)..(60, 70) widened by 2.
    ASSERT_EQ(clip().Width(), 54);
    ASSERT_EQ(clip().Height(), 64);
    const TPoint at{8, 8};
    EXPECT_EQ(clip().GetPixel(0, 0), clWhite);
    EXPECT_EQ(clip().GetPixel(30 - 8, 55 - 8), under(at, 30 - 8, 55 - 8));
    EXPECT_EQ(clip().GetPixel(28 - 8, 60 - 8), clWhite);
    EXPECT_EQ(clip().GetPixel(50 - 8, 30 - 8), clWhite);
    EXPECT_EQ(clip().GetPixel(50 - 8, 20 - 8), TColor(0x010101));
    EXPECT_EQ(clip().GetPixel(51 - 8, 20 - 8), clWhite);
    EXPECT_TRUE(samePixels(page(), original));
    EXPECT_TRUE(samePixels(undo(), original));

    choose(24);
    drag(20, 20, 70, 60);
    ASSERT_EQ(clip().Width(), 54);
    ASSERT_EQ(clip().Height(), 44);
    EXPECT_EQ(clip().GetPixel(45 - 18, 40 - 18), original.GetPixel(45, 40));
    EXPECT_EQ(clip().GetPixel(21 - 18, 21 - 18), clWhite);
    EXPECT_EQ(clip().GetPixel(69 - 18, 59 - 18), clWhite);
    EXPECT_TRUE(samePixels(page(), original));
}

TEST_F(CaptureTest, CapturesAtAndPastEachEdge) {
    struct Case {
        const char* what;
        int tool;
        std::vector<TPoint> points; // the drag's two ends, or the lasso's vertices
        TPoint inside, outside;     // page points that must be taken and whitened
        TPoint corner;              // where the clip lies on the page
        TPoint size;
    } cases[] = {
        {"box past left and top", 22, {{-20, -10}, {30, 40}}, {1, 1}, {-1, -1}, {1, 1}, {29, 39}},
        {"box past right and bottom", 22, {{100, 70}, {150, 130}}, {119, 89}, {-1, -1}, {101, 71}, {19, 19}},
        {"lasso on left and top", 21, {{0, 0}, {60, 0}, {0, 60}}, {10, 10}, {50, 50}, {0, 0}, {62, 62}},
        {"lasso on right and bottom",
         21,
         {{119, 89}, {60, 89}, {119, 30}},
         {110, 80},
         {70, 40},
         {58, 28},
         {62, 62}},
        {"ellipse past left and top", 24, {{-30, -30}, {40, 40}}, {20, 20}, {38, 38}, {0, 0}, {42, 42}},
        {"ellipse past right and bottom",
         24,
         {{90, 60}, {160, 130}},
         {110, 80},
         {92, 62},
         {88, 58},
         {32, 32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        choose(c.tool);
        if (c.tool == 21)
            lasso(c.points);
        else
            drag(c.points[0].x, c.points[0].y, c.points[1].x, c.points[1].y);
        ASSERT_EQ(clip().Width(), c.size.x);
        ASSERT_EQ(clip().Height(), c.size.y);
        EXPECT_EQ(Pbook1->clipx, c.corner.x + (c.tool == 22 ? 0 : 1));
        EXPECT_EQ(clip().GetPixel(c.inside.x - c.corner.x, c.inside.y - c.corner.y),
                  original.GetPixel(c.inside.x, c.inside.y));
        if (c.outside.x >= 0) {
            EXPECT_EQ(clip().GetPixel(c.outside.x - c.corner.x, c.outside.y - c.corner.y), clWhite);
        }
        EXPECT_TRUE(samePixels(onClipboard(), clip()));
        EXPECT_TRUE(samePixels(page(), original));
    }
    // Wholly off the page, or corners one pixel apart: nothing reaches the clipboard.
    Clipboard()->Clear();
    choose(22);
    for (auto [a, b] : std::vector<std::pair<TPoint, TPoint>>{
             {{130, 10}, {160, 40}}, {{10, -40}, {40, -10}}, {{10, 10}, {11, 11}}}) {
        drag(a.x, a.y, b.x, b.y);
        EXPECT_FALSE(board->IsFormatAvailable(CF_BITMAP)) << a.x << "," << a.y;
    }
}

TEST_F(CaptureTest, AFullPointListLeavesNoStrayLine) {
    choose(21);
    std::vector<TPoint> v;
    for (int i = 0; i < 505; ++i)
        v.push_back({10 + (i * 37) % 90, 10 + (i * 53) % 70});
    lasso(v);
    EXPECT_TRUE(samePixels(page(), original));
    EXPECT_EQ(Pbook1->polycount, 1);
    // The outline keeps the first 499 vertices and closes on the first: every vertex but the
    // replaced ones lies in the bounds.
    EXPECT_FALSE(clip().Empty());
}

TEST_F(CaptureTest, OnlyCutAndTheColourReplacerChangeThePageAndNoneTheUndoImage) {
    Form3->leftcolor = original.GetPixel(30, 55);
    Form3->rightcolor = clBlue;
    for (int tool : {21, 22, 23, 24, 25, 109, 229, 19}) {
        SCOPED_TRACE(tool);
        loadStripes(120, 90);
        choose(tool);
        if (tool == 21 || tool == 109 || tool == 19)
            lasso({{20, 10}, {60, 70}, {10, 70}});
        else
            drag(20, 20, 70, 60);
        EXPECT_TRUE(samePixels(undo(), original));
        EXPECT_EQ(samePixels(page(), original), tool != 23 && tool != 19);
        Pbook1->morfmode = false;
    }
    // The replacer changed the left colour to the right one inside the lasso only.
    EXPECT_EQ(page().GetPixel(30, 55), clBlue);
    EXPECT_EQ(page().GetPixel(90, 80), original.GetPixel(90, 80));
    EXPECT_EQ(countColour(page(), clBlue), countColour(clip(), clBlue));
}

TEST_F(CaptureTest, TheColourReplacerRefusesWhite) {
    Form3->leftcolor = clWhite;
    choose(19);
    ModalSeam().QueueButton(IDOK);
    lasso({{20, 10}, {60, 70}, {10, 70}});
    EXPECT_TRUE(shown("Cannot replace with white using this tool."));
    EXPECT_TRUE(samePixels(page(), original));
}

TEST_F(CaptureTest, FirstSpecialCaptureStoresThePictureAndAsksForOptions) {
    options1->RadioGroup1->SetItemIndex(3);
    choose(229);
    drag(10, 20, 40, 50);
    EXPECT_TRUE(Pbook1->morfmode);
    EXPECT_TRUE(samePixels(Pbook1->morfimage1->Picture().Bitmap(), clip()));
    EXPECT_TRUE(options1->Visible());
    EXPECT_TRUE(options1->Panel4->Visible());
    EXPECT_TRUE(options1->Panel5->Visible());
    options1->Close();
    EXPECT_FALSE(Pbook1->morfmode);
}

TEST_F(CaptureTest, ColourCountOfTwoColoursIsTwo) {
    page().Canvas().Brush.SetColor(clRed);
    page().Canvas().FillRect(Rect(0, 0, 120, 90));
    page().Canvas().Brush.SetColor(clBlue);
    page().Canvas().FillRect(Rect(0, 0, 30, 90));
    Pbook1->copcolors->SetChecked(true);
    choose(22);
    drag(10, 10, 60, 60);
    EXPECT_EQ(PaletteColorsfrm->SpinEdit1->Value(), 2);
    EXPECT_TRUE(PaletteColorsfrm->butpalmake->Enabled());
    EXPECT_TRUE(PaletteColorsfrm->Visible());
    EXPECT_FALSE(Pbook1->copcolors->Checked());
    EXPECT_EQ(clip().Width(), 2);
}

TEST_F(CaptureTest, ATemplateCaptureFloatsThePageUnderThePastedShape) {
    const TBitmap shape = holedClip();
    putOnClipboard(shape);
    Form3->BitBtn37->Click();
    EXPECT_TRUE(Pbook1->cappaste);
    Pbook1->paste1right->Click(); // the paste at (2, 1)
    Form3->BitBtn24->Click();
    EXPECT_FALSE(Pbook1->cappaste);
    TBitmap want(12, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            if (shape.GetPixel(x, y) != clWhite) want.SetPixel(x, y, original.GetPixel(2 + x, 1 + y));
    EXPECT_TRUE(samePixels(onClipboard(), want));
    EXPECT_TRUE(Pbook1->pastepanel1->Visible());
    EXPECT_TRUE(samePixels(page(), withClip(original, want, Pbook1->pasteOrigin())));

    // Past the page's edge the captured region stays white.
    putOnClipboard(shape);
    Pbook1->pastecap();
    for (int i = 0; i < 11; ++i)
        Pbook1->LRedit1->DownClick(); // the paste at (111, 1) on a page 120 wide
    Pbook1->SpeedButton3->Click();
    EXPECT_EQ(onClipboard().GetPixel(0, 0), original.GetPixel(111, 1));
    EXPECT_EQ(onClipboard().GetPixel(8, 0), original.GetPixel(119, 1));
    EXPECT_EQ(onClipboard().GetPixel(9, 0), clWhite);
}

} // namespace
