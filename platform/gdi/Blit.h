#pragma once
// Block copies straight from a bitmap, for code that holds a bitmap rather than its canvas.
// BitBlt and StretchBlt in TCanvas.h are these with the source canvas's bitmap.
#include "TCanvas.h"

#include <cstdint>

class TBitmap;

// As BitBlt; src may be null when the raster operation reads no source.
bool BlitBitmap(TCanvas& dst, int x, int y, int w, int h, const TBitmap* src, int sx, int sy,
                std::uint32_t rop);
// As StretchBlt, with the destination canvas's stretch mode.
bool StretchBitmap(TCanvas& dst, int x, int y, int w, int h, const TBitmap& src, int sx, int sy, int sw,
                   int sh, std::uint32_t rop);
