#pragma once
// The software rasteriser under TCanvas: figures become pixel sets (rows of spans), which are
// then painted once each with a raster operation. Composing a figure as a set before painting is
// what lets an outline drawn twice in an XOR-like mode restore every pixel: no pixel of one
// figure is ever touched twice.
#include "Geometry.h"
#include "TCanvas.h"

#include <cstdint>
#include <vector>

class TBitmap;

namespace raster {

struct Span {
    int y;
    int x0; // first pixel
    int x1; // one past the last pixel
    friend bool operator==(const Span&, const Span&) = default;
};

// A set of pixels kept as spans. Spans may be added in any order and may overlap; Normalise
// sorts them by row and merges overlapping and touching ones.
class SpanSet {
public:
    void Add(int y, int x0, int x1) {
        if (x1 > x0) spans_.push_back({y, x0, x1});
    }
    // Single pixels as a line walks: consecutive pixels on one row join the last span.
    void AddPixel(int x, int y) {
        if (!spans_.empty()) {
            Span& s = spans_.back();
            if (s.y == y) {
                if (x == s.x1) {
                    ++s.x1;
                    return;
                }
                if (x == s.x0 - 1) {
                    --s.x0;
                    return;
                }
            }
        }
        spans_.push_back({y, x, x + 1});
    }
    void Normalise();
    void Clip(const TRect& r); // keeps only what lies inside r (works on any state)
    bool Empty() const { return spans_.empty(); }
    TRect Bounds() const;
    void Subtract(const SpanSet& b); // both normalised; result normalised
    const std::vector<Span>& Spans() const { return spans_; }
    std::vector<Span>& Spans() { return spans_; }

private:
    std::vector<Span> spans_;
};

// What a set of pixels is painted with: a solid value, a hatch in a value over transparent
// pixels, or a pattern tiled from the bitmap origin; combined with the destination by a binary
// raster operation. Values are storage values: 0xFFRRGGBB words for true-colour bitmaps,
// palette indexes for palette bitmaps (where the raster operations work on the indexes).
struct Ink {
    enum Kind { Solid, Hatch, Pattern, None } kind = Solid;
    std::uint32_t value = 0;
    TBrushStyle hatch = bsSolid;
    std::vector<std::uint32_t> pattern; // pw * ph storage values, rows top to bottom
    int pw = 0;
    int ph = 0;
    TPenMode mode = pmCopy;
};

// Storage value of a colour on a bitmap (nearest palette index on palette bitmaps).
std::uint32_t StorageValue(const TBitmap& bmp, TColor c);
// The mask that keeps storage values in range: 0xFFFFFFFF for true colour, 1, 15 or 255.
std::uint32_t ValueMask(const TBitmap& bmp);
// A brush as ink on a bitmap; a clear brush gives kind None.
Ink BrushInk(const TBitmap& bmp, const TBrush& brush, TPenMode mode);
Ink SolidInk(const TBitmap& bmp, TColor c, TPenMode mode);
// Whether a hatch style has a line at (x, y) (8 x 8 cells from the bitmap origin).
bool HatchAt(TBrushStyle style, int x, int y);

// Paints a normalised span set (clipped to the bitmap here) and reports its bounds as changed.
void Paint(TBitmap& bmp, SpanSet& set, const Ink& ink);
// As Paint, without reporting.
void PaintQuiet(TBitmap& bmp, const SpanSet& set, const Ink& ink);

// The binary raster operations on storage values.
std::uint32_t Rop2(TPenMode mode, std::uint32_t pen, std::uint32_t dst);

// ---- Figure geometry ----

// Bresenham's walk from (x0, y0) to (x1, y1), both ends included, calling plot(x, y).
template <class F> void WalkLine(int x0, int y0, int x1, int y1, F&& plot) {
    long long dx = x1 > x0 ? (long long)x1 - x0 : (long long)x0 - x1;
    long long dy = y1 > y0 ? (long long)y0 - y1 : (long long)y1 - y0; // -|dy|
    int sx = x0 < x1 ? 1 : -1;
    int sy = y0 < y1 ? 1 : -1;
    long long err = dx + dy;
    for (;;) {
        plot(x0, y0);
        if (x0 == x1 && y0 == y1) break;
        long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// The pixels of a round pen tip of the given width centred on (x, y); even widths sit half a
// pixel up and left of the centre.
void AddDisc(SpanSet& set, int x, int y, int width);
// Stamps the pen tip on every pixel of a path of pixels.
void AddWidePath(SpanSet& set, const std::vector<TPoint>& path, int width);

// A convex figure by rows: Row gives the inclusive span of row y, or false when the row is empty.
struct RowShape {
    enum Kind { Rect, Ellipse, RoundRect } kind = Rect;
    TRect box;  // the figure's box [Left, Right) x [Top, Bottom)
    int cw = 0; // round corners: corner ellipse size
    int ch = 0;
    bool Row(int y, int& l, int& r) const;
};
// Span of row y of the ellipse inscribed in the box (pixel centres inside the ellipse).
bool EllipseRow(const TRect& box, int y, int& l, int& r);

// Outline and inside of a convex figure. outer is the figure the pen covers; inner (or, with
// inner null, the figure's 4-connected erosion: a one-pixel outline) is what it leaves inside.
// pen gets outer minus inner, fill gets inner. Rows are limited to clip.
void AddRing(const RowShape& outer, const RowShape* inner, const TRect& clip, SpanSet* pen, SpanSet* fill);

// Alternate-fill polygon interior: pixel (x, y) is inside when the sample point (x, y) is,
// with the right and bottom edges excluded.
void AddPolygonFill(SpanSet& set, const std::vector<TPoint>& pts, const TRect& clip);

} // namespace raster
