#pragma once
// The pixel work of the page's drawing tools, over bitmaps and canvases only, so the tools can be
// checked and timed without the main window (which calls them from Pbook_mouse_*.cpp).
#include "Geometry.h"
#include "Progress.h"
#include "TBitmap.h"
#include "TCanvas.h"

#include <random>
#include <string>
#include <vector>

// The palette-relative form of a colour (0x02 in the top byte over its plain RGB value).
TColor PaletteRelative(TColor c);

// One burst of spray at (X, Y): 100 random offsets dx, dy in 0..width - 1, each setting the four
// mirrored pixels (X -+ dx, Y +- dy) to `color`. Pixels beyond the page are skipped; a width of 0
// or less sprays nothing. Reports one changed rectangle.
void spraydots(TBitmap& page, int X, int Y, int width, TColor color, std::mt19937& rng);

// The colour replacer's square: every pixel (X + j, Y + i) for i, j in 1..width whose colour is
// exactly `from` becomes `to`. The square lies right of and below the point. Pixels beyond the
// page are skipped; a width of 0 or less changes nothing. Returns whether any pixel changed.
bool replacesquare(TBitmap& page, int X, int Y, int width, TColor from, TColor to);

// The Bezier tool's placement of a dragged curve from `start` to `end`. False when the drag is too
// short to place (less than 10 pixels up-left or down-right); otherwise the control points, each
// axis on its own: a third and two thirds of the way when the end lies more than 10 beyond the
// start, 20 either side of the start when the end is near it, and ctl1 always on the side of the
// smaller coordinate.
bool bezcontrols(TPoint start, TPoint end, TPoint& ctl1, TPoint& ctl2);
// A release that did not really move from the press (no curve to place).
bool beznodrag(int X, int Y, int downx, int downy);

// The gradient globe: a disc of diameter 2r (r = half the larger side of the dragged rectangle)
// anchored at the rectangle's top-left, drawn as r rings with a 2-pixel pen whose colours run
// through `colors` (decimal colour texts) from the outside in. Sets the canvas's brush clear and
// its pen to width 2, inside frame, first. Draws nothing with fewer than 2 colours or r below 5;
// returns whether it drew.
bool drawglobe(TCanvas& canvas, int X1, int Y1, int X2, int Y2, const std::vector<std::string>& colors);

// Every pixel of `scratch` that lies inside `clip` (aligned at the top-left corners) and is exactly
// colour `c` takes the clip's pixel at the same place. The bar steps row by row.
void replacewithclip(TBitmap& scratch, const TBitmap& clip, TColor c, TProgress& bar);
