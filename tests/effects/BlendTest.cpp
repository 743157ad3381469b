#include "blend.h"
#include "Pixels.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace {

// A clip whose pixels are white (outside the shape) about half the time.
TBitmap sprinkledclip(int w, int h, unsigned seed) {
    TBitmap b = noisePicture(w, h, seed);
    std::mt19937 rng(seed + 100);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (rng() % 2) b.SetPixel(x, y, clWhite);
    return b;
}

// The passes written out pixel by pixel through GetPixel and SetPixel, loop for loop as the
// operations are described, as references for the row loops.
void literaldoblend(TBitmap& page) {
    TBitmap c(page);
    const int W = c.Width(), H = c.Height();
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (x > 0 && y > 0) c.SetPixel(x, y, blendmix(c.GetPixel(x, y), c.GetPixel(x - 1, y - 1), 6, 3));
    for (int y = 0; y < H - 1; ++y)
        for (int x = 0; x < W - 1; ++x)
            c.SetPixel(x + 1, y + 1, blendmix(c.GetPixel(x + 1, y + 1), c.GetPixel(x, y), 6, 3));
    page = c;
}

void literaldoblend2(TBitmap& page) {
    TBitmap c(page);
    const int W = c.Width(), H = c.Height();
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (x > 0 && x < W - 1 && y > 0 && y < H - 1) {
                c.SetPixel(x, y, blendmix(c.GetPixel(x, y), c.GetPixel(x - 1, y), 10, 3));
                c.SetPixel(x - 1, y, blendmix(c.GetPixel(x, y - 1), c.GetPixel(x, y + 1), 10, 3));
            }
    page = c;
}

void literaldoblend3(TBitmap& page, bool lighten) {
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x)
            page.SetPixel(x, y, stepcolor(page.GetPixel(x, y), lighten));
}

void literalclipblend(TBitmap& page, const TBitmap& clip, int clipx, int clipy, int steps) {
    int w = 64 - steps;
    if (w < 1) w = 1;
    TBitmap c(page);
    for (int y = 0; y < clip.Height(); ++y)
        for (int x = 0; x < clip.Width(); ++x) {
            if ((clip.GetPixel(x, y) & 0xFFFFFF) == 0xFFFFFF) continue;
            int px = clipx + x, py = clipy + y;
            c.SetPixel(px + 1, py, blendmix(c.GetPixel(px, py), c.GetPixel(px - 1, py), 64, w));
            c.SetPixel(px, py, blendmix(c.GetPixel(px, py - 1), c.GetPixel(px, py + 1), 64, w));
        }
    page = c;
}

void literalturn(TBitmap& page, bool flip) {
    TBitmap undo(page);
    const int W = page.Width(), H = page.Height();
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            undo.SetPixel(x, y, flip ? page.GetPixel(x, H - 1 - y) : page.GetPixel(W - 1 - x, y));
    page = undo;
}

TEST(Blendmix, TableOfCases) {
    struct Case {
        TColor a, b;
        int n, k;
        TColor want;
    } cases[] = {
        {RGB(17, 200, 3), RGB(17, 200, 3), 6, 3, RGB(17, 200, 3)}, // equal colours
        {RGB(0, 0, 0), RGB(3, 3, 3), 6, 3, RGB(1, 1, 1)},          // 1.5 goes down
        {RGB(0, 0, 0), RGB(2, 2, 2), 6, 3, RGB(1, 1, 1)},
        {RGB(3, 3, 3), RGB(0, 0, 0), 6, 3, RGB(1, 1, 1)},               // the same half from above
        {RGB(0, 0, 0), RGB(19, 19, 19), 6, 3, RGB(10, 10, 10)},         // 9.5 goes up
        {RGB(0, 0, 0), RGB(5, 5, 5), 10, 3, RGB(1, 1, 1)},              // 1.5 down
        {RGB(0, 0, 0), RGB(65, 65, 65), 10, 3, RGB(20, 20, 20)},        // 19.5 up
        {RGB(0, 0, 0), RGB(160, 160, 160), 64, 63, RGB(158, 158, 158)}, // 157.5 up
        {RGB(10, 20, 30), RGB(200, 100, 0), 0, 3, RGB(10, 20, 30)},     // n = 0: a
        {0x12345678u, RGB(0, 0, 0), -1, 3, 0x12345678u},
        {RGB(0, 100, 255), RGB(60, 40, 0), 6, 3, RGB(30, 70, 127)}, // channels apart; 127.5 down
    };
    for (const Case& c : cases)
        EXPECT_EQ(blendmix(c.a, c.b, c.n, c.k), c.want)
            << std::hex << c.a << " " << c.b << std::dec << " " << c.n << "/" << c.k;
}

TEST(Blendmix, EveryChannelPairInUseLiesBetweenAndRoundsToNearest) {
    std::vector<std::pair<int, int>> uses = {{6, 3}, {10, 3}};
    for (int w = 1; w <= 63; ++w)
        uses.push_back({64, w});
    for (auto [n, k] : uses) {
        const std::uint8_t* t = blendTable(n, k);
        std::string bad;
        for (int a = 0; a < 256 && bad.empty(); ++a)
            for (int b = 0; b < 256 && bad.empty(); ++b) {
                int r = t[a * 256 + b];
                // a + (b - a) k / n = num / n; a half when 2 num is an odd multiple of n.
                int num = a * n + (b - a) * k;
                bool half = (2 * num) % (2 * n) == n;
                if (r < std::min(a, b) || r > std::max(a, b) || (!half && r != (2 * num + n) / (2 * n)))
                    bad = std::to_string(a) + " to " + std::to_string(b) + " gives " + std::to_string(r);
            }
        EXPECT_EQ(bad, "") << n << "/" << k;
        // The table is blendmix itself, halves included.
        for (int a = 0; a < 256; a += 7)
            for (int b = 0; b < 256; b += 11)
                ASSERT_EQ(t[a * 256 + b], GetGValue(blendmix(RGB(1, a, 2), RGB(1, b, 2), n, k)))
                    << a << " " << b;
    }
}

TEST(Blendpasses, EdgeCases) {
    TQuietProgress bar;
    const TBitmap pic = noisePicture(9, 7, 11);

    TBitmap a(pic);
    doblend(a, bar);
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(a.GetPixel(x, 0), pic.GetPixel(x, 0)) << "doblend row 0, column " << x;
    for (int y = 0; y < 7; ++y)
        EXPECT_EQ(a.GetPixel(0, y), pic.GetPixel(0, y)) << "doblend column 0, row " << y;
    EXPECT_NE(a.GetPixel(4, 4), pic.GetPixel(4, 4));

    TBitmap b(pic);
    doblend2(b, bar);
    for (int x = 0; x < 9; ++x) {
        EXPECT_EQ(b.GetPixel(x, 0), pic.GetPixel(x, 0)) << "doblend2 first row";
        EXPECT_EQ(b.GetPixel(x, 6), pic.GetPixel(x, 6)) << "doblend2 last row";
    }
    for (int y = 0; y < 7; ++y)
        EXPECT_EQ(b.GetPixel(8, y), pic.GetPixel(8, y)) << "doblend2 last column";
    for (int y = 1; y < 6; ++y)
        EXPECT_NE(b.GetPixel(0, y), pic.GetPixel(0, y)) << "doblend2 column 0 of inner row " << y;

    // Uniform pictures stay as they are.
    for (auto pass : {std::function<void(TBitmap&)>([&](TBitmap& p) { doblend(p, bar); }),
                      std::function<void(TBitmap&)>([&](TBitmap& p) { doblend2(p, bar); })}) {
        TBitmap u = uniformPicture(8, 6, RGB(90, 13, 201));
        pass(u);
        EXPECT_TRUE(samePixels(u, uniformPicture(8, 6, RGB(90, 13, 201))));
    }

    struct Step {
        TColor in;
        bool lighten;
        TColor out;
    } steps[] = {
        {RGB(250, 10, 0), true, RGB(255, 18, 8)},
        {RGB(5, 10, 200), false, RGB(0, 2, 192)},
        {clWhite, true, clWhite},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(stepcolor(s.in, s.lighten), s.out);
        TBitmap u = uniformPicture(3, 2, s.in);
        doblend3(u, s.lighten, bar);
        EXPECT_TRUE(samePixels(u, uniformPicture(3, 2, s.out))) << std::hex << s.in;
    }

    // An all-white clip blends nothing; 64 steps blend as 63.
    TBitmap c(pic);
    doclipblend(c, uniformPicture(5, 5, clWhite), 2, 1, 10, bar);
    EXPECT_TRUE(samePixels(c, pic));
    TBitmap c64(pic), c63(pic);
    TBitmap clip = sprinkledclip(6, 5, 3);
    doclipblend(c64, clip, 1, 1, 64, bar);
    doclipblend(c63, clip, 1, 1, 63, bar);
    EXPECT_TRUE(samePixels(c64, c63));
    EXPECT_FALSE(samePixels(c64, pic));

    // Flip and mirror twice restore; once, page and undo copy both hold the turned picture.
    for (bool flip : {true, false}) {
        TBitmap page(pic), undo(1, 1);
        auto turn = flip ? flipPicture : mirrorPicture;
        turn(page, undo, bar);
        EXPECT_EQ(page.GetPixel(2, 0), pic.GetPixel(flip ? 2 : 6, flip ? 6 : 0));
        EXPECT_TRUE(samePixels(page, undo));
        turn(page, undo, bar);
        EXPECT_TRUE(samePixels(page, pic)) << (flip ? "flip" : "mirror");
    }
}

TEST(Blendpasses, Doblend2EndsInItsClosedForm) {
    // Columns 0..W-3 of an inner row are the vertical mix of the column to their right (the row
    // above final, the row below original); column W-2 keeps the chain of horizontal mixes.
    const int W = 23, H = 11;
    const TBitmap o = noisePicture(W, H, 5);
    TBitmap r(o);
    TQuietProgress bar;
    doblend2(r, bar);
    for (int y = 1; y < H - 1; ++y) {
        TColor h = o.GetPixel(0, y);
        for (int x = 1; x <= W - 2; ++x)
            h = blendmix(o.GetPixel(x, y), h, 10, 3);
        ASSERT_EQ(r.GetPixel(W - 2, y), h) << y;
        for (int x = 0; x <= W - 3; ++x)
            ASSERT_EQ(r.GetPixel(x, y), blendmix(r.GetPixel(x + 1, y - 1), o.GetPixel(x + 1, y + 1), 10, 3))
                << x << "," << y;
    }
}

TEST(Blendpasses, RowLoopsMatchThePixelByPixelPasses) {
    struct Size {
        int w, h;
    } sizes[] = {{1, 1}, {2, 3}, {3, 2}, {17, 5}, {64, 64}};
    TQuietProgress bar;
    unsigned seed = 40;
    for (const Size& s : sizes)
        for (TPixelFormat pf : {pf24bit, pf8bit}) {
            const TBitmap pic = noisePicture(s.w, s.h, ++seed, pf);
            const std::string what =
                std::to_string(s.w) + "x" + std::to_string(s.h) + (pf == pf8bit ? " 8-bit" : "");
            auto check = [&](const char* name, const std::function<void(TBitmap&)>& fast,
                             const std::function<void(TBitmap&)>& literal) {
                TBitmap a(pic), b(pic);
                fast(a);
                literal(b);
                EXPECT_TRUE(samePixels(a, b)) << name << " " << what;
                EXPECT_EQ(a.PixelFormat(), pic.PixelFormat());
            };
            check(
                "doblend", [&](TBitmap& p) { doblend(p, bar); }, literaldoblend);
            check(
                "doblend2", [&](TBitmap& p) { doblend2(p, bar); }, literaldoblend2);
            for (bool l : {true, false})
                check(
                    "doblend3", [&](TBitmap& p) { doblend3(p, l, bar); },
                    [&](TBitmap& p) { literaldoblend3(p, l); });
            for (bool f : {true, false}) {
                TBitmap undo;
                check(
                    f ? "flip" : "mirror",
                    [&](TBitmap& p) { (f ? flipPicture : mirrorPicture)(p, undo, bar); },
                    [&](TBitmap& p) { literalturn(p, f); });
            }
            // Clips over each border and inside, with and without many steps.
            const TBitmap clip = sprinkledclip(s.w + 2, s.h + 1, seed);
            struct At {
                int x, y, steps;
            } ats[] = {{-1, -1, 5}, {0, 0, 60}, {s.w / 2, s.h / 2, 32}, {s.w - 2, s.h - 1, 1}, {-3, 2, 64}};
            for (const At& at : ats)
                check(
                    "doclipblend", [&](TBitmap& p) { doclipblend(p, clip, at.x, at.y, at.steps, bar); },
                    [&](TBitmap& p) { literalclipblend(p, clip, at.x, at.y, at.steps); });
        }
}

// A bar that records every position it is set to and every pump.
class TRecordingBar : public TQuietProgress {
public:
    void SetPosition(int pos) override {
        TQuietProgress::SetPosition(pos);
        positions.push_back(position);
    }
    std::vector<int> positions;
};

TEST(Blendpasses, BarRisesThenWindsDownAndEndsHidden) {
    TBitmap page = noisePicture(3, 300, 9);
    TRecordingBar bar;
    doblend(page, bar);
    // Shown at 1; 99 marks up in the first pass (rows 4, 7, ..., 298, held at 100 at the top),
    // 99 down in the second (rows 0..298), then 0.
    ASSERT_FALSE(bar.positions.empty());
    EXPECT_EQ(bar.positions.front(), 1);
    EXPECT_EQ(*std::max_element(bar.positions.begin(), bar.positions.end()), 100);
    EXPECT_EQ(bar.positions[bar.positions.size() - 2], 1);
    EXPECT_EQ(bar.positions.back(), 0);
    EXPECT_EQ(bar.pumps, 99 + 99);
    EXPECT_FALSE(bar.visible);

    TRecordingBar turn;
    TBitmap undo;
    flipPicture(page, undo, turn);
    EXPECT_EQ(turn.pumps, 0);
    EXPECT_EQ(turn.positions.back(), 1);
    EXPECT_FALSE(turn.visible);
}

} // namespace
