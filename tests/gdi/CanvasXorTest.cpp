// Rubber bands erase themselves by drawing again: every figure drawn twice in an XOR-like pen
// mode must give back every pixel, whatever the pen width, style or brush.
#include "Pixels.h"
#include "TBitmap.h"
#include "TCanvas.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

using Draw = std::function<void(TCanvas&)>;

struct Figure {
    const char* name;
    Draw draw;
};

std::vector<Figure> figures() {
    std::vector<TPoint> star = {{5, 5}, {40, 30}, {8, 35}, {38, 4}, {20, 44}};
    std::vector<TPoint> closedPolygon(500, TPoint{10, 10}); // a 500-entry polygon padded with its first point
    closedPolygon[1] = {50, 12};
    closedPolygon[2] = {30, 40};
    closedPolygon[3] = {12, 30};
    return {
        {"line shallow",
         [](TCanvas& c) {
             c.MoveTo(3, 7);
             c.LineTo(45, 19);
         }},
        {"line steep back",
         [](TCanvas& c) {
             c.MoveTo(40, 45);
             c.LineTo(33, 2);
         }},
        {"line diagonal",
         [](TCanvas& c) {
             c.MoveTo(2, 2);
             c.LineTo(40, 40);
         }},
        {"line zero length",
         [](TCanvas& c) {
             c.MoveTo(20, 20);
             c.LineTo(20, 20);
         }},
        {"line off the page",
         [](TCanvas& c) {
             c.MoveTo(-20, 10);
             c.LineTo(70, 30);
         }},
        {"polyline crossing itself", [star](TCanvas& c) { c.Polyline(star); }},
        {"polyline back and forth",
         [](TCanvas& c) {
             c.Polyline({{5, 5}, {30, 5}, {10, 5}, {10, 30}, {10, 8}});
         }},
        {"polygon star", [star](TCanvas& c) { c.Polygon(star); }},
        {"polygon of 500 points", [closedPolygon](TCanvas& c) { c.Polygon(closedPolygon); }},
        {"rectangle", [](TCanvas& c) { c.Rectangle(6, 8, 37, 30); }},
        {"rectangle reversed", [](TCanvas& c) { c.Rectangle(37, 30, 6, 8); }},
        {"rectangle thin", [](TCanvas& c) { c.Rectangle(10, 10, 12, 40); }},
        {"rectangle over the edge", [](TCanvas& c) { c.Rectangle(-10, 30, 30, 70); }},
        {"ellipse", [](TCanvas& c) { c.Ellipse(4, 6, 41, 33); }},
        {"ellipse small", [](TCanvas& c) { c.Ellipse(20, 20, 23, 22); }},
        {"ellipse over the edge", [](TCanvas& c) { c.Ellipse(30, -5, 70, 25); }},
        {"round rectangle", [](TCanvas& c) { c.RoundRect(3, 4, 44, 40, 20, 16); }},
        {"round rectangle big corners", [](TCanvas& c) { c.RoundRect(3, 4, 20, 40, 60, 60); }},
        {"arc", [](TCanvas& c) { c.Arc(5, 5, 40, 35, 45, 20, 5, 0); }},
        {"arc full", [](TCanvas& c) { c.Arc(5, 5, 40, 35, 45, 20, 45, 20); }},
        {"pie", [](TCanvas& c) { c.Pie(5, 5, 40, 35, 45, 20, 20, 0); }},
        {"pie more than half", [](TCanvas& c) { c.Pie(5, 5, 40, 35, 20, 0, 45, 20); }},
        {"chord", [](TCanvas& c) { c.Chord(5, 5, 40, 35, 45, 20, 5, 0); }},
        {"chord more than half", [](TCanvas& c) { c.Chord(5, 5, 40, 35, 5, 0, 45, 20); }},
    };
}

TBitmap noise(int w, int h, TPixelFormat pf) {
    TBitmap b(w, h, pf);
    std::mt19937 rng(7);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, rng() & 0xFFFFFF);
    return b;
}

struct PenCase {
    int width;
    TPenStyle style;
    TBrushStyle brush;
};

std::string describe(const PenCase& p) {
    return "width " + std::to_string(p.width) + " style " + std::to_string(p.style) + " brush " +
           std::to_string(p.brush);
}

void checkTwiceRestores(TPixelFormat pf, TPenMode mode, const std::vector<PenCase>& pens) {
    const TBitmap before = noise(48, 48, pf);
    for (const Figure& fig : figures())
        for (const PenCase& pen : pens) {
            TBitmap b = before;
            TCanvas& c = b.Canvas();
            c.Pen.Color = mode == pmNotXor ? clBlack : RGB(200, 30, 90); // XOR with black does nothing
            c.Pen.Width = pen.width;
            c.Pen.Style = pen.style;
            c.Pen.Mode = mode;
            c.Brush.Color = RGB(40, 200, 90);
            c.Brush.Style = pen.brush;
            fig.draw(c);
            bool drew = !samePixels(b, before);
            fig.draw(c);
            EXPECT_TRUE(samePixels(b, before)) << fig.name << ", " << describe(pen);
            if (std::string(fig.name) != "line zero length" || pen.width > 1) {
                EXPECT_TRUE(drew) << fig.name << " drew nothing, " << describe(pen);
            }
        }
}

std::vector<PenCase> allPens() {
    std::vector<PenCase> v;
    for (int w : {1, 2, 5, 12})
        for (TPenStyle s : {psSolid, psInsideFrame, psDash, psDot, psDashDotDot})
            for (TBrushStyle br : {bsClear, bsSolid, bsCross})
                v.push_back({w, s, br});
    return v;
}

} // namespace

TEST(CanvasXor, NotXorTwiceRestoresEveryFigureAtEveryWidth) {
    checkTwiceRestores(pf24bit, pmNotXor, allPens());
}

TEST(CanvasXor, NotXorOnWhiteShowsExactlyWhatCopyModePaints) {
    // Twice restores even when a figure touches a pixel twice, but such a pixel would show as a
    // hole in the band. On white, NOT-XOR with a black pen paints what copy mode paints, so any
    // pixel hit twice within one figure shows up as a difference.
    for (const Figure& fig : figures())
        for (const PenCase& pen : allPens()) {
            TBitmap drawn[2] = {TBitmap(48, 48), TBitmap(48, 48)};
            for (int i = 0; i < 2; ++i) {
                TCanvas& c = drawn[i].Canvas();
                c.Pen.Color = clBlack;
                c.Pen.Width = pen.width;
                c.Pen.Style = pen.style;
                c.Pen.Mode = i == 0 ? pmCopy : pmNotXor;
                c.Brush.Color = RGB(40, 200, 90);
                c.Brush.Style = pen.brush;
                fig.draw(c);
            }
            EXPECT_TRUE(samePixels(drawn[0], drawn[1])) << fig.name << ", " << describe(pen);
        }
}

TEST(CanvasXor, XorAndNotModesAlsoUndoThemselves) {
    std::vector<PenCase> pens = {{1, psSolid, bsClear}, {5, psSolid, bsSolid}, {12, psInsideFrame, bsClear}};
    checkTwiceRestores(pf24bit, pmXor, pens);
    checkTwiceRestores(pf24bit, pmNot, pens);
}

TEST(CanvasXor, NotXorOnPaletteBitmapsWorksOnTheIndexes) {
    std::vector<PenCase> pens = {{1, psSolid, bsClear}, {2, psDash, bsSolid}, {5, psSolid, bsClear}};
    checkTwiceRestores(pf8bit, pmNotXor, pens);
    checkTwiceRestores(pf4bit, pmNotXor, pens);
    checkTwiceRestores(pf1bit, pmNotXor, pens);
}

TEST(CanvasXor, RubberBandCostsItsOutlineNotThePage) {
    // The changed rectangle of a rubber band is the outline's box, never the page.
    TBitmap page(400, 400);
    std::vector<TRect> changed;
    page.OnChange = [&](const TRect& r) { changed.push_back(r); };
    TCanvas& c = page.Canvas();
    c.Pen.Mode = pmNotXor;
    c.Brush.Style = bsClear;
    c.Rectangle(100, 120, 160, 150);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], Rect(100, 120, 160, 150));
}
