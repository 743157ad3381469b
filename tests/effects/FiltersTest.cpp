#include "Pixels.h"
#include "filters1.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace {

TFilterSettingsSource fixed(int thr, int amt) {
    return [=] { return TFilterSettings{thr, amt}; };
}

TColor grey(int v) {
    return RGB(v, v, v);
}

// The filters written out pixel by pixel through GetPixel and SetPixel. The first pair pass runs
// its outer index over the columns and its inner one over the rows; rows share no pixel, so on
// any page it ends as the row-by-row pass does, and on a square page it is the loop as described.
void literalpairfilt(TBitmap& page, int thr, int amt) {
    TBitmap c(page);
    const int W = c.Width(), H = c.Height();
    auto pair = [&](int x, int y) {
        TPixelPair p = pairstep(c.GetPixel(x, y), c.GetPixel(x + 1, y), thr, amt);
        c.SetPixel(x, y, p.a);
        c.SetPixel(x + 1, y, p.b);
    };
    for (int i = 0; i < W; ++i)
        for (int j = 0; j < H; ++j)
            pair(i, j);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            pair(x, y);
    page = c;
}

void literaltriplefilt(TBitmap& page, int thr, int amt) {
    TBitmap c(page);
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 1; x <= c.Width() - 2; ++x) {
            TPixelTriple t =
                triplestep(c.GetPixel(x - 1, y), c.GetPixel(x, y), c.GetPixel(x + 1, y), thr, amt);
            c.SetPixel(x - 1, y, t.a);
            c.SetPixel(x, y, t.b);
            c.SetPixel(x + 1, y, t.c);
        }
    page = c;
}

void literalsortfilt(TBitmap& page, int thr, int amt) {
    TBitmap c(page);
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            TColor a = c.GetPixel(x, y), b = c.GetPixel(x + 1, y);
            if (a == clWhite || b == clWhite) continue;
            TPixelPair p = contrastpair(a, b, thr, amt);
            c.SetPixel(x, y, p.a);
            c.SetPixel(x + 1, y, p.b);
        }
    page = c;
}

TEST(Filterrules, Pairstep) {
    struct Case {
        TColor a, b;
        int thr, amt;
        TColor wa, wb;
    } cases[] = {
        {grey(100), grey(50), 10, 10, grey(90), grey(60)},
        {grey(50), grey(100), 10, 10, grey(60), grey(90)},
        {grey(250), grey(10), 10, 100, grey(150), grey(110)},
        {RGB(255, 60, 5), RGB(250, 0, 0), 10, 10, RGB(245, 50, 0), RGB(255, 10, 10)}, // clamps
        {grey(60), grey(50), 10, 10, grey(60), grey(50)}, // exactly thr apart: strict
        {RGB(30, 31, 32), RGB(20, 21, 22), 10, 10, RGB(30, 31, 32), RGB(20, 21, 22)},
        {grey(200), 0xFFFFFFFFu, 10, 7, grey(207), grey(248)}, // the outside counts as 255
    };
    for (const Case& c : cases) {
        TPixelPair p = pairstep(c.a, c.b, c.thr, c.amt);
        EXPECT_EQ(p.a, c.wa) << std::hex << c.a << " " << c.b;
        EXPECT_EQ(p.b, c.wb) << std::hex << c.a << " " << c.b;
    }
    EXPECT_EQ(brightness(RGB(1, 1, 2)), 1);
    EXPECT_EQ(brightness(RGB(1, 2, 2)), 2);
    EXPECT_EQ(brightness(0xFFFFFFFFu), 255);
}

TEST(Filterrules, TriplestepActsOnlyOnFallsBetweenThrAndFiveThr) {
    struct Case {
        int a, c;
        bool acts;
    } cases[] = {
        {100, 89, true},   {100, 90, false}, {100, 51, true}, {100, 50, false}, // thr 10: 10 < fall < 50
        {100, 100, false}, {50, 90, false},                                     // no fall, a rise
    };
    for (const Case& c : cases) {
        TPixelTriple t = triplestep(grey(c.a), grey(77), grey(c.c), 10, 4);
        if (c.acts) {
            EXPECT_EQ(t.a, grey(c.a - 4)) << c.a << "->" << c.c;
            EXPECT_EQ(t.b, grey(81));
            EXPECT_EQ(t.c, grey(c.c + 8));
        } else {
            EXPECT_EQ(t.a, grey(c.a)) << c.a << "->" << c.c;
            EXPECT_EQ(t.b, grey(77));
            EXPECT_EQ(t.c, grey(c.c));
        }
    }
}

TEST(Filterrules, ContrastpairBrightensTheDarkerAndNeverDarkens) {
    EXPECT_EQ(contrastpair(grey(100), grey(50), 10, 10).b, grey(60));
    EXPECT_EQ(contrastpair(grey(100), grey(50), 10, 10).a, grey(100));
    EXPECT_EQ(contrastpair(grey(50), grey(100), 10, 10).a, grey(60));
    std::mt19937 rng(3);
    for (int i = 0; i < 2000; ++i) {
        TColor a = rng() & 0xFFFFFF, b = rng() & 0xFFFFFF;
        TPixelPair p = contrastpair(a, b, 1 + int(rng() % 60), 1 + int(rng() % 100));
        for (int s : {0, 8, 16}) {
            ASSERT_GE((p.a >> s) & 0xFF, (a >> s) & 0xFF);
            ASSERT_GE((p.b >> s) & 0xFF, (b >> s) & 0xFF);
        }
    }
}

TEST(Filterpasses, UniformPicturesAndTheLastColumn) {
    TQuietProgress bar;
    const int thr = 10, amt = 6;
    // At brightness 255 - thr or more the outside value beyond the last column changes nothing.
    for (int v : {245, 250}) {
        for (auto f : {pairfilt, sortfilt, triplefilt}) {
            TBitmap u = uniformPicture(6, 4, grey(v));
            f(u, fixed(thr, amt), bar);
            EXPECT_TRUE(samePixels(u, uniformPicture(6, 4, grey(v)))) << v;
        }
    }
    // Below it, the last column is brightened (twice by pairfilt, once per pass) and nothing else.
    TBitmap p = uniformPicture(6, 4, grey(100)), s = p, t = p;
    pairfilt(p, fixed(thr, amt), bar);
    sortfilt(s, fixed(thr, amt), bar);
    triplefilt(t, fixed(thr, amt), bar);
    EXPECT_TRUE(samePixels(t, uniformPicture(6, 4, grey(100))));
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(p.GetPixel(5, y), grey(112));
        EXPECT_EQ(s.GetPixel(5, y), grey(106));
        EXPECT_EQ(p.GetPixel(4, y), grey(100));
        EXPECT_EQ(s.GetPixel(4, y), grey(100));
    }
}

TEST(Filterpasses, SortfiltSkipsEveryPairWithWhite) {
    // 0 white, 1 black: the black pixels next to white stay; black beside black does nothing
    // either, so only a pair of black and grey would change.
    TBitmap page(5, 1);
    TColor row[5] = {clWhite, clBlack, clWhite, grey(100), clBlack};
    for (int x = 0; x < 5; ++x)
        page.SetPixel(x, 0, row[x]);
    TQuietProgress bar;
    sortfilt(page, fixed(10, 10), bar);
    EXPECT_EQ(page.GetPixel(0, 0), clWhite);
    EXPECT_EQ(page.GetPixel(1, 0), clBlack);
    EXPECT_EQ(page.GetPixel(2, 0), clWhite);
    EXPECT_EQ(page.GetPixel(3, 0), grey(100));
    // (3, 4): black is brightened; then (4, outside): the outside is brighter, so once more.
    EXPECT_EQ(page.GetPixel(4, 0), grey(20));
}

TEST(Filterpasses, NonSquarePageIsFilteredOnAllRowsInBothPasses) {
    for (auto [w, h] : {std::pair{3, 8}, std::pair{8, 3}}) {
        TBitmap page = uniformPicture(w, h, grey(100));
        TQuietProgress bar;
        pairfilt(page, fixed(10, 5), bar);
        for (int y = 0; y < h; ++y)
            EXPECT_EQ(page.GetPixel(w - 1, y), grey(110)) << w << "x" << h << " row " << y;
    }
}

// A bar whose pumps run a handler, as the window's message loop would.
class TPumpingBar : public TQuietProgress {
public:
    void ProcessMessages() override {
        TQuietProgress::ProcessMessages();
        if (onPump) onPump(pumps);
    }
    std::function<void(int)> onPump;
};

TEST(Filterpasses, SettingsChangedAtAPumpTakeEffectFromTheNextRow) {
    TBitmap page = uniformPicture(4, 6, grey(100));
    TPumpingBar bar;
    int thr = 10;
    // Pumps come before every row: the fourth pump is the one before row 3.
    bar.onPump = [&](int n) {
        if (n == 4) thr = 200;
    };
    sortfilt(
        page,
        [&] {
            return TFilterSettings{thr, 10};
        },
        bar);
    EXPECT_EQ(bar.pumps, 6);
    for (int y = 0; y < 6; ++y)
        EXPECT_EQ(page.GetPixel(3, y), grey(y < 3 ? 110 : 100)) << y;
}

TEST(Filterpasses, BarStartsPerFilterAndEndsHidden) {
    TBitmap page = uniformPicture(5, 10, grey(100));
    for (bool keeps : {false, true}) {
        TQuietProgress bar;
        bar.SetPosition(40);
        (keeps ? sortfilt : pairfilt)(page, fixed(10, 10), bar);
        // pairfilt starts at 0: 20 rows in two passes, marks every 0.2 rows (rows 1..9 of each);
        // sortfilt keeps 40: marks every 0.1 rows (rows 1..9).
        EXPECT_EQ(bar.steps, keeps ? 9 : 18);
        EXPECT_EQ(bar.pumps, keeps ? 10 : 20);
        EXPECT_EQ(bar.Position(), 0);
        EXPECT_FALSE(bar.visible);
    }
}

TEST(Filterpasses, RowLoopsMatchThePixelByPixelFilters) {
    struct Size {
        int w, h;
    } sizes[] = {{1, 1}, {2, 3}, {3, 2}, {17, 5}, {64, 64}};
    TQuietProgress bar;
    unsigned seed = 70;
    for (const Size& s : sizes)
        for (TPixelFormat pf : {pf24bit, pf8bit})
            for (auto [thr, amt] : {std::pair{10, 10}, std::pair{40, 3}, std::pair{2, 100}}) {
                TBitmap pic = noisePicture(s.w, s.h, ++seed, pf);
                // Some white, and runs of near greys, so that every branch of each rule is taken.
                std::mt19937 rng(seed);
                for (int y = 0; y < s.h; ++y)
                    for (int x = 0; x < s.w; ++x) {
                        unsigned r = rng() % 6;
                        if (r == 0) pic.SetPixel(x, y, clWhite);
                        if (r == 1) pic.SetPixel(x, y, grey(120 + int(rng() % 30)));
                    }
                const std::string what = std::to_string(s.w) + "x" + std::to_string(s.h) +
                                         (pf == pf8bit ? " 8-bit" : "") + " thr " + std::to_string(thr);
                auto check = [&](const char* name, decltype(pairfilt) fast,
                                 void (*literal)(TBitmap&, int, int)) {
                    TBitmap a(pic), b(pic);
                    fast(a, fixed(thr, amt), bar);
                    literal(b, thr, amt);
                    EXPECT_TRUE(samePixels(a, b)) << name << " " << what;
                };
                check("pairfilt", pairfilt, literalpairfilt);
                check("triplefilt", triplefilt, literaltriplefilt);
                check("sortfilt", sortfilt, literalsortfilt);
            }
}

} // namespace
