#pragma once
#include "TBitmap.h"

#include <cstdint>
#include <random>

// Small pictures made in code for the effect tests.
inline TBitmap noisepicture(int w, int h, unsigned seed, TPixelFormat pf = pf24bit) {
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

inline bool samepixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
    return true;
}
