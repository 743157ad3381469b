// The exact pixels of the canvas's figures on small bitmaps: end points, excluded right and
// bottom edges, wide and inside-frame pens, reversed corners.
#include "PixelPicture.h"
#include "TCanvas.h"

#include <functional>
#include <gtest/gtest.h>

using namespace gdi_test;

namespace {

struct FigureCase {
    const char* name;
    std::function<void(TCanvas&)> draw;
    std::string expected; // 10 x 8, black pen, red brush, on white
};

std::string drawn(const std::function<void(TCanvas&)>& draw, int w = 10, int h = 8) {
    TBitmap b(w, h);
    TCanvas& c = b.Canvas();
    c.Pen.Color = clBlack;
    c.Brush.Color = clRed;
    draw(c);
    return Picture(b);
}

const FigureCase kFigures[] = {
    {"line leaves out its end point",
     [](TCanvas& c) {
         c.MoveTo(1, 1);
         c.LineTo(8, 1);
     },
     Rows({"..........", ".#######..", "..........", "..........", "..........", "..........", "..........",
           ".........."})},
    {"line drawn backwards leaves out the other end",
     [](TCanvas& c) {
         c.MoveTo(8, 1);
         c.LineTo(1, 1);
     },
     Rows({"..........", "..#######.", "..........", "..........", "..........", "..........", "..........",
           ".........."})},
    {"steep line by Bresenham",
     [](TCanvas& c) {
         c.MoveTo(2, 0);
         c.LineTo(5, 7);
     },
     Rows({"..#.......", "..#.......", "...#......", "...#......", "....#.....", "....#.....", ".....#....",
           ".........."})},
    {"zero-length line draws nothing",
     [](TCanvas& c) {
         c.MoveTo(4, 4);
         c.LineTo(4, 4);
     },
     Rows({"..........", "..........", "..........", "..........", "..........", "..........", "..........",
           ".........."})},
    {"polyline leaves out only its last point",
     [](TCanvas& c) {
         c.Polyline({{1, 1}, {8, 1}, {8, 6}});
     },
     Rows({"..........", ".########.", "........#.", "........#.", "........#.", "........#.", "..........",
           ".........."})},
    {"width 2 line covers both ends, half a pixel up and left",
     [](TCanvas& c) {
         c.Pen.Width = 2;
         c.MoveTo(2, 3);
         c.LineTo(7, 3);
     },
     Rows({"..........", "..........", ".#######..", ".#######..", "..........", "..........", "..........",
           ".........."})},
    {"width 5 line has round ends",
     [](TCanvas& c) {
         c.Pen.Width = 5;
         c.MoveTo(3, 3);
         c.LineTo(6, 3);
     },
     Rows({"..........", "..######..", ".########.", ".########.", ".########.", "..######..", "..........",
           ".........."})},
    {"rectangle excludes right and bottom", [](TCanvas& c) { c.Rectangle(1, 1, 7, 5); },
     Rows({"..........", ".######...", ".#rrrr#...", ".#rrrr#...", ".######...", "..........", "..........",
           ".........."})},
    {"rectangle with reversed corners is the same", [](TCanvas& c) { c.Rectangle(7, 5, 1, 1); },
     Rows({"..........", ".######...", ".#rrrr#...", ".#rrrr#...", ".######...", "..........", "..........",
           ".........."})},
    {"rectangle without pen fills one pixel less",
     [](TCanvas& c) {
         c.Pen.Style = psClear;
         c.Rectangle(1, 1, 7, 5);
     },
     Rows({"..........", ".rrrrr....", ".rrrrr....", ".rrrrr....", "..........", "..........", "..........",
           ".........."})},
    {"width 2 rectangle straddles the edge",
     [](TCanvas& c) {
         c.Pen.Width = 2;
         c.Rectangle(2, 2, 8, 7);
     },
     Rows({"..........", ".#######..", ".#######..", ".##rrr##..", ".##rrr##..", ".#######..", ".#######..",
           ".........."})},
    {"width 5 rectangle centred on the edge",
     [](TCanvas& c) {
         c.Pen.Width = 5;
         c.Brush.Style = bsClear;
         c.Rectangle(3, 3, 9, 7);
     },
     Rows({"..........", ".#########", ".#########", ".#########", ".#########", ".#########", ".#########",
           ".#########"})},
    {"inside-frame width 2 stays inside the box",
     [](TCanvas& c) {
         c.Pen.Width = 2;
         c.Pen.Style = psInsideFrame;
         c.Rectangle(1, 1, 8, 7);
     },
     Rows({"..........", ".#######..", ".#######..", ".##rrr##..", ".##rrr##..", ".#######..", ".#######..",
           ".........."})},
    {"inside-frame ellipse stays inside the box",
     [](TCanvas& c) {
         c.Pen.Width = 2;
         c.Pen.Style = psInsideFrame;
         c.Ellipse(0, 0, 10, 8);
     },
     Rows({"...####...", ".########.", "###rrrr###", "##rrrrrr##", "##rrrrrr##", "###rrrr###", ".########.",
           "...####..."})},
    {"ellipse is symmetric and closed", [](TCanvas& c) { c.Ellipse(1, 1, 9, 7); },
     Rows({"..........", "...####...", "..#rrrr#..", ".#rrrrrr#.", ".#rrrrrr#.", "..#rrrr#..", "...####...",
           ".........."})},
    {"ellipse without pen fills one pixel less",
     [](TCanvas& c) {
         c.Pen.Style = psClear;
         c.Ellipse(0, 0, 10, 8);
     },
     Rows({"..rrrrr...", ".rrrrrrr..", "rrrrrrrrr.", "rrrrrrrrr.", "rrrrrrrrr.", ".rrrrrrr..", "..rrrrr...",
           ".........."})},
    {"round rectangle corners", [](TCanvas& c) { c.RoundRect(0, 0, 10, 8, 4, 4); },
     Rows({".########.", "#rrrrrrrr#", "#rrrrrrrr#", "#rrrrrrrr#", "#rrrrrrrr#", "#rrrrrrrr#", "#rrrrrrrr#",
           ".########."})},
    {"arc runs counter-clockwise from the first radial", [](TCanvas& c) { c.Arc(0, 0, 10, 8, 10, 4, 5, 0); },
     Rows({".....##...", ".......##.", ".........#", ".........#", "..........", "..........", "..........",
           ".........."})},
    {"pie closes through the centre", [](TCanvas& c) { c.Pie(0, 0, 10, 8, 10, 4, 5, 0); },
     Rows({".....##...", ".....#r##.", ".....#rrr#", ".....#rrr#", ".....####.", "..........", "..........",
           ".........."})},
    {"chord closes with a straight line", [](TCanvas& c) { c.Chord(0, 0, 10, 8, 0, 0, 10, 8); },
     Rows({"..........", ".#........", "#r##......", "#rrr#.....", "#rrrr#....", "#rrrrr##..", ".##rrrr##.",
           "...####..."})},
    {"polygon fill and outline",
     [](TCanvas& c) {
         c.Polygon({{1, 1}, {8, 1}, {8, 6}, {1, 6}});
     },
     Rows({"..........", ".########.", ".#rrrrrr#.", ".#rrrrrr#.", ".#rrrrrr#.", ".#rrrrrr#.", ".########.",
           ".........."})},
    {"polygon without pen leaves out its right and bottom edges",
     [](TCanvas& c) {
         c.Pen.Style = psClear;
         c.Polygon({{1, 1}, {8, 1}, {8, 6}, {1, 6}});
     },
     Rows({"..........", ".rrrrrrr..", ".rrrrrrr..", ".rrrrrrr..", ".rrrrrrr..", ".rrrrrrr..", "..........",
           ".........."})},
    {"polygon alternate fill leaves the overlap empty",
     [](TCanvas& c) {
         c.Pen.Style = psClear;
         c.Polygon({{0, 1}, {6, 1}, {6, 7}, {3, 7}, {3, 4}, {9, 4}, {9, 6}, {0, 6}});
     },
     Rows({"..........", "rrrrrr....", "rrrrrr....", "rrrrrr....", "rrr...rrr.", "rrr...rrr.", "...rrr....",
           ".........."})},
};

} // namespace

TEST(CanvasFigure, PixelSets) {
    for (const FigureCase& f : kFigures)
        EXPECT_EQ(drawn(f.draw), f.expected) << f.name;
}

TEST(CanvasFigure, DashedPenGapsShowTheBrushOnlyWhenSolid) {
    auto line = [](TBrushStyle brush, TPenStyle style) {
        TBitmap b(30, 1);
        TCanvas& c = b.Canvas();
        c.Pen.Style = style;
        c.Brush.Color = clRed;
        c.Brush.Style = brush;
        c.MoveTo(0, 0);
        c.LineTo(30, 0);
        return Picture(b);
    };
    EXPECT_EQ(line(bsClear, psDot), "###...###...###...###...###...\n");
    EXPECT_EQ(line(bsSolid, psDot), "###rrr###rrr###rrr###rrr###rrr\n");
    EXPECT_EQ(line(bsClear, psDash), "##################......######\n");
    EXPECT_EQ(line(bsClear, psDashDot), "#########......###......######\n");
    EXPECT_EQ(line(bsClear, psDashDotDot), "#########...###...###...######\n");
}

TEST(CanvasFigure, WidePensDrawDashStylesSolid) {
    TBitmap b(12, 4);
    TCanvas& c = b.Canvas();
    c.Pen.Width = 2;
    c.Pen.Style = psDot;
    c.MoveTo(1, 2);
    c.LineTo(10, 2);
    EXPECT_EQ(Picture(b), Rows({"............", "###########.", "###########.", "............"}));
}

TEST(CanvasFigure, PenPositionFollowsLineTo) {
    TBitmap b(10, 10);
    TCanvas& c = b.Canvas();
    c.MoveTo(1, 2);
    c.LineTo(5, 6);
    EXPECT_EQ(c.PenPos(), Point(5, 6));
    c.Polyline({{0, 0}, {9, 9}});
    EXPECT_EQ(c.PenPos(), Point(5, 6)); // a polyline neither uses nor moves it
}

TEST(CanvasFigure, FiguresFarOutsideTheBitmapAreClipped) {
    TBitmap b(10, 8);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clRed;
    c.Rectangle(-100000, -100000, 100000, 4);
    c.Ellipse(-50000, 5, 50000, 200000);
    EXPECT_EQ(b.GetPixel(0, 3), clBlack);
    EXPECT_EQ(b.GetPixel(0, 2), clRed);
    EXPECT_EQ(b.GetPixel(5, 5), clBlack);
    EXPECT_EQ(b.GetPixel(5, 7), clRed);

    // Lines and figures reaching to the ends of the coordinate range finish at once.
    TBitmap l(10, 8);
    TCanvas& lc = l.Canvas();
    lc.MoveTo(-2000000000, 3);
    lc.LineTo(2000000000, 3);
    lc.Pen.Width = 3;
    lc.Pen.Style = psDash;
    lc.Brush.Style = bsClear;
    lc.Ellipse(-2100000000, -2100000000, 2100000000, 2100000000);
    lc.Pie(-2100000000, -5, 2100000000, 2100000000, 0, 0, 5, 5);
    lc.Pen.Width = 1;
    lc.Rectangle(-2100000000, -2100000000, 2100000000, 2100000000);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(l.GetPixel(x, 3), clBlack) << x;
}

TEST(CanvasFigure, PixelsOutsideReadAllBitsAndWritesAreDropped) {
    TBitmap b(4, 3);
    TCanvas& c = b.Canvas();
    int changes = 0;
    b.OnChange = [&](const TRect&) { ++changes; };
    struct P {
        int x, y;
    };
    for (P p : {P{-1, 0}, P{0, -1}, P{4, 0}, P{0, 3}, P{-100000, 100000}}) {
        EXPECT_EQ(c.Pixels(p.x, p.y), 0xFFFFFFFFu);
        c.SetPixels(p.x, p.y, clBlack);
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Picture(b), Rows({"....", "....", "...."}));
    c.SetPixels(3, 2, clRed);
    EXPECT_EQ(c.Pixels(3, 2), clRed);
    EXPECT_EQ(changes, 1);
    EXPECT_NE(c.Pixels(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(c.Pixels(0, 0), clWhite);
}

TEST(CanvasFigure, PaletteColoursAndSystemColoursResolve) {
    TBitmap b(2, 1);
    TCanvas& c = b.Canvas();
    c.SetPixels(0, 0, PALETTERGB(255, 0, 0));
    c.SetPixels(1, 0, clBtnFace);
    EXPECT_EQ(c.Pixels(0, 0), clRed);
    EXPECT_EQ(c.Pixels(1, 0), RGB(192, 192, 192));
}

TEST(CanvasFigure, PaletteBitmapStoresTheNearestIndex) {
    TBitmap b(6, 3, pf4bit);
    TCanvas& c = b.Canvas();
    c.Pen.Color = RGB(250, 10, 5); // nearest of the 16 colours: red
    c.MoveTo(0, 1);
    c.LineTo(6, 1);
    EXPECT_EQ(Picture(b), Rows({"......", "rrrrrr", "......"}));
    // NOT on a palette bitmap inverts the index: white (15) becomes black (0).
    c.Pen.Mode = pmNot;
    c.MoveTo(0, 0);
    c.LineTo(3, 0);
    EXPECT_EQ(Picture(b), Rows({"###...", "rrrrrr", "......"}));
}

TEST(CanvasFigure, RopModesOnTrueColour) {
    // Each mode on a pen and a destination whose bits differ in every way, channel by channel.
    struct M {
        TPenMode mode;
        TColor expected;
    };
    const TColor pen = RGB(0xF0, 0x0F, 0x55), dst = RGB(0xCC, 0x33, 0xAA);
    const M modes[] = {{pmBlack, 0},
                       {pmWhite, 0xFFFFFF},
                       {pmNop, dst},
                       {pmNot, ~dst & 0xFFFFFF},
                       {pmCopy, pen},
                       {pmNotCopy, ~pen & 0xFFFFFF},
                       {pmMergePenNot, (pen | ~dst) & 0xFFFFFF},
                       {pmMaskPenNot, pen & ~dst},
                       {pmMergeNotPen, (~pen | dst) & 0xFFFFFF},
                       {pmMaskNotPen, ~pen & dst},
                       {pmMerge, pen | dst},
                       {pmNotMerge, ~(pen | dst) & 0xFFFFFF},
                       {pmMask, pen & dst},
                       {pmNotMask, ~(pen & dst) & 0xFFFFFF},
                       {pmXor, pen ^ dst},
                       {pmNotXor, ~(pen ^ dst) & 0xFFFFFF}};
    for (const M& m : modes) {
        TBitmap b(3, 1);
        TCanvas& c = b.Canvas();
        c.SetPixels(0, 0, dst);
        c.Pen.Color = pen;
        c.Pen.Mode = m.mode;
        c.MoveTo(0, 0);
        c.LineTo(1, 0);
        EXPECT_EQ(c.Pixels(0, 0), m.expected) << "mode " << m.mode;
        EXPECT_EQ(b.Row32(0)[0] >> 24, 0xFFu) << "storage keeps its top byte, mode " << m.mode;
    }
}

TEST(CanvasFigure, ChangedRectanglesAreWhatWasTouched) {
    TBitmap b(50, 40);
    std::vector<TRect> got;
    b.OnChange = [&](const TRect& r) { got.push_back(r); };
    TCanvas& c = b.Canvas();
    struct C {
        const char* name;
        std::function<void()> draw;
        TRect expected;
    };
    const C cases[] = {
        {"line",
         [&] {
             c.MoveTo(3, 4);
             c.LineTo(10, 8);
         },
         Rect(3, 4, 10, 8)},
        {"wide line",
         [&] {
             c.Pen.Width = 3;
             c.MoveTo(10, 10);
             c.LineTo(20, 10);
             c.Pen.Width = 1;
         },
         Rect(9, 9, 22, 12)},
        {"rectangle", [&] { c.Rectangle(5, 6, 15, 16); }, Rect(5, 6, 15, 16)},
        {"ellipse clipped", [&] { c.Ellipse(40, 30, 60, 50); }, Rect(40, 30, 50, 40)},
        {"fill", [&] { c.FillRect(Rect(-5, -5, 4, 3)); }, Rect(0, 0, 4, 3)},
        {"pixel", [&] { c.SetPixels(7, 7, clRed); }, Rect(7, 7, 8, 8)},
    };
    for (const C& k : cases) {
        got.clear();
        k.draw();
        ASSERT_EQ(got.size(), 1u) << k.name;
        EXPECT_EQ(got[0], k.expected) << k.name;
    }
    got.clear();
    c.Rectangle(100, 100, 120, 120); // nothing on the bitmap: nothing reported
    EXPECT_TRUE(got.empty());
}

TEST(CanvasFigure, EmptyBitmapsAndOddArgumentsAreHarmless) {
    TBitmap empty;
    TBitmap pic = FromPicture({"rg", "by"});
    auto everything = [&](TCanvas& c) {
        c.MoveTo(0, 0);
        c.LineTo(5, 5);
        c.Polyline({});
        c.Polyline({{1, 1}});
        c.Polygon({});
        c.Polygon({{1, 1}, {2, 2}});
        c.Rectangle(0, 0, 0, 0);
        c.Ellipse(3, 3, 3, 9);
        c.RoundRect(0, 0, 5, 5, -4, -4);
        c.Arc(0, 0, 0, 0, 0, 0, 0, 0);
        c.Pie(0, 0, 1, 1, 0, 0, 0, 0);
        c.Chord(0, 0, 1, 1, 5, 5, 5, 5);
        c.FillRect(Rect(0, 0, 5, 5));
        c.FrameRect(Rect(0, 0, 0, 5));
        c.FloodFill(0, 0, clWhite, fsSurface);
        c.SetPixels(0, 0, clRed);
        c.Draw(-1, -1, pic);
        c.Draw(0, 0, empty);
        c.StretchDraw(Rect(0, 0, 9, 9), pic);
        c.StretchDraw(Rect(0, 0, 9, 9), empty);
        c.DrawTransparent(0, 0, pic, clRed);
        BitBlt(c, 0, 0, -3, 2, &pic.Canvas(), 0, 0, SRCCOPY);
        StretchBlt(c, 0, 0, 0, 3, pic.Canvas(), 0, 0, 2, 2, SRCCOPY);
    };
    everything(empty.Canvas());
    EXPECT_TRUE(empty.Empty());
    TBitmap small(3, 3);
    small.Canvas().Pen.Width = 0;
    small.Canvas().Pen.Width = -7;
    everything(small.Canvas());
    EXPECT_EQ(small.Canvas().Pixels(1, 1) >> 24, 0u);
}
