#pragma once
#include "Progress.h"
#include "TBitmap.h"

#include <cstdint>

// Smoothing, brightness steps, flip and mirror over the page. The whole-page passes work on a
// copy of the page of their own, so what runs while they pump messages cannot pull the pixels
// from under them, and replace the page in one block copy at the end.

// Moves each channel of a the fraction k/n of the way towards the same channel of b. Exact halves
// go the way the stored 6-byte quotient and the extended-precision thousandth send them, so two
// pictures blended here match pixel for pixel. n < 1 gives a back.
TColor blendmix(TColor a, TColor b, int n, int k);

// blendmix for one channel pair, from a 256 x 256 table (index a * 256 + b) made once per
// (n, k) from blendmix itself. n must be at least 1.
const std::uint8_t* blendTable(int n, int k);

// Every channel 8 up, held at 255 (lighten), or 8 down, held at 0.
TColor stepcolor(TColor c, bool lighten);

// "Heavy Soft Focus Filter": every pixel but row 0 and column 0 twice half-way towards its
// upper-left neighbour, in place, so the effect carries along the diagonals.
void doblend(TBitmap& page, TProgress& bar);
// "Soften Light": the inner pixels take 3/10 of their left neighbour and then pass the vertical
// mix of their upper and lower neighbours to the pixel on their left.
void doblend2(TBitmap& page, TProgress& bar);
// "Lighten Image" / "Darken Image": stepcolor on every pixel.
void doblend3(TBitmap& page, bool lighten, TProgress& bar);
// The page under the clip's non-white pixels, the clip's pixel (0, 0) lying at (clipx, clipy) on
// the page: each such pixel first passes its mix with its left neighbour to its right neighbour,
// then takes its upper neighbour moved (64 - steps)/64 of the way to its lower one (at least
// 1/64). Neighbours off the page read as all channels 255; writes off the page are dropped.
void doclipblend(TBitmap& page, const TBitmap& clip, int clipx, int clipy, int steps, TProgress& bar);

// "&Flip vertical" and "&Mirror horizontal": the undo copy takes the page, is filled with the
// page turned over (or mirrored), and the page takes the undo copy, so both end turned. The bar
// counts without pumping and ends at position 1, hidden. An empty page is left alone.
void flipPicture(TBitmap& page, TBitmap& undo, TProgress& bar);
void mirrorPicture(TBitmap& page, TBitmap& undo, TProgress& bar);
