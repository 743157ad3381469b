// Freehand strokes, lines and the shape tools: whatever the rubber band did while the mouse
// moved, the page ends with exactly the final figure, and undo gives back the page as it was.
#include "DrawFixture.h"
#include "TSpeedButton.h"

namespace {

struct ShapeRow {
    int tool;
    bool filled;
    void (*figure)(TCanvas&, const TRect&);
};

void rectangle(TCanvas& c, const TRect& r) {
    c.Rectangle(r);
}
void roundrect(TCanvas& c, const TRect& r) {
    c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 20, 16);
}
void ellipse(TCanvas& c, const TRect& r) {
    c.Ellipse(r);
}

const ShapeRow shapeRows[] = {
    {5, false, rectangle}, {6, true, rectangle}, {9, false, roundrect},
    {10, true, roundrect}, {13, false, ellipse}, {14, true, ellipse},
};

class ShapeToolsTest : public DrawTest {
protected:
    // The final figure as the tools draw it: the left colour at the line width inside the frame,
    // filled with the right colour or left open.
    static TBitmap finalShape(const ShapeRow& row, const TRect& r) {
        return expected([&](TCanvas& c) {
            c.Pen.Color = Form3->leftcolor;
            c.Pen.Width = Form3->linewidth;
            c.Pen.Style = psInsideFrame;
            c.Brush.Color = Form3->rightcolor;
            c.Brush.Style = row.filled ? bsSolid : bsClear;
            row.figure(c, r);
        });
    }
    // The rubber band: a black NOT-XOR outline (a filled tool's band also inverts the inside
    // through the right colour).
    static TBitmap band(const ShapeRow& row, const TRect& r) {
        return expected([&](TCanvas& c) {
            c.Pen.Color = clBlack;
            c.Pen.Mode = pmNotXor;
            c.Brush.Color = Form3->rightcolor;
            c.Brush.Style = row.filled ? bsSolid : bsClear;
            row.figure(c, r);
        });
    }
};

TEST_F(ShapeToolsTest, RubberBandFollowsThePointerAndOnlyTheFinalShapeStays) {
    for (const ShapeRow& row : shapeRows) {
        SCOPED_TRACE(row.tool);
        SetUp();
        Form3->leftcolor = clRed;
        Form3->rightcolor = clLime;
        choose(row.tool);
        Form3->linewidth = 3;
        down(20, 30);
        move(100, 80);
        EXPECT_TRUE(samePixels(page(), band(row, Rect(20, 30, 100, 80))));
        move(140, 120);
        // The first band came off as the second went on.
        EXPECT_TRUE(samePixels(page(), band(row, Rect(20, 30, 140, 120))));
        up(140, 120);
        EXPECT_TRUE(samePixels(page(), finalShape(row, Rect(20, 30, 140, 120))));
        EXPECT_FALSE(Pbook1->buttondown);
        EXPECT_FALSE(Pbook1->mousedown);
    }
}

TEST_F(ShapeToolsTest, ReleaseAwayFromTheLastMoveLeavesNoBand) {
    for (const ShapeRow& row : shapeRows) {
        SCOPED_TRACE(row.tool);
        SetUp();
        choose(row.tool);
        Form3->linewidth = 1;
        down(200, 150);
        move(120, 60);
        move(100, 40);
        up(60, 20);
        EXPECT_TRUE(samePixels(page(), finalShape(row, Rect(200, 150, 60, 20))));
    }
}

TEST_F(ShapeToolsTest, UndoGivesBackThePageAsTheToolWasChosen) {
    page().Canvas().Pen.Color = clBlue;
    page().Canvas().Rectangle(5, 5, 50, 50);
    TBitmap before(page());
    choose(13);
    down(10, 10);
    move(90, 70);
    up(90, 70);
    EXPECT_FALSE(samePixels(page(), before));
    EXPECT_TRUE(samePixels(undo(), before));
    Pbook1->undoptb1->Click();
    EXPECT_TRUE(samePixels(page(), before));
}

TEST_F(ShapeToolsTest, FilledShapesTakeTheFillStyleOrThePattern) {
    TBitmap pattern(4, 4);
    pattern.SetPixel(0, 0, clRed);
    pattern.SetPixel(2, 2, clBlue);
    Form3->patbox1->Picture().Assign(pattern);
    struct {
        int fillstyle;
        bool patternfill;
    } rows[] = {{2, false}, {6, false}, {0, true}};
    for (auto row : rows) {
        SetUp();
        choose(6);
        Form3->fillstyle = row.fillstyle;
        Form3->normalfill = !row.patternfill;
        Form3->patternfill = row.patternfill;
        Form3->rightcolor = clGreen;
        down(10, 10);
        move(60, 50);
        up(60, 50);
        TBitmap want = expected([&](TCanvas& c) {
            c.Pen.Style = psInsideFrame;
            c.Brush.Color = clGreen;
            c.Brush.Style = TBrushStyle(row.fillstyle);
            if (row.patternfill) c.Brush.Bitmap = &Form3->patbox1->Picture().Bitmap();
            c.Rectangle(10, 10, 60, 50);
        });
        EXPECT_TRUE(samePixels(page(), want)) << row.fillstyle << " " << row.patternfill;
    }
}

TEST_F(ShapeToolsTest, LineRubberBandIsErasedUnderTheFinalLine) {
    for (TPoint release : {Point(160, 90), Point(40, 200)}) {
        SetUp();
        choose(11);
        Form3->linewidth = 4;
        Form3->leftcolor = clNavy;
        down(10, 10);
        move(80, 40);
        move(160, 90);
        up(release.x, release.y);
        TBitmap want = expected([&](TCanvas& c) {
            c.Pen.Color = clNavy;
            c.Pen.Width = 4;
            c.Pen.Style = psInsideFrame;
            c.MoveTo(10, 10);
            c.LineTo(release.x, release.y);
        });
        EXPECT_TRUE(samePixels(page(), want)) << release.x;
    }
}

TEST_F(ShapeToolsTest, FreehandStrokesUseTheLeftColourAtThePenWidth) {
    struct {
        int tool;
        TColor colour; // the stroke colour the tool leaves on a black page
    } rows[] = {{0, clRed}, {2, clRed}, {1, clWhite}};
    for (auto row : rows) {
        SCOPED_TRACE(row.tool);
        SetUp();
        page().Canvas().Brush.Color = clBlack;
        page().Canvas().FillRect(Rect(0, 0, 450, 250));
        Form3->leftcolor = clRed;
        choose(row.tool);
        Form3->penwidth = 5;
        down(20, 100);
        move(120, 100);
        move(120, 180);
        up(120, 180);
        TBitmap want = expected([&](TCanvas& c) {
            c.Brush.Color = clBlack;
            c.FillRect(Rect(0, 0, 450, 250));
            c.Pen.Color = row.colour;
            c.Pen.Width = Form3->penwidth;
            c.MoveTo(20, 100);
            c.LineTo(120, 100);
            c.LineTo(120, 180);
        });
        EXPECT_TRUE(samePixels(page(), want));
        EXPECT_EQ(Form3->penwidth, row.tool == 1 ? 10 : 5);
    }
    // The eraser raises the line width to 10, and the palette's width box carries it to the pen.
    EXPECT_EQ(Form3->linewidth, 10);
}

TEST_F(ShapeToolsTest, MarkerMasksThePageWithItsColour) {
    page().Canvas().Brush.Color = clBlue;
    page().Canvas().FillRect(Rect(0, 0, 450, 250));
    choose(20);
    Form3->penwidth = 3;
    down(10, 10);
    move(100, 10);
    up(100, 10);
    EXPECT_EQ(Form3->leftcolor, clInfoBk);
    TColor marked = ColorToRGB(clInfoBk) & clBlue;
    EXPECT_EQ(page().GetPixel(50, 10), marked);
    EXPECT_EQ(page().GetPixel(50, 30), clBlue);
}

TEST_F(ShapeToolsTest, PencilAndPenCapTheWidthOnlyWhenItWasAboveTwo) {
    struct {
        int tool, width, after;
        TColor colour;
    } rows[] = {{3, 5, 2, 0x808080},
                {3, 2, 2, 0x808080},
                {3, 1, 1, 0x808080},
                {4, 5, 1, 0xFF0000},
                {4, 2, 2, 0xFF0000}};
    for (auto row : rows) {
        SetUp();
        Form3->SpinEdit1->SetValue(row.width);
        choose(row.tool);
        down(10, 10);
        up(10, 10);
        EXPECT_EQ(Form3->SpinEdit1->Value(), row.after) << row.tool << " " << row.width;
        EXPECT_EQ(Form3->leftcolor, row.colour);
    }
}

} // namespace
