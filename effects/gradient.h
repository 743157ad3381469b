#pragma once
// The gradient colour list and the gradient fills, as arithmetic over colours and bitmaps: the
// stretch of colour bands the list is taken from, the list itself, the strip that shows it, and
// the page fills that paint with it. The windows (gradpal, the palette, the main window) call
// these; nothing here knows a window.
#include "Progress.h"
#include "TBitmap.h"
#include "TCanvas.h"

#include <array>
#include <string>
#include <vector>

// The three colour offsets added to the left colour's channels at the start of the stretch.
struct TStretchOffsets {
    int r = 0, g = 0, b = 0;
};

// The 256 band colours of a stretch from `left` towards full brightness: each channel starts at
// the left colour's value plus its offset and climbs by its range (the distance to the right
// colour's channel, 1 when they are equal) over `stretch` whenever the band number passes it.
// The value is kept exactly as a fraction over `stretch`, so a band exactly half-way rounds to
// even; each channel shows its low eight bits. A stretch below 1 counts as 1.
std::array<TColor, 256> stretchBands(TColor left, TColor right, TStretchOffsets offsets, int stretch);

// Paints the bands into `canvas` as 2-pixel rectangles (2i, 0)-(2i + 2, 25): solid brush, pen
// width 2, inside frame, pen and brush in the band colour.
void paintStretch(TCanvas& canvas, const std::array<TColor, 256>& bands);

// The colour changes of a painted stretch, read at row 3 for x = 0..511: a colour joins the list
// when it differs from the one before (the first compared with `previous`) and x lies strictly
// right of the left marker and at or left of the right marker. Crossed markers give nothing.
std::vector<TColor> stretchList(const TBitmap& stretch, TColor previous, int leftMarker, int rightMarker);

// The gradient list as its readers see it: decimal colour texts; an item that is no number
// reads as -1 (no colour: the reader keeps the colour it had).
std::vector<TColor> parseGradientList(const std::vector<std::string>& items);
constexpr TColor noGradientColour = TColor(0xFFFFFFFF);

// The list item that strip pixel x of a strip W wide shows: Round(x * n / W), halves to even,
// computed exactly. The caller keeps the previous colour when the index passes the list.
int stripIndex(int x, int n, int W);

// Draws the list as vertical 2-pixel lines from (x, 0) to (x, H) for x = 0..W - 1 onto each
// canvas (brush clear, pen width 2, inside frame). Fewer than two items draw nothing: false.
bool drawStrip(const std::vector<TCanvas*>& canvases, int W, int H, const std::vector<TColor>& colors);

// The colour index of position q over an extent E with `count` colours: E / count as a 6-byte
// real divides q when count < E, count / E multiplies it otherwise; rounded half to even.
long long gradientIndex(long long q, int E, int count);

// The band phase of an area fill: the colour each of E rows (or columns) of the scratch holds
// once the 2-pixel band lines are drawn across it, the later line overdrawing the earlier. The
// bar steps at each hundredth of E; there is no pumping here. Needs at least two colours.
std::vector<TColor> gradientBandTable(int E, const std::vector<TColor>& colors, TProgress& bar);

// The recolour phase of an area fill: every page pixel that differs from the undo copy at the
// same place takes the band colour of its row (`vertical`: of its column). Once per row, when
// the row passes the next mark, the bar moves to the mark and pending messages run; the pass
// re-reads the page and the copy after each, and skips rows and columns either no longer has.
void gradientRecolour(TBitmap& page, const TBitmap& undo, const std::vector<TColor>& table, bool vertical,
                      TProgress& bar);

// The rectangle line fills: lines from the first colour at the top (left) edge, one per row
// (column) of the dragged box, drawn through the canvas with its pen. False (nothing drawn)
// with fewer than two colours or a box under 5 high (wide). Sets brush clear, pen width 2,
// inside frame first.
bool gradientBoxLines(TCanvas& canvas, int X1, int Y1, int X2, int Y2, bool vertical,
                      const std::vector<TColor>& colors);

// The gradient frame: rings i = 0..depth of the box's outline inset by i, their colours running
// backwards through the list towards the centre. False with fewer than two colours or half the
// smaller side under 5.
bool gradientFrame(TCanvas& canvas, int X1, int Y1, int X2, int Y2, int depth,
                   const std::vector<TColor>& colors);
