// The fax pass: thresholds and error shares, the three kernels against grids worked out by hand,
// stopping between rows, and palette pages.
#include "dither.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TBitmap greys(const std::vector<std::vector<int>>& rows) {
    TBitmap b(int(rows[0].size()), int(rows.size()), pf24bit);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.SetPixel(x, y, RGB(rows[y][x], rows[y][x], rows[y][x]));
    return b;
}

// '#' black, '.' white, '?' anything else.
std::vector<std::string> sheet(const TBitmap& b) {
    std::vector<std::string> out;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) {
            TColor c = b.GetPixel(x, y);
            row += c == clBlack ? '#' : c == clWhite ? '.' : '?';
        }
        out.push_back(row);
    }
    return out;
}

} // namespace

TEST(Dither, ThresholdAndTheErrorGivenBelow) {
    // A 1 x 2 picture with Sierra Lite (the pixel below gets e div 4), stopped before the second
    // row so that its grey shows.
    struct Row {
        int top;
        TColor below;
        TColor wantTop, wantBelow;
    };
    const Row rows[] = {
        {128, RGB(0, 0, 0), clBlack, RGB(32, 32, 32)},          // e = 128
        {129, RGB(100, 100, 100), clWhite, RGB(69, 69, 69)},    // e = -126: -126 div 4 = -31, not -32
        {200, RGB(250, 250, 250), clWhite, RGB(237, 237, 237)}, // e = -55
        {120, RGB(9, 9, 250), clBlack, RGB(255, 255, 255)},     // only blue counts; held at 255
        {0, RGB(10, 20, 50), clBlack, RGB(10, 20, 50)},         // e = 0 leaves the neighbour
        {255, RGB(10, 20, 50), clWhite, RGB(10, 20, 50)},
    };
    for (const Row& r : rows) {
        TBitmap b(1, 2, pf24bit);
        b.SetPixel(0, 0, RGB(255, 0, r.top)); // red and green are not read
        b.SetPixel(0, 1, r.below);
        EXPECT_FALSE(dither(b, 2, [](int y) { return y < 1; }));
        EXPECT_EQ(b.GetPixel(0, 0), r.wantTop) << r.top;
        EXPECT_EQ(b.GetPixel(0, 1), r.wantBelow) << r.top;
    }
}

TEST(Dither, EachKernelGivesItsGrid) {
    const std::vector<std::vector<int>> fixture = {
        {40, 90, 140, 190, 240, 200, 150, 100},
        {60, 110, 160, 210, 250, 170, 120, 70},
        {80, 130, 180, 230, 20, 60, 100, 140},
        {100, 100, 100, 100, 100, 100, 100, 100},
    };
    // Worked through by hand; style 2's first row, for instance: 40 black (e 40: 90 + 20 = 110
    // to its right), 110 black (e 110: 140 + 55 = 195), 195 white (e -60: 190 - 30 = 160), ...
    const std::vector<std::string> want[] = {
        {"##.....#", "##....##", "#.#.###.", "###.#.##"},
        {"##....##", "#.#...#.", "#...###.", "####.##."},
        {"##....#.", "#.#...##", "#...##.#", "####.##."},
    };
    for (int style = 0; style < 3; ++style) {
        TBitmap b = greys(fixture);
        EXPECT_TRUE(dither(b, style));
        EXPECT_EQ(sheet(b), want[style]) << "style " << style;
    }
    TBitmap same = greys(fixture);
    EXPECT_TRUE(dither(same, 3));
    EXPECT_EQ(same.GetPixel(0, 0), RGB(40, 40, 40)) << "no such style: nothing done";
}

TEST(Dither, StoppingAfterARowLeavesTheNextOnePartlyGrey) {
    TBitmap b = greys(std::vector<std::vector<int>>(8, std::vector<int>(12, 100)));
    std::vector<int> asked;
    EXPECT_FALSE(dither(b, 0, [&](int y) {
        asked.push_back(y);
        return y <= 3;
    }));
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3, 4}));
    auto rows = sheet(b);
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(rows[y].find('?'), std::string::npos) << y;
    EXPECT_NE(rows[4].find('?'), std::string::npos) << "row 4 carries errors, unthresholded";
    EXPECT_EQ(b.GetPixel(0, 7), RGB(100, 100, 100)) << "out of the kernel's reach";
}

TEST(Dither, PassEndsWhenItsBitmapShrinksUnderIt) {
    TBitmap b = greys(std::vector<std::vector<int>>(40, std::vector<int>(40, 100)));
    EXPECT_FALSE(dither(b, 0, [&](int y) {
        if (y == 5) b.SetSize(3, 3);
        return true;
    }));
    EXPECT_EQ(b.Width(), 3);
}

TEST(Dither, PalettePageWithoutWhiteEndsBlackAndWhite) {
    // Every entry a mid grey: written through the palette, the sheet would stay grey.
    TBitmap b(16, 16, pf8bit);
    std::vector<PALETTEENTRY> entries(256);
    for (int i = 0; i < 256; ++i)
        entries[i] = PALETTEENTRY{std::uint8_t(60 + i % 120), std::uint8_t(60 + i % 120),
                                  std::uint8_t(60 + i % 120), 0};
    b.SetPalette(CreatePalette(entries));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            b.ScanLine(y)[x] = std::uint8_t((x * 16 + y) % 256);
    EXPECT_TRUE(dither(b, 1));
    EXPECT_FALSE(b.IsIndexed());
    for (const std::string& row : sheet(b))
        EXPECT_EQ(row.find('?'), std::string::npos) << row;
}
