#include "FrameDecoder.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kSlack = 64;
}

void TDibFrame::Layout(int width, int height, int bitCount, int clrUsed) {
    if (!mem_.empty() && width == width_ && height == height_ && bitCount == bitCount_ && clrUsed == clrUsed_)
        return;
    width_ = width;
    height_ = height;
    bitCount_ = bitCount;
    clrUsed_ = clrUsed;
    stride_ = std::size_t(DibRowBytes(width, bitCount));
    bitsOffset_ = sizeof(BITMAPINFOHEADER) + std::size_t(clrUsed) * sizeof(RGBQUAD);
    // Vector code of the converters may write a little past the last row.
    mem_.assign(bitsOffset_ + stride_ * std::size_t(height) + kSlack, 0);
    BITMAPINFOHEADER* h = Header();
    *h = BITMAPINFOHEADER{};
    h->biWidth = width;
    h->biHeight = height;
    h->biBitCount = std::uint16_t(bitCount);
    h->biCompression = BI_RGB;
    h->biSizeImage = std::uint32_t(stride_ * std::size_t(height));
    h->biClrUsed = std::uint32_t(clrUsed);
}

std::int64_t MaxFramePixels(std::uint64_t fileSize) {
    constexpr std::int64_t base = 4096LL * 4096LL;
    constexpr std::int64_t ceiling = 1LL << 27;
    std::int64_t bySize = fileSize > std::uint64_t(ceiling) ? ceiling : std::int64_t(fileSize) * 16;
    return std::min(ceiling, std::max(base, bySize));
}
