// The gradient tools on the page, through the page's own mouse events.
#include "DrawFixture.h"
#include "Pixels.h"
#include "TListBox.h"
#include "TProgressBar.h"

#include <string>

namespace {

class GradientFillTest : public DrawTest {
protected:
    // The list as the gradient window leaves it; chosen without the window (do_tool only).
    static std::vector<TColor> useList(int n) {
        std::vector<TColor> colors;
        std::vector<std::string> items;
        for (int i = 0; i < n; ++i) {
            colors.push_back(RGB(10 + i, 255 - i, i * 3 % 256));
            items.push_back(std::to_string(colors.back()));
        }
        Form3->ListBox1->Items().SetStrings(items);
        return colors;
    }
    // A page with a black box outline; its inside is one region, its outside touches the border.
    static void boxedPage(int w, int h) {
        loadPage(w, h, clWhite);
        TCanvas& c = page().Canvas();
        c.Pen.Color = clBlack;
        c.Brush.Style = bsClear;
        c.Rectangle(10, 10, w - 10, h - 10);
        Pbook1->Image2->Picture().Assign(page());
    }
};

TEST_F(GradientFillTest, AreaFillsRecolourOnlyTheClickedRegion) {
    struct Row {
        const char* what;
        int tool, w, h, n;
        TPoint at;
    } rows[] = {
        {"horizontal, inside", 153, 60, 100, 10, Point(30, 50)},
        {"vertical, inside", 154, 100, 60, 10, Point(50, 30)},
        {"horizontal, the outside touching the border", 153, 60, 40, 50, Point(0, 0)},
        {"vertical, more colours than columns", 154, 40, 60, 50, Point(20, 30)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SetUp();
        boxedPage(r.w, r.h);
        auto colors = useList(r.n);
        choose(r.tool);
        const TBitmap before = page();
        down(r.at.x, r.at.y);
        up(r.at.x, r.at.y);
        EXPECT_TRUE(samePixels(undo(), before)) << "the undo copy holds the page from before";
        EXPECT_EQ(countColour(page(), clBlack), countColour(before, clBlack)) << "the outline stays";
        // Every pixel of the region changed to a list colour, nothing outside it changed.
        const TColor region = before.GetPixel(r.at.x, r.at.y);
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x) {
                bool inside = r.at.x == 0 ? (x < 10 || y < 10 || x >= r.w - 10 || y >= r.h - 10)
                                          : (x > 10 && y > 10 && x < r.w - 11 && y < r.h - 11);
                if (inside) {
                    EXPECT_NE(std::find(colors.begin(), colors.end(), page().GetPixel(x, y)), colors.end())
                        << x << "," << y;
                } else if (before.GetPixel(x, y) != region) {
                    EXPECT_EQ(page().GetPixel(x, y), before.GetPixel(x, y)) << x << "," << y;
                }
            }
        if (r.at.x == 0) {
            EXPECT_NE(page().GetPixel(0, 0), clWhite) << "the border rows and columns are recoloured";
            EXPECT_NE(page().GetPixel(r.w - 1, r.h - 1), clWhite);
            EXPECT_EQ(page().GetPixel(r.w / 2, r.h / 2), clWhite) << "inside the box is another region";
        } else {
            EXPECT_EQ(page().GetPixel(0, 0), clWhite);
        }
        EXPECT_FALSE(Pbook1->bg1->Visible());
    }
}

TEST_F(GradientFillTest, HundredRowsWithTenColoursRowByRoundOfRowOverTen) {
    loadPage(30, 100, clWhite);
    auto colors = useList(10);
    choose(153);
    click(15, 50);
    // Line r (1..100) lies at row r - 1 with colour round(r / 10); the 2-pixel line leaves row y
    // in the colour of line y + 2 (the one at row y + 1), the last row in its own.
    auto at = [&](int r) {
        long long i = std::llrint(r / 10.0);
        return colors[size_t(std::min<long long>(i, 9))];
    };
    EXPECT_EQ(page().GetPixel(15, 0), at(2));
    EXPECT_EQ(page().GetPixel(15, 40), at(42));
    EXPECT_EQ(page().GetPixel(15, 99), colors[9]) << "index 10 keeps colour 9";
    EXPECT_EQ(page().GetPixel(15, 94), colors[9]);
}

TEST_F(GradientFillTest, ClickOnTheMarkerColourChangesNothing) {
    loadPage(40, 40, clWhite);
    page().Canvas().Brush.SetColor(1);
    page().Canvas().FillRect(Rect(0, 0, 20, 40));
    useList(5);
    choose(153);
    const TBitmap before = page();
    click(5, 5);
    EXPECT_TRUE(samePixels(page(), before));
    Form3->ListBox1->Items().SetStrings({"255"});
    click(30, 5);
    EXPECT_TRUE(samePixels(page(), before)) << "one colour is no gradient";
}

TEST_F(GradientFillTest, BoxToolsDrawOnMouseUpAndEitherDragGivesTheSame) {
    for (int tool : {155, 156, 157}) {
        SCOPED_TRACE(tool);
        TBitmap results[2];
        for (int dir = 0; dir < 2; ++dir) {
            SetUp();
            useList(12);
            choose(tool);
            Form3->linewidth = 20;
            if (dir == 0) {
                down(40, 30);
                move(100, 90);
                move(140, 130);
                up(140, 130);
            } else {
                down(140, 130);
                move(100, 90);
                move(40, 30);
                up(40, 30);
            }
            results[dir] = page();
        }
        EXPECT_TRUE(samePixels(results[0], results[1]));
        EXPECT_GT(countColour(results[0], clWhite), 0);
        EXPECT_LT(countColour(results[0], clWhite), 450 * 250) << "something was drawn";
        // The line fills cover the band's leftovers; the frame keeps its NOT-XOR outline ("Xor Frame.
        // Twice to replace background.").
        if (tool != 157) {
            EXPECT_EQ(countColour(results[0], clBlack), 0) << "the rubber band is gone";
        }
    }
}

} // namespace
