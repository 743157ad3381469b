#include "DrawDib.h"

#include "TCanvas.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

class TDibRows {
public:
    TDibRows(const BITMAPINFOHEADER* bi, const void* bits) : bi_(*bi) {
        width_ = bi_.biWidth;
        topDown_ = bi_.biHeight < 0;
        height_ = topDown_ ? -std::int64_t(bi_.biHeight) : bi_.biHeight;
        stride_ = std::size_t(DibRowBytes(width_, bi_.biBitCount));
        bits_ = static_cast<const std::uint8_t*>(bits);
        if (bi_.biBitCount <= 8) {
            const auto* q =
                reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const std::uint8_t*>(bi) + bi_.biSize);
            std::size_t n =
                bi_.biClrUsed ? std::min<std::uint32_t>(bi_.biClrUsed, 256) : (1u << bi_.biBitCount);
            colors_.assign(256, 0xFF000000u);
            for (std::size_t i = 0; i < n; ++i)
                colors_[i] = 0xFF000000u | (std::uint32_t(q[i].rgbRed) << 16) |
                             (std::uint32_t(q[i].rgbGreen) << 8) | q[i].rgbBlue;
        }
        row_.resize(std::size_t(std::max<std::int64_t>(width_, 0)));
    }
    bool Usable() const {
        int b = bi_.biBitCount;
        bool okBits = b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32;
        return bits_ && okBits && bi_.biCompression == BI_RGB && width_ > 0 && height_ > 0;
    }
    int Width() const { return int(width_); }
    int Height() const { return int(height_); }

    // Row y counted from the top, as 0xFFRRGGBB words.
    const std::uint32_t* Row(int y) {
        if (y == cached_) return row_.data();
        cached_ = y;
        const std::uint8_t* s = bits_ + stride_ * std::size_t(topDown_ ? y : height_ - 1 - y);
        Convert(s, row_.data(), 0, int(width_));
        return row_.data();
    }
    void Convert(const std::uint8_t* s, std::uint32_t* d, int x0, int x1) const {
        switch (bi_.biBitCount) {
        case 1:
            for (int x = x0; x < x1; ++x)
                *d++ = colors_[(s[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            for (int x = x0; x < x1; ++x)
                *d++ = colors_[(x & 1) ? (s[x >> 1] & 0x0F) : (s[x >> 1] >> 4)];
            break;
        case 8:
            for (int x = x0; x < x1; ++x)
                *d++ = colors_[s[x]];
            break;
        case 16:
            for (int x = x0; x < x1; ++x) {
                std::uint32_t p = std::uint32_t(s[2 * x] | (s[2 * x + 1] << 8));
                std::uint32_t r = (p >> 10) & 31, g = (p >> 5) & 31, b = p & 31;
                *d++ = 0xFF000000u | (((r << 3) | (r >> 2)) << 16) | (((g << 3) | (g >> 2)) << 8) |
                       ((b << 3) | (b >> 2));
            }
            break;
        case 24:
            for (int x = x0; x < x1; ++x) {
                const std::uint8_t* p = s + 3 * x;
                *d++ = 0xFF000000u | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
            }
            break;
        case 32:
            for (int x = x0; x < x1; ++x) {
                std::uint32_t p;
                std::memcpy(&p, s + 4 * x, 4);
                *d++ = 0xFF000000u | (p & 0xFFFFFF);
            }
            break;
        }
    }
    // Part of row y (from the top) straight into d.
    void RowSpan(int y, int x0, int x1, std::uint32_t* d) const {
        const std::uint8_t* s = bits_ + stride_ * std::size_t(topDown_ ? y : height_ - 1 - y);
        Convert(s, d, x0, x1);
    }

private:
    BITMAPINFOHEADER bi_;
    std::int64_t width_ = 0, height_ = 0;
    bool topDown_ = false;
    std::size_t stride_ = 0;
    const std::uint8_t* bits_ = nullptr;
    std::vector<std::uint32_t> colors_;
    std::vector<std::uint32_t> row_;
    int cached_ = -1;
};

void putPixel(TBitmap& dst, int x, int y, std::uint32_t word) {
    if (dst.IsIndexed())
        dst.SetPixel(x, y, TBitmap::FromWord(word));
    else
        dst.Row32(y)[x] = word;
}

} // namespace

bool DrawDibDraw(TBitmap& dst, int xDst, int yDst, int dxDst, int dyDst, const BITMAPINFOHEADER* bi,
                 const void* bits, int xSrc, int ySrc, int dxSrc, int dySrc, unsigned flags) {
    if (!bi) return false;
    TDibRows src(bi, bits);
    if (!src.Usable()) return false;
    if (dxSrc < 0) dxSrc = src.Width() - xSrc;
    if (dySrc < 0) dySrc = src.Height() - ySrc;
    if (dxDst < 0) dxDst = dxSrc;
    if (dyDst < 0) dyDst = dySrc;
    if (xSrc < 0 || ySrc < 0 || dxSrc <= 0 || dySrc <= 0 || std::int64_t(xSrc) + dxSrc > src.Width() ||
        std::int64_t(ySrc) + dySrc > src.Height())
        return false;
    if (dxDst <= 0 || dyDst <= 0 || dst.Empty()) return true;
    const TRect clip = IntersectRect(Bounds(xDst, yDst, dxDst, dyDst), Rect(0, 0, dst.Width(), dst.Height()));
    if (clip.IsEmpty()) return true;

    // Source columns of each target column: [sx0, sx1).
    const int cw = clip.Width();
    std::vector<int> sx0(static_cast<std::size_t>(cw)), sx1(static_cast<std::size_t>(cw));
    const bool avgX = (flags & DDF_HALFTONE) && dxSrc > dxDst;
    const bool avgY = (flags & DDF_HALFTONE) && dySrc > dyDst;
    for (int i = 0; i < cw; ++i) {
        std::int64_t t = clip.Left + i - xDst;
        std::int64_t a = t * dxSrc / dxDst;
        std::int64_t b = avgX ? std::max(a + 1, ((t + 1) * dxSrc + dxDst - 1) / dxDst) : a + 1;
        sx0[std::size_t(i)] = xSrc + int(a);
        sx1[std::size_t(i)] = xSrc + int(std::min<std::int64_t>(b, dxSrc));
    }
    const bool oneToOne = dxSrc == dxDst && dySrc == dyDst;
    std::vector<std::uint32_t> sums;
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        std::int64_t t = y - yDst;
        int sy0 = ySrc + int(t * dySrc / dyDst);
        if (oneToOne && !dst.IsIndexed()) {
            src.RowSpan(sy0, sx0[0], sx0[0] + cw, dst.Row32(y) + clip.Left);
            continue;
        }
        int sy1 = avgY ? ySrc + int(std::min<std::int64_t>(
                                    std::max<std::int64_t>(t * dySrc / dyDst + 1,
                                                           ((t + 1) * dySrc + dyDst - 1) / dyDst),
                                    dySrc))
                       : sy0 + 1;
        if (!avgX && !avgY) {
            const std::uint32_t* row = src.Row(sy0);
            for (int i = 0; i < cw; ++i)
                putPixel(dst, clip.Left + i, y, row[sx0[std::size_t(i)]]);
            continue;
        }
        sums.assign(std::size_t(cw) * 4, 0);
        for (int sy = sy0; sy < sy1; ++sy) {
            const std::uint32_t* row = src.Row(sy);
            for (int i = 0; i < cw; ++i) {
                std::uint32_t* acc = &sums[std::size_t(i) * 4];
                for (int sx = sx0[std::size_t(i)]; sx < sx1[std::size_t(i)]; ++sx) {
                    std::uint32_t p = row[sx];
                    acc[0] += (p >> 16) & 0xFF;
                    acc[1] += (p >> 8) & 0xFF;
                    acc[2] += p & 0xFF;
                    acc[3] += 1;
                }
            }
        }
        for (int i = 0; i < cw; ++i) {
            const std::uint32_t* acc = &sums[std::size_t(i) * 4];
            std::uint32_t n = acc[3], h = n / 2;
            std::uint32_t w =
                0xFF000000u | (((acc[0] + h) / n) << 16) | (((acc[1] + h) / n) << 8) | ((acc[2] + h) / n);
            putPixel(dst, clip.Left + i, y, w);
        }
    }
    dst.Changed(clip);
    return true;
}

bool DrawDibDraw(TCanvas& dst, int xDst, int yDst, int dxDst, int dyDst, const BITMAPINFOHEADER* bi,
                 const void* bits, int xSrc, int ySrc, int dxSrc, int dySrc, unsigned flags) {
    if (!dst.Target()) return false;
    return DrawDibDraw(*dst.Target(), xDst, yDst, dxDst, dyDst, bi, bits, xSrc, ySrc, dxSrc, dySrc, flags);
}

std::unique_ptr<TDrawDib> DrawDibOpen() {
    return std::make_unique<TDrawDib>(TDrawDib{true});
}
