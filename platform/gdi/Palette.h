#pragma once
#include "TColor.h"

#include <cstdint>
#include <memory>
#include <vector>

struct PALETTEENTRY {
    std::uint8_t peRed = 0;
    std::uint8_t peGreen = 0;
    std::uint8_t peBlue = 0;
    std::uint8_t peFlags = 0;
    friend bool operator==(const PALETTEENTRY&, const PALETTEENTRY&) = default;
};

// A logical palette of up to 256 entries. Handles are shared: a bitmap and the canvases that
// select it refer to the same palette object.
struct LogPalette {
    std::vector<PALETTEENTRY> entries;
};
using HPALETTE = std::shared_ptr<LogPalette>;

HPALETTE CreatePalette(const std::vector<PALETTEENTRY>& entries);
// Copies entries [start, start+count) into out; returns how many were copied
// (with a null out, the palette's entry count).
int GetPaletteEntries(const HPALETTE& pal, int start, int count, PALETTEENTRY* out);
int SetPaletteEntries(const HPALETTE& pal, int start, int count, const PALETTEENTRY* in);
// The index of the entry nearest to the colour (least squared RGB distance, lowest index on ties).
int GetNearestPaletteIndex(const HPALETTE& pal, TColor c);
// A palette of the standard 256 colours (the 20 static ones and a colour cube) for 8-bit work.
HPALETTE DefaultPalette256();

class TCanvas;
// Selecting and realising a palette do nothing on our true-colour display; they return what a
// caller expects: the previous palette, and the number of entries that changed (0).
HPALETTE SelectPalette(TCanvas& canvas, const HPALETTE& pal, bool background);
int RealizePalette(TCanvas& canvas);
