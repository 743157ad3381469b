// Text on the canvas: unantialiased glyphs inside the measured cell, opaque and clear
// backgrounds, styles, clipping, and text turned by its escapement.
#include "TBitmap.h"
#include "TCanvas.h"

#include <gtest/gtest.h>

namespace {

struct Ink {
    TRect box;       // bounds of the pixels that are not white
    int count = 0;   // how many
    bool twoColours; // only white and the text colour
};

Ink inkOf(const TBitmap& b, TColor text) {
    Ink k{{}, 0, true};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            TColor c = b.GetPixel(x, y);
            if (c == clWhite) continue;
            if (c != text) k.twoColours = false;
            ++k.count;
            k.box = k.box.IsEmpty() ? Rect(x, y, x + 1, y + 1) : UnionRect(k.box, Rect(x, y, x + 1, y + 1));
        }
    return k;
}

TCanvas& textCanvas(TBitmap& b, const char* font = "Arial") {
    TCanvas& c = b.Canvas();
    c.Font.Name = font;
    c.Font.Color = clBlack;
    c.Font.SetHeight(-16);
    c.Brush.Style = bsClear;
    return c;
}

} // namespace

TEST(Text, GlyphsLieInsideTheMeasuredCellWithoutAntialiasing) {
    for (const char* font : {"Arial", "MS Sans Serif"})
        for (TFontStyles style :
             {0u, unsigned(fsBold), unsigned(fsItalic), unsigned(fsUnderline | fsStrikeOut)}) {
            TBitmap b(200, 60);
            TCanvas& c = textCanvas(b, font);
            c.Font.Style = style;
            const std::string s = "Hello, Wg";
            int w = c.TextWidth(s), h = c.TextHeight(s);
            EXPECT_GT(w, 40) << font;
            EXPECT_GE(h, 16) << font;
            c.TextOut(20, 10, s);
            Ink k = inkOf(b, clBlack);
            EXPECT_GT(k.count, 60) << font << " style " << style;
            EXPECT_TRUE(k.twoColours) << font << " style " << style;
            // Italic glyphs may lean a pixel or two past the advance.
            int slack = (style & fsItalic) ? 3 : 0;
            EXPECT_GE(k.box.Left, 20 - slack) << font << " style " << style;
            EXPECT_LE(k.box.Right, 20 + w + slack) << font << " style " << style;
            EXPECT_GE(k.box.Top, 10) << font << " style " << style;
            EXPECT_LE(k.box.Bottom, 10 + h) << font << " style " << style;
            EXPECT_EQ(c.PenPos(), Point(20 + w, 10));
        }
}

TEST(Text, BoldIsWiderAndUnderlineAddsALine) {
    TBitmap b(10, 10);
    TCanvas& c = textCanvas(b);
    int plain = c.TextWidth("Wide words");
    c.Font.Style = fsBold;
    EXPECT_GT(c.TextWidth("Wide words"), plain);

    TBitmap p(120, 30), u(120, 30);
    textCanvas(p).TextOut(2, 2, "mmmm");
    TCanvas& cu = textCanvas(u);
    cu.Font.Style = fsUnderline;
    cu.TextOut(2, 2, "mmmm");
    EXPECT_GT(inkOf(u, clBlack).count, inkOf(p, clBlack).count);
    EXPECT_GT(inkOf(u, clBlack).box.Bottom, inkOf(p, clBlack).box.Bottom);
}

TEST(Text, SizeSetsTheHeight) {
    TFont f;
    f.SetSize(8);
    EXPECT_EQ(f.Height, -11);
    f.SetSize(12);
    EXPECT_EQ(f.Height, -16);
    f.SetHeight(-16);
    EXPECT_EQ(f.Size, 12);
    TBitmap b(10, 10);
    TCanvas& c = textCanvas(b);
    int small = c.TextHeight("X");
    c.Font.SetSize(24);
    EXPECT_GT(c.TextHeight("X"), small);
}

TEST(Text, SolidBrushFillsTheCellBehindTheText) {
    TBitmap b(100, 40);
    TCanvas& c = textCanvas(b);
    c.Brush.Style = bsSolid;
    c.Brush.Color = clYellow;
    c.TextOut(5, 5, "Ab");
    int w = c.TextWidth("Ab"), h = c.TextHeight("Ab");
    int yellow = 0, black = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) {
            TColor px = b.GetPixel(x, y);
            bool inCell = x >= 5 && x < 5 + w && y >= 5 && y < 5 + h;
            if (!inCell) {
                EXPECT_EQ(px, clWhite) << x << "," << y;
            }
            yellow += px == clYellow;
            black += px == clBlack;
        }
    EXPECT_EQ(yellow + black, w * h);
    EXPECT_GT(black, 10);
}

TEST(Text, TextRectClipsToItsRectangle) {
    TBitmap b(100, 40);
    TCanvas& c = textCanvas(b);
    c.TextRect(Rect(10, 0, 30, 40), 5, 5, "MMMMMM");
    Ink k = inkOf(b, clBlack);
    EXPECT_GT(k.count, 0);
    EXPECT_GE(k.box.Left, 10);
    EXPECT_LE(k.box.Right, 30);
}

TEST(Text, EscapementTurnsTheTextCounterClockwise) {
    TBitmap b(100, 100);
    TCanvas& c = textCanvas(b);
    c.Font.Escapement = 900; // upwards from the reference point, the cell to its right
    int w = c.TextWidth("Upwards"), h = c.TextHeight("Upwards");
    c.TextOut(40, 90, "Upwards");
    Ink k = inkOf(b, clBlack);
    EXPECT_TRUE(k.twoColours);
    EXPECT_GE(k.box.Left, 40 - 1);
    EXPECT_LE(k.box.Right, 40 + h + 1);
    EXPECT_GE(k.box.Top, 90 - w - 1);
    EXPECT_LE(k.box.Bottom, 90 + 1);
    EXPECT_GT(k.box.Height(), k.box.Width());
}

TEST(Text, PaletteBitmapTakesTheNearestIndex) {
    TBitmap b(60, 30, pf8bit);
    TCanvas& c = textCanvas(b);
    c.Font.Color = RGB(250, 0, 0);
    c.TextOut(2, 2, "Red");
    Ink k = inkOf(b, clRed);
    EXPECT_GT(k.count, 10);
    EXPECT_TRUE(k.twoColours);
}
