// Block copies: the ternary raster operations by their truth tables, clipping of source and
// destination, copies within one bitmap, the four stretch modes, mirroring and the canvas's
// drawing calls built on them.
#include "Blit.h"
#include "PixelPicture.h"
#include "TCanvas.h"

#include <gtest/gtest.h>

using namespace gdi_test;

namespace {

// Four pixels give every (S, D) pair; the brush gives P. Black is all bits clear, white all set,
// so each pixel shows one row of the operation's truth table.
TColor ropResult(std::uint8_t code, bool p, bool s, bool d, TPixelFormat pf) {
    TBitmap dst(1, 1, pf), src(1, 1, pf);
    dst.SetPixel(0, 0, d ? clWhite : clBlack);
    src.SetPixel(0, 0, s ? clWhite : clBlack);
    TCanvas& c = dst.Canvas();
    c.Brush.Color = p ? clWhite : clBlack;
    EXPECT_TRUE(BitBlt(c, 0, 0, 1, 1, &src.Canvas(), 0, 0, std::uint32_t(code) << 16));
    return dst.GetPixel(0, 0);
}

} // namespace

TEST(Blit, EveryRop3FollowsItsTruthTable) {
    // On palette bitmaps the operation works on indexes: black 0 and white 1 or 15 have all bits.
    for (TPixelFormat pf : {pf24bit, pf4bit, pf1bit})
        for (int code = 0; code < 256; ++code) {
            TBitmap dst(4, 2, pf), src(4, 2, pf);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 4; ++x) {
                    src.SetPixel(x, y, (x & 2) ? clWhite : clBlack);
                    dst.SetPixel(x, y, (x & 1) ? clWhite : clBlack);
                }
            // The pattern: a 1 x 2 brush bitmap, black on row 0 and white on row 1.
            TBitmap pat(1, 2);
            pat.SetPixel(0, 0, clBlack);
            pat.SetPixel(0, 1, clWhite);
            TCanvas& c = dst.Canvas();
            c.Brush.Bitmap = &pat;
            ASSERT_TRUE(BitBlt(c, 0, 0, 4, 2, &src.Canvas(), 0, 0, std::uint32_t(code) << 16));
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 4; ++x) {
                    int index = (y << 2) | (x & 2) | (x & 1);
                    TColor expected = (code >> index) & 1 ? clWhite : clBlack;
                    EXPECT_EQ(dst.GetPixel(x, y), expected)
                        << "code " << code << " P S D " << index << " pf " << pf;
                }
        }
}

TEST(Blit, NamedCodesMeanWhatTheirNamesSay) {
    struct C {
        std::uint32_t rop;
        bool (*f)(bool p, bool s, bool d);
    };
    const C codes[] = {
        {SRCCOPY, [](bool, bool s, bool) { return s; }},
        {SRCPAINT, [](bool, bool s, bool d) { return s || d; }},
        {SRCAND, [](bool, bool s, bool d) { return s && d; }},
        {SRCINVERT, [](bool, bool s, bool d) { return s != d; }},
        {SRCERASE, [](bool, bool s, bool d) { return s && !d; }},
        {NOTSRCCOPY, [](bool, bool s, bool) { return !s; }},
        {NOTSRCERASE, [](bool, bool s, bool d) { return !(s || d); }},
        {MERGECOPY, [](bool p, bool s, bool) { return p && s; }},
        {MERGEPAINT, [](bool, bool s, bool d) { return !s || d; }},
        {PATCOPY, [](bool p, bool, bool) { return p; }},
        {PATPAINT, [](bool p, bool s, bool d) { return p || !s || d; }},
        {PATINVERT, [](bool p, bool, bool d) { return p != d; }},
        {DSTINVERT, [](bool, bool, bool d) { return !d; }},
        {BLACKNESS, [](bool, bool, bool) { return false; }},
        {WHITENESS, [](bool, bool, bool) { return true; }},
    };
    for (const C& k : codes)
        for (int i = 0; i < 8; ++i) {
            bool p = i & 4, s = i & 2, d = i & 1;
            EXPECT_EQ(ropResult(std::uint8_t(k.rop >> 16), p, s, d, pf24bit),
                      k.f(p, s, d) ? clWhite : clBlack)
                << std::hex << k.rop << " index " << i;
        }
}

TEST(Blit, OperationsWorkOnEveryBitOfAColour) {
    TBitmap dst(1, 1), src(1, 1);
    dst.SetPixel(0, 0, RGB(0xF0, 0xCC, 0x0F));
    src.SetPixel(0, 0, RGB(0x3C, 0xAA, 0xFF));
    BitBlt(dst.Canvas(), 0, 0, 1, 1, &src.Canvas(), 0, 0, SRCAND);
    EXPECT_EQ(dst.GetPixel(0, 0), RGB(0x30, 0x88, 0x0F));
    BitBlt(dst.Canvas(), 0, 0, 1, 1, &src.Canvas(), 0, 0, MERGEPAINT);
    EXPECT_EQ(dst.GetPixel(0, 0), RGB(0xF3, 0xDD, 0x0F)); // ~S | D
    EXPECT_EQ(dst.Row32(0)[0] >> 24, 0xFFu);
}

TEST(Blit, RefusesUnknownCodesAndMissingSources) {
    TBitmap dst(2, 2);
    EXPECT_FALSE(BitBlt(dst.Canvas(), 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dst.Canvas(), 0, 0, 2, 2, &dst.Canvas(), 0, 0, 0x7F000000u));
    EXPECT_TRUE(BitBlt(dst.Canvas(), 0, 0, 2, 2, nullptr, 0, 0, BLACKNESS));
    EXPECT_EQ(Picture(dst), Rows({"##", "##"}));
}

TEST(Blit, SourceOutsideItsBitmapLeavesTheDestination) {
    TBitmap src = FromPicture({"rg", "by"});
    TBitmap dst(4, 4);
    EXPECT_TRUE(BitBlt(dst.Canvas(), 0, 0, 4, 4, &src.Canvas(), -1, -2, SRCCOPY));
    EXPECT_EQ(Picture(dst), Rows({"....", "....", ".rg.", ".by."}));
}

TEST(Blit, DestinationIsClipped) {
    TBitmap src = FromPicture({"rgb", "y#r"});
    TBitmap dst(3, 3);
    std::vector<TRect> changed;
    dst.OnChange = [&](const TRect& r) { changed.push_back(r); };
    BitBlt(dst.Canvas(), -1, 2, 3, 2, &src.Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(Picture(dst), Rows({"...", "...", "gb."}));
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], Rect(0, 2, 2, 3));
}

TEST(Blit, OverlappingCopiesWithinOneBitmap) {
    struct C {
        int x, y, sx, sy;
        std::uint32_t rop;
        std::string expected;
    };
    const C cases[] = {
        {1, 1, 0, 0, SRCCOPY, Rows({"rgb.", "yrgb", ".y#r", "...r"})},
        {0, 0, 1, 1, SRCCOPY, Rows({"#r..", ".r..", "....", "...."})},
        {1, 0, 0, 0, SRCCOPY, Rows({"rrgb", "yy#r", "...r", "...."})},
        {1, 0, 0, 0, SRCAND, Rows({"r##b", "y##r", "..rr", "...."})}, // reads the source before writing
    };
    for (const C& k : cases) {
        TBitmap b = FromPicture({"rgb.", "y#r.", "..r.", "...."});
        BitBlt(b.Canvas(), k.x, k.y, 3, 3, &b.Canvas(), k.sx, k.sy, k.rop);
        EXPECT_EQ(Picture(b), k.expected) << k.x << "," << k.y << " from " << k.sx << "," << k.sy;
    }
}

TEST(Blit, PatternComesFromTheDestinationBrush) {
    TBitmap dst(16, 2);
    TCanvas& c = dst.Canvas();
    c.Brush.Color = clRed;
    c.Brush.Style = bsVertical;
    BitBlt(c, 0, 0, 16, 2, nullptr, 0, 0, PATCOPY);
    EXPECT_EQ(Picture(dst), Rows({"r.......r.......", "r.......r......."}));
    c.Brush.Style = bsSolid;
    BitBlt(c, 0, 0, 3, 1, nullptr, 0, 0, PATINVERT); // red ^ red = black, red ^ white = cyan
    EXPECT_EQ(dst.GetPixel(0, 0), clBlack);
    EXPECT_EQ(dst.GetPixel(1, 0), clAqua);
}

TEST(Blit, PaletteAndTrueColourConvert) {
    TBitmap pal = FromPicture({"rgby"}, pf8bit);
    TBitmap tc(4, 1);
    BitBlt(tc.Canvas(), 0, 0, 4, 1, &pal.Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(Picture(tc), "rgby\n");
    TBitmap four(4, 1, pf4bit);
    tc.SetPixel(0, 0, RGB(250, 5, 5));
    BitBlt(four.Canvas(), 0, 0, 4, 1, &tc.Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(Picture(four), "rgby\n");
}

namespace {
constexpr TColor A = RGB(0xF0, 0x80, 0x10), B = RGB(0x0F, 0x88, 0x30), C = RGB(0x33, 0x00, 0xFF),
                 D = RGB(0x11, 0xFF, 0x01);
TColor avg(TColor x, TColor y) {
    return RGB((GetRValue(x) + GetRValue(y) + 1) / 2, (GetGValue(x) + GetGValue(y) + 1) / 2,
               (GetBValue(x) + GetBValue(y) + 1) / 2);
}
} // namespace

TEST(Stretch, FourModesWhenShrinking) {
    struct M {
        int mode;
        TColor left, right;
    };
    const M modes[] = {{COLORONCOLOR, A, C},
                       {BLACKONWHITE, A & B, C & D},
                       {WHITEONBLACK, A | B, C | D},
                       {HALFTONE, avg(A, B), avg(C, D)}};
    for (const M& m : modes) {
        TBitmap src(4, 1);
        src.SetPixel(0, 0, A);
        src.SetPixel(1, 0, B);
        src.SetPixel(2, 0, C);
        src.SetPixel(3, 0, D);
        TBitmap dst(2, 1);
        EXPECT_EQ(SetStretchBltMode(dst.Canvas(), m.mode), BLACKONWHITE);
        EXPECT_EQ(GetStretchBltMode(dst.Canvas()), m.mode);
        EXPECT_TRUE(StretchBlt(dst.Canvas(), 0, 0, 2, 1, src.Canvas(), 0, 0, 4, 1, SRCCOPY));
        EXPECT_EQ(dst.GetPixel(0, 0), m.left) << "mode " << m.mode;
        EXPECT_EQ(dst.GetPixel(1, 0), m.right) << "mode " << m.mode;
    }
}

TEST(Stretch, RowsAreCombinedToo) {
    TBitmap src = FromPicture({"#.", "..", "rr", "gg"});
    TBitmap dst(1, 2);
    dst.Canvas().StretchMode = BLACKONWHITE;
    StretchBlt(dst.Canvas(), 0, 0, 1, 2, src.Canvas(), 0, 0, 2, 4, SRCCOPY);
    EXPECT_EQ(Picture(dst), Rows({"#", "#"})); // red & lime = black
    dst.Canvas().StretchMode = WHITEONBLACK;
    StretchBlt(dst.Canvas(), 0, 0, 1, 2, src.Canvas(), 0, 0, 2, 4, SRCCOPY);
    EXPECT_EQ(Picture(dst), Rows({".", "y"}));
    dst.Canvas().StretchMode = COLORONCOLOR;
    StretchBlt(dst.Canvas(), 0, 0, 1, 2, src.Canvas(), 0, 0, 2, 4, SRCCOPY);
    EXPECT_EQ(Picture(dst), Rows({"#", "r"}));
}

TEST(Stretch, EnlargingRepeatsPixelsInEveryMode) {
    for (int mode : {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR, HALFTONE}) {
        TBitmap src = FromPicture({"rg", "by"});
        TBitmap dst(4, 4);
        dst.Canvas().StretchMode = mode;
        StretchBlt(dst.Canvas(), 0, 0, 4, 4, src.Canvas(), 0, 0, 2, 2, SRCCOPY);
        EXPECT_EQ(Picture(dst), Rows({"rrgg", "rrgg", "bbyy", "bbyy"})) << "mode " << mode;
    }
}

TEST(Stretch, NegativeSizesMirror) {
    struct C {
        int x, y, w, h, sx, sy, sw, sh;
        std::string expected;
    };
    const C cases[] = {
        {3, 0, -3, 2, 0, 0, 3, 2, Rows({"bgr", "#yy"})},
        {0, 2, 3, -2, 0, 0, 3, 2, Rows({"yy#", "rgb"})},
        {0, 0, 3, 2, 3, 0, -3, 2, Rows({"bgr", "#yy"})},
        {3, 2, -3, -2, 3, 2, -3, -2, Rows({"rgb", "yy#"})}, // both mirrored: straight copy
    };
    for (const C& k : cases) {
        TBitmap src = FromPicture({"rgb", "yy#"});
        TBitmap dst(3, 2);
        StretchBlt(dst.Canvas(), k.x, k.y, k.w, k.h, src.Canvas(), k.sx, k.sy, k.sw, k.sh, SRCCOPY);
        EXPECT_EQ(Picture(dst), k.expected) << k.w << "x" << k.h << " from " << k.sw << "x" << k.sh;
    }
}

TEST(Stretch, SourceStartingLeftOfTheBitmapLeavesThatColumn) {
    // A zoomed view copied back from one column left of its visible part.
    TBitmap src = FromPicture({"rg", "by"});
    TBitmap dst(6, 2);
    dst.Canvas().StretchMode = BLACKONWHITE;
    StretchBlt(dst.Canvas(), 0, 0, 6, 2, src.Canvas(), -1, 0, 3, 2, SRCCOPY);
    EXPECT_EQ(Picture(dst), Rows({"..rrgg", "..bbyy"}));
}

TEST(Stretch, MaskAndClipMakeWhiteTransparent) {
    // The floating paste: the mask (black where the clip is not white) by MERGEPAINT whitens the
    // page under the shape, then the clip by SRCAND; white in the clip shows the page.
    TBitmap page = FromPicture({"gggg", "gggg"});
    TBitmap clip = FromPicture({"r.", ".b"});
    TBitmap mask = FromPicture({"#.", ".#"});
    TCanvas& c = page.Canvas();
    StretchBlt(c, 1, 0, 2, 2, mask.Canvas(), 0, 0, 2, 2, MERGEPAINT);
    StretchBlt(c, 1, 0, 2, 2, clip.Canvas(), 0, 0, 2, 2, SRCAND);
    EXPECT_EQ(Picture(page), Rows({"grgg", "ggbg"}));
}

TEST(CanvasCopy, DrawStretchDrawCopyRectAndTransparentDraw) {
    TBitmap pic = FromPicture({"r.", "gb"});
    TBitmap page(4, 4);
    TCanvas& c = page.Canvas();
    c.Draw(1, 1, pic);
    EXPECT_EQ(Picture(page), Rows({"....", ".r..", ".gb.", "...."}));

    c.CopyMode = SRCAND;
    c.Brush.Color = clBlack;
    c.FillRect(Rect(0, 0, 4, 4));
    c.Draw(0, 0, pic); // AND onto black stays black
    EXPECT_EQ(Picture(page), Rows({"####", "####", "####", "####"}));

    c.CopyMode = SRCCOPY;
    c.StretchDraw(Rect(0, 0, 4, 4), pic);
    EXPECT_EQ(Picture(page), Rows({"rr..", "rr..", "ggbb", "ggbb"}));

    TBitmap other(4, 4);
    other.Canvas().CopyRect(Rect(0, 0, 2, 2), page.Canvas(), Rect(1, 1, 3, 3));
    EXPECT_EQ(Picture(other), Rows({"r...", "gb..", "....", "...."}));

    TBitmap under = FromPicture({"yyyy", "yyyy"});
    under.Canvas().DrawTransparent(1, 0, pic, clWhite);
    EXPECT_EQ(Picture(under), Rows({"yryy", "ygby"}));
}
