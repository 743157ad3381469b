#include "Pixels.h"
#include "Pmovers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int N = 20; // the page is N x N
constexpr int BW = 6, BH = 5;

// Every page pixel: inside the rectangle (x, y, w, h) moved by (dx, dy) it shows the old page at
// the pixel it came from; elsewhere it kept its value.
void expectmoved(const TBitmap& page, const TBitmap& old, int x, int y, int w, int h, int dx, int dy,
                 const char* what) {
    for (int py = 0; py < N; ++py)
        for (int px = 0; px < N; ++px) {
            bool moved = px >= x + dx && px < x + dx + w && py >= y + dy && py < y + dy + h;
            TColor want = moved ? old.GetPixel(px - dx, py - dy) : old.GetPixel(px, py);
            ASSERT_EQ(page.GetPixel(px, py), want) << what << " at " << px << "," << py;
        }
}

TEST(Nudgeselection, EachCodeMovesTheBlockOnePixelAndLeavesATrail) {
    struct Case {
        int code, dx, dy;
    } cases[] = {{101, 1, 0},  {102, -1, 0}, {103, 0, -1},  {104, 0, 1},
                 {105, -1, 1}, {106, 1, 1},  {107, -1, -1}, {108, 1, -1}};
    for (const Case& c : cases) {
        const TBitmap old = noisePicture(N, N, unsigned(c.code));
        TBitmap page(old), mask(BW, BH);
        nudgeselection(page, mask, 7, 8, c.code, BW, BH);
        // The block lands one pixel on; the row or column it left keeps its old pixels, so the
        // block's trailing edge is on the page twice.
        expectmoved(page, old, 7, 8, BW, BH, c.dx, c.dy, std::to_string(c.code).c_str());
    }
}

TEST(Nudgeselection, AtThePageEdge) {
    const TBitmap old = noisePicture(N, N, 3);
    {
        // Moved outward, the block's last column falls off the page; the rest moves.
        TBitmap page(old), mask(BW, BH);
        nudgeselection(page, mask, N - BW, 4, 101, BW, BH);
        expectmoved(page, old, N - BW, 4, BW - 1, BH, 1, 0, "outward");
    }
    {
        // A box larger than the page moves only the part on the page.
        TBitmap page(old), mask(30, 30);
        nudgeselection(page, mask, 0, 0, 104, 30, 30);
        expectmoved(page, old, 0, 0, N, N - 1, 0, 1, "larger box");
    }
    {
        // A block hanging over the left edge, moved right: its columns off the page bring nothing
        // back, so column 0 keeps its pixels (not the buffer's white).
        TBitmap page(old), mask(BW, BH);
        nudgeselection(page, mask, -2, 6, 101, BW, BH);
        expectmoved(page, old, 0, 6, BW - 2, BH, 1, 0, "over the left edge");
    }
    {
        // The same over the bottom edge, moved up and left, with the buffer holding an older block.
        TBitmap page(old), mask = uniformPicture(BW, BH, clRed);
        nudgeselection(page, mask, 10, N - 2, 107, BW, BH);
        expectmoved(page, old, 10, N - 2, BW, 2, -1, -1, "over the bottom edge");
    }
}

TEST(Nudgeselection, OtherCodesAndOtherBufferSizes) {
    const TBitmap old = noisePicture(N, N, 4);
    {
        TBitmap page(old), mask(BW, BH);
        nudgeselection(page, mask, 3, 2, 109, BW, BH);
        EXPECT_TRUE(samePixels(page, old));
        EXPECT_EQ(mask.GetPixel(0, 0), old.GetPixel(3, 2));
        EXPECT_EQ(mask.GetPixel(BW - 1, BH - 1), old.GetPixel(3 + BW - 1, 2 + BH - 1));
    }
    {
        // A smaller buffer moves only what it holds.
        TBitmap page(old), mask(4, 3);
        nudgeselection(page, mask, 3, 2, 104, BW, BH);
        expectmoved(page, old, 3, 2, 4, 3, 0, 1, "smaller buffer");
    }
    {
        // A larger buffer goes back whole, its older content beyond the block with it.
        TBitmap page(old), mask = uniformPicture(BW + 2, BH + 1, clRed);
        nudgeselection(page, mask, 3, 2, 101, BW, BH);
        for (int y = 0; y < BH + 1; ++y)
            for (int x = 0; x < BW + 2; ++x) {
                TColor want = x < BW && y < BH ? old.GetPixel(3 + x, 2 + y) : clRed;
                ASSERT_EQ(page.GetPixel(4 + x, 2 + y), want) << x << "," << y;
            }
        EXPECT_EQ(page.GetPixel(3, 2), old.GetPixel(3, 2));
    }
}

} // namespace
