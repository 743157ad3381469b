// The image fader's mix and sweep, and the styled-text maker's clip, as pixel functions.
#include "fade.h"
#include "BmpCodec.h"
#include "Pixels.h"
#include "TCanvas.h"
#include "textclip.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(FadeMix, ExactHalvesToEvenAndWrapsPastTheSpan) {
    struct Case {
        int t, p;
        long long n, k;
        int expect;
    };
    const Case cases[] = {
        {77, 77, 240, 120, 77},  // the page equals the target: stays
        {0, 255, 240, 120, 128}, // 127.5 to even
        {0, 254, 240, 120, 127}, // 127 exactly
        {255, 0, 240, 120, 128}, // the other way round: 0 + 255 * 120 / 240
        {0, 255, 2, 1, 26},      // n 2 counts as 10: 255 / 10 = 25.5 to even 26
        {100, 200, 10, 120, 20}, // 1300 kept as its low 8 bits
        {200, 100, 10, 120, 24}, // -1000 kept as its low 8 bits
        {10, 20, 240, 0, 10},    // no darkness: the target
        {10, 20, 240, 240, 20},  // full darkness: the page
    };
    for (const Case& c : cases)
        EXPECT_EQ(fademix(c.t, c.p, c.n, c.k), c.expect) << c.t << " " << c.p << " " << c.n << " " << c.k;
    EXPECT_EQ(fadeColor(0x000000, 0xFEFFFF, 240, 120), TColor(0x7F8080));
}

TEST(FadeSweep, WeightsFallAwayFromTheChosenEdges) {
    // A = 120, k = 120: the corner where the product is 0 gets n = 240, half-way.
    for (int mode : {0, 1}) {
        TBitmap target(8, 6);
        target.Canvas().Brush.SetColor(clBlack);
        target.Canvas().FillRect(Rect(0, 0, 8, 6));
        TBitmap page(8, 6); // white
        TQuietProgress bar;
        fadeInto(target, page, 120, 120, mode, bar);
        const TPoint corner = mode == 1 ? TPoint{0, 0} : TPoint{7, 5};
        EXPECT_EQ(target.GetPixel(corner.x, corner.y), TColor(0x808080)) << mode;
        EXPECT_FALSE(bar.visible);
        EXPECT_EQ(bar.position, 0);
    }
    EXPECT_EQ(fadeSpan(0, 0, 8, 6, 120, 1), 240);
    EXPECT_EQ(fadeSpan(7, 5, 8, 6, 120, 0), 240);
    EXPECT_EQ(fadeSpan(3, 1, 8, 6, 2, 1), 6); // 1.5 to even 2, + 4
    EXPECT_EQ(fadeSpan(5, 1, 8, 6, 2, 1), 6); // 2.5 to even 2, + 4
    EXPECT_EQ(fadeSpan(7, 1, 8, 6, 2, 1), 8); // 3.5 to even 4, + 4
    // A = 1: near the weighted edges n is held at 10 and darkness 120 wraps the channels.
    TBitmap target(4, 4), page(4, 4);
    target.Canvas().Brush.SetColor(TColor(0x646464));
    target.Canvas().FillRect(Rect(0, 0, 4, 4));
    page.Canvas().Brush.SetColor(TColor(0xC8C8C8));
    page.Canvas().FillRect(Rect(0, 0, 4, 4));
    TQuietProgress bar;
    fadeInto(target, page, 1, 120, 1, bar);
    EXPECT_EQ(target.GetPixel(0, 0), TColor(0x141414)); // 100 + 100 * 120 / 10 = 1300 -> 20
}

TEST(FadeSweep, PixelsPastTheShrunkPageReadAsWhite) {
    TBitmap target(6, 4), page(3, 2);
    page.Canvas().Brush.SetColor(clBlack);
    page.Canvas().FillRect(Rect(0, 0, 3, 2));
    TQuietProgress bar;
    fadeInto(target, page, 120, 120, 1, bar);
    EXPECT_EQ(target.GetPixel(0, 0), TColor(0x808080)); // white target, black page, half-way
    EXPECT_EQ(target.GetPixel(5, 3), clWhite);          // past the page: white over white
}

// A 64 x 48 picture faded to the colour 0xC06030 with A = 4 and k = 8 in both modes, against
// pictures made once by an independent reckoning of the same mix and looked at by eye: the page
// shows along the bottom and right edges in mode 0, along the top and left in mode 1.
TEST(FadeSweep, MatchesTheGoldenFadesOfASmallPicture) {
    TBitmap page(64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            page.SetPixel(x, y, TColor(((x * 4) & 255) | ((y * 5) & 255) << 8 | (((x + y) * 2) & 255) << 16));
    for (int mode : {0, 1}) {
        TBitmap target(64, 48);
        target.Canvas().Brush.SetColor(TColor(0xC06030));
        target.Canvas().FillRect(Rect(0, 0, 64, 48));
        TQuietProgress bar;
        fadeInto(target, page, 4, 8, mode, bar);
        const TBitmap golden =
            ReadBmpFile(std::string(ORVANTA_TEST_DATA) + "/fade_mode" + std::to_string(mode) + ".bmp");
        EXPECT_TRUE(samePixels(target, golden)) << mode;
    }
}

// A label w x h on `back` with a 3 x 2 block of `ink` at (x, y).
TBitmap labelWith(int w, int h, TColor back, TColor ink, int x, int y) {
    TBitmap b(w, h);
    b.Canvas().Brush.SetColor(back);
    b.Canvas().FillRect(Rect(0, 0, w, h));
    b.Canvas().Brush.SetColor(ink);
    b.Canvas().FillRect(Rect(x, y, x + 3, y + 2));
    return b;
}

TEST(TextClip, TextMovesToTwentyTwentyOnWhite) {
    TBitmap clip = textClip(labelWith(60, 40, clGray, clRed, 30, 25));
    ASSERT_EQ(clip.Width(), 61);
    ASSERT_EQ(clip.Height(), 41);
    EXPECT_EQ(clip.GetPixel(20, 20), clRed);
    EXPECT_EQ(clip.GetPixel(22, 21), clRed);
    EXPECT_EQ(countColour(clip, clRed), 6);
    EXPECT_EQ(countColour(clip, clWhite), 61 * 41 - 6);

    // Text at column 2 moves 18 right; what passes the right edge is cut off.
    TBitmap edge = labelWith(20, 30, clGray, clBlue, 2, 10);
    edge.Canvas().Brush.SetColor(clBlue);
    edge.Canvas().FillRect(Rect(17, 10, 20, 12));
    TBitmap moved = textClip(edge);
    EXPECT_EQ(moved.GetPixel(20, 20), clBlue);
    EXPECT_EQ(countColour(moved, clBlue), 2); // only column 20 of the first block stays inside 21

    // A text pixel at (5, 5) keys the text colour: the text turns white, the background stays.
    TBitmap keyed = textClip(labelWith(30, 30, clGray, clRed, 4, 4));
    EXPECT_EQ(countColour(keyed, clRed), 0);
    EXPECT_EQ(keyed.GetPixel(20, 20), clGray);

    // Pure white text counts as background; an empty label gives all white.
    EXPECT_TRUE(allPixels(textClip(labelWith(40, 30, clGray, clWhite, 20, 20)), clWhite));
    TBitmap empty = textClip(labelWith(40, 30, clGray, clGray, 0, 0));
    EXPECT_EQ(empty.Width(), 41);
    EXPECT_TRUE(allPixels(empty, clWhite));
}

} // namespace
