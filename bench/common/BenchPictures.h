#pragma once
// Pictures made in code for the benchmarks that work on a page.
#include "TBitmap.h"

#include <cstdint>

// side x side: red rising left to right, green top to bottom, blue noise from `seed`, so no two
// neighbours are alike and nothing compresses or runs.
inline TBitmap gradientNoise(int side, unsigned seed) {
    TBitmap b(side, side);
    unsigned r = seed;
    for (int y = 0; y < side; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < side; ++x) {
            r = r * 1664525u + 1013904223u;
            row[x] = 0xFF000000u | ((x * 255 / side) << 16) | ((y * 255 / side) << 8) | (r >> 24);
        }
    }
    return b;
}
