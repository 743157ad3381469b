#pragma once
// How the canvas turns its pen and brush into pixel sets: shared by the canvas's figure files.
#include "Raster.h"

#include <vector>

class TCanvas;

namespace raster {

// One figure as three disjoint pixel sets, painted once each.
struct Figure {
    SpanSet pen;  // pixels of the pen
    SpanSet gaps; // the gaps of a dashed or dotted pen: brush colour when the brush is solid
    SpanSet fill; // the inside, painted with the brush
};

// Makes the sets disjoint (the pen wins over its gaps, both over the fill), clips them to the
// bitmap, paints them with the canvas's pen mode and reports the touched rectangle.
void DrawFigure(TCanvas& canvas, Figure& f, bool filled);

// Whether a brush paints anything inside a figure.
inline bool FillsInside(const TBrush& b) {
    return b.Style != bsClear || b.Bitmap;
}

// The pen as drawn: width at least 1, no dash styles on wide pens.
struct PenShape {
    bool visible = true;
    int width = 1;
    bool insideFrame = false;
    const int* dashes = nullptr; // on/off lengths, or null for a continuous pen
    int dashCount = 0;
};
PenShape PenShapeOf(const TPen& pen);

// Splits an ordered walk of outline pixels into pen and gaps by the dash pattern; pos carries the
// pattern position across the segments of one figure.
void DashWalk(const PenShape& ps, const std::vector<TPoint>& walk, Figure& f, long long& pos);

// Coordinates beyond this are far outside any bitmap: lines are cut there, boxes kept within
// kFarBox so that their arithmetic cannot overflow.
constexpr int kFar = 1 << 17;
constexpr int kFarBox = 1 << 28;
inline TRect ClampBox(const TRect& r) {
    auto c = [](int v) { return v < -kFarBox ? -kFarBox : (v > kFarBox ? kFarBox : v); };
    return {c(r.Left), c(r.Top), c(r.Right), c(r.Bottom)};
}

// Appends the pixels of a one-pixel line to walk, the end point left out unless withEnd.
void LineWalk(std::vector<TPoint>& walk, TPoint a, TPoint b, bool withEnd);

// Orders the pixels of a closed outline around a centre (doubled coordinates), so that a dash
// pattern can run along it.
std::vector<TPoint> OrderAround(const SpanSet& outline, long long cx2, long long cy2);

} // namespace raster
