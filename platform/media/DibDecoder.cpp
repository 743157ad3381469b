// Uncompressed and run-length frames of device-independent bitmaps.
#include "FrameDecoder.h"

#include <algorithm>
#include <cstring>

namespace {

struct SourceFormat {
    BITMAPINFOHEADER bi;
    int width = 0;
    int height = 0;
    bool topDown = false;
    std::vector<RGBQUAD> palette;
    std::uint32_t masks[3] = {0, 0, 0};
};

bool readFormat(const std::vector<std::uint8_t>& format, std::int64_t maxPixels, SourceFormat& f) {
    if (format.size() < sizeof(BITMAPINFOHEADER)) return false;
    std::memcpy(&f.bi, format.data(), sizeof f.bi);
    const BITMAPINFOHEADER& bi = f.bi;
    if (bi.biSize < 40 || bi.biSize > format.size() || bi.biWidth <= 0 || bi.biHeight == 0 ||
        bi.biHeight == INT32_MIN)
        return false;
    f.width = bi.biWidth;
    f.topDown = bi.biHeight < 0;
    f.height = f.topDown ? -bi.biHeight : bi.biHeight;
    if (f.width > 32768 || f.height > 32768 || std::int64_t(f.width) * f.height > maxPixels) return false;
    if (bi.biBitCount <= 8) {
        std::uint32_t n =
            bi.biClrUsed ? std::min<std::uint32_t>(bi.biClrUsed, 1u << bi.biBitCount) : (1u << bi.biBitCount);
        f.palette.assign(n, RGBQUAD{});
        std::size_t have = (format.size() - bi.biSize) / 4;
        std::memcpy(f.palette.data(), format.data() + bi.biSize, std::min<std::size_t>(have, n) * 4);
    }
    if (bi.biCompression == BI_BITFIELDS) {
        if (format.size() < 52) return false;
        std::memcpy(f.masks, format.data() + 40, 12);
    } else if (bi.biBitCount == 16) {
        f.masks[0] = 0x7C00;
        f.masks[1] = 0x03E0;
        f.masks[2] = 0x001F;
    } else if (bi.biBitCount == 32) {
        f.masks[0] = 0xFF0000;
        f.masks[1] = 0x00FF00;
        f.masks[2] = 0x0000FF;
    }
    return true;
}

// A channel of a bit-field pixel, widened to 8 bits.
struct Field {
    int shift = 0;
    int bits = 0;
    std::uint32_t mask = 0;
    explicit Field(std::uint32_t m) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1))
            ++shift;
        while (shift + bits < 32 && ((m >> (shift + bits)) & 1))
            ++bits;
    }
    std::uint8_t operator()(std::uint32_t px) const {
        if (!bits) return 0;
        std::uint32_t v = (px & mask) >> shift;
        if (bits >= 8) return std::uint8_t(v >> (bits - 8));
        // Replicate the top bits so full scale stays full scale.
        std::uint32_t out = 0;
        for (int filled = 0; filled < 8; filled += bits)
            out = (out << bits) | v;
        return std::uint8_t(out >> (((8 + bits - 1) / bits) * bits - 8));
    }
};

class TRawDecoder : public TFrameDecoder {
public:
    explicit TRawDecoder(SourceFormat f)
        : f_(std::move(f)), r_(f_.masks[0]), g_(f_.masks[1]), b_(f_.masks[2]) {
        srcStride_ = std::size_t(DibRowBytes(f_.width, f_.bi.biBitCount));
    }
    bool IntraOnly() const override { return true; }

    bool Decode(const std::uint8_t* data, std::size_t size, TDibFrame& out) override {
        const int bpp = f_.bi.biBitCount;
        if (size < srcStride_ * std::size_t(f_.height)) return false;
        const int outBits = bpp <= 8 ? 8 : (bpp == 32 ? 32 : 24);
        out.Layout(f_.width, f_.height, outBits, bpp <= 8 ? int(f_.palette.size()) : 0);
        if (bpp <= 8) std::copy(f_.palette.begin(), f_.palette.end(), out.Colors());
        for (int y = 0; y < f_.height; ++y) {
            const std::uint8_t* src = data + srcStride_ * std::size_t(f_.topDown ? f_.height - 1 - y : y);
            std::uint8_t* dst = out.Row(y);
            convertRow(src, dst, bpp);
        }
        return true;
    }

private:
    void convertRow(const std::uint8_t* src, std::uint8_t* dst, int bpp) const {
        const int w = f_.width;
        switch (bpp) {
        case 1:
            for (int x = 0; x < w; ++x)
                dst[x] = (src[x >> 3] >> (7 - (x & 7))) & 1;
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                dst[x] = (x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4);
            break;
        case 8:
            std::memcpy(dst, src, std::size_t(w));
            break;
        case 16:
            for (int x = 0; x < w; ++x) {
                std::uint32_t px = std::uint32_t(src[2 * x] | (src[2 * x + 1] << 8));
                dst[3 * x] = b_(px);
                dst[3 * x + 1] = g_(px);
                dst[3 * x + 2] = r_(px);
            }
            break;
        case 24:
            std::memcpy(dst, src, std::size_t(w) * 3);
            break;
        case 32:
            if (f_.bi.biCompression != BI_BITFIELDS) {
                std::memcpy(dst, src, std::size_t(w) * 4);
                break;
            }
            for (int x = 0; x < w; ++x) {
                std::uint32_t px;
                std::memcpy(&px, src + 4 * x, 4);
                dst[4 * x] = b_(px);
                dst[4 * x + 1] = g_(px);
                dst[4 * x + 2] = r_(px);
                dst[4 * x + 3] = 0;
            }
            break;
        }
    }

    SourceFormat f_;
    Field r_, g_, b_;
    std::size_t srcStride_ = 0;
};

// Run-length frames draw onto the previous frame: skips and an early end leave pixels as they were.
class TRleDecoder : public TFrameDecoder {
public:
    explicit TRleDecoder(SourceFormat f) : f_(std::move(f)), four_(f_.bi.biCompression == BI_RLE4) {}
    bool IntraOnly() const override { return false; }
    void Reset() override { clear_ = true; }

    bool Decode(const std::uint8_t* p, std::size_t size, TDibFrame& out) override {
        out.Layout(f_.width, f_.height, 8, int(f_.palette.size()));
        std::copy(f_.palette.begin(), f_.palette.end(), out.Colors());
        if (clear_) {
            std::memset(out.Bits(), 0, out.Stride() * std::size_t(f_.height));
            clear_ = false;
        }
        const std::uint8_t* end = p + size;
        int x = 0, y = 0;
        auto put = [&](std::uint8_t v) {
            if (x < f_.width && y < f_.height) out.Row(y)[x] = v;
            ++x;
        };
        while (end - p >= 2 && y < f_.height) {
            std::uint8_t count = p[0], value = p[1];
            p += 2;
            if (count > 0) {
                for (int i = 0; i < count; ++i)
                    put(four_ ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
                continue;
            }
            if (value == 0) { // end of line
                x = 0;
                ++y;
            } else if (value == 1) { // end of frame
                break;
            } else if (value == 2) { // move right and up
                if (end - p < 2) break;
                x += p[0];
                y += p[1];
                p += 2;
            } else { // a literal run, padded to a 16-bit boundary
                std::size_t bytes = four_ ? (std::size_t(value) + 1) / 2 : value;
                if (std::size_t(end - p) < bytes) return false;
                for (int i = 0; i < value; ++i)
                    put(four_ ? ((i & 1) ? (p[i >> 1] & 0x0F) : (p[i >> 1] >> 4)) : p[i]);
                p += bytes + (bytes & 1);
            }
        }
        return true;
    }

private:
    SourceFormat f_;
    bool four_;
    bool clear_ = true;
};

} // namespace

std::unique_ptr<TFrameDecoder> MakeDibDecoder(const std::vector<std::uint8_t>& format,
                                              std::int64_t maxPixels) {
    SourceFormat f;
    if (!readFormat(format, maxPixels, f)) return nullptr;
    const auto& bi = f.bi;
    switch (bi.biCompression) {
    case BI_RGB:
        if (bi.biBitCount == 1 || bi.biBitCount == 4 || bi.biBitCount == 8 || bi.biBitCount == 16 ||
            bi.biBitCount == 24 || bi.biBitCount == 32)
            return std::make_unique<TRawDecoder>(std::move(f));
        return nullptr;
    case BI_BITFIELDS:
        if ((bi.biBitCount == 16 || bi.biBitCount == 32) && (f.masks[0] | f.masks[1] | f.masks[2]))
            return std::make_unique<TRawDecoder>(std::move(f));
        return nullptr;
    case BI_RLE8:
        if (bi.biBitCount != 8 || f.topDown) return nullptr;
        return std::make_unique<TRleDecoder>(std::move(f));
    case BI_RLE4:
        if (bi.biBitCount != 4 || f.topDown) return nullptr;
        return std::make_unique<TRleDecoder>(std::move(f));
    default:
        return nullptr;
    }
}
