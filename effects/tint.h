#pragma once
// The colour tint: each channel of every non-white pixel scaled by its own percentage, then all
// three shifted by one luminosity offset and held within 0..255.
#include "Progress.h"
#include "TBitmap.h"

#include <array>
#include <cstdint>

// The tint of one channel for each of its 256 values: c + Round(p * c / 100) (halves to even; 0
// stays 0), then + offset, clamped to 0..255. The offset is any integer, added in 64 bits.
std::array<std::uint8_t, 256> tintTable(int percent, long long offset);

// The tint of one colour; white stays white.
TColor tintColour(TColor c, int red, int green, int blue, long long offset);

// Tints every non-white pixel of the bitmap, row by row; the bar steps each hundredth of the rows.
void colourTint(TBitmap& b, int red, int green, int blue, long long offset, TProgress& bar);
