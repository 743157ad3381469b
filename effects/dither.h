#pragma once
#include "TBitmap.h"

#include <functional>

// Error diffusion to black and white for faxing, one of three kernels: style 0 (Stucki, its two
// lower rows centred one column left of the pixel), 1 (Burkes) and 2 (Sierra Lite); any other
// style leaves the picture alone.
//
// Rows top to bottom, pixels left to right: a pixel whose blue channel v is above 128 becomes
// white with error v - 255, any other black with error v. A non-zero error goes to each
// neighbour inside the picture that the kernel names: c := its blue channel + error x weight div
// divisor (toward zero), held in 0..255, and the neighbour becomes the grey (c, c, c), so pixels
// not yet visited turn grey before they are thresholded themselves.
//
// `beforeRow(y)` runs before row y; returning false ends the pass there (rows from y on keep
// whatever grey the rows above gave them). It may pump messages: the pass takes its row pointers
// afresh after it, and the caller ends the pass if the bitmap was resized meanwhile. A palette
// bitmap is first made true colour, so that the greys and the two results are exact. Returns
// whether every row was done.
bool dither(TBitmap& bmp, int style, const std::function<bool(int y)>& beforeRow = {});
