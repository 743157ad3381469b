// The Bezier tool's placing, editing and finishing, and the gradient globe.
#include "DrawFixture.h"
#include "TListBox.h"
#include "TShape.h"
#include "ToolPixels.h"
#include "bez.h"

namespace {

class BezierTest : public DrawTest {
protected:
    static void drag(TPoint from, TPoint to, TMouseButton b = mbLeft) {
        down(from.x, from.y, b);
        move((from.x + to.x) / 2, (from.y + to.y) / 2);
        move(to.x, to.y);
        up(to.x, to.y, b);
    }
    static std::vector<TShape*> handles() { return {Pbook1->s1, Pbook1->s2, Pbook1->s3, Pbook1->s4}; }
};

struct PlaceRow {
    TPoint start, end;
    bool placed;
    TPoint ctl1, ctl2;
};

const PlaceRow placeRows[] = {
    // No real drag: the release is where the press was, or one pixel up-left of it.
    {{100, 100}, {100, 100}, false, {}, {}},
    {{101, 101}, {100, 100}, false, {}, {}},
    // Short drags up-left or down-right are refused.
    {{100, 100}, {95, 95}, false, {}, {}},
    {{100, 100}, {109, 109}, false, {}, {}},
    // A short drag the other way places, the control points 20 either side of the start.
    {{100, 100}, {105, 95}, true, {80, 80}, {120, 120}},
    // Thirds along each axis, the first control point on the side of the smaller coordinate.
    {{100, 100}, {190, 160}, true, {130, 120}, {160, 140}},
    {{200, 150}, {50, 60}, true, {100, 90}, {150, 120}},
    // Each axis on its own: far on x, near on y.
    {{100, 100}, {85, 95}, true, {90, 80}, {95, 120}},
    {{100, 100}, {300, 105}, true, {166, 80}, {232, 120}},
};

TEST_F(BezierTest, PlacingRulesAsATable) {
    for (const PlaceRow& row : placeRows) {
        SCOPED_TRACE(::testing::Message()
                     << row.start.x << "," << row.start.y << " -> " << row.end.x << "," << row.end.y);
        SetUp();
        choose(12);
        drag(row.start, row.end);
        TPbook1& pb = *Pbook1;
        EXPECT_EQ(pb.bezplaced, row.placed);
        EXPECT_EQ(pb.s1->Visible(), row.placed);
        // Nothing is on the page yet: the placing line is gone, the curve comes with the next move.
        EXPECT_TRUE(samePixels(page(), TBitmap(450, 250)));
        if (!row.placed) continue;
        EXPECT_EQ(pb.bezstart, row.start);
        EXPECT_EQ(pb.bezend, row.end);
        EXPECT_EQ(pb.bezctl1, row.ctl1);
        EXPECT_EQ(pb.bezctl2, row.ctl2);
        // Handles centred on their points: start, end, first and second control point.
        const TPoint centres[] = {row.start, row.end, row.ctl1, row.ctl2};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(handles()[size_t(i)]->Left(), centres[i].x - 8);
            EXPECT_EQ(handles()[size_t(i)]->Top(), centres[i].y - 8);
        }
        EXPECT_TRUE(pb.bezhandles);
    }
}

TEST_F(BezierTest, DragEditAndFinishLeaveExactlyTheFinalCurve) {
    choose(12);
    Form3->linewidth = 2;
    Form3->leftcolor = clBlue;
    TPbook1& pb = *Pbook1;
    drag({50, 50}, {150, 120});
    ASSERT_TRUE(pb.bezplaced);
    EXPECT_EQ(pb.bezctl1, Point(83, 73));
    EXPECT_EQ(pb.bezctl2, Point(116, 96));
    // Moving shows the outline of the curve.
    move(100, 100);
    EXPECT_FALSE(samePixels(page(), TBitmap(450, 250)));
    // Grab the first control point, carry it, and click to put it down.
    pb.s3->MouseDown(mbLeft, 0, 8, 8);
    move(60, 20);
    move(80, 30);
    click(80, 30);
    EXPECT_EQ(pb.bezctl1, Point(80, 30));
    EXPECT_EQ(pb.s3->Left(), 72);
    EXPECT_EQ(pb.s3->Top(), 22);
    EXPECT_FALSE(pb.bezgrab3);
    move(200, 200);
    // The right button draws the curve in the left colour at the line width.
    click(200, 200, mbRight);
    TBitmap want = expected([](TCanvas& c) {
        c.Pen.Color = clBlue;
        c.Pen.Width = 2;
        drawbezier(c, 50, 50, 80, 30, 116, 96, 150, 120, 30);
    });
    EXPECT_TRUE(samePixels(page(), want));
    for (TShape* s : handles())
        EXPECT_FALSE(s->Visible());
    EXPECT_FALSE(pb.bezplaced);
    EXPECT_FALSE(pb.bezdragging);
    EXPECT_EQ(pb.bezstart, Point(0, 0));
}

TEST_F(BezierTest, ChoosingAnotherToolTakesTheCurveOff) {
    choose(12);
    drag({50, 50}, {150, 120});
    move(100, 100);
    ASSERT_FALSE(samePixels(page(), TBitmap(450, 250)));
    Pbook1->remove_boxes();
    EXPECT_TRUE(samePixels(page(), TBitmap(450, 250)));
    EXPECT_FALSE(Pbook1->s2->Visible());
}

TEST_F(BezierTest, ACurveNotYetShownIsNotDrawnWhenAbandoned) {
    choose(12);
    drag({50, 50}, {150, 120});
    Pbook1->remove_boxes();
    EXPECT_TRUE(samePixels(page(), TBitmap(450, 250)));
}

class GlobeTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        Form3->ListBox1->Items().SetStrings({"255", "65280", "16711680"}); // red, green, blue
    }
};

TEST_F(GlobeTest, RingsRunThroughTheListFromTheOutsideIn) {
    choose(152);
    down(10, 10);
    move(20, 60);
    move(30, 110);
    up(30, 110);
    // A 20 x 100 drag: r = 50, a 100 x 100 disc at the drag's top-left.
    for (int i = 0; i < 50; ++i) {
        TColor want = i <= 8 ? clRed : i <= 24 ? clLime : clBlue; // Round(i * 3 / 50), halves to even
        EXPECT_EQ(page().GetPixel(60, 10 + i), want) << i;
    }
    // Outside the disc the page stays white: the rubber band has gone too.
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 450; ++x) {
            double dx = x + 0.5 - 60, dy = y + 0.5 - 60;
            if (dx * dx + dy * dy > 51.0 * 51.0) {
                ASSERT_EQ(page().GetPixel(x, y), clWhite) << x << "," << y;
            }
        }
}

TEST_F(GlobeTest, RefusesFewerThanTwoColoursAndRadiiBelowFive) {
    struct {
        std::vector<std::string> colours;
        TPoint end;
        bool drawn;
    } rows[] = {
        {{"255"}, {110, 110}, false},
        {{}, {110, 110}, false},
        {{"255", "65280"}, {18, 18}, false}, // r = 4
        {{"255", "65280"}, {20, 11}, true},  // r = 5
    };
    for (auto& row : rows) {
        SetUp();
        Form3->ListBox1->Items().SetStrings(row.colours);
        choose(152);
        down(10, 10);
        move(row.end.x, row.end.y);
        up(row.end.x, row.end.y);
        EXPECT_EQ(!samePixels(page(), TBitmap(450, 250)), row.drawn)
            << row.colours.size() << " " << row.end.x;
    }
}

TEST(GlobeRings, EveryRingIsDrawnWithTheRingPen) {
    TBitmap b(120, 120);
    ASSERT_TRUE(drawglobe(b.Canvas(), 100, 100, 0, 0, {"0", "255"}));
    EXPECT_EQ(b.Canvas().Pen.Width, 2);
    EXPECT_EQ(b.Canvas().Brush.Style, bsClear);
    EXPECT_EQ(b.GetPixel(50, 0), clBlack);   // outermost: entry 0
    EXPECT_EQ(b.GetPixel(50, 49), clRed);    // innermost: entry 1
    EXPECT_EQ(b.GetPixel(110, 50), clWhite); // the disc is 100 across
}

} // namespace
