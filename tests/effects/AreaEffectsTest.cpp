#include "BmpCodec.h"
#include "Pixels.h"
#include "TCanvas.h"
#include "colormap.h"
#include "lighten.h"
#include "morfshape.h"
#include "tint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ColourTint, ChannelsScaleByTheirPercentageThenShiftAndClamp) {
    struct Row {
        const char* what;
        TColor in;
        int r, g, b;
        long long lum;
        TColor out;
    } rows[] = {
        {"red and blue +50", RGB(100, 0, 255), 50, 0, 50, 0, RGB(150, 0, 255)},
        {"luminosity reaches zero channels", RGB(0, 0, 0), 0, 0, 0, 10, RGB(10, 10, 10)},
        {"-100 zeroes first, then the offset", RGB(90, 180, 45), -100, -100, -100, 7, RGB(7, 7, 7)},
        {"50 % of 1 rounds 0.5 to 0, of 3 rounds 1.5 to 2", RGB(1, 3, 0), 50, 50, 50, 0, RGB(1, 5, 0)},
        {"a huge luminosity", RGB(1, 2, 3), 0, 0, 0, 1000000000, RGB(255, 255, 255)},
        {"a huge negative luminosity", RGB(200, 2, 3), 100, 0, 0, -9000000000000000000LL, RGB(0, 0, 0)},
        {"each percentage drives its own channel", RGB(100, 100, 100), 10, 20, 30, 0, RGB(110, 120, 130)},
        {"white stays", clWhite, 50, 50, 50, -30, clWhite},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(tintColour(r.in, r.r, r.g, r.b, r.lum), r.out) << r.what;
        TBitmap b(3, 2);
        b.SetPixel(1, 1, r.in);
        TQuietProgress bar;
        colourTint(b, r.r, r.g, r.b, r.lum, bar);
        EXPECT_EQ(b.GetPixel(1, 1), r.out) << r.what;
        EXPECT_EQ(b.GetPixel(0, 0), clWhite);
    }
}

// Rows written as text: '.' is white, a letter is a colour of its own, '#' black.
std::vector<TColor> row(const std::string& s) {
    std::vector<TColor> r;
    for (char c : s)
        r.push_back(c == '.' ? clWhite : c == '#' ? clBlack : RGB(c, 0, 0));
    return r;
}
std::string text(const std::vector<TColor>& r) {
    std::string s;
    for (TColor c : r)
        s += c == clWhite ? '.' : c == clBlack ? '#' : char(c & 0xFF);
    return s;
}
std::string fit(const std::string& content, const std::string& shape) {
    std::vector<TColor> out(shape.size());
    morphrow(row(content), row(shape), out);
    return text(out);
}

TEST(Morphrow, SpreadsOrSamplesTheContentOverTheSilhouette) {
    struct Row {
        const char* what;
        const char* content;
        const char* shape;
        const char* out;
    } rows[] = {
        {"n < m spreads over both arms of a row with a hole", "AB.C", "..##.##.", "..AB.BC."},
        {"n >= m samples at n / m and ends on the last", "ABCDEF", ".##.#.", ".BD.F."},
        {"equal counts copy in order", "A.B", ".##", ".AB"},
        {"no content gives white", "....", "####", "...."},
        {"no silhouette gives white", "ABC", "....", "...."},
        {"halves go to even: 0.5 leaves white, 1.5 takes the second", "AB", "####", ".ABB"},
        {"white inside the span stays white", "ABCD", "#..#", "B..D"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(fit(r.content, r.shape), r.out) << r.what;
}

TEST(Morphtoshape, FitsRowByRowAndRefusesWideSilhouettes) {
    TBitmap content(4, 2), shape(8, 2);
    for (int x = 0; x < 4; ++x)
        content.SetPixel(x, 0, RGB(10 * (x + 1), 0, 0));
    for (int x = 2; x < 6; ++x)
        shape.SetPixel(x, 0, clBlack);
    TQuietProgress bar;
    ASSERT_TRUE(morphtoshape(content, shape, bar));
    EXPECT_EQ(content.Width(), 8) << "the content keeps its stretched copy";
    EXPECT_EQ(shape.GetPixel(1, 0), clWhite);
    EXPECT_NE(shape.GetPixel(2, 0), clWhite);
    EXPECT_NE(shape.GetPixel(5, 0), clWhite);
    EXPECT_EQ(shape.GetPixel(6, 0), clWhite);
    EXPECT_TRUE(allPixels(TBitmap(shape), clWhite) == false);

    TBitmap wide(2001, 3), picture(10, 10);
    wide.SetPixel(5, 1, clBlack);
    const TBitmap kept = wide;
    EXPECT_FALSE(morphtoshape(picture, wide, bar));
    EXPECT_TRUE(samePixels(wide, kept));
    EXPECT_EQ(picture.Width(), 2001) << "stretched before the refusal";
}

TEST(LightenUnderClip, ShiftsTheClipsColoursOntoThePageWhereTheClipLies) {
    TBitmap page(10, 10), clip(3, 2);
    clip.SetPixel(0, 0, RGB(10, 100, 200));
    clip.SetPixel(1, 0, RGB(250, 0, 128));
    TQuietProgress bar;
    TBitmap darker(page);
    lightenUnderClip(darker, clip, 4, 5, false, 64, bar);
    EXPECT_EQ(darker.GetPixel(4, 5), RGB(0, 36, 136));
    EXPECT_EQ(darker.GetPixel(5, 5), RGB(186, 0, 64));
    EXPECT_EQ(countColour(darker, clWhite), 98) << "white clip pixels never touch the page";
    lightenUnderClip(page, clip, 4, 5, true, 64, bar);
    EXPECT_EQ(page.GetPixel(5, 5), RGB(255, 64, 192));
    EXPECT_EQ(bar.pumps, 4) << "once per clip row, over two passes";
    lightenUnderClip(page, clip, 9, 9, true, 1, bar); // partly beyond the page
    EXPECT_EQ(page.GetPixel(9, 9), RGB(11, 101, 201));
}

TEST(ColourMap, RedPicksTheRowGreenTheColumnAndWhiteLeavesNoTrace) {
    TQuietProgress bar;
    TBitmap map;
    TBitmap one(5, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            one.SetPixel(x, y, RGB(10, 20, 30));
    plotColourMap(one, map, bar);
    EXPECT_EQ(map.Width(), 256);
    EXPECT_EQ(map.GetPixel(20, 10), RGB(10, 20, 30));
    EXPECT_EQ(countMapColours(map, bar), 1);

    TBitmap two(3, 1);
    two.SetPixel(0, 0, RGB(10, 20, 30));
    two.SetPixel(1, 0, RGB(10, 20, 99));
    plotColourMap(two, map, bar);
    EXPECT_EQ(map.GetPixel(20, 10), RGB(10, 20, 99)) << "the later colour stays";
    EXPECT_EQ(countMapColours(map, bar), 1);

    TBitmap yellow(2, 1);
    yellow.SetPixel(0, 0, RGB(255, 255, 0)); // white follows it at (1, 0)
    plotColourMap(yellow, map, bar);
    EXPECT_EQ(map.GetPixel(255, 255), RGB(255, 255, 0));
    EXPECT_EQ(countMapColours(map, bar), 1);
}

TEST(PaletteSheet, SwatchesFillSixColumnsAndNoMore) {
    TQuietProgress bar;
    TBitmap map(256, 256);
    // 1300 cells in distinct colours: more than fit.
    int n = 0;
    for (int R = 0; R < 256 && n < 1300; ++R)
        for (int G = 0; G < 256 && n < 1300; ++G, ++n)
            map.SetPixel(G, R, RGB(R, G, 7));
    TBitmap sheet = paletteSheet(map, 1280, bar);
    EXPECT_EQ(sheet.Width(), 40);
    EXPECT_EQ(sheet.Height(), 1280);
    EXPECT_EQ(sheet.GetPixel(1, 1), clBlack);
    EXPECT_EQ(sheet.GetPixel(6, 5), clBlack);
    EXPECT_EQ(sheet.GetPixel(1, 6), clWhite);
    EXPECT_EQ(sheet.GetPixel(1, 11), RGB(0, 0, 7)) << "the first swatch";
    EXPECT_EQ(sheet.GetPixel(6, 16), RGB(0, 0, 7));
    EXPECT_EQ(sheet.GetPixel(1, 17), RGB(0, 1, 7));
    EXPECT_EQ(sheet.GetPixel(7, 1), map.GetPixel(212 % 256, 212 / 256)) << "the second column, after 212";
    // Slot 1282 (the last, from y = 1279 in the sixth column) is the 1282nd colour; nothing after it.
    const int last = 1281;
    EXPECT_EQ(sheet.GetPixel(31, 1279), map.GetPixel(last % 256, last / 256));
    EXPECT_EQ(sheet.GetPixel(0, 500), clWhite);
    EXPECT_EQ(sheet.GetPixel(37, 500), clWhite);

    // 1500 colours: cell c (from 1) takes mark j when 1280 c > 1500 j.
    TBitmap full(256, 256);
    for (int R = 0; R < 256; ++R)
        for (int G = 0; G < 256; ++G)
            full.SetPixel(G, R, RGB(R, G, 1));
    TBitmap sampled = paletteSheet(full, 1500, bar);
    long long mark = 1;
    std::vector<int> taken;
    for (long long c = 1; c <= 65536 && taken.size() < 3; ++c)
        if (1280 * c > mark * 1500) {
            ++mark;
            taken.push_back(int(c - 1));
        }
    for (size_t i = 0; i < taken.size(); ++i)
        EXPECT_EQ(sampled.GetPixel(1, 11 + 6 * int(i)), full.GetPixel(taken[i] % 256, taken[i] / 256)) << i;
}

} // namespace

namespace {

// A 40 x 30 picture (red across, green down) fitted into a 48 x 48 ring: each row of the ring
// takes the whole picture row, spread over both arms where the row crosses the hole. Made once
// and looked at by eye: the picture bends round the ring with no white arm on the right.
TEST(Morphtoshape, FitsAPictureIntoARingAsTheGoldenPicture) {
    TBitmap content(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            content.SetPixel(x, y, RGB(40 + x * 5, 20 + y * 7, (x + y) % 2 ? 200 : 60));
    TBitmap ring(48, 48);
    TCanvas& c = ring.Canvas();
    c.Pen.Color = clBlack;
    c.Brush.SetColor(clBlack);
    c.Ellipse(0, 0, 48, 48);
    c.Pen.Color = clWhite;
    c.Brush.SetColor(clWhite);
    c.Ellipse(14, 14, 34, 34);
    int last = 47;
    while (ring.GetPixel(last, 24) == clWhite)
        --last;
    TQuietProgress bar;
    ASSERT_TRUE(morphtoshape(content, ring, bar));
    const TBitmap golden = ReadBmpFile(std::string(ORVANTA_TEST_DATA) + "/morph_ring.bmp");
    EXPECT_TRUE(samePixels(ring, golden));
    // The row through the middle of the hole has both arms filled, ending on the row's last pixel.
    EXPECT_EQ(ring.GetPixel(24, 24), clWhite);
    EXPECT_NE(ring.GetPixel(40, 24), clWhite);
    EXPECT_EQ(ring.GetPixel(last, 24), content.GetPixel(47, 24));
}

} // namespace
