#pragma once
#include "Progress.h"
#include "TBitmap.h"

#include <cstdint>

// The inverse mapping of a turn about a centre: destination pixel (x, y) reads the source at
// (e + x c1 + y c2, f + x s1 + y s2). c1, s1, c2, s2 are the turned unit vectors times the scale.
// Each value is kept as a 6-byte real.
struct TRotCoeffs {
    long double c1 = 0, s1 = 0, c2 = 0, s2 = 0, e = 0, f = 0;
};

// The same coefficients times 1000, rounded (halves to even): the pixel loop runs on these.
struct TRotFixed {
    std::int64_t E = 0, F = 0, C1 = 0, S1 = 0, C2 = 0, S2 = 0;
};

// Coefficients that turn by `angle` degrees and map the destination centre onto the source centre.
TRotCoeffs clipcoeffs(long double srcx, long double srcy, long double destx, long double desty,
                      long double scale, long double angle);
TRotFixed fixedcoeffs(const TRotCoeffs& k);

// Fills every pixel of dest from src turned clockwise (as seen on the screen) by `angle` degrees
// about (centrex, centrey), the same point in both pictures. A pixel whose source lies outside
// src becomes white. The bar advances by one every hundredth of dest's rows; it is neither shown
// nor reset here.
void rotateclipbits(const TBitmap& src, TBitmap& dest, int centrex, int centrey, double scale, double angle,
                    TProgress& bar);
