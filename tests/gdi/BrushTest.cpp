// Brushes: the six hatches drawn transparently in the brush colour on 8 x 8 cells from the
// bitmap origin, and pattern bitmaps tiled from the bitmap origin whatever the figure's place.
#include "PixelPicture.h"
#include "TCanvas.h"

#include <gtest/gtest.h>

using namespace gdi_test;

TEST(Brush, SixHatchesOverTransparentGround) {
    struct H {
        TBrushStyle style;
        std::string cell; // the 8 x 8 cell at the origin
    };
    const H hatches[] = {
        {bsHorizontal, Rows({"rrrrrrrr", "yyyyyyyy", "yyyyyyyy", "yyyyyyyy", "yyyyyyyy", "yyyyyyyy",
                             "yyyyyyyy", "yyyyyyyy"})},
        {bsVertical, Rows({"ryyyyyyy", "ryyyyyyy", "ryyyyyyy", "ryyyyyyy", "ryyyyyyy", "ryyyyyyy", "ryyyyyyy",
                           "ryyyyyyy"})},
        {bsFDiagonal, Rows({"ryyyyyyy", "yryyyyyy", "yyryyyyy", "yyyryyyy", "yyyyryyy", "yyyyyryy",
                            "yyyyyyry", "yyyyyyyr"})},
        {bsBDiagonal, Rows({"yyyyyyyr", "yyyyyyry", "yyyyyryy", "yyyyryyy", "yyyryyyy", "yyryyyyy",
                            "yryyyyyy", "ryyyyyyy"})},
        {bsCross, Rows({"rrrrrrrr", "ryyyyyyy", "ryyyyyyy", "ryyyyyyy", "ryyyyyyy", "ryyyyyyy", "ryyyyyyy",
                        "ryyyyyyy"})},
        {bsDiagCross, Rows({"ryyyyyyr", "yryyyyry", "yyryyryy", "yyyrryyy", "yyyrryyy", "yyryyryy",
                            "yryyyyry", "ryyyyyyr"})},
    };
    for (const H& h : hatches) {
        TBitmap b(16, 16);
        TCanvas& c = b.Canvas();
        c.Brush.Color = clYellow;
        c.FillRect(Rect(0, 0, 16, 16));
        c.Brush.Color = clRed;
        c.Brush.Style = h.style;
        c.FillRect(Rect(0, 0, 16, 16));
        TBitmap cell(8, 8);
        TBitmap cell2(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                cell.SetPixel(x, y, b.GetPixel(x, y));
                cell2.SetPixel(x, y, b.GetPixel(x + 8, y + 8));
            }
        EXPECT_EQ(Picture(cell), h.cell) << "style " << h.style;
        EXPECT_EQ(Picture(cell2), h.cell) << "repeats every 8 pixels, style " << h.style;
    }
}

TEST(Brush, HatchLinesStayOnTheBitmapGridWhereverTheFigureIs) {
    TBitmap b(12, 3);
    TCanvas& c = b.Canvas();
    c.Pen.Style = psClear;
    c.Brush.Color = clBlack;
    c.Brush.Style = bsVertical;
    c.Rectangle(3, 0, 13, 4); // fills x 3..11, y 0..2
    EXPECT_EQ(Picture(b), Rows({"........#...", "........#...", "........#..."}));
}

TEST(Brush, PatternTiledFromTheBitmapOrigin) {
    TBitmap pat = FromPicture({"rg", "by"});
    TBitmap b(5, 4);
    TCanvas& c = b.Canvas();
    c.Brush.Bitmap = &pat;
    c.FillRect(Rect(1, 1, 5, 4));
    EXPECT_EQ(Picture(b), Rows({".....", ".ybyb", ".grgr", ".ybyb"}));
}

TEST(Brush, PatternFillsFiguresInsideTheirOutline) {
    TBitmap pat = FromPicture({"r", "g"});
    TBitmap b(6, 5);
    TCanvas& c = b.Canvas();
    c.Brush.Bitmap = &pat;
    c.Rectangle(0, 0, 6, 5);
    EXPECT_EQ(Picture(b), Rows({"######", "#gggg#", "#rrrr#", "#gggg#", "######"}));
}

TEST(Brush, ClearBrushFillsNothing) {
    TBitmap b(5, 4);
    TCanvas& c = b.Canvas();
    c.Brush.Style = bsClear;
    c.FillRect(Rect(0, 0, 5, 4));
    c.Rectangle(0, 0, 5, 4);
    EXPECT_EQ(Picture(b), Rows({"#####", "#...#", "#...#", "#####"}));
}

TEST(Brush, FrameRectUsesTheBrushAndIgnoresThePen) {
    TBitmap b(5, 4);
    TCanvas& c = b.Canvas();
    c.Pen.Width = 5;
    c.Pen.Mode = pmXor;
    c.Brush.Color = clBlue;
    c.FrameRect(Rect(4, 3, 0, 0));
    EXPECT_EQ(Picture(b), Rows({"bbbb.", "b..b.", "bbbb.", "....."}));
}

TEST(Brush, FillRectIgnoresThePenMode) {
    TBitmap b(3, 1);
    TCanvas& c = b.Canvas();
    c.Pen.Mode = pmNotXor;
    c.Brush.Color = clRed;
    c.FillRect(Rect(0, 0, 2, 1));
    EXPECT_EQ(Picture(b), "rr.\n");
}

TEST(Brush, SettersKeepTheLibrarysRules) {
    TBitmap pat(8, 8);
    TBrush b;
    b.Color = clRed;
    b.SetBitmap(&pat); // a pattern brings a solid white brush with it
    EXPECT_EQ(b.Bitmap, &pat);
    EXPECT_EQ(b.Color, clWhite);
    EXPECT_EQ(b.Style, bsSolid);
    b.SetColor(clBlue); // a colour drops the pattern
    EXPECT_EQ(b.Bitmap, nullptr);
    EXPECT_EQ(b.Color, clBlue);
    b.SetStyle(bsClear);
    b.SetColor(clLime); // and makes a clear brush solid
    EXPECT_EQ(b.Style, bsSolid);
    b.SetStyle(bsCross);
    b.SetColor(clRed); // but keeps a hatch
    EXPECT_EQ(b.Style, bsCross);
    b.SetBitmap(&pat);
    b.SetStyle(bsHorizontal); // a style drops the pattern too
    EXPECT_EQ(b.Bitmap, nullptr);
    EXPECT_EQ(b.Style, bsHorizontal);
}

TEST(Brush, AColourAfterAPatternFillsSolid) {
    const TBitmap pat = FromPicture({"rb", "br"});
    TBitmap out(4, 4);
    TCanvas& c = out.Canvas();
    c.Brush.SetBitmap(&pat);
    c.Brush.SetColor(clYellow);
    c.FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(Picture(out), Rows({"yyyy", "yyyy", "yyyy", "yyyy"}));
}
