#include "rotation.h"
#include "Pixels.h"
#include "cliprot.h"
#include "cliprotate.h"

#include <gtest/gtest.h>

namespace {

// The mapping written out pixel by pixel, as a reference for the run-based loop.
TBitmap referenceturn(const TBitmap& src, int dw, int dh, int cx, int cy, double angle) {
    TRotFixed k = fixedcoeffs(clipcoeffs(cx, cy, cx, cy, 1.0, Round(360 - angle)));
    TBitmap out(dw, dh);
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            std::int64_t u = k.E + y * k.C2 + x * k.C1, v = k.F + y * k.S2 + x * k.S1;
            std::int64_t sx = u / 1000, sy = v / 1000;
            bool inside = sx > -1 && sy > -1 && sx < src.Width() && sy < src.Height();
            out.SetPixel(x, y, inside ? src.GetPixel(int(sx), int(sy)) : clWhite);
        }
    return out;
}

TEST(RotationCoefficients, FortyFiveDegreesInFixedPoint) {
    // The pixel loop turns back by 360 - 45 = 315 degrees.
    TRotFixed k = fixedcoeffs(clipcoeffs(50, 50, 50, 50, 1.0, 315));
    EXPECT_EQ(k.C1, 707);
    EXPECT_EQ(k.S1, -707);
    EXPECT_EQ(k.C2, 707);
    EXPECT_EQ(k.S2, 707);
    // In reals the centre reads itself; the coefficients rounded to thousandths put it a
    // fraction of a pixel off, which truncation turns into the neighbouring column.
    EXPECT_NEAR(double(k.E + 50 * k.C1 + 50 * k.C2), 50000.0, 30.0);
    EXPECT_NEAR(double(k.F + 50 * k.S1 + 50 * k.S2), 50000.0, 30.0);
    TRotFixed p = fixedcoeffs(rotcoeffs(50, 50, 50, 50, 1.0, 315));
    EXPECT_EQ(p.C1, k.C1);
    EXPECT_EQ(p.E, k.E);
}

TEST(Rotatepicture, ZeroAndFullTurnLeaveThePageUnchanged) {
    for (double angle : {0.0, 360.0}) {
        TBitmap undo = noisePicture(37, 23, 1), page(37, 23);
        TQuietProgress bar;
        rotatepicture(undo, page, 37 / 2, 23 / 2, 1.0, angle, bar);
        EXPECT_TRUE(samePixels(page, undo)) << angle;
    }
}

TEST(Rotatepicture, QuarterTurnMovesRightOfCentreToBelowIt) {
    const int n = 20, c = n / 2;
    TBitmap undo = noisePicture(n, n, 2), page(n, n);
    TQuietProgress bar;
    rotatepicture(undo, page, c, c, 1.0, 90, bar);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            int sx = y, sy = 2 * c - x;
            TColor want = sy < n ? undo.GetPixel(sx, sy) : clWhite;
            ASSERT_EQ(page.GetPixel(x, y), want) << x << "," << y;
        }
    // A mark 5 right of the centre lands 5 below it.
    undo.SetPixel(c + 5, c, clRed);
    rotatepicture(undo, page, c, c, 1.0, 90, bar);
    EXPECT_EQ(page.GetPixel(c, c + 5), clRed);
}

TEST(Rotateclipbits, MatchesThePixelByPixelMapping) {
    TBitmap src = noisePicture(31, 17, 3);
    for (double angle : {1.0, 15.0, 33.0, 45.0, 90.0, 137.0, 180.0, 270.0, 299.6, 359.0}) {
        for (auto [dw, dh] : {std::pair{40, 40}, std::pair{31, 17}, std::pair{7, 50}}) {
            TBitmap dest(dw, dh);
            TQuietProgress bar;
            rotateclipbits(src, dest, 15, 8, 1.0, angle, bar);
            EXPECT_TRUE(samePixels(dest, referenceturn(src, dw, dh, 15, 8, angle)))
                << angle << " into " << dw << "x" << dh;
        }
    }
}

TEST(Rotateclipbits, PaletteSourcesKeepTheirColours) {
    TBitmap src = noisePicture(25, 19, 4, pf8bit);
    TBitmap want = referenceturn(src, 30, 30, 12, 9, 20);
    TBitmap toTrue(30, 30), toIndexed(30, 30, pf8bit);
    TQuietProgress bar;
    rotateclipbits(src, toTrue, 12, 9, 1.0, 20, bar);
    rotateclipbits(src, toIndexed, 12, 9, 1.0, 20, bar);
    EXPECT_TRUE(samePixels(toTrue, want));
    EXPECT_TRUE(samePixels(toIndexed, want)); // same palette: the indexes are copied
}

TEST(Rotateclipbits, EmptySourceGivesWhiteAndStepsTheBarPerHundredthOfRows) {
    TBitmap src, dest = noisePicture(10, 100, 5);
    TQuietProgress bar;
    rotateclipbits(src, dest, 0, 0, 1.0, 30, bar);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(dest.GetPixel(x, y), clWhite);
    EXPECT_EQ(bar.steps, 99); // marks from 0, one row apart
    EXPECT_FALSE(bar.visible);
}

TEST(Rotateclip, EnlargesToTheDiagonalSquareWithAWhiteMargin) {
    TBitmap clip = noisePicture(100, 50, 6);
    TBitmap original = clip;
    TQuietProgress bar;
    rotateclip(clip, 0, bar);
    ASSERT_EQ(clip.Width(), 122); // round(sqrt(100^2 + 50^2)) + 10
    ASSERT_EQ(clip.Height(), 122);
    const int ox = 11, oy = 36;
    for (int y = 0; y < 122; ++y)
        for (int x = 0; x < 122; ++x) {
            bool inside = x >= ox && x < ox + 100 && y >= oy && y < oy + 50;
            ASSERT_EQ(clip.GetPixel(x, y), inside ? original.GetPixel(x - ox, y - oy) : clWhite)
                << x << "," << y;
        }
    EXPECT_FALSE(bar.visible);
    EXPECT_GT(bar.steps, 0);

    TBitmap turned = original;
    rotateclip(turned, 30, bar);
    for (int i = 0; i < 122; ++i) {
        EXPECT_EQ(turned.GetPixel(i, 0), clWhite);
        EXPECT_EQ(turned.GetPixel(0, i), clWhite);
        EXPECT_EQ(turned.GetPixel(i, 121), clWhite);
        EXPECT_EQ(turned.GetPixel(121, i), clWhite);
    }

    TBitmap quarter = original;
    rotateclip(quarter, 90, bar);
    EXPECT_EQ(quarter.GetPixel(61, 61), original.GetPixel(50, 25)); // the centre stays
    EXPECT_EQ(quarter.GetPixel(61, 61 + 20), original.GetPixel(50 + 20, 25));
}

TEST(Rotateclip, PaletteClipKeepsItsFormatAndPalette) {
    TBitmap clip = noisePicture(20, 10, 7, pf8bit);
    HPALETTE before = clip.Palette();
    TQuietProgress bar;
    rotateclip(clip, 45, bar);
    EXPECT_EQ(clip.PixelFormat(), pf8bit);
    EXPECT_EQ(clip.Palette()->entries, before->entries);
    EXPECT_EQ(clip.GetPixel(0, 0), clWhite);
}

TEST(Makeclipmask, BlackWhereTheClipIsNotWhite) {
    TBitmap clip(6, 4);
    clip.SetPixel(1, 1, clBlack);
    clip.SetPixel(2, 1, 0xFFFFFE); // almost white is still the shape
    clip.SetPixel(3, 2, clRed);
    TBitmap mask;
    TQuietProgress bar;
    makeclipmask(clip, mask, bar);
    ASSERT_EQ(mask.Width(), 6);
    ASSERT_EQ(mask.Height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(mask.GetPixel(x, y), clip.GetPixel(x, y) == clWhite ? clWhite : clBlack);
    EXPECT_FALSE(bar.visible);

    TBitmap solid = noisePicture(5, 5, 8); // random colours: no pure white
    makeclipmask(solid, mask, bar);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(mask.GetPixel(x, y), clBlack);
}

TEST(Makeclipmask, PaletteClipGivesAnExactBlackAndWhiteMask) {
    // A palette with neither pure black nor pure white, except one white entry.
    std::vector<PALETTEENTRY> e(256, PALETTEENTRY{200, 10, 10, 0});
    e[7] = {255, 255, 255, 0};
    TBitmap clip(4, 2, pf8bit);
    clip.SetPalette(CreatePalette(e));
    for (int x = 0; x < 4; ++x) {
        clip.ScanLine(0)[x] = 7;
        clip.ScanLine(1)[x] = std::uint8_t(x);
    }
    TBitmap mask;
    TQuietProgress bar;
    makeclipmask(clip, mask, bar);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(mask.GetPixel(x, 0), clWhite);
        EXPECT_EQ(mask.GetPixel(x, 1), clBlack);
    }
}

TEST(Resizeitbits, SquaresAPageWithThePictureCentred) {
    TBitmap page = noisePicture(60, 40, 9), undo = page;
    TBitmap original = page;
    ASSERT_TRUE(resizeitbits(page, undo));
    const int side = 82; // round(sqrt(60^2 + 40^2)) + 10
    ASSERT_EQ(page.Width(), side);
    ASSERT_EQ(page.Height(), side);
    ASSERT_EQ(undo.Width(), side);
    ASSERT_EQ(undo.Height(), side);
    const int ox = 11, oy = 21;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            ASSERT_EQ(page.GetPixel(x, y), clWhite);
            bool inside = x >= ox && x < ox + 60 && y >= oy && y < oy + 40;
            ASSERT_EQ(undo.GetPixel(x, y), inside ? original.GetPixel(x - ox, y - oy) : clWhite);
        }
}

TEST(Resizeitbits, SquarePageKeepsItsSizeAndLosesItsCorners) {
    TBitmap page = noisePicture(30, 30, 10), undo = page;
    EXPECT_FALSE(resizeitbits(page, undo));
    EXPECT_EQ(page.Width(), 30);
    EXPECT_TRUE(samePixels(page, undo));
    TQuietProgress bar;
    rotatepicture(undo, page, 15, 15, 1.0, 45, bar);
    EXPECT_EQ(page.GetPixel(0, 0), clWhite);
    EXPECT_EQ(page.GetPixel(29, 29), clWhite);
}

TEST(Resizeitbits, PalettePageKeepsItsKind) {
    TBitmap page = noisePicture(10, 20, 11, pf8bit), undo = page;
    ASSERT_TRUE(resizeitbits(page, undo));
    EXPECT_EQ(page.PixelFormat(), pf8bit);
    EXPECT_EQ(undo.PixelFormat(), pf8bit);
    EXPECT_EQ(undo.Palette()->entries, page.Palette()->entries);
}

} // namespace
