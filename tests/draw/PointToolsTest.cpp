// Polygons, flood fill, spray, the colour sampler and the colour replacer.
#include "DrawFixture.h"

namespace {

class PointToolsTest : public DrawTest {};

TEST_F(PointToolsTest, PolygonClicksThenRightButtonCloseTheFigure) {
    const std::vector<TPoint> corners = {{20, 20}, {120, 30}, {140, 120}, {30, 110}};
    for (int tool : {7, 8}) {
        SCOPED_TRACE(tool);
        SetUp();
        Form3->leftcolor = clMaroon;
        Form3->rightcolor = clYellow;
        choose(tool);
        // The first click gives its press and its release point, each later click its release.
        down(20, 20);
        up(120, 30);
        click(140, 120);
        click(30, 110, mbRight);
        TBitmap want = expected([&](TCanvas& c) {
            c.Pen.Color = clMaroon;
            c.Brush.Color = clYellow;
            if (tool == 7) {
                std::vector<TPoint> ring = corners;
                ring.push_back(corners[0]);
                c.Polyline(ring);
            } else {
                c.Polygon(corners);
            }
        });
        EXPECT_TRUE(samePixels(page(), want));
        EXPECT_EQ(Pbook1->polycount, 1);
        EXPECT_FALSE(Pbook1->pensetup);
    }
}

TEST_F(PointToolsTest, PolygonKeepsAtMost500VerticesAndOverwritesTheLast) {
    choose(7);
    down(0, 0);
    up(1, 0);
    for (int i = 2; i < 600; ++i)
        click(i % 450, (i / 450) * 10);
    EXPECT_EQ(Pbook1->polycount, 500);
    EXPECT_EQ(Pbook1->polypoints[499], Point(48, 10));  // the click of i = 498
    EXPECT_EQ(Pbook1->polypoints[500], Point(149, 10)); // the last click, i = 599
    click(300, 200, mbRight);
    // The closing click's own point went into vertex 500, which then returned to vertex 1.
    EXPECT_EQ(Pbook1->polypoints[500], Pbook1->polypoints[1]);
    EXPECT_EQ(Pbook1->polycount, 1);
}

TEST_F(PointToolsTest, PolygonWhoseFirstPressWentElsewhereStartsAtItsFirstRelease) {
    choose(8);
    Form3->rightcolor = clYellow;
    Pbook1->buttondown = true; // left set by a stroke of another tool
    down(50, 50);
    up(50, 50);
    click(100, 50);
    click(75, 90, mbRight);
    EXPECT_EQ(Pbook1->polycount, 1);
    EXPECT_EQ(page().GetPixel(75, 60), clYellow);
}

// A 60 x 40 black frame with a white inside, on a white page.
void frame(TCanvas& c) {
    c.Pen.Color = clBlack;
    c.Brush.Style = bsClear;
    c.Rectangle(20, 20, 80, 60);
}

TEST_F(PointToolsTest, FloodFillFillsTheAreaOfThePressedColourWithSolidHatchOrPattern) {
    TBitmap pattern(3, 3);
    pattern.SetPixel(1, 1, clRed);
    Form3->patbox1->Picture().Assign(pattern);
    struct {
        int fillstyle;
        bool patternfill;
    } rows[] = {{0, false}, {2, false}, {7, false}, {0, true}};
    for (auto row : rows) {
        SCOPED_TRACE(row.fillstyle + 10 * row.patternfill);
        SetUp();
        frame(page().Canvas());
        choose(16);
        Form3->rightcolor = clBlue;
        Form3->fillstyle = row.fillstyle;
        Form3->normalfill = !row.patternfill;
        Form3->patternfill = row.patternfill;
        click(40, 40);
        TBitmap want = expected([&](TCanvas& c) {
            frame(c);
            c.Brush.Color = clBlue;
            c.Brush.Style = TBrushStyle(row.fillstyle);
            if (row.patternfill) c.Brush.Bitmap = &Form3->patbox1->Picture().Bitmap();
            c.FloodFill(40, 40, clWhite, fsSurface);
        });
        EXPECT_TRUE(samePixels(page(), want));
        // The frame and the page outside it kept their colours.
        EXPECT_EQ(page().GetPixel(20, 20), clBlack);
        EXPECT_EQ(page().GetPixel(100, 100), clWhite);
    }
}

TEST_F(PointToolsTest, SprayStaysWithinItsSquare) {
    choose(15);
    Form3->linewidth = 7;
    Form3->leftcolor = clRed;
    down(100, 100);
    up(100, 100);
    std::vector<TPoint> d = differences(page(), TBitmap(450, 250));
    EXPECT_GT(d.size(), 20u);
    for (TPoint p : d) {
        EXPECT_LE(std::abs(p.x - 100), 6);
        EXPECT_LE(std::abs(p.y - 100), 6);
        EXPECT_EQ(page().GetPixel(p.x, p.y), clRed);
    }
}

TEST_F(PointToolsTest, SprayFollowsTheMouseWhileTheButtonIsDown) {
    choose(15);
    Form3->linewidth = 3;
    down(50, 50);
    move(200, 50);
    up(200, 50);
    int nearStart = 0, nearEnd = 0;
    for (TPoint p : differences(page(), TBitmap(450, 250))) {
        nearStart += std::abs(p.x - 50) <= 2 && std::abs(p.y - 50) <= 2;
        nearEnd += std::abs(p.x - 200) <= 2 && std::abs(p.y - 50) <= 2;
    }
    EXPECT_GT(nearStart, 0);
    EXPECT_GT(nearEnd, 0);
}

TEST_F(PointToolsTest, SprayAtThePageEdgesSkipsWhatLiesBeyond) {
    choose(15);
    Form3->linewidth = 30;
    for (TPoint p : {Point(0, 0), Point(449, 249), Point(-20, 100), Point(460, 300)})
        EXPECT_NO_THROW(click(p.x, p.y)) << p.x;
    EXPECT_FALSE(samePixels(page(), TBitmap(450, 250)));
    EXPECT_EQ(page().Width(), 450);
}

TEST_F(PointToolsTest, SprayAndReplacerWithWidthZeroOrLessDrawNothing) {
    page().Canvas().Brush.Color = clBlack;
    page().Canvas().FillRect(Rect(0, 0, 450, 250));
    TBitmap before(page());
    for (int tool : {15, 18})
        for (int width : {0, -1, -100000}) {
            choose(tool);
            Form3->linewidth = width;
            down(100, 100);
            move(110, 110);
            up(110, 110);
            EXPECT_TRUE(samePixels(page(), before)) << tool << " " << width;
        }
}

TEST_F(PointToolsTest, SamplerSetsTheColourOfTheButton) {
    page().SetPixel(5, 5, clRed);
    page().SetPixel(6, 6, clBlue);
    choose(17);
    click(5, 5, mbLeft);
    click(6, 6, mbRight);
    EXPECT_EQ(Form3->leftcolor, clRed);
    EXPECT_EQ(Form3->rightcolor, clBlue);
    click(100, 100, mbMiddle);
    EXPECT_EQ(Form3->leftcolor, clRed);
    EXPECT_EQ(Form3->rightcolor, clBlue);
}

TEST_F(PointToolsTest, ReplacerSquareLiesRightOfAndBelowThePointer) {
    page().Canvas().Brush.Color = clBlack;
    page().Canvas().FillRect(Rect(0, 0, 450, 250));
    page().SetPixel(12, 12, clGreen); // not the left colour: stays
    choose(18);
    Form3->leftcolor = clBlack;
    Form3->rightcolor = clRed;
    Form3->linewidth = 4;
    down(10, 10);
    move(40, 10);
    up(40, 10);
    move(80, 80); // the button is up: nothing
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            bool first = x >= 11 && x <= 14 && y >= 11 && y <= 14;
            bool second = x >= 41 && x <= 44 && y >= 11 && y <= 14;
            TColor want = (x == 12 && y == 12) ? clGreen : (first || second) ? clRed : clBlack;
            ASSERT_EQ(page().GetPixel(x, y), want) << x << "," << y;
        }
    EXPECT_EQ(page().GetPixel(81, 81), clBlack);
}

TEST_F(PointToolsTest, ReplacerAtThePageEdgesSkipsWhatLiesBeyond) {
    choose(18);
    Form3->leftcolor = clWhite;
    Form3->rightcolor = clRed;
    Form3->linewidth = 10;
    for (TPoint p : {Point(445, 245), Point(-5, -5), Point(600, 10)})
        EXPECT_NO_THROW(click(p.x, p.y));
    EXPECT_EQ(page().GetPixel(449, 249), clRed);
    EXPECT_EQ(page().GetPixel(0, 0), clRed);
    EXPECT_EQ(page().GetPixel(5, 5), clRed); // X + 1 .. X + 10 from -5
    EXPECT_EQ(page().GetPixel(6, 6), clWhite);
}

} // namespace
