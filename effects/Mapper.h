#pragma once
#include "Palette.h"
#include "Progress.h"
#include "TBitmap.h"

// Drives the bar for the palette mapping. kind 1: position 0 and shown; kind 2: position
// round(max x 0.01 x pos) (the bar holds anything above 100 at 100); kind 0: hidden; any other
// kind does nothing.
void mapprogress(int max, int pos, int kind, TProgress& bar);

// Redraws a 256-colour clip against the page's palette: afterwards the clip's palette holds the
// target's entries 1..254 (its own 0 and 255 stay) and every pixel shows the entry of that palette
// nearest to its former colour (least squared RGB distance, lowest index on ties). Pending
// messages are pumped while the palette is taken over, before any pixel is read. Returns false,
// changing nothing, unless the clip is a palette bitmap and both palettes hold 256 entries.
bool maptopalette(const HPALETTE& target, TBitmap& clip, TProgress& bar);
