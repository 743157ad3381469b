#include "bez.h"
#include "TBitmap.h"

#include <gtest/gtest.h>

namespace {

TEST(Realpower, MultipliesOneByXNTimes) {
    EXPECT_EQ(realpower(0, 0.3L), 1.0L);
    EXPECT_EQ(realpower(3, 0.5L), 0.125L);
    EXPECT_EQ(realpower(2, -3.0L), 9.0L);
    // Each product is kept as a 6-byte real: 40 significant bits.
    long double third = realpower(1, 1.0L / 3);
    EXPECT_NE(third, 1.0L / 3);
    EXPECT_NEAR(double(third), 1.0 / 3, 1e-12);
}

TEST(Bezierpoints, ThirtyStepsGiveThirtyOneSegmentsEndingOnTheEndPoint) {
    std::vector<TPoint> p = bezierpoints(10, 200, 60, 20, 240, 20, 290, 200, 30);
    ASSERT_EQ(p.size(), 31u); // t = 0 .. 29/30, then the end point
    EXPECT_EQ(p.front(), Point(10, 200));
    EXPECT_EQ(p.back(), Point(290, 200));
    EXPECT_NE(p[29], p[30]);
    // Symmetric handles: the middle of the curve (t = 1/2) lies on the axis, 3/4 of the way up.
    EXPECT_EQ(p[15], Point(150, 65));
}

TEST(Bezierpoints, StepCountsAndDegenerateCurves) {
    EXPECT_TRUE(bezierpoints(0, 0, 1, 1, 2, 2, 3, 3, 0).empty());
    EXPECT_TRUE(bezierpoints(0, 0, 1, 1, 2, 2, 3, 3, -5).empty()); // would never reach t = 1
    std::vector<TPoint> one = bezierpoints(5, 6, 50, 60, 70, 80, 9, 10, 1);
    ASSERT_EQ(one.size(), 2u);
    EXPECT_EQ(one[0], Point(5, 6));
    EXPECT_EQ(one[1], Point(9, 10));
    for (const TPoint& q : bezierpoints(7, 7, 7, 7, 7, 7, 7, 7, 30))
        EXPECT_EQ(q, Point(7, 7));
    // Handles on the end points: a straight line, walked forwards.
    std::vector<TPoint> line = bezierpoints(0, 40, 0, 40, 300, 40, 300, 40, 30);
    for (size_t i = 1; i < line.size(); ++i) {
        EXPECT_EQ(line[i].y, 40);
        EXPECT_GT(line[i].x, line[i - 1].x);
    }
    for (int steps : {2, 3, 10, 100, 1000})
        EXPECT_EQ(bezierpoints(0, 0, 1, 1, 2, 2, 3, 3, steps).size(), size_t(steps) + 1) << steps;
}

} // namespace

namespace {

TEST(Drawbezier, DrawsTheSegmentsWithTheCallersPen) {
    TBitmap page(100, 30);
    TCanvas& c = page.Canvas();
    c.Pen.Color = clBlack;
    // Handles on the end points: the segments make one straight line, its end pixel left out.
    drawbezier(c, 10, 10, 10, 10, 90, 10, 90, 10, 30);
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(page.GetPixel(x, 10), (x >= 10 && x < 90) ? clBlack : clWhite) << x;
    EXPECT_EQ(c.PenPos(), Point(90, 10));
    EXPECT_EQ(page.GetPixel(50, 9), clWhite);

    // A NOT-XOR rubber band drawn twice leaves the page as it was.
    TBitmap before = page;
    c.Pen.Mode = pmNotXor;
    for (int i = 0; i < 2; ++i)
        drawbezier(c, 5, 25, 30, 0, 70, 0, 95, 25, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(page.GetPixel(x, y), before.GetPixel(x, y)) << x << "," << y;
}

TEST(Drawbezier, NoStepsLeavesThePenAndOffPageCoordinatesAreClipped) {
    TBitmap page(20, 20);
    TCanvas& c = page.Canvas();
    c.MoveTo(3, 4);
    drawbezier(c, 0, 0, 5, 5, 10, 10, 15, 15, 0);
    EXPECT_EQ(c.PenPos(), Point(3, 4));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(page.GetPixel(x, y), clWhite);

    drawbezier(c, -500, 10, -900, 10, 900, 10, 600, 10, 30);
    EXPECT_EQ(c.PenPos(), Point(600, 10));
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(page.GetPixel(x, 10), clBlack) << x; // the part that crosses the page
}

} // namespace
