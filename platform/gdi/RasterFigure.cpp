#include "RasterFigure.h"

#include "TBitmap.h"
#include "TCanvas.h"

#include <algorithm>
#include <cmath>

namespace raster {

namespace {
// Dash patterns of one-pixel pens, in pixels: on, off, on, off ...
constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};
} // namespace

PenShape PenShapeOf(const TPen& pen) {
    PenShape s;
    s.width = std::max(1, pen.Width);
    s.visible = pen.Style != psClear;
    s.insideFrame = pen.Style == psInsideFrame && s.width > 1;
    if (s.width == 1) {
        switch (pen.Style) {
        case psDash:
            s.dashes = kDash;
            s.dashCount = 2;
            break;
        case psDot:
            s.dashes = kDot;
            s.dashCount = 2;
            break;
        case psDashDot:
            s.dashes = kDashDot;
            s.dashCount = 4;
            break;
        case psDashDotDot:
            s.dashes = kDashDotDot;
            s.dashCount = 6;
            break;
        default:
            break;
        }
    }
    return s;
}

void DashWalk(const PenShape& ps, const std::vector<TPoint>& walk, Figure& f, long long& pos) {
    if (!ps.dashes) {
        for (const TPoint& p : walk)
            f.pen.AddPixel(p.x, p.y);
        pos += (long long)walk.size();
        return;
    }
    int period = 0;
    for (int i = 0; i < ps.dashCount; ++i)
        period += ps.dashes[i];
    for (const TPoint& p : walk) {
        int at = int(pos % period);
        int i = 0;
        while (at >= ps.dashes[i]) {
            at -= ps.dashes[i];
            ++i;
        }
        if (i % 2 == 0)
            f.pen.AddPixel(p.x, p.y);
        else
            f.gaps.AddPixel(p.x, p.y);
        ++pos;
    }
}

namespace {
// Cuts a segment to the square [-kFar, kFar]^2 (Liang-Barsky); false when nothing is left.
bool cutToFar(TPoint& a, TPoint& b, bool& endCut) {
    double x0 = a.x, y0 = a.y, dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    double t0 = 0, t1 = 1;
    const double lim = kFar;
    auto edge = [&](double p, double q) {
        if (p == 0) return q >= 0;
        double r = q / p;
        if (p < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!edge(-dx, x0 + lim) || !edge(dx, lim - x0) || !edge(-dy, y0 + lim) || !edge(dy, lim - y0))
        return false;
    endCut = t1 < 1;
    TPoint na{int(std::lround(x0 + t0 * dx)), int(std::lround(y0 + t0 * dy))};
    TPoint nb{int(std::lround(x0 + t1 * dx)), int(std::lround(y0 + t1 * dy))};
    a = na;
    b = nb;
    return true;
}
} // namespace

void LineWalk(std::vector<TPoint>& walk, TPoint a, TPoint b, bool withEnd) {
    // Lines reaching far beyond any bitmap are cut first, so a walk never runs for ages.
    auto far = [](TPoint p) { return p.x < -kFar || p.x > kFar || p.y < -kFar || p.y > kFar; };
    if (far(a) || far(b)) {
        bool endCut = false;
        if (!cutToFar(a, b, endCut)) return;
        withEnd = withEnd || endCut;
    }
    std::size_t first = walk.size();
    WalkLine(a.x, a.y, b.x, b.y, [&](int x, int y) { walk.push_back({x, y}); });
    if (!withEnd && walk.size() > first) walk.pop_back();
}

std::vector<TPoint> OrderAround(const SpanSet& outline, long long cx2, long long cy2) {
    struct P {
        double a;
        double d;
        TPoint p;
    };
    std::vector<P> v;
    for (const Span& s : outline.Spans())
        for (int x = s.x0; x < s.x1; ++x) {
            double dx = double(2LL * x + 1 - cx2), dy = double(2LL * s.y + 1 - cy2);
            // Clockwise on the screen from the left.
            double a = std::atan2(-dy, -dx);
            v.push_back({a, dx * dx + dy * dy, {x, s.y}});
        }
    std::sort(v.begin(), v.end(), [](const P& l, const P& r) { return l.a != r.a ? l.a < r.a : l.d < r.d; });
    std::vector<TPoint> out;
    out.reserve(v.size());
    for (const P& p : v)
        out.push_back(p.p);
    return out;
}

void DrawFigure(TCanvas& canvas, Figure& f, bool filled) {
    TBitmap& bmp = *canvas.Target();
    if (bmp.Empty()) return;
    TRect clip = Rect(0, 0, bmp.Width(), bmp.Height());
    f.pen.Clip(clip);
    f.gaps.Clip(clip);
    f.fill.Clip(clip);
    f.pen.Normalise();
    f.gaps.Normalise();
    f.fill.Normalise();
    f.gaps.Subtract(f.pen);
    f.fill.Subtract(f.pen);
    f.fill.Subtract(f.gaps);

    TPenMode mode = canvas.Pen.Mode;
    TRect touched;
    if (filled && !f.fill.Empty()) {
        Ink brush = BrushInk(bmp, canvas.Brush, mode);
        if (brush.kind != Ink::None) {
            PaintQuiet(bmp, f.fill, brush);
            touched = UnionRect(touched, f.fill.Bounds());
        }
    }
    // The gaps of a styled pen show the background, which is the brush colour while the brush
    // is solid and transparent otherwise.
    if (!f.gaps.Empty() && canvas.Brush.Style == bsSolid && !canvas.Brush.Bitmap) {
        PaintQuiet(bmp, f.gaps, SolidInk(bmp, canvas.Brush.Color, mode));
        touched = UnionRect(touched, f.gaps.Bounds());
    }
    if (!f.pen.Empty()) {
        PaintQuiet(bmp, f.pen, SolidInk(bmp, canvas.Pen.Color, mode));
        touched = UnionRect(touched, f.pen.Bounds());
    }
    if (!touched.IsEmpty()) bmp.Changed(touched);
}

} // namespace raster
