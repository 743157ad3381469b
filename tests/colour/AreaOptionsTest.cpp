// The area options after an outline capture, the "Morf Shapes" window and the colour count of a
// captured box, through the program's own handlers on its page.
#include "PasteFixture.h"

#include "Application.h"
#include "Clpfrm.h"
#include "MessageBox.h"
#include "Mylabel.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TRadioGroup.h"
#include "TShape.h"
#include "TSpinEdit.h"
#include "Toolpal.h"
#include "colortint.h"
#include "morfshapeform1.h"
#include "options.h"
#include "palettecolorsfrm1.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

using Cells = std::set<std::pair<int, int>>;

class AreaOptionsTest : public PasteFixture {
protected:
    void SetUp() override {
        PasteFixture::SetUp();
        loadPositions();
        original = page();
        options1->RadioGroup1->SetItemIndex(2);
        options1->SpinEdit2->SetValue(8);
        Pbook1->morfmode = false;
    }
    void TearDown() override {
        for (TForm* f : {static_cast<TForm*>(options1), static_cast<TForm*>(morfshapeform),
                         static_cast<TForm*>(colortint1), static_cast<TForm*>(PaletteColorsfrm),
                         static_cast<TForm*>(clpform1)})
            f->Hide();
        colortint1->Check1->SetChecked(false);
        Pbook1->morfmode = false;
        PasteFixture::TearDown();
    }
    static void drag(int x1, int y1, int x2, int y2) {
        down(x1, y1);
        move(x2, y2);
        up(x2, y2);
    }
    // The page cells whose pixels differ from the original.
    Cells changed() const {
        Cells c;
        for (int y = 0; y < original.Height(); ++y)
            for (int x = 0; x < original.Width(); ++x)
                if (page().GetPixel(x, y) != original.GetPixel(x, y)) c.insert({x, y});
        return c;
    }
    // The page cells the capture selected: where the clip holds the page's own pixels.
    Cells selected() const {
        Cells s;
        for (int y = 0; y < clip().Height(); ++y)
            for (int x = 0; x < clip().Width(); ++x)
                if (clip().GetPixel(x, y) != clWhite) s.insert({origin.x + x, origin.y + y});
        return s;
    }
    // Captures with `tool` by a box drag or a lasso; where the clip came from is read off its
    // pixels, each of which tells its page position.
    void capture(int tool, bool box) {
        choose(tool);
        if (box)
            drag(10, 20, 40, 50);
        else
            lasso({{30, 15}, {60, 60}, {12, 55}});
        origin = findClip();
    }
    TPoint findClip() const {
        for (int y = 0; y < clip().Height(); ++y)
            for (int x = 0; x < clip().Width(); ++x) {
                const TColor c = clip().GetPixel(x, y);
                if (c != clWhite) return {GetRValue(c) - 10 - x, GetGValue(c) - 10 - y};
            }
        ADD_FAILURE() << "an empty clip";
        return {};
    }
    // Every pixel its own colour: red and green tell the position.
    static void loadPositions() {
        TBitmap b(120, 90);
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 120; ++x)
                b.SetPixel(x, y, RGB(x + 10, y + 10, 77));
        Pbook1->ptbox1->Picture().Assign(b);
        Pbook1->initpages();
    }
    TBitmap original;
    TPoint origin;
};

TColor shifted(TColor c, int by) {
    auto ch = [by](int v) { return std::clamp(v + by, 0, 255); };
    return RGB(ch(GetRValue(c)), ch(GetGValue(c)), ch(GetBValue(c)));
}

TEST_F(AreaOptionsTest, OkRunsTheChosenItem) {
    struct Row {
        int item;
        int toolAfter;
        bool morfAfter;
        bool stepsShown;
    } rows[] = {
        {0, 109, true, false}, {1, 109, false, false}, {2, 229, false, true},
        {3, 229, false, true}, {4, 229, false, true},  {5, 229, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.item);
        Pbook1->ptbox1->Picture().Assign(original);
        Pbook1->morfmode = false;
        options1->RadioGroup1->SetItemIndex(r.item == 0 ? 1 : 0);
        capture(229, true);
        ASSERT_TRUE(options1->Visible());
        ASSERT_TRUE(Pbook1->morfmode);
        options1->Panel5->Hide();
        options1->RadioGroup1->SetItemIndex(r.item); // a change runs the click
        EXPECT_EQ(options1->Panel5->Visible(), r.stepsShown);
        Pbook1->polycount = 3;
        options1->BitBtn1->Click();
        EXPECT_FALSE(options1->Visible());
        EXPECT_FALSE(options1->Panel4->Visible());
        EXPECT_EQ(Form3->toolcode, r.toolAfter);
        EXPECT_EQ(Pbook1->morfmode, r.morfAfter);
        EXPECT_EQ(Pbook1->polycount, 1);
        EXPECT_TRUE(Pbook1->firstoutline);
        EXPECT_EQ(morfshapeform->Visible(), r.item == 1);
        EXPECT_EQ(colortint1->Visible(), r.item == 5);
        EXPECT_EQ(changed().empty(), r.item < 2 || r.item == 5) << "the page changes for 2..4 only";
        if (r.item == 5) {
            EXPECT_TRUE(colortint1->Check1->Checked());
            EXPECT_TRUE(samePixels(colortint1->Image1->Picture().Bitmap(), clip()));
        }
        morfshapeform->Hide();
        colortint1->Hide();
        colortint1->Check1->SetChecked(false);
    }
}

TEST_F(AreaOptionsTest, CancelLeavesNoFittingPending) {
    capture(109, false);
    ASSERT_TRUE(Pbook1->morfmode);
    options1->BitBtn2->Click();
    EXPECT_FALSE(Pbook1->morfmode);
    EXPECT_FALSE(options1->Visible());
    EXPECT_FALSE(options1->Panel4->Visible());
    EXPECT_TRUE(samePixels(page(), original));
}

// The passes work where the clip was taken from: one pixel up-left of a box's inside would
// lighten other pixels, one pixel down-right of a lasso would blend outside it.
TEST_F(AreaOptionsTest, LightenDarkenAndBlendChangeExactlyTheCapturedArea) {
    for (bool box : {true, false}) {
        for (int item : {2, 3, 4}) {
            SCOPED_TRACE(testing::Message() << (box ? "box" : "lasso") << " item " << item);
            Pbook1->ptbox1->Picture().Assign(original);
            Pbook1->morfmode = false;
            capture(box ? 229 : 109, box);
            const Cells area = selected();
            ASSERT_GT(area.size(), 100u);
            options1->RadioGroup1->SetItemIndex(item);
            options1->SpinEdit2->SetValue(box ? 64 : 8);
            options1->BitBtn1->Click();
            const Cells c = changed();
            if (item == 4) {
                // Each selected pixel mixes its upper and lower neighbours; the pixel right of a
                // selected run takes the mix of its left: nothing else changes.
                for (auto [x, y] : c)
                    EXPECT_TRUE(area.count({x, y}) || area.count({x - 1, y})) << x << "," << y;
                EXPECT_GT(c.size(), area.size() / 2);
                continue;
            }
            const int by = item == 2 ? options1->SpinEdit2->Value() : -options1->SpinEdit2->Value();
            EXPECT_EQ(c, area);
            for (auto [x, y] : area)
                ASSERT_EQ(page().GetPixel(x, y), shifted(original.GetPixel(x, y), by)) << x << "," << y;
        }
    }
}

TEST_F(AreaOptionsTest, WhiteInsideTheAreaIsNeverLightened) {
    page().Canvas().Brush.SetColor(clWhite);
    page().Canvas().FillRect(Rect(20, 30, 25, 35));
    original = page();
    capture(229, true);
    options1->RadioGroup1->SetItemIndex(2);
    options1->BitBtn1->Click();
    for (int y = 30; y < 35; ++y)
        for (int x = 20; x < 25; ++x)
            ASSERT_EQ(page().GetPixel(x, y), clWhite);
    EXPECT_FALSE(changed().empty());
}

TEST_F(AreaOptionsTest, TheSteppingToolsHideTheStepsForTheFittingItems) {
    for (int item : {0, 1, 2}) {
        options1->RadioGroup1->SetItemIndex(item);
        options1->Panel5->Show();
        Form3->BitBtn34->Click();
        EXPECT_EQ(options1->Panel5->Visible(), item >= 2) << item;
    }
}

TEST_F(AreaOptionsTest, EachShapeIsDrawnMaroonInsideItsBox) {
    Tmorfshapeform& m = *morfshapeform;
    m.Show();
    m.SpinEdit1->SetValue(20);
    m.SpinEdit2->SetValue(10);
    const TShape* swatches[] = {m.Shape1, m.Shape2, m.Shape3, m.Shape4};
    for (int kind = 1; kind <= 4; ++kind) {
        SCOPED_TRACE(kind);
        m.doshape(kind);
        const TBitmap& b = m.Image1->Picture().Bitmap();
        ASSERT_EQ(b.Width(), 24);
        ASSERT_EQ(b.Height(), 14);
        EXPECT_EQ(b.GetPixel(12, 7), TColor(0x000080));
        EXPECT_EQ(b.GetPixel(1, 1), clWhite);
        EXPECT_EQ(b.GetPixel(22, 12), clWhite) << "the box ends at W + 2, H + 2";
        EXPECT_EQ(b.GetPixel(2, 2), kind <= 2 ? clBlack : clWhite) << "the ellipses leave the corner";
        EXPECT_EQ(b.GetPixel(2, 7), clBlack) << "the pen outlines every shape";
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(swatches[i]->Brush().Color, i + 1 == kind ? TColor(0x000080) : clWhite);
    }
    // Corners of a fifth of the box round off the rectangle's corner.
    m.SpinEdit1->SetValue(100);
    m.SpinEdit2->SetValue(50);
    m.doshape(2);
    EXPECT_EQ(m.Image1->Picture().Bitmap().GetPixel(3, 3), clWhite);
    EXPECT_EQ(m.Image1->Picture().Bitmap().GetPixel(52, 2), clBlack);
}

TEST_F(AreaOptionsTest, TheEllipseSwatchDoublesTheWidthAfterItsPreview) {
    Tmorfshapeform& m = *morfshapeform;
    m.SpinEdit1->SetValue(30);
    m.SpinEdit2->SetValue(100);
    m.Shape4->MouseUp(mbLeft, 0, 5, 5);
    EXPECT_EQ(m.SpinEdit1->Value(), 200);
    EXPECT_EQ(m.Image1->Picture().Width(), 34) << "drawn at the former width";
    EXPECT_EQ(m.shapeKind, 4);
    m.Shape2->MouseUp(mbLeft, 0, 5, 5);
    EXPECT_EQ(m.shapeKind, 2);
    EXPECT_EQ(m.SpinEdit1->Value(), 200);
}

// A picture kept from a first capture fits into the standard shape and floats as the paste.
TEST_F(AreaOptionsTest, MorfShapesOkFitsTheKeptPictureIntoTheShape) {
    capture(229, true);
    options1->RadioGroup1->SetItemIndex(1);
    options1->BitBtn1->Click();
    ASSERT_TRUE(morfshapeform->Visible());
    morfshapeform->SpinEdit1->SetValue(40);
    morfshapeform->SpinEdit2->SetValue(30);
    morfshapeform->Shape3->MouseUp(mbLeft, 0, 5, 5);
    morfshapeform->BitBtn1->Click();
    EXPECT_FALSE(morfshapeform->Visible());
    EXPECT_FALSE(Pbook1->morfmode);
    EXPECT_EQ(Form3->toolcode, 0);
    EXPECT_TRUE(Pbook1->pastepanel1->Visible());
    ASSERT_EQ(clip().Width(), 44);
    ASSERT_EQ(clip().Height(), 34);
    EXPECT_EQ(clip().GetPixel(1, 1), clWhite) << "outside the circle";
    const TColor middle = clip().GetPixel(22, 17);
    EXPECT_NE(middle, clWhite);
    EXPECT_NE(middle, TColor(0x000080)) << "the kept picture, not the shape's colour";
    EXPECT_TRUE(samePixels(onClipboard(), clip()));
}

TEST_F(AreaOptionsTest, TintOfTheAreaFloatsTheTintedClip) {
    for (bool held : {false, true}) {
        SCOPED_TRACE(held);
        Pbook1->ptbox1->Picture().Assign(original);
        capture(229, true);
        const TBitmap taken = clip();
        options1->RadioGroup1->SetItemIndex(5);
        options1->BitBtn1->Click();
        colortint1->SpinEdit4->SetValue(10);
        board->SetHeldByOtherProgram(held);
        if (held) {
            // The paste cannot read the clipboard back either: it says so and aborts.
            ModalSeam().QueueButton(IDOK);
            EXPECT_THROW(colortint1->BitBtn1->Click(), EAbort);
        } else {
            colortint1->BitBtn1->Click();
            EXPECT_FALSE(colortint1->Visible());
        }
        board->SetHeldByOtherProgram(false);
        colortint1->SpinEdit4->SetValue(0);
        EXPECT_EQ(clip().GetPixel(3, 3), shifted(taken.GetPixel(3, 3), 10));
        EXPECT_EQ(clpform1->Visible(), held);
        if (held) {
            EXPECT_EQ(clpform1->Label1->Caption(), "Clipboard Not Available or Empty");
            clpform1->BitBtn1->Click();
        } else {
            EXPECT_TRUE(samePixels(onClipboard(), clip()));
            EXPECT_TRUE(Pbook1->pastepanel1->Visible());
        }
        Pbook1->pastepanel1->Hide();
    }
}

// White after (255, 255, 0) lands on the same map cell: it must not wipe the yellow out.
TEST_F(AreaOptionsTest, TheColourCountLeavesWhiteOut) {
    page().Canvas().Brush.SetColor(RGB(255, 255, 0));
    page().Canvas().FillRect(Rect(0, 0, 30, 90));
    page().Canvas().Brush.SetColor(clWhite);
    page().Canvas().FillRect(Rect(30, 0, 120, 90));
    Pbook1->copcolors->SetChecked(true);
    choose(22);
    drag(10, 10, 60, 60);
    EXPECT_EQ(PaletteColorsfrm->SpinEdit1->Value(), 1);
    EXPECT_EQ(PaletteColorsfrm->Image1->Picture().Bitmap().GetPixel(255, 255), RGB(255, 255, 0));
}

} // namespace
