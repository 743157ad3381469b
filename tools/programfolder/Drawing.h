#pragma once
// Small drawing helpers of the program folder's generator: a stroke font for names and frame
// numbers, strokes drawn up to a fraction of their length, and palettes made of colour ramps.
#include "TBitmap.h"
#include "TCanvas.h"

#include <string>
#include <vector>

struct StrokePoint {
    double x;
    double y;
};
using Stroke = std::vector<StrokePoint>;

// The strokes of a text in our stroke font (capitals of "ORVANTA" and the digits), each glyph
// 4 units wide and 6 high, 2 units apart, placed at (x, y) with `unit` pixels a unit.
std::vector<Stroke> textStrokes(const std::string& text, double x, double y, double unit);
double textWidthUnits(const std::string& text);

// Draws the strokes in order with the canvas's pen, up to `fraction` (0..1) of their whole
// length, the last one cut where the fraction ends. Returns the point the drawing reached.
StrokePoint drawStrokes(TCanvas& canvas, const std::vector<Stroke>& strokes, double fraction);

struct ColourRamp {
    TColor from;
    TColor to;
    int count;
};
// Consecutive ramps, padded with black to 256 entries.
HPALETTE rampPalette(const std::vector<ColourRamp>& ramps);
// An 8-bit bitmap with that palette, every pixel index 0.
TBitmap paletteBitmap(int width, int height, const HPALETTE& palette);
// Sets a whole row to one palette index.
void fillRow(TBitmap& bmp, int y, int index);
