#include "gradient.h"
#include "Pixels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int red(TColor c) {
    return int(c & 0xFF);
}

std::vector<TColor> ramp(int n) {
    std::vector<TColor> colors;
    for (int i = 0; i < n; ++i)
        colors.push_back(RGB(i * 7 % 256, 40 + i, 200 - i % 100));
    return colors;
}

TEST(StretchBands, ChannelsClimbFromTheLeftColourByRangeOverStretch) {
    struct Row {
        const char* what;
        TColor left, right;
        TStretchOffsets offsets;
        int stretch;
        std::vector<std::pair<int, int>> bandRed; // band, its red
    } rows[] = {
        {"black to white, stretch 1", clBlack, clWhite, {}, 1, {{0, 0}, {1, 0}, {2, 255}, {255, 255}}},
        {"black to white, stretch 120",
         clBlack,
         clWhite,
         {},
         120,
         {{0, 0}, {1, 0}, {2, 2}, {3, 2}, {4, 4}, {5, 4}, {252, 253}, {253, 253}, {254, 255}, {255, 255}}},
        {"black to white, stretch 20",
         clBlack,
         clWhite,
         {},
         20,
         {{0, 0}, {1, 0}, {2, 13}, {14, 26}, {27, 38}}},
        {"equal colours climb by 1/stretch",
         RGB(10, 10, 10),
         RGB(10, 10, 10),
         {},
         120,
         {{0, 10}, {71, 10}, {72, 11}, {255, 12}}},
        {"an offset past 255 wraps", RGB(250, 0, 0), clWhite, {6, 0, 0}, 120, {{0, 0}}},
        {"a negative start wraps too", RGB(0, 0, 0), clWhite, {-2, 0, 0}, 120, {{0, 254}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        auto bands = stretchBands(r.left, r.right, r.offsets, r.stretch);
        for (auto [band, value] : r.bandRed)
            EXPECT_EQ(red(bands[size_t(band)]), value) << "band " << band;
    }
    // Within 1 of the band number all along a 120 ramp, and grey.
    auto grey = stretchBands(clBlack, clWhite, {}, 120);
    for (int i = 0; i < 256; ++i) {
        EXPECT_LE(std::abs(red(grey[size_t(i)]) - i), 1) << i;
        EXPECT_EQ(grey[size_t(i)], RGB(red(grey[size_t(i)]), red(grey[size_t(i)]), red(grey[size_t(i)])));
    }
    // With stretch 20 the steps are 12 or 13.
    std::vector<int> steps;
    auto twenty = stretchBands(clBlack, clWhite, {}, 20);
    for (int i = 1; i < 256; ++i)
        if (twenty[size_t(i)] != twenty[size_t(i - 1)])
            steps.push_back(red(twenty[size_t(i)]) - red(twenty[size_t(i - 1)]));
    for (int s : steps)
        EXPECT_TRUE(s == 12 || s == 13 || s == 255 - 12 * 20) << s;
}

TEST(StretchBands, PaintedAsTwoPixelBandsOverTheFullHeight) {
    TBitmap b(515, 25);
    auto bands = stretchBands(clBlack, clWhite, {}, 120);
    paintStretch(b.Canvas(), bands);
    for (int x : {0, 1, 200, 201, 510, 511})
        for (int y : {0, 12, 24})
            EXPECT_EQ(b.GetPixel(x, y), bands[size_t(x / 2)]) << x << "," << y;
    EXPECT_EQ(b.GetPixel(512, 3), clWhite);
}

TEST(StretchList, TakesEachChangeRightOfLUpToAndIncludingR) {
    TBitmap b(515, 25);
    paintStretch(b.Canvas(), stretchBands(clBlack, clWhite, {}, 255));
    // From band 1 on every band of this ramp differs from the one before: changes on even x.
    auto list = stretchList(b, clBlack, 72, 456);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.front(), b.GetPixel(74, 3)) << "x = 73 repeats x = 72; the first change is at 74";
    EXPECT_EQ(list.back(), b.GetPixel(456, 3)) << "the change at the R marker is taken";
    for (size_t i = 1; i < list.size(); ++i)
        EXPECT_NE(list[i], list[i - 1]);
    EXPECT_EQ(std::count(list.begin(), list.end(), b.GetPixel(458, 3)), 0) << "nothing right of R";

    auto shifted = stretchList(b, clBlack, 73, 456);
    EXPECT_EQ(shifted.front(), list.front()) << "x = 74 is still taken with L at 73";
    EXPECT_TRUE(stretchList(b, clBlack, 456, 72).empty()) << "crossed markers";

    // The first change is compared with the colour given: a left colour equal to band 0 is no change.
    TBitmap grey(515, 25);
    paintStretch(grey.Canvas(), stretchBands(RGB(9, 9, 9), RGB(9, 9, 9), {}, 1));
    EXPECT_TRUE(stretchList(grey, RGB(9, 9, 9), -1, 0).empty());
    EXPECT_EQ(stretchList(grey, clBlack, -1, 0), std::vector<TColor>{RGB(9, 9, 9)});
}

TEST(GradientStrip, SpreadsTheListOverTheStripRoundingHalvesToEven) {
    struct Row {
        int n, W, x, index;
    } rows[] = {{3, 126, 0, 0},
                {3, 126, 21, 0},
                {3, 126, 22, 1},
                {3, 126, 62, 1},
                {3, 126, 63, 2},
                {3, 126, 105, 2},
                {3, 126, 106, 3}, // 2.5 to 2; then past the list: item 2 kept
                                  // {300, 126, 125, 298}, {300, 126, 0, 0},
                {2, 4, 1, 0},
                {2, 4, 3, 2}}; // 0.5 to 0; 1.5 to 2 (past the list: kept)
    for (const Row& r : rows)
        EXPECT_EQ(stripIndex(r.x, r.n, r.W), r.index) << r.n << " items, " << r.W << " wide, x " << r.x;
}

TEST(GradientStrip, FewerThanTwoItemsKeepThePicture) {
    TBitmap strip(126, 12);
    strip.Canvas().Brush.SetColor(clRed);
    strip.Canvas().FillRect(Rect(0, 0, 126, 12));
    std::vector<TCanvas*> canvases{&strip.Canvas()};
    EXPECT_FALSE(drawStrip(canvases, 126, 12, {}));
    EXPECT_FALSE(drawStrip(canvases, 126, 12, {clBlue}));
    EXPECT_TRUE(allPixels(strip, clRed));
    EXPECT_TRUE(drawStrip(canvases, 126, 12, {clBlue, clLime, clBlack}));
    EXPECT_EQ(strip.GetPixel(0, 5), clBlue);
    EXPECT_EQ(strip.GetPixel(125, 5), clBlack);
    EXPECT_EQ(countColour(strip, clRed), 0);
}

TEST(GradientIndex, RatiosAreSixByteRealsAndHalvesGoToEven) {
    struct Row {
        const char* what;
        long long q;
        int E, count;
        long long index;
    } rows[] = {
        {"height 10, 20 colours: every other colour", 3, 10, 20, 6},
        {"height 10, 20 colours, last row", 9, 10, 20, 18},
        {"height 100, 10 colours: round(r / 10)", 15, 100, 10, 2},
        {"8.5 goes to 8", 85, 100, 10, 8},
        {"9.5 goes to 10, past the list", 95, 100, 10, 10},
        {"8 high, 3 colours: 8/3 stored above 8/3, so line 4 is just below 1.5", 4, 8, 3, 1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(gradientIndex(r.q, r.E, r.count), r.index) << r.what;
    std::vector<long long> lines;
    for (int q = 0; q < 8; ++q)
        lines.push_back(std::min<long long>(gradientIndex(q, 8, 3), 2));
    EXPECT_EQ(lines, (std::vector<long long>{0, 0, 1, 1, 1, 2, 2, 2}));
}

// The area fill as the canvas does it: the scratch drawn line by line with the 2-pixel pen, the
// page flood-filled with the marker brush, then every changed pixel taken from the scratch.
TBitmap literalAreaFill(const TBitmap& start, int X, int Y, bool vertical, const std::vector<TColor>& colors,
                        const TBrush& brush) {
    TBitmap page(start), scratch(start.Width(), start.Height());
    TCanvas& s = scratch.Canvas();
    s.Brush.Style = bsClear;
    s.Pen.Width = 2;
    s.Pen.Style = psInsideFrame;
    const int E = vertical ? scratch.Width() : scratch.Height(), count = int(colors.size());
    const bool spread = count < E;
    for (int r = spread ? 1 : 0; r <= (spread ? E : E - 1); ++r) {
        long long index = gradientIndex(r, E, count);
        if (index <= count - 1) s.Pen.Color = colors[size_t(index)];
        int p = spread ? r - 1 : r;
        if (vertical) {
            s.MoveTo(p, 0);
            s.LineTo(p, scratch.Height());
        } else {
            s.MoveTo(0, p);
            s.LineTo(scratch.Width(), p);
        }
    }
    TCanvas& c = page.Canvas();
    c.Brush = brush;
    c.Brush.SetColor(1);
    TBitmap undo(page);
    c.FloodFill(X, Y, c.Pixels(X, Y), fsSurface);
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x)
            if (page.GetPixel(x, y) != undo.GetPixel(x, y)) page.SetPixel(x, y, scratch.GetPixel(x, y));
    return page;
}

TBitmap fastAreaFill(const TBitmap& start, int X, int Y, bool vertical, const std::vector<TColor>& colors,
                     const TBrush& brush) {
    TBitmap page(start);
    TQuietProgress bar;
    auto table = gradientBandTable(vertical ? page.Width() : page.Height(), colors, bar);
    TCanvas& c = page.Canvas();
    c.Brush = brush;
    c.Brush.SetColor(1);
    TBitmap undo(page);
    c.FloodFill(X, Y, c.Pixels(X, Y), fsSurface);
    gradientRecolour(page, undo, table, vertical, bar);
    return page;
}

TEST(GradientAreaFill, EqualsTheCanvasVersionPixelForPixel) {
    // A page with a ring whose inside is one region and whose outside touches every border.
    TBitmap start(61, 47);
    start.Canvas().Pen.Color = clNavy;
    start.Canvas().Pen.Width = 3;
    start.Canvas().Brush.Style = bsClear;
    start.Canvas().Ellipse(10, 8, 50, 40);
    start.SetPixel(30, 2, RGB(1, 0, 0)); // a pixel of the marker colour outside
    TBrush solid, hatch;
    hatch.Style = bsCross;
    for (bool vertical : {false, true})
        for (int n : {2, 5, 46, 61, 200})
            for (const TBrush* brush : {&solid, &hatch})
                for (TPoint at : {Point(30, 24), Point(0, 0)}) {
                    SCOPED_TRACE(testing::Message()
                                 << (vertical ? "vertical" : "horizontal") << ", " << n << " colours, "
                                 << (brush == &hatch ? "hatch" : "solid") << " at " << at.x << "," << at.y);
                    auto colors = ramp(n);
                    EXPECT_EQ(differences(fastAreaFill(start, at.x, at.y, vertical, colors, *brush),
                                          literalAreaFill(start, at.x, at.y, vertical, colors, *brush))
                                  .size(),
                              0u);
                }
}

TEST(GradientAreaFill, RecolourSkipsRowsAPumpTookAway) {
    TBitmap page(20, 30), undo(20, 30);
    page.Canvas().Brush.SetColor(1);
    page.Canvas().FillRect(Rect(0, 0, 20, 30));
    std::vector<TColor> table(30, clRed);
    struct Shrinking : TQuietProgress {
        TBitmap* page;
        void ProcessMessages() override {
            TQuietProgress::ProcessMessages();
            page->SetHeight(5);
        }
    } bar;
    bar.page = &page;
    gradientRecolour(page, undo, table, false, bar);
    EXPECT_EQ(page.Height(), 5);
    EXPECT_TRUE(allPixels(page, clRed));
    EXPECT_GT(bar.pumps, 0);
}

TEST(GradientBoxLines, RefuseFewColoursAndThinBoxesAndGiveTheSameForEitherDrag) {
    auto colors = ramp(3);
    struct Row {
        const char* what;
        int x1, y1, x2, y2;
        bool vertical;
        size_t count;
        bool draws;
    } rows[] = {{"one colour", 10, 10, 40, 40, false, 1, false},
                {"4 high", 10, 10, 40, 14, false, 3, false},
                {"5 high", 10, 10, 40, 15, false, 3, true},
                {"4 wide", 10, 10, 14, 40, true, 3, false},
                {"5 wide", 10, 10, 15, 40, true, 3, true}};
    for (const Row& r : rows) {
        TBitmap b(60, 60);
        std::vector<TColor> list(colors.begin(), colors.begin() + long(r.count));
        EXPECT_EQ(gradientBoxLines(b.Canvas(), r.x1, r.y1, r.x2, r.y2, r.vertical, list), r.draws) << r.what;
        EXPECT_EQ(allPixels(b, clWhite), !r.draws) << r.what;
    }
    for (bool vertical : {false, true}) {
        TBitmap a(60, 60), b(60, 60);
        gradientBoxLines(a.Canvas(), 10, 12, 40, 20, vertical, colors);
        gradientBoxLines(b.Canvas(), 40, 20, 10, 12, vertical, colors);
        EXPECT_TRUE(samePixels(a, b));
    }
    // 8 high with 3 colours: lines 0, 0, 1, 1, 1, 2, 2, 2; the last line shows below the others.
    TBitmap b(60, 60);
    gradientBoxLines(b.Canvas(), 10, 10, 40, 18, false, colors);
    EXPECT_EQ(b.GetPixel(20, 17), colors[2]);
    EXPECT_EQ(b.GetPixel(20, 13), colors[1]) << "row 13 is overdrawn by line 4, index 1";
    EXPECT_EQ(b.GetPixel(20, 10), colors[0]);
}

TEST(GradientFrame, RingsRunBackwardsThroughTheListAndStopPastTheCentre) {
    // Width 1 with 3 colours in a 20 x 20 box (m = 10): 1 / (10 / 3) rounds to 0, so no ring.
    TBitmap none(40, 40);
    EXPECT_TRUE(gradientFrame(none.Canvas(), 0, 0, 20, 20, 1, ramp(3)));
    EXPECT_TRUE(allPixels(none, clWhite));
    // Width 1 with 10 colours: one ring at inset 1, in the last colour, two pixels deep.
    auto ten = ramp(10);
    TBitmap one(40, 40);
    gradientFrame(one.Canvas(), 0, 0, 20, 20, 1, ten);
    EXPECT_EQ(one.GetPixel(10, 0), clWhite) << "the ring at inset 0 is never drawn";
    EXPECT_EQ(one.GetPixel(10, 1), ten[9]);
    EXPECT_EQ(one.GetPixel(10, 2), ten[9]);
    EXPECT_EQ(one.GetPixel(10, 3), clWhite);
    // A width far above m: 12 colours in a 24 x 24 box give rings 1..12, inset k in colour 12 - k.
    auto twelve = ramp(12);
    TBitmap deep(40, 40);
    EXPECT_TRUE(gradientFrame(deep.Canvas(), 24, 24, 0, 0, 90, twelve));
    for (int k = 1; k <= 11; ++k)
        EXPECT_EQ(deep.GetPixel(k, 12), twelve[size_t(12 - k)]) << "inset " << k;
    EXPECT_EQ(deep.GetPixel(0, 12), clWhite);
    // Refusals: fewer than 2 colours, half the smaller side under 5.
    TBitmap b(40, 40);
    EXPECT_FALSE(gradientFrame(b.Canvas(), 0, 0, 30, 30, 3, {clRed}));
    EXPECT_FALSE(gradientFrame(b.Canvas(), 0, 0, 30, 9, 3, ten));
    EXPECT_TRUE(allPixels(b, clWhite));
}

TEST(GradientList, ItemsThatAreNoNumberReadAsNoColour) {
    auto colors = parseGradientList({"255", "16777215", "x", "", "-1"});
    EXPECT_EQ(colors[0], clRed);
    EXPECT_EQ(colors[1], clWhite);
    EXPECT_EQ(colors[2], noGradientColour);
    EXPECT_EQ(colors[3], noGradientColour);
    EXPECT_EQ(colors[4], noGradientColour);
}

} // namespace
