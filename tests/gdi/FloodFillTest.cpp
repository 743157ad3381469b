// Flood fill on small mazes drawn as text: surface and border styles, 4-connectedness, brushes
// that match the region, and palette bitmaps.
#include "PixelPicture.h"
#include "TCanvas.h"

#include <deque>
#include <gtest/gtest.h>
#include <random>

using namespace gdi_test;

namespace {

// Walls '#'; the corridors are white. The room in the middle is closed; the pocket at the
// bottom right touches the corridor only diagonally.
TBitmap maze(TPixelFormat pf = pf24bit) {
    return FromPicture({"......", ".####.", ".#..#.", ".####.", ".....#", "###.#."}, pf);
}
const std::string kMazeFilled = Rows({"rrrrrr", "r####r", "r#..#r", "r####r", "rrrrr#", "###r#."});

std::string fillMaze(TFillStyle style, TColor at, TPixelFormat pf = pf24bit, TBrushStyle brush = bsSolid,
                     TColor brushColor = clRed) {
    TBitmap b = maze(pf);
    TCanvas& c = b.Canvas();
    c.Brush.Color = brushColor;
    c.Brush.Style = brush;
    c.FloodFill(0, 0, at, style);
    return Picture(b);
}

} // namespace

TEST(FloodFill, SurfaceFillsTheConnectedAreaOfOneColourOnly) {
    EXPECT_EQ(fillMaze(fsSurface, clWhite), kMazeFilled);
}

TEST(FloodFill, SurfaceIsFourConnected) {
    // The bottom-right room touches the corridor only diagonally and stays white.
    TBitmap b = FromPicture({"...#", "...#", "..#.", "##.."});
    b.Canvas().Brush.Color = clRed;
    b.Canvas().FloodFill(0, 0, clWhite, fsSurface);
    EXPECT_EQ(Picture(b), Rows({"rrr#", "rrr#", "rr#.", "##.."}));
}

TEST(FloodFill, BorderFillsUpToTheBorderColour) {
    TBitmap b = FromPicture({"..#...", ".rr#..", ".#..#.", "..##..", "......"});
    b.Canvas().Brush.Color = clBlue;
    b.Canvas().FloodFill(2, 2, clBlack, fsBorder);
    // The red pixels are not the border, so they are filled over.
    EXPECT_EQ(Picture(b), Rows({"bb#bbb", "bbb#bb", "b#bb#b", "bb##bb", "bbbbbb"}));
}

TEST(FloodFill, NothingHappensWhenTheStartDoesNotQualify) {
    EXPECT_EQ(fillMaze(fsSurface, clBlack), Picture(maze())); // start is white, not black
    TBitmap b = maze();
    b.Canvas().Brush.Color = clRed;
    b.Canvas().FloodFill(1, 1, clBlack, fsBorder); // start on the border
    b.Canvas().FloodFill(-1, 0, clWhite, fsSurface);
    b.Canvas().FloodFill(6, 0, clWhite, fsSurface);
    EXPECT_EQ(Picture(b), Picture(maze()));
}

TEST(FloodFill, EndsWhenTheBrushHasTheRegionsColour) {
    // Surface fill with the colour it fills, and border fill with a brush that is not the border:
    // the painted pixels still qualify, and the fill must end anyway.
    EXPECT_EQ(fillMaze(fsSurface, clWhite, pf24bit, bsSolid, clWhite), Picture(maze()));
    EXPECT_EQ(fillMaze(fsBorder, clBlack, pf24bit, bsSolid, clWhite), Picture(maze()));
    EXPECT_EQ(fillMaze(fsBorder, clBlack, pf24bit, bsSolid, clRed), kMazeFilled);
}

TEST(FloodFill, HatchBrushFillsTheRegionNotItsOwnLines) {
    TBitmap b(10, 10);
    b.Canvas().Brush.Color = clBlack;
    b.Canvas().Brush.Style = bsHorizontal;
    b.Canvas().FloodFill(5, 5, clWhite, fsSurface);
    std::string rows;
    for (int y = 0; y < 10; ++y)
        rows += (y % 8 == 0) ? "##########\n" : "..........\n";
    EXPECT_EQ(Picture(b), rows);
}

TEST(FloodFill, PatternBrushIsTiledFromTheBitmapOrigin) {
    TBitmap pat = FromPicture({"rg", "by"});
    TBitmap b = FromPicture({"#....", "#....", "#...."});
    b.Canvas().Brush.Bitmap = &pat;
    b.Canvas().FloodFill(3, 1, clWhite, fsSurface);
    EXPECT_EQ(Picture(b), Rows({"#grgr", "#ybyb", "#grgr"}));
}

TEST(FloodFill, PaletteBitmapsFillByColour) {
    EXPECT_EQ(fillMaze(fsSurface, clWhite, pf8bit), kMazeFilled);
    EXPECT_EQ(fillMaze(fsBorder, clBlack, pf4bit, bsSolid, clWhite), Picture(maze()));
}

TEST(FloodFill, ReportsTheFilledArea) {
    TBitmap b = maze();
    std::vector<TRect> changed;
    b.OnChange = [&](const TRect& r) { changed.push_back(r); };
    b.Canvas().Brush.Color = clRed;
    b.Canvas().FloodFill(2, 2, clWhite, fsSurface);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], Rect(2, 2, 4, 3));
}

TEST(FloodFill, LargeSpiralNeedsNoRecursion) {
    // A one-pixel corridor spiralling over 400 x 400: deep for any recursive fill.
    const int n = 400;
    TBitmap b(n, n);
    TCanvas& c = b.Canvas();
    c.Pen.Color = clBlack;
    for (int i = 0; i < n / 4; i += 2) {
        c.MoveTo(i, i + 2 > n / 2 ? i : i + 2);
        c.LineTo(n - 1 - i, i);
        c.LineTo(n - 1 - i, n - 1 - i);
        c.LineTo(i, n - 1 - i);
        c.LineTo(i, i + 2);
    }
    c.Brush.Color = clRed;
    c.FloodFill(1, 1, clWhite, fsSurface);
    EXPECT_EQ(b.GetPixel(1, 1), clRed);
    TBitmap again = b;
    again.Canvas().Brush.Color = clWhite;
    again.Canvas().FloodFill(1, 1, clRed, fsSurface); // and back
    int red = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            red += again.GetPixel(x, y) == clRed;
    EXPECT_EQ(red, 0);
}

TEST(FloodFill, MatchesAPlainBreadthFirstFillOnNoise) {
    // Random two-colour pictures full of pockets and leaks, filled every way the fill can run:
    // painting as it goes (solid), and marking first (a one-colour pattern brush).
    std::mt19937 rng(11);
    TBitmap single(1, 1);
    single.SetPixel(0, 0, clRed);
    for (int round = 0; round < 40; ++round) {
        const int W = 23, H = 17;
        TBitmap pic(W, H, round % 4 == 3 ? pf8bit : pf24bit);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                pic.SetPixel(x, y, rng() % 100 < 38 ? clBlack : clWhite);
        int sx = int(rng() % W), sy = int(rng() % H);
        TFillStyle style = round % 2 ? fsBorder : fsSurface;
        TColor seedColour = pic.GetPixel(sx, sy);
        TColor colour = style == fsSurface ? seedColour : (seedColour == clBlack ? clWhite : clBlack);
        // Reference: breadth first over 4-neighbours.
        std::vector<bool> in(std::size_t(W * H), false);
        auto qualifies = [&](int x, int y) {
            TColor c = pic.GetPixel(x, y);
            return style == fsSurface ? c == colour : c != colour;
        };
        if (qualifies(sx, sy)) {
            std::deque<TPoint> q{{sx, sy}};
            in[std::size_t(sy * W + sx)] = true;
            while (!q.empty()) {
                TPoint p = q.front();
                q.pop_front();
                for (TPoint d : {TPoint{1, 0}, TPoint{-1, 0}, TPoint{0, 1}, TPoint{0, -1}}) {
                    int nx = p.x + d.x, ny = p.y + d.y;
                    if (nx < 0 || ny < 0 || nx >= W || ny >= H || in[std::size_t(ny * W + nx)] ||
                        !qualifies(nx, ny))
                        continue;
                    in[std::size_t(ny * W + nx)] = true;
                    q.push_back({nx, ny});
                }
            }
        }
        for (bool pattern : {false, true}) {
            TBitmap b = pic;
            b.Canvas().Brush.Color = clRed;
            b.Canvas().Brush.Bitmap = pattern ? &single : nullptr;
            b.Canvas().FloodFill(sx, sy, colour, style);
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    ASSERT_EQ(b.GetPixel(x, y), in[std::size_t(y * W + x)] ? clRed : pic.GetPixel(x, y))
                        << "round " << round << " at " << x << "," << y << (pattern ? " pattern" : " solid");
        }
    }
}
