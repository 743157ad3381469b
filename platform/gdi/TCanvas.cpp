#include "TCanvas.h"

#include "RasterFigure.h"
#include "TBitmap.h"

#include <algorithm>
#include <cmath>

using namespace raster;

void TFont::SetSize(int pt) {
    Size = pt;
    Height = -int(std::lround(pt * 96.0 / 72.0));
}

void TFont::SetHeight(int px) {
    Height = px;
    Size = int(std::lround(-px * 72.0 / 96.0));
}

TCanvas::TCanvas(TBitmap* target) : target_(target) {}

TRect TCanvas::ClipRect() const {
    return Rect(0, 0, target_->Width(), target_->Height());
}

TColor TCanvas::Pixels(int x, int y) const {
    return target_->GetPixel(x, y);
}

void TCanvas::SetPixels(int x, int y, TColor c) {
    if (x < 0 || y < 0 || x >= target_->Width() || y >= target_->Height()) return;
    target_->SetPixel(x, y, c);
    target_->Changed(Rect(x, y, x + 1, y + 1));
}

void TCanvas::MoveTo(int x, int y) {
    pos_ = {x, y};
}

namespace {
// The pen along an open or closed chain of points. One-pixel pens leave out the end of every
// segment (the next one starts there; an open chain's last point stays out); wide pens are
// round tips along every pixel, ends included.
void strokeChain(const PenShape& ps, const std::vector<TPoint>& pts, bool closed, Figure& f) {
    if (!ps.visible || pts.size() < 2) return;
    std::vector<TPoint> walk;
    std::size_t n = pts.size();
    std::size_t segs = closed ? n : n - 1;
    bool wide = ps.width > 1;
    for (std::size_t i = 0; i < segs; ++i)
        LineWalk(walk, pts[i], pts[(i + 1) % n], wide);
    if (wide) {
        AddWidePath(f.pen, walk, ps.width);
        return;
    }
    long long pos = 0;
    DashWalk(ps, walk, f, pos);
}
} // namespace

void TCanvas::LineTo(int x, int y) {
    TPoint from = pos_;
    pos_ = {x, y};
    PenShape ps = PenShapeOf(Pen);
    Figure f;
    if (ps.width > 1 && from == pos_) {
        if (ps.visible) AddDisc(f.pen, x, y, ps.width);
    } else {
        strokeChain(ps, {from, pos_}, false, f);
    }
    DrawFigure(*this, f, false);
}

void TCanvas::Polyline(const std::vector<TPoint>& pts) {
    Figure f;
    strokeChain(PenShapeOf(Pen), pts, false, f);
    DrawFigure(*this, f, false);
}

void TCanvas::Polygon(const std::vector<TPoint>& pts) {
    if (pts.empty()) return;
    Figure f;
    AddPolygonFill(f.fill, pts, ClipRect());
    strokeChain(PenShapeOf(Pen), pts, true, f);
    DrawFigure(*this, f, true);
}

namespace {
// A one-pixel rectangle outline walked clockwise from the top-left corner.
std::vector<TPoint> rectWalk(const TRect& r) {
    std::vector<TPoint> w;
    int l = r.Left, t = r.Top, rr = r.Right - 1, b = r.Bottom - 1;
    if (rr < l || b < t) return w;
    if (rr == l || b == t) {
        for (int y = t; y <= b; ++y)
            for (int x = l; x <= rr; ++x)
                w.push_back({x, y});
        return w;
    }
    for (int x = l; x < rr; ++x)
        w.push_back({x, t});
    for (int y = t; y < b; ++y)
        w.push_back({rr, y});
    for (int x = rr; x > l; --x)
        w.push_back({x, b});
    for (int y = b; y > t; --y)
        w.push_back({l, y});
    return w;
}
} // namespace

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    TRect box = ClampBox(NormalizeRect(Rect(x1, y1, x2, y2)));
    PenShape ps = PenShapeOf(Pen);
    Figure f;
    TRect clip = ClipRect();
    if (!ps.visible) {
        // Without a pen the platform fills one pixel less to the right and below.
        TRect r = IntersectRect(Rect(box.Left, box.Top, box.Right - 1, box.Bottom - 1), clip);
        for (int y = r.Top; y < r.Bottom; ++y)
            f.fill.Add(y, r.Left, r.Right);
        DrawFigure(*this, f, true);
        return;
    }
    SpanSet* fill = FillsInside(Brush) ? &f.fill : nullptr; // a clear brush needs no inside
    RowShape outer{RowShape::Rect, box};
    if (ps.width > 1 && !ps.insideFrame) {
        int w = ps.width;
        outer.box =
            Rect(box.Left - w / 2, box.Top - w / 2, box.Right + (w - 1) / 2, box.Bottom + (w - 1) / 2);
    }
    if (ps.dashes) {
        long long pos = 0;
        TRect near = IntersectRect(box, Rect(-kFar, -kFar, kFar, kFar));
        DashWalk(ps, rectWalk(near.IsEmpty() ? TRect{} : near), f, pos);
        AddRing(outer, nullptr, clip, nullptr, fill);
    } else if (ps.width == 1) {
        AddRing(outer, nullptr, clip, &f.pen, fill);
    } else {
        int w = ps.width;
        RowShape inner{RowShape::Rect, Rect(outer.box.Left + w, outer.box.Top + w, outer.box.Right - w,
                                            outer.box.Bottom - w)};
        AddRing(outer, &inner, clip, &f.pen, fill);
    }
    DrawFigure(*this, f, true);
}

void TCanvas::FillRect(const TRect& r) {
    TBitmap& bmp = *target_;
    TRect box = IntersectRect(NormalizeRect(r), ClipRect());
    if (box.IsEmpty()) return;
    Ink ink = BrushInk(bmp, Brush, pmCopy);
    if (ink.kind == Ink::None) return;
    SpanSet set;
    set.Spans().reserve(std::size_t(box.Height()));
    for (int y = box.Top; y < box.Bottom; ++y)
        set.Add(y, box.Left, box.Right);
    PaintQuiet(bmp, set, ink);
    bmp.Changed(box);
}

void TCanvas::FrameRect(const TRect& r) {
    TBitmap& bmp = *target_;
    TRect box = ClampBox(NormalizeRect(r));
    if (box.IsEmpty()) return;
    Ink ink = BrushInk(bmp, Brush, pmCopy);
    if (ink.kind == Ink::None) return;
    SpanSet set;
    AddRing(RowShape{RowShape::Rect, box}, nullptr, ClipRect(), &set, nullptr);
    Paint(bmp, set, ink);
}
