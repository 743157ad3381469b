#include "Raster.h"

#include "TBitmap.h"

#include <algorithm>
#include <cmath>

namespace raster {

void SpanSet::Normalise() {
    if (spans_.size() < 2) return;
    bool sorted = true;
    for (std::size_t i = 1; i < spans_.size() && sorted; ++i) {
        const Span& a = spans_[i - 1];
        const Span& b = spans_[i];
        if (a.y > b.y || (a.y == b.y && a.x1 >= b.x0)) sorted = false;
    }
    if (sorted) return;
    std::sort(spans_.begin(), spans_.end(),
              [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
    std::size_t out = 0;
    for (std::size_t i = 1; i < spans_.size(); ++i) {
        Span& last = spans_[out];
        const Span& s = spans_[i];
        if (s.y == last.y && s.x0 <= last.x1) {
            last.x1 = std::max(last.x1, s.x1);
        } else {
            spans_[++out] = s;
        }
    }
    spans_.resize(out + 1);
}

void SpanSet::Clip(const TRect& r) {
    std::size_t out = 0;
    for (const Span& s : spans_) {
        if (s.y < r.Top || s.y >= r.Bottom) continue;
        int a = std::max(s.x0, r.Left);
        int b = std::min(s.x1, r.Right);
        if (a < b) spans_[out++] = {s.y, a, b};
    }
    spans_.resize(out);
}

TRect SpanSet::Bounds() const {
    if (spans_.empty()) return {};
    TRect r{spans_[0].x0, spans_[0].y, spans_[0].x1, spans_[0].y + 1};
    for (const Span& s : spans_) {
        r.Left = std::min(r.Left, s.x0);
        r.Right = std::max(r.Right, s.x1);
        r.Top = std::min(r.Top, s.y);
        r.Bottom = std::max(r.Bottom, s.y + 1);
    }
    return r;
}

namespace {
// Walks two normalised sets row by row; emit(y, x0, x1) gets the pieces selected by keep(inA, inB).
template <class Keep>
std::vector<Span> combine(const std::vector<Span>& a, const std::vector<Span>& b, Keep keep) {
    std::vector<Span> out;
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        int y;
        if (j >= b.size() || (i < a.size() && a[i].y <= b[j].y))
            y = a[i].y;
        else
            y = b[j].y;
        std::size_t ie = i, je = j;
        while (ie < a.size() && a[ie].y == y)
            ++ie;
        while (je < b.size() && b[je].y == y)
            ++je;
        // Sweep the edges of both rows.
        std::size_t p = i, q = j;
        bool inA = false, inB = false;
        int x = 0;
        bool open = false;
        int start = 0;
        while (p < ie || q < je || inA || inB) {
            int nextA = inA ? a[p].x1 : (p < ie ? a[p].x0 : INT32_MAX);
            int nextB = inB ? b[q].x1 : (q < je ? b[q].x0 : INT32_MAX);
            x = std::min(nextA, nextB);
            if (x == INT32_MAX) break;
            if (nextA == x) {
                if (inA) {
                    inA = false;
                    ++p;
                } else
                    inA = true;
            }
            if (nextB == x) {
                if (inB) {
                    inB = false;
                    ++q;
                } else
                    inB = true;
            }
            bool k = keep(inA, inB);
            if (k && !open) {
                open = true;
                start = x;
            } else if (!k && open) {
                open = false;
                if (!out.empty() && out.back().y == y && out.back().x1 == start)
                    out.back().x1 = x;
                else if (x > start)
                    out.push_back({y, start, x});
            }
        }
        i = ie;
        j = je;
    }
    return out;
}
} // namespace

void SpanSet::Subtract(const SpanSet& b) {
    if (b.spans_.empty() || spans_.empty()) return;
    spans_ = combine(spans_, b.spans_, [](bool x, bool y) { return x && !y; });
}

std::uint32_t StorageValue(const TBitmap& bmp, TColor c) {
    if (bmp.IsIndexed()) return std::uint32_t(bmp.IndexOf(c));
    return TBitmap::ToWord(ColorToRGB(c));
}

std::uint32_t ValueMask(const TBitmap& bmp) {
    switch (bmp.PixelFormat()) {
    case pf1bit:
        return 1;
    case pf4bit:
        return 15;
    case pf8bit:
        return 255;
    default:
        return 0xFFFFFFFFu;
    }
}

Ink SolidInk(const TBitmap& bmp, TColor c, TPenMode mode) {
    Ink ink;
    ink.kind = Ink::Solid;
    ink.value = StorageValue(bmp, c);
    ink.mode = mode;
    return ink;
}

Ink BrushInk(const TBitmap& bmp, const TBrush& brush, TPenMode mode) {
    Ink ink;
    ink.mode = mode;
    ink.value = StorageValue(bmp, brush.Color);
    if (brush.Bitmap && !brush.Bitmap->Empty()) {
        const TBitmap& p = *brush.Bitmap;
        ink.kind = Ink::Pattern;
        ink.pw = p.Width();
        ink.ph = p.Height();
        ink.pattern.resize(std::size_t(ink.pw) * std::size_t(ink.ph));
        for (int y = 0; y < ink.ph; ++y)
            for (int x = 0; x < ink.pw; ++x)
                ink.pattern[std::size_t(y) * ink.pw + x] = StorageValue(bmp, p.GetPixel(x, y));
        return ink;
    }
    switch (brush.Style) {
    case bsSolid:
        ink.kind = Ink::Solid;
        break;
    case bsClear:
        ink.kind = Ink::None;
        break;
    default:
        ink.kind = Ink::Hatch;
        ink.hatch = brush.Style;
        break;
    }
    return ink;
}

bool HatchAt(TBrushStyle style, int x, int y) {
    int cx = x & 7, cy = y & 7;
    switch (style) {
    case bsHorizontal:
        return cy == 0;
    case bsVertical:
        return cx == 0;
    case bsFDiagonal: // top left to bottom right
        return cx == cy;
    case bsBDiagonal: // bottom left to top right
        return cx + cy == 7;
    case bsCross:
        return cx == 0 || cy == 0;
    case bsDiagCross:
        return cx == cy || cx + cy == 7;
    default:
        return true;
    }
}

std::uint32_t Rop2(TPenMode mode, std::uint32_t p, std::uint32_t d) {
    switch (mode) {
    case pmBlack:
        return 0;
    case pmWhite:
        return 0xFFFFFFFFu;
    case pmNop:
        return d;
    case pmNot:
        return ~d;
    case pmCopy:
        return p;
    case pmNotCopy:
        return ~p;
    case pmMergePenNot:
        return p | ~d;
    case pmMaskPenNot:
        return p & ~d;
    case pmMergeNotPen:
        return ~p | d;
    case pmMaskNotPen:
        return ~p & d;
    case pmMerge:
        return p | d;
    case pmNotMerge:
        return ~(p | d);
    case pmMask:
        return p & d;
    case pmNotMask:
        return ~(p & d);
    case pmXor:
        return p ^ d;
    case pmNotXor:
        return ~(p ^ d);
    }
    return d;
}

namespace {
// On true colour the top byte stays 0xFF; on palette bitmaps the value stays an index.
struct WordFinish {
    std::uint32_t operator()(std::uint32_t v) const { return v | 0xFF000000u; }
};
struct IndexFinish {
    std::uint32_t mask;
    std::uint32_t operator()(std::uint32_t v) const { return v & mask; }
};

template <class T, class Fin>
void solidRun(T* row, int x0, int x1, std::uint32_t pen, TPenMode mode, Fin fin) {
    T* p = row + x0;
    int n = x1 - x0;
    switch (mode) {
    case pmCopy:
        std::fill_n(p, n, T(fin(pen)));
        return;
    case pmNop:
        return;
    case pmXor:
        for (int i = 0; i < n; ++i)
            p[i] = T(fin(pen ^ p[i]));
        return;
    case pmNotXor:
        for (int i = 0; i < n; ++i)
            p[i] = T(fin(~(pen ^ p[i])));
        return;
    case pmNot:
        for (int i = 0; i < n; ++i)
            p[i] = T(fin(~std::uint32_t(p[i])));
        return;
    default:
        for (int i = 0; i < n; ++i)
            p[i] = T(fin(Rop2(mode, pen, p[i])));
        return;
    }
}

template <class T, class Fin> void paintT(TBitmap& bmp, const SpanSet& set, const Ink& ink, Fin fin) {
    for (const Span& s : set.Spans()) {
        T* row = reinterpret_cast<T*>(bmp.ScanLine(s.y));
        switch (ink.kind) {
        case Ink::None:
            return;
        case Ink::Solid:
            solidRun(row, s.x0, s.x1, ink.value, ink.mode, fin);
            break;
        case Ink::Hatch:
            for (int x = s.x0; x < s.x1; ++x)
                if (HatchAt(ink.hatch, x, s.y)) row[x] = T(fin(Rop2(ink.mode, ink.value, row[x])));
            break;
        case Ink::Pattern: {
            const std::uint32_t* prow = ink.pattern.data() + std::size_t(s.y % ink.ph) * ink.pw;
            int px = s.x0 % ink.pw;
            for (int x = s.x0; x < s.x1; ++x) {
                row[x] = T(fin(Rop2(ink.mode, prow[px], row[x])));
                if (++px == ink.pw) px = 0;
            }
            break;
        }
        }
    }
}
} // namespace

void PaintQuiet(TBitmap& bmp, const SpanSet& set, const Ink& ink) {
    if (bmp.Empty() || ink.kind == Ink::None) return;
    if (bmp.IsIndexed())
        paintT<std::uint8_t>(bmp, set, ink, IndexFinish{ValueMask(bmp)});
    else
        paintT<std::uint32_t>(bmp, set, ink, WordFinish{});
}

void Paint(TBitmap& bmp, SpanSet& set, const Ink& ink) {
    set.Clip(Rect(0, 0, bmp.Width(), bmp.Height()));
    if (set.Empty() || ink.kind == Ink::None) return;
    PaintQuiet(bmp, set, ink);
    bmp.Changed(set.Bounds());
}

// ---- Geometry ----

namespace {
// Row offsets of the pen tip.
struct Disc {
    int width = 0;
    int top = 0;             // row offset of the first row
    std::vector<int> lo, hi; // inclusive column offsets per row
};

Disc discFor(int width) {
    Disc d;
    d.width = width;
    double r2 = double(width) * width / 4.0;
    double c = (width % 2 == 0) ? 0.5 : 0.0; // even tips centre on the pixel corner up-left
    int from = -(width / 2);
    int to = from + width - 1;
    d.top = from;
    for (int dy = from; dy <= to; ++dy) {
        double fy = dy + c;
        int lo = 1, hi = 0;
        for (int dx = from; dx <= to; ++dx) {
            double fx = dx + c;
            if (fx * fx + fy * fy <= r2) {
                if (lo > hi) {
                    lo = dx;
                }
                hi = dx;
            }
        }
        d.lo.push_back(lo);
        d.hi.push_back(hi);
    }
    return d;
}
} // namespace

void AddDisc(SpanSet& set, int x, int y, int width) {
    if (width <= 1) {
        set.AddPixel(x, y);
        return;
    }
    const Disc d = discFor(width);
    for (std::size_t i = 0; i < d.lo.size(); ++i)
        if (d.lo[i] <= d.hi[i]) set.Add(y + d.top + int(i), x + d.lo[i], x + d.hi[i] + 1);
}

void AddWidePath(SpanSet& set, const std::vector<TPoint>& path, int width) {
    if (width <= 1) {
        for (const TPoint& p : path)
            set.AddPixel(p.x, p.y);
        return;
    }
    const Disc d = discFor(width);
    set.Spans().reserve(set.Spans().size() + path.size() * d.lo.size());
    for (const TPoint& p : path)
        for (std::size_t i = 0; i < d.lo.size(); ++i)
            if (d.lo[i] <= d.hi[i]) set.Add(p.y + d.top + int(i), p.x + d.lo[i], p.x + d.hi[i] + 1);
}

namespace {
std::uint64_t isqrt(unsigned __int128 v) {
    if (v == 0) return 0;
    auto r = std::uint64_t(std::sqrt(double(v)));
    while ((unsigned __int128)r * r > v)
        --r;
    while ((unsigned __int128)(r + 1) * (r + 1) <= v)
        ++r;
    return r;
}
} // namespace

bool EllipseRow(const TRect& box, int y, int& l, int& r) {
    long long W = (long long)box.Right - box.Left;
    long long H = (long long)box.Bottom - box.Top;
    if (W <= 0 || H <= 0 || y < box.Top || y >= box.Bottom) return false;
    // Doubled coordinates about the centre: X2 = 2x + 1 - (Left + Right), so pixel centres are
    // integers and the figure is exactly symmetric. Inside when X2^2 H^2 + Y2^2 W^2 <= W^2 H^2.
    long long Y2 = 2LL * y + 1 - ((long long)box.Top + box.Bottom);
    if (Y2 < 0) Y2 = -Y2;
    if (Y2 > H) return false;
    unsigned __int128 q = (unsigned __int128)(W * W) * (unsigned __int128)(H * H - Y2 * Y2);
    unsigned __int128 hh = (unsigned __int128)(H * H);
    long long M = (long long)isqrt(q / hh);
    if ((M & 1) != ((W + 1) & 1)) --M;
    if (M < 0) return false;
    long long s = (long long)box.Left + box.Right - 1;
    l = int((s - M) / 2);
    r = int((s + M) / 2);
    return true;
}

bool RowShape::Row(int y, int& l, int& r) const {
    if (y < box.Top || y >= box.Bottom || box.Right <= box.Left) return false;
    switch (kind) {
    case Rect:
        l = box.Left;
        r = box.Right - 1;
        return true;
    case Ellipse:
        return EllipseRow(box, y, l, r);
    case RoundRect: {
        int W = box.Right - box.Left, H = box.Bottom - box.Top;
        int w = std::min(cw, W), h = std::min(ch, H);
        l = box.Left;
        r = box.Right - 1;
        if (w <= 0 || h <= 0) return true;
        long long yy = 2LL * y + 1;
        TRect corner;
        if (yy < 2LL * box.Top + h)
            corner = {box.Left, box.Top, box.Left + w, box.Top + h};
        else if (yy > 2LL * box.Bottom - h)
            corner = {box.Left, box.Bottom - h, box.Left + w, box.Bottom};
        else
            return true;
        int cl, cr;
        if (!EllipseRow(corner, y, cl, cr)) return false;
        l = cl;
        // The right corner is the left one mirrored about the box.
        int shift = (box.Right - w) - box.Left;
        r = cr + shift;
        return true;
    }
    }
    return false;
}

void AddRing(const RowShape& outer, const RowShape* inner, const TRect& clip, SpanSet* pen, SpanSet* fill) {
    int y0 = std::max(outer.box.Top, clip.Top);
    int y1 = std::min(outer.box.Bottom, clip.Bottom);
    auto rowOf = [&](int y, int& l, int& r) { return outer.Row(y, l, r); };
    for (int y = y0; y < y1; ++y) {
        int ol, orr;
        if (!rowOf(y, ol, orr)) continue;
        int il = 1, ir = 0; // empty
        if (inner) {
            int a, b;
            if (inner->Row(y, a, b)) {
                il = std::max(a, ol);
                ir = std::min(b, orr);
            }
        } else {
            int al, ar, bl, br;
            if (rowOf(y - 1, al, ar) && rowOf(y + 1, bl, br)) {
                il = std::max({ol + 1, al, bl});
                ir = std::min({orr - 1, ar, br});
            }
        }
        if (il > ir) {
            if (pen) pen->Add(y, ol, orr + 1);
        } else {
            if (pen) {
                pen->Add(y, ol, il);
                pen->Add(y, ir + 1, orr + 1);
            }
            if (fill) fill->Add(y, il, ir + 1);
        }
    }
}

void AddPolygonFill(SpanSet& set, const std::vector<TPoint>& pts, const TRect& clip) {
    if (pts.size() < 3) return;
    int ymin = pts[0].y, ymax = pts[0].y;
    for (const TPoint& p : pts) {
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    ymin = std::max(ymin, clip.Top);
    ymax = std::min(ymax, clip.Bottom);
    std::vector<double> xs;
    for (int y = ymin; y < ymax; ++y) {
        xs.clear();
        for (std::size_t i = 0; i < pts.size(); ++i) {
            const TPoint& a = pts[i];
            const TPoint& b = pts[(i + 1) % pts.size()];
            if (a.y == b.y) continue;
            int lo = std::min(a.y, b.y), hi = std::max(a.y, b.y);
            if (y < lo || y >= hi) continue;
            xs.push_back(a.x + double(y - a.y) * (b.x - a.x) / double(b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            double xa = std::ceil(xs[i]), xb = std::ceil(xs[i + 1]);
            xa = std::max(xa, double(clip.Left));
            xb = std::min(xb, double(clip.Right));
            if (xb > xa) set.Add(y, int(xa), int(xb));
        }
    }
}

} // namespace raster
