#include "Pixels.h"

#include <cstdint>
#include <random>

bool samePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
    return true;
}

std::vector<TPoint> differences(const TBitmap& a, const TBitmap& b) {
    std::vector<TPoint> d;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y)) d.push_back({x, y});
    return d;
}

int countColour(const TBitmap& b, TColor c) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += b.GetPixel(x, y) == c;
    return n;
}

bool allPixels(const TBitmap& b, TColor c) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.GetPixel(x, y) != c) return false;
    return true;
}

TBitmap uniformPicture(int w, int h, TColor c) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, c);
    return b;
}

TBitmap noisePicture(int w, int h, unsigned seed, TPixelFormat pf) {
    TBitmap b(w, h, pf);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y) {
        if (b.IsIndexed()) {
            std::uint8_t* row = b.ScanLine(y);
            for (int x = 0; x < w; ++x)
                row[x] = std::uint8_t(rng());
        } else {
            std::uint32_t* row = b.Row32(y);
            for (int x = 0; x < w; ++x)
                row[x] = 0xFF000000u | (rng() & 0xFFFFFF);
        }
    }
    return b;
}
