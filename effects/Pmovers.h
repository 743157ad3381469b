#pragma once
#include "TBitmap.h"

// Moves the W x H block of the page whose top-left pixel is (X, Y) by one pixel in the direction
// of a pixel-mover tool code (101 right, 102 left, 103 up, 104 down, 105 down-left, 106
// down-right, 107 up-left, 108 up-right) through the holding buffer `mask`: the block is copied
// into the buffer at (0, 0) as far as the buffer holds it, and the whole buffer is copied back at
// the block's new place. The row or column the block leaves keeps its pixels (a one-pixel trail).
// Rows and columns of the block that lie off the page are neither read nor written back, so the
// page pixels they would reach keep their values; the rest of a buffer larger than the block goes
// back with it. Any other code only fills the buffer. Reports what it changed on the page.
void nudgeselection(TBitmap& page, TBitmap& mask, int X, int Y, int code, int W, int H);
