#pragma once
#include "MediaTypes.h"
#include "TBitmap.h"

#include <memory>

class TCanvas;

// Drawing flags of DrawDibDraw.
constexpr unsigned DDF_HALFTONE = 0x1000; // average the source pixels when shrinking

// Drawing of packed device-independent bitmaps in the DrawDib manner: the source rectangle
// (top-down coordinates; a width or height of -1 means the whole frame) stretched into the
// destination rectangle, clipped to the target bitmap. Without DDF_HALFTONE, or when enlarging,
// each target pixel takes the nearest source pixel. Handles 1, 4 and 8 bits with a colour table
// and 16 (5-5-5), 24 and 32 bits, bottom-up or top-down. False for a format it cannot draw.
bool DrawDibDraw(TBitmap& dst, int xDst, int yDst, int dxDst, int dyDst, const BITMAPINFOHEADER* bi,
                 const void* bits, int xSrc, int ySrc, int dxSrc, int dySrc, unsigned flags);
bool DrawDibDraw(TCanvas& dst, int xDst, int yDst, int dxDst, int dyDst, const BITMAPINFOHEADER* bi,
                 const void* bits, int xSrc, int ySrc, int dxSrc, int dySrc, unsigned flags);

// The handle of the DrawDib calls: nothing is cached between draws, so opening, closing and
// reopening it (on a display change) cost nothing.
struct TDrawDib {
    bool open = false;
};
std::unique_ptr<TDrawDib> DrawDibOpen();
