#include "DrawDib.h"
#include "TBitmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A packed 24-bit bitmap w x h whose pixel (x, y from the top) has colour f(x, y).
template <class F> std::vector<std::uint8_t> dib24(int w, int h, F f, bool topDown = false) {
    std::size_t stride = std::size_t(DibRowBytes(w, 24));
    std::vector<std::uint8_t> mem(sizeof(BITMAPINFOHEADER) + stride * std::size_t(h));
    BITMAPINFOHEADER bi;
    bi.biWidth = w;
    bi.biHeight = topDown ? -h : h;
    bi.biBitCount = 24;
    std::memcpy(mem.data(), &bi, sizeof bi);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            TColor c = f(x, y);
            std::uint8_t* p = mem.data() + sizeof bi + stride * std::size_t(topDown ? y : h - 1 - y) + 3 * x;
            p[0] = std::uint8_t(GetBValue(c));
            p[1] = std::uint8_t(GetGValue(c));
            p[2] = std::uint8_t(GetRValue(c));
        }
    return mem;
}

const BITMAPINFOHEADER* hdr(const std::vector<std::uint8_t>& m) {
    return reinterpret_cast<const BITMAPINFOHEADER*>(m.data());
}
const void* bits(const std::vector<std::uint8_t>& m) {
    return m.data() + sizeof(BITMAPINFOHEADER);
}

TColor quadrant(int x, int y) {
    return x < 2 ? (y < 2 ? clRed : clLime) : (y < 2 ? clBlue : clYellow);
}

TEST(DrawDib, OneToOneCopiesAtTheOffsetAndClips) {
    for (bool topDown : {false, true}) {
        auto m = dib24(4, 4, quadrant, topDown);
        TBitmap dst(6, 6);
        ASSERT_TRUE(DrawDibDraw(dst, 3, -1, 4, 4, hdr(m), bits(m), 0, 0, -1, -1, 0));
        EXPECT_EQ(dst.GetPixel(2, 0), clWhite);
        EXPECT_EQ(dst.GetPixel(3, 0), clRed);    // source row 1
        EXPECT_EQ(dst.GetPixel(4, 1), clLime);   // source row 2
        EXPECT_EQ(dst.GetPixel(5, 2), clYellow); // source column 2, row 3
        EXPECT_EQ(dst.GetPixel(5, 0), clBlue);
        EXPECT_EQ(dst.GetPixel(3, 3), clWhite); // below the frame
    }
}

TEST(DrawDib, StretchingDoublesPixelsAndHalftoneShrinkAverages) {
    auto m = dib24(4, 4, quadrant);
    TBitmap big(8, 8);
    ASSERT_TRUE(DrawDibDraw(big, 0, 0, 8, 8, hdr(m), bits(m), 0, 0, -1, -1, DDF_HALFTONE));
    EXPECT_EQ(big.GetPixel(3, 3), clRed);
    EXPECT_EQ(big.GetPixel(4, 3), clBlue);
    EXPECT_EQ(big.GetPixel(7, 7), clYellow);

    auto stripes = dib24(4, 2, [](int x, int) { return x % 2 ? clWhite : clBlack; });
    TBitmap small(2, 1);
    ASSERT_TRUE(DrawDibDraw(small, 0, 0, 2, 1, hdr(stripes), bits(stripes), 0, 0, -1, -1, DDF_HALFTONE));
    EXPECT_EQ(small.GetPixel(0, 0), RGB(128, 128, 128));
    ASSERT_TRUE(DrawDibDraw(small, 0, 0, 2, 1, hdr(stripes), bits(stripes), 0, 0, -1, -1, 0));
    EXPECT_EQ(small.GetPixel(0, 0), clBlack); // nearest pixel without halftone
}

TEST(DrawDib, PaletteFramesDrawThroughTheirColourTable) {
    std::vector<std::uint8_t> mem(sizeof(BITMAPINFOHEADER) + 2 * 4 + 4);
    BITMAPINFOHEADER bi;
    bi.biWidth = 3;
    bi.biHeight = 1;
    bi.biBitCount = 8;
    bi.biClrUsed = 2;
    std::memcpy(mem.data(), &bi, sizeof bi);
    RGBQUAD q[2] = {{0, 0, 255, 0}, {255, 0, 0, 0}};
    std::memcpy(mem.data() + 40, q, 8);
    mem[48] = 1;
    mem[49] = 0;
    mem[50] = 1;
    TBitmap dst(3, 1);
    ASSERT_TRUE(DrawDibDraw(dst, 0, 0, -1, -1, hdr(mem), mem.data() + 48, 0, 0, -1, -1, 0));
    EXPECT_EQ(dst.GetPixel(0, 0), clBlue);
    EXPECT_EQ(dst.GetPixel(1, 0), clRed);
}

TEST(DrawDib, RefusesWhatItCannotDraw) {
    auto m = dib24(4, 4, quadrant);
    TBitmap dst(4, 4);
    EXPECT_FALSE(DrawDibDraw(dst, 0, 0, 4, 4, nullptr, nullptr, 0, 0, -1, -1, 0));
    EXPECT_FALSE(DrawDibDraw(dst, 0, 0, 4, 4, hdr(m), bits(m), 2, 2, 4, 4, 0)); // source outside
    auto rle = m;
    reinterpret_cast<BITMAPINFOHEADER*>(rle.data())->biCompression = BI_RLE8;
    EXPECT_FALSE(DrawDibDraw(dst, 0, 0, 4, 4, hdr(rle), bits(rle), 0, 0, -1, -1, 0));
    EXPECT_EQ(dst.GetPixel(0, 0), clWhite);
}

} // namespace
