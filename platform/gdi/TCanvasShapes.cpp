// Curved figures: ellipses, rounded rectangles, arcs, pies and chords.
//
// A figure is the set of pixels whose centres lie inside it, within the box [x1, x2) x [y1, y2)
// (right and bottom excluded, corners in either order). A one-pixel pen is the figure's edge
// (pixels with a 4-neighbour outside); a wide pen is the ring between the figure grown and
// shrunk by the pen width, centred on the edge, or inside the box with psInsideFrame.
#include "TCanvas.h"

#include "RasterFigure.h"
#include "TBitmap.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace raster;

namespace {

struct BoxRings {
    RowShape outer;
    RowShape inner;
    bool hasInner = false; // false: one-pixel edge by erosion
};

// The pen's outer and inner figures for a box figure.
BoxRings ringsFor(RowShape::Kind kind, const TRect& box, int cw, int ch, const PenShape& ps) {
    BoxRings r;
    r.outer = RowShape{kind, box, cw, ch};
    int w = ps.width;
    if (w == 1) return r;
    if (!ps.insideFrame) {
        r.outer.box =
            Rect(box.Left - w / 2, box.Top - w / 2, box.Right + (w - 1) / 2, box.Bottom + (w - 1) / 2);
        r.outer.cw = cw > 0 ? cw + w - 1 : 0;
        r.outer.ch = ch > 0 ? ch + w - 1 : 0;
    }
    const TRect& o = r.outer.box;
    r.inner = RowShape{kind, Rect(o.Left + w, o.Top + w, o.Right - w, o.Bottom - w),
                       std::max(0, r.outer.cw - 2 * w), std::max(0, r.outer.ch - 2 * w)};
    if (kind == RowShape::RoundRect && (r.inner.cw == 0 || r.inner.ch == 0)) r.inner.kind = RowShape::Rect;
    r.hasInner = true;
    return r;
}

// Outline and inside of an ellipse or rounded rectangle.
void boxFigure(TCanvas& c, RowShape::Kind kind, TRect box, int cw, int ch, Figure& f) {
    box = ClampBox(NormalizeRect(box));
    PenShape ps = PenShapeOf(c.Pen);
    TRect clip = c.ClipRect();
    if (!ps.visible) {
        // Without a pen the platform fills one pixel less to the right and below.
        RowShape s{kind, Rect(box.Left, box.Top, box.Right - 1, box.Bottom - 1), cw, ch};
        for (int y = std::max(s.box.Top, clip.Top); y < std::min(s.box.Bottom, clip.Bottom); ++y) {
            int l, r;
            if (s.Row(y, l, r)) f.fill.Add(y, l, r + 1);
        }
        return;
    }
    BoxRings rings = ringsFor(kind, box, cw, ch, ps);
    SpanSet* fill = FillsInside(c.Brush) ? &f.fill : nullptr; // a clear brush needs no inside
    if (ps.dashes) {
        SpanSet edge;
        AddRing(rings.outer, nullptr, clip, &edge, fill);
        edge.Normalise();
        long long pos = 0;
        DashWalk(ps, OrderAround(edge, (long long)box.Left + box.Right, (long long)box.Top + box.Bottom), f,
                 pos);
        return;
    }
    AddRing(rings.outer, rings.hasInner ? &rings.inner : nullptr, clip, &f.pen, fill);
}

constexpr double kTwoPi = 2 * std::numbers::pi;

// The counter-clockwise sweep from the radial through one point to the radial through another,
// in doubled coordinates about the box centre with y upwards.
struct Sweep {
    double start = 0;
    double extent = kTwoPi;
    double Rel(double vx, double vy) const {
        double a = std::atan2(vy, vx) - start;
        a = std::fmod(a + 2 * kTwoPi, kTwoPi);
        return a;
    }
    bool In(double vx, double vy) const {
        if (vx == 0 && vy == 0) return true;
        return Rel(vx, vy) <= extent + 1e-12;
    }
};

enum ArcKind { kArc, kPie, kChord };

void arcFigure(TCanvas& c, TRect box, int x3, int y3, int x4, int y4, ArcKind kind, Figure& f) {
    box = ClampBox(NormalizeRect(box));
    PenShape ps = PenShapeOf(c.Pen);
    TRect clip = c.ClipRect();
    if (box.IsEmpty()) return;
    long long cx2 = (long long)box.Left + box.Right, cy2 = (long long)box.Top + box.Bottom;
    // Pixels by their centres; the radial points, like the box corners, are grid positions.
    auto vx = [&](int x) { return double(2LL * x + 1 - cx2); };
    auto vy = [&](int y) { return -double(2LL * y + 1 - cy2); };
    double rsx = double(2LL * x3 - cx2), rsy = -double(2LL * y3 - cy2);
    double rex = double(2LL * x4 - cx2), rey = -double(2LL * y4 - cy2);
    Sweep sw;
    sw.start = std::atan2(rsy, rsx);
    double ext = std::fmod(std::atan2(rey, rex) - sw.start + 2 * kTwoPi, kTwoPi);
    sw.extent = ext < 1e-12 ? kTwoPi : ext;

    // Where a radial meets the ellipse: the pixel holding that point, kept inside the box.
    double W = box.Width(), H = box.Height();
    TPoint centre{int(std::clamp<long long>(cx2 >> 1, box.Left, box.Right - 1)),
                  int(std::clamp<long long>(cy2 >> 1, box.Top, box.Bottom - 1))};
    auto onEllipse = [&](double dx, double dy) {
        double k = std::sqrt((dx / W) * (dx / W) + (dy / H) * (dy / H));
        if (k == 0) return centre;
        double X2 = dx / k, Y2 = -dy / k;
        int px = int(std::floor((X2 + double(cx2)) / 2.0)), py = int(std::floor((Y2 + double(cy2)) / 2.0));
        return TPoint{std::clamp(px, box.Left, box.Right - 1), std::clamp(py, box.Top, box.Bottom - 1)};
    };
    TPoint ps0 = onEllipse(rsx, rsy);
    TPoint pe0 = onEllipse(rex, rey);

    // Chord: the side of the line between the two ends that holds the arc.
    double sx = ps0.x * 2.0 + 1 - double(cx2), sy = -(ps0.y * 2.0 + 1 - double(cy2));
    double ex = pe0.x * 2.0 + 1 - double(cx2), ey = -(pe0.y * 2.0 + 1 - double(cy2));
    double mid = sw.start + sw.extent / 2;
    double side = (ex - sx) * (std::sin(mid) * H - sy) - (ey - sy) * (std::cos(mid) * W - sx);
    auto inRegion = [&](double px, double py) {
        if (kind != kChord) return sw.In(px, py);
        if (sw.extent >= kTwoPi) return true;
        double cr = (ex - sx) * (py - sy) - (ey - sy) * (px - sx);
        return side >= 0 ? cr >= -1e-9 : cr <= 1e-9;
    };

    SpanSet ring, inside;
    if (ps.visible) {
        BoxRings rings = ringsFor(RowShape::Ellipse, box, 0, 0, ps);
        AddRing(rings.outer, rings.hasInner ? &rings.inner : nullptr, clip, &ring,
                kind == kArc ? nullptr : &inside);
    } else if (kind != kArc) {
        RowShape s{RowShape::Ellipse, Rect(box.Left, box.Top, box.Right - 1, box.Bottom - 1)};
        AddRing(s, &s, clip, nullptr, &inside);
    }
    ring.Clip(clip);
    inside.Clip(clip);
    ring.Normalise();
    inside.Normalise();

    // The arc part of the pen, in order along the sweep.
    struct P {
        double rel;
        TPoint p;
    };
    std::vector<P> arc;
    for (const Span& s : ring.Spans())
        for (int x = s.x0; x < s.x1; ++x) {
            double px = vx(x), py = vy(s.y);
            if (sw.In(px, py)) arc.push_back({sw.Rel(px, py), {x, s.y}});
        }
    for (const Span& s : inside.Spans())
        for (int x = s.x0; x < s.x1; ++x)
            if (inRegion(vx(x), vy(s.y))) f.fill.AddPixel(x, s.y);
    if (!ps.visible) return;
    std::sort(arc.begin(), arc.end(), [](const P& a, const P& b) { return a.rel < b.rel; });
    std::vector<TPoint> walk;
    walk.reserve(arc.size());
    for (const P& p : arc)
        walk.push_back(p.p);
    std::vector<TPoint> lines;
    if (kind == kPie) {
        LineWalk(lines, pe0, centre, false);
        LineWalk(lines, centre, ps0, false);
    } else if (kind == kChord && sw.extent < kTwoPi) {
        LineWalk(lines, pe0, ps0, false);
    }
    if (ps.width > 1) {
        for (const TPoint& p : walk)
            f.pen.AddPixel(p.x, p.y);
        AddWidePath(f.pen, lines, ps.width);
        return;
    }
    walk.insert(walk.end(), lines.begin(), lines.end());
    long long pos = 0;
    DashWalk(ps, walk, f, pos);
}

} // namespace

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Figure f;
    boxFigure(*this, RowShape::Ellipse, Rect(x1, y1, x2, y2), 0, 0, f);
    DrawFigure(*this, f, true);
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH) {
    Figure f;
    RowShape::Kind kind = (cornerW > 0 && cornerH > 0) ? RowShape::RoundRect : RowShape::Rect;
    boxFigure(*this, kind, Rect(x1, y1, x2, y2), std::max(0, cornerW), std::max(0, cornerH), f);
    DrawFigure(*this, f, true);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Figure f;
    arcFigure(*this, Rect(x1, y1, x2, y2), x3, y3, x4, y4, kArc, f);
    DrawFigure(*this, f, false);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Figure f;
    arcFigure(*this, Rect(x1, y1, x2, y2), x3, y3, x4, y4, kPie, f);
    DrawFigure(*this, f, true);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Figure f;
    arcFigure(*this, Rect(x1, y1, x2, y2), x3, y3, x4, y4, kChord, f);
    DrawFigure(*this, f, true);
}
