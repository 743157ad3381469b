#pragma once
// Pixel comparisons and small pictures made in code, for every test area.
#include "Geometry.h"
#include "TBitmap.h"

#include <vector>

// The same size and every pixel the same.
bool samePixels(const TBitmap& a, const TBitmap& b);
// Where two bitmaps of one size differ, row by row.
std::vector<TPoint> differences(const TBitmap& a, const TBitmap& b);
int countColour(const TBitmap& b, TColor c);
// Every pixel is `c`.
bool allPixels(const TBitmap& b, TColor c);
// Every pixel `c`.
TBitmap uniformPicture(int w, int h, TColor c);
// Random pixels from `seed`: random colours, or random palette indexes on an indexed bitmap.
TBitmap noisePicture(int w, int h, unsigned seed, TPixelFormat pf = pf24bit);
