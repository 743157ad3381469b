// The metafile player: WMF (placeable or plain) and EMF records played through our own canvas,
// so a metafile keeps the program's raster rules. Every record is read through one bounds-checked
// reader; a record shorter than its header or reaching past the end of the file ends playback
// with what was drawn, and what a record holds (counts, strings, object indexes, embedded DIBs)
// is checked against the record before it is used.
#include "PictureLoader.h"

#include "Raster.h"
#include "TCanvas.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace {

const char* const kInvalidMetafile = "Metafile is not valid";

[[noreturn]] void fail(const char* reason) {
    throw EInvalidGraphic(kInvalidMetafile, reason);
}

// Bytes of one record (or header), read little-endian; every read past the end is refused.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> d) : d_(d) {}
    size_t size() const { return d_.size(); }
    bool has(size_t off, size_t n) const { return off <= d_.size() && n <= d_.size() - off; }
    std::uint8_t u8(size_t off) const { return has(off, 1) ? d_[off] : 0; }
    std::uint16_t u16(size_t off) const {
        return has(off, 2) ? std::uint16_t(d_[off] | (d_[off + 1] << 8)) : 0;
    }
    std::int16_t s16(size_t off) const { return std::int16_t(u16(off)); }
    std::uint32_t u32(size_t off) const {
        return has(off, 4) ? std::uint32_t(d_[off]) | (std::uint32_t(d_[off + 1]) << 8) |
                                 (std::uint32_t(d_[off + 2]) << 16) | (std::uint32_t(d_[off + 3]) << 24)
                           : 0;
    }
    std::int32_t s32(size_t off) const { return std::int32_t(u32(off)); }
    float f32(size_t off) const {
        std::uint32_t v = u32(off);
        float f;
        std::memcpy(&f, &v, 4);
        return std::isfinite(f) ? f : 0.0f;
    }
    std::span<const std::uint8_t> bytes(size_t off, size_t n) const {
        return has(off, n) ? d_.subspan(off, n) : std::span<const std::uint8_t>{};
    }

private:
    std::span<const std::uint8_t> d_;
};

struct DPoint {
    double x = 0;
    double y = 0;
};

struct PenObj {
    int style = 0; // PS_SOLID
    double width = 0;
    TColor color = clBlack;
};
struct BrushObj {
    int style = 0; // BS_SOLID
    TColor color = clWhite;
    int hatch = 0;
    std::shared_ptr<TBitmap> pattern;
};
struct FontObj {
    double height = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::string face = "Arial";
};
struct GdiObject {
    enum Kind { Empty, Pen, Brush, Font, Other } kind = Empty;
    PenObj pen;
    BrushObj brush;
    FontObj font;
};

// The drawing state a SaveDC keeps.
struct DcState {
    int mapMode = 1; // MM_TEXT
    double winOrgX = 0, winOrgY = 0, winExtX = 1, winExtY = 1;
    double vpOrgX = 0, vpOrgY = 0, vpExtX = 1, vpExtY = 1;
    double xf[6] = {1, 0, 0, 1, 0, 0}; // eM11 eM12 eM21 eM22 eDx eDy
    PenObj pen;
    BrushObj brush;
    FontObj font;
    TColor bkColor = clWhite;
    int bkMode = 2; // OPAQUE
    TColor textColor = clBlack;
    unsigned textAlign = 0;
    int fillMode = 1; // ALTERNATE
    int rop2 = 13;    // R2_COPYPEN
    int stretchMode = BLACKONWHITE;
    bool clipped = false;
    TRect clip; // device pixels of the output bitmap
    DPoint pos; // logical current position
};

constexpr size_t kMaxObjects = 16384;
constexpr size_t kMaxSaveDepth = 64;
constexpr int kMaxPenWidth = 100;
constexpr double kCoordLimit = 65536;
constexpr int kMaxPatternSide = 256;

TPenMode penModeOf(int rop2) {
    static const TPenMode modes[16] = {
        pmBlack, pmNotMerge, pmMaskNotPen, pmNotCopy,     pmMaskPenNot, pmNot,         pmXor,   pmNotMask,
        pmMask,  pmNotXor,   pmNop,        pmMergeNotPen, pmCopy,       pmMergePenNot, pmMerge, pmWhite};
    return rop2 >= 1 && rop2 <= 16 ? modes[rop2 - 1] : pmCopy;
}

TPenStyle penStyleOf(int style) {
    switch (style & 0xF) {
    case 1:
        return psDash;
    case 2:
        return psDot;
    case 3:
        return psDashDot;
    case 4:
        return psDashDotDot;
    case 5:
        return psClear;
    case 6:
        return psInsideFrame;
    default:
        return psSolid;
    }
}

struct Figure {
    std::vector<DPoint> pts; // logical
    bool closed = false;
};

class Player {
public:
    Player(bool emf, int width, int height) : emf_(emf), out_(width, height) {}

    // WMF: the window (set by the header or the records) maps onto the whole bitmap.
    void setInitialWindow(double ox, double oy, double ex, double ey) {
        st_.winOrgX = ox, st_.winOrgY = oy, st_.winExtX = ex, st_.winExtY = ey;
    }
    // EMF: the frame, in reference-device pixels, maps onto the whole bitmap.
    void setFrame(double l, double t, double w, double h) {
        frameL_ = l, frameT_ = t, frameW_ = w, frameH_ = h;
    }
    void setObjectCount(size_t n) { objects_.assign(std::min(n, kMaxObjects), GdiObject{}); }
    void setRefPixelsPerMm(double x, double y) { refPerMmX_ = x, refPerMmY_ = y; }

    void playWmf(const Reader& file, size_t start);
    void playEmf(const Reader& file);
    TBitmap& result() { return out_; }

private:
    // ---- mapping ----
    DPoint toDevice(DPoint p) const {
        const double wx = p.x * st_.xf[0] + p.y * st_.xf[2] + st_.xf[4];
        const double wy = p.x * st_.xf[1] + p.y * st_.xf[3] + st_.xf[5];
        if (!emf_) {
            const double ex = st_.winExtX != 0 ? st_.winExtX : 1, ey = st_.winExtY != 0 ? st_.winExtY : 1;
            return {(wx - st_.winOrgX) * out_.Width() / ex, (wy - st_.winOrgY) * out_.Height() / ey};
        }
        double dx, dy;
        switch (st_.mapMode) {
        case 2: // MM_LOMETRIC .. MM_TWIPS: fixed units, y up
        case 3:
        case 4:
        case 5:
        case 6: {
            static const double mmPerUnit[] = {0.1, 0.01, 0.254, 0.0254, 25.4 / 1440};
            const double u = mmPerUnit[st_.mapMode - 2];
            dx = (wx - st_.winOrgX) * u * refPerMmX_ + st_.vpOrgX;
            dy = -(wy - st_.winOrgY) * u * refPerMmY_ + st_.vpOrgY;
            break;
        }
        case 7:
        case 8: {
            const double ex = st_.winExtX != 0 ? st_.winExtX : 1, ey = st_.winExtY != 0 ? st_.winExtY : 1;
            double sx = st_.vpExtX / ex, sy = st_.vpExtY / ey;
            if (st_.mapMode == 7) {
                const double s = std::min(std::fabs(sx), std::fabs(sy));
                sx = sx < 0 ? -s : s;
                sy = sy < 0 ? -s : s;
            }
            dx = (wx - st_.winOrgX) * sx + st_.vpOrgX;
            dy = (wy - st_.winOrgY) * sy + st_.vpOrgY;
            break;
        }
        default:
            dx = wx - st_.winOrgX + st_.vpOrgX;
            dy = wy - st_.winOrgY + st_.vpOrgY;
        }
        return {(dx - frameL_) * out_.Width() / frameW_, (dy - frameT_) * out_.Height() / frameH_};
    }
    static int clampCoord(double v) { return int(std::lround(std::clamp(v, -kCoordLimit, kCoordLimit))); }
    // A logical point as a pixel of the surface being drawn on.
    TPoint pix(DPoint p) const {
        DPoint d = toDevice(p);
        return {clampCoord(d.x) - offX_, clampCoord(d.y) - offY_};
    }
    TPoint pix(double x, double y) const { return pix(DPoint{x, y}); }
    // How long a logical length is in device pixels, across and down.
    double scaleX() const {
        DPoint a = toDevice({0, 0}), b = toDevice({1, 0});
        return std::hypot(b.x - a.x, b.y - a.y);
    }
    double scaleY() const {
        DPoint a = toDevice({0, 0}), b = toDevice({0, 1});
        return std::hypot(b.x - a.x, b.y - a.y);
    }

    // ---- the surface: the bitmap, or inside a clip a scratch copy of the clipped area ----
    TCanvas* begin() {
        if (!st_.clipped) {
            offX_ = offY_ = 0;
            return &out_.Canvas();
        }
        const TRect r = IntersectRect(st_.clip, Rect(0, 0, out_.Width(), out_.Height()));
        if (r.IsEmpty()) return nullptr;
        scratch_ = TBitmap(r.Width(), r.Height());
        BitBlt(scratch_.Canvas(), 0, 0, r.Width(), r.Height(), &out_.Canvas(), r.Left, r.Top, SRCCOPY);
        offX_ = r.Left, offY_ = r.Top;
        return &scratch_.Canvas();
    }
    void end() {
        if (st_.clipped && !scratch_.Empty()) {
            out_.Canvas().CopyMode = SRCCOPY;
            BitBlt(out_.Canvas(), offX_, offY_, scratch_.Width(), scratch_.Height(), &scratch_.Canvas(), 0, 0,
                   SRCCOPY);
            scratch_.FreeImage();
        }
        offX_ = offY_ = 0;
    }
    void applyPen(TCanvas& c) const {
        c.Pen.Style = penStyleOf(st_.pen.style);
        c.Pen.Color = st_.pen.color;
        c.Pen.Mode = penModeOf(st_.rop2);
        const double w = st_.pen.width * scaleX();
        c.Pen.Width = std::clamp(int(std::lround(w)), 1, kMaxPenWidth);
    }
    void applyBrush(TCanvas& c) const {
        c.Brush.Bitmap = nullptr;
        c.Brush.Color = st_.brush.color;
        switch (st_.brush.style) {
        case 1: // BS_NULL
            c.Brush.Style = bsClear;
            break;
        case 2: // BS_HATCHED
            c.Brush.Style = TBrushStyle(bsHorizontal + std::clamp(st_.brush.hatch, 0, 5));
            break;
        case 3:
        case 5:
        case 6:
            c.Brush.Style = bsSolid;
            if (st_.brush.pattern) c.Brush.Bitmap = st_.brush.pattern.get();
            break;
        default:
            c.Brush.Style = bsSolid;
        }
    }

    // ---- figures ----
    static void flattenBezier(std::vector<DPoint>& out, DPoint p0, DPoint p1, DPoint p2, DPoint p3) {
        for (int i = 1; i <= 16; ++i) {
            const double t = i / 16.0, u = 1 - t;
            out.push_back(
                {u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
                 u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y});
        }
    }
    static std::vector<DPoint> bezierPoints(const std::vector<DPoint>& pts, DPoint start) {
        std::vector<DPoint> out{start};
        for (size_t i = 0; i + 2 < pts.size(); i += 3)
            flattenBezier(out, out.back(), pts[i], pts[i + 1], pts[i + 2]);
        return out;
    }
    static std::vector<DPoint> ellipsePoints(double l, double t, double r, double b) {
        std::vector<DPoint> out;
        const double cx = (l + r) / 2, cy = (t + b) / 2, rx = (r - l) / 2, ry = (b - t) / 2;
        for (int i = 0; i < 48; ++i)
            out.push_back({cx + rx * std::cos(i * M_PI / 24), cy + ry * std::sin(i * M_PI / 24)});
        return out;
    }

    // Fills figures (logical points) with the brush by the fill mode, sampling pixel centres.
    void fillFigures(TCanvas& c, const std::vector<Figure>& figs) {
        struct Edge {
            double x0, y0, x1, y1;
            int dir;
        };
        std::vector<Edge> edges;
        double top = 1e18, bottom = -1e18;
        for (const Figure& f : figs) {
            if (f.pts.size() < 2) continue;
            for (size_t i = 0; i < f.pts.size(); ++i) {
                TPoint a = pix(f.pts[i]), b = pix(f.pts[(i + 1) % f.pts.size()]);
                if (a.y == b.y) continue;
                edges.push_back({double(a.x), double(a.y), double(b.x), double(b.y), a.y < b.y ? 1 : -1});
                top = std::min(top, double(std::min(a.y, b.y)));
                bottom = std::max(bottom, double(std::max(a.y, b.y)));
            }
        }
        if (edges.empty()) return;
        TBitmap& bmp = *c.Target();
        std::sort(edges.begin(), edges.end(),
                  [](const Edge& a, const Edge& b) { return std::min(a.y0, a.y1) < std::min(b.y0, b.y1); });
        raster::SpanSet set;
        const int y0 = std::max(0, int(top)), y1 = std::min(bmp.Height(), int(bottom) + 1);
        std::vector<const Edge*> active;
        size_t next = 0;
        std::vector<std::pair<double, int>> xs;
        for (int y = y0; y < y1; ++y) {
            const double yc = y + 0.5;
            while (next < edges.size() && std::min(edges[next].y0, edges[next].y1) <= yc)
                active.push_back(&edges[next++]);
            std::erase_if(active, [&](const Edge* e) { return std::max(e->y0, e->y1) <= yc; });
            xs.clear();
            for (const Edge* e : active)
                if (std::min(e->y0, e->y1) <= yc)
                    xs.push_back({e->x0 + (yc - e->y0) * (e->x1 - e->x0) / (e->y1 - e->y0), e->dir});
            std::sort(xs.begin(), xs.end());
            int wind = 0;
            for (size_t i = 0; i + 1 < xs.size(); ++i) {
                wind = st_.fillMode == 2 ? wind + xs[i].second : (wind ^ 1);
                if (wind != 0) {
                    const int a = int(std::ceil(std::clamp(xs[i].first - 0.5, -kCoordLimit, kCoordLimit)));
                    const int b =
                        int(std::ceil(std::clamp(xs[i + 1].first - 0.5, -kCoordLimit, kCoordLimit)));
                    set.Add(y, std::max(a, 0), std::min(b, bmp.Width()));
                }
            }
        }
        set.Normalise();
        applyBrush(c);
        raster::Paint(bmp, set, raster::BrushInk(bmp, c.Brush, penModeOf(st_.rop2)));
    }
    void strokeFigures(TCanvas& c, const std::vector<Figure>& figs) {
        applyPen(c);
        if (c.Pen.Style == psClear) return;
        for (const Figure& f : figs) {
            std::vector<TPoint> pts;
            for (const DPoint& p : f.pts)
                pts.push_back(pix(p));
            if (f.closed && !pts.empty()) pts.push_back(pts.front());
            if (pts.size() >= 2) c.Polyline(pts);
        }
    }
    void drawFigures(std::vector<Figure> figs, bool fill, bool stroke) {
        if (inPath_) {
            for (Figure& f : figs)
                path_.push_back(std::move(f));
            return;
        }
        TCanvas* c = begin();
        if (!c) return;
        if (fill) fillFigures(*c, figs);
        if (stroke) strokeFigures(*c, figs);
        end();
    }
    void polyline(std::vector<DPoint> pts) { drawFigures({Figure{std::move(pts), false}}, false, true); }
    void polygons(std::vector<Figure> figs) {
        for (Figure& f : figs)
            f.closed = true;
        drawFigures(std::move(figs), true, true);
    }
    void lineTo(DPoint p) {
        if (inPath_) {
            if (path_.empty() || pathNewFigure_) path_.push_back({{st_.pos}, false});
            pathNewFigure_ = false;
            path_.back().pts.push_back(p);
        } else {
            polyline({st_.pos, p});
        }
        st_.pos = p;
    }
    void moveTo(DPoint p) {
        st_.pos = p;
        pathNewFigure_ = true;
    }

    enum class Shape { Rect, Ellipse, RoundRect, Arc, Pie, Chord };
    void shape(Shape s, double l, double t, double r, double b, double a = 0, double bb = 0, double c2 = 0,
               double d = 0) {
        if (inPath_) {
            Figure f;
            if (s == Shape::Rect || s == Shape::RoundRect)
                f.pts = {{l, t}, {r, t}, {r, b}, {l, b}};
            else
                f.pts = ellipsePoints(l, t, r, b);
            f.closed = true;
            path_.push_back(std::move(f));
            return;
        }
        TCanvas* c = begin();
        if (!c) return;
        applyPen(*c);
        applyBrush(*c);
        TPoint p1 = pix(l, t), p2 = pix(r, b);
        TRect box = NormalizeRect(Rect(p1.x, p1.y, p2.x, p2.y));
        TPoint q1 = pix(a, bb), q2 = pix(c2, d);
        switch (s) {
        case Shape::Rect:
            c->Rectangle(box);
            break;
        case Shape::Ellipse:
            c->Ellipse(box);
            break;
        case Shape::RoundRect: {
            const int cw = std::clamp(int(std::lround(std::fabs(a * scaleX()))), 0, box.Width());
            const int ch = std::clamp(int(std::lround(std::fabs(bb * scaleY()))), 0, box.Height());
            c->RoundRect(box.Left, box.Top, box.Right, box.Bottom, cw, ch);
            break;
        }
        case Shape::Arc:
            c->Arc(box.Left, box.Top, box.Right, box.Bottom, q1.x, q1.y, q2.x, q2.y);
            break;
        case Shape::Pie:
            c->Pie(box.Left, box.Top, box.Right, box.Bottom, q1.x, q1.y, q2.x, q2.y);
            break;
        case Shape::Chord:
            c->Chord(box.Left, box.Top, box.Right, box.Bottom, q1.x, q1.y, q2.x, q2.y);
            break;
        }
        end();
    }

    void setPixel(double x, double y, TColor color) {
        TCanvas* c = begin();
        if (!c) return;
        TPoint p = pix(x, y);
        c->SetPixels(p.x, p.y, color & 0xFFFFFF);
        end();
    }

    void text(double x, double y, const QString& s, unsigned options, const TRect* opaqueLogical) {
        TCanvas* c = begin();
        if (!c) return;
        TFont& f = c->Font;
        f.Name = st_.font.face.empty() ? "Arial" : st_.font.face;
        const double h = st_.font.height * scaleY();
        const int px = std::clamp(int(std::lround(std::fabs(h))), 1, 2000);
        f.Height = st_.font.height == 0 ? -12 : (h < 0 ? -px : px);
        f.Style = 0;
        if (st_.font.weight >= 600) f.Style |= fsBold;
        if (st_.font.italic) f.Style |= fsItalic;
        if (st_.font.underline) f.Style |= fsUnderline;
        if (st_.font.strikeOut) f.Style |= fsStrikeOut;
        f.Escapement = st_.font.escapement;
        f.Color = st_.textColor & 0xFFFFFF;
        if (opaqueLogical && (options & 2)) { // ETO_OPAQUE
            TPoint a = pix(opaqueLogical->Left, opaqueLogical->Top),
                   b = pix(opaqueLogical->Right, opaqueLogical->Bottom);
            c->Brush.Bitmap = nullptr;
            c->Brush.Style = bsSolid;
            c->Brush.Color = st_.bkColor & 0xFFFFFF;
            c->FillRect(NormalizeRect(Rect(a.x, a.y, b.x, b.y)));
        }
        c->Brush.Bitmap = nullptr;
        c->Brush.Style = st_.bkMode == 1 ? bsClear : bsSolid;
        c->Brush.Color = st_.bkColor & 0xFFFFFF;
        const std::string utf8 = s.toStdString();
        TPoint p = (st_.textAlign & 1) ? pix(st_.pos) : pix(x, y);
        const int tw = c->TextWidth(utf8), th = c->TextHeight(utf8);
        int left = p.x, top = p.y;
        if ((st_.textAlign & 6) == 6)
            left -= tw / 2;
        else if (st_.textAlign & 2)
            left -= tw;
        if ((st_.textAlign & 24) == 24)
            top -= th * 4 / 5; // the baseline, near enough for any face the layer maps to
        else if (st_.textAlign & 8)
            top -= th;
        c->TextOut(left, top, utf8);
        end();
    }

    // ---- block copies ----
    void blit(double x, double y, double w, double h, const TBitmap* src, int sx, int sy, int sw, int sh,
              std::uint32_t rop) {
        TCanvas* c = begin();
        if (!c) return;
        applyBrush(*c);
        TPoint a = pix(x, y), b = pix(x + w, y + h);
        const int dw = b.x - a.x, dh = b.y - a.y;
        if (!src) {
            TRect r = NormalizeRect(Rect(a.x, a.y, b.x, b.y));
            BitBlt(*c, r.Left, r.Top, r.Width(), r.Height(), nullptr, 0, 0, rop);
        } else {
            // The record's modes have the canvas's values (BLACKONWHITE 1 .. HALFTONE 4).
            c->StretchMode =
                st_.stretchMode >= 1 && st_.stretchMode <= 4 ? st_.stretchMode : int(BLACKONWHITE);
            TBitmap source(*src);
            StretchBlt(*c, a.x, a.y, dw, dh, source.Canvas(), sx, sy, sw, sh, rop);
        }
        end();
    }
    // An embedded DIB of a record: header and table at infoOff, pixels at bitsOff.
    std::optional<TBitmap> dib(const Reader& r, size_t infoOff, size_t infoLen, size_t bitsOff,
                               size_t bitsLen) const {
        if (infoLen == 0 || !r.has(infoOff, infoLen) || !r.has(bitsOff, bitsLen)) return std::nullopt;
        try {
            return ReadDib(r.bytes(infoOff, infoLen), r.bytes(bitsOff, bitsLen));
        } catch (const EInvalidGraphic&) {
            return std::nullopt;
        }
    }
    // A WMF DIB: header, table and pixels in one piece to the record's end.
    std::optional<TBitmap> packedDib(const Reader& r, size_t off) const {
        if (!r.has(off, 4)) return std::nullopt;
        try {
            return ReadDib(r.bytes(off, r.size() - off));
        } catch (const EInvalidGraphic&) {
            return std::nullopt;
        }
    }
    // The top row of a source rectangle given from the bottom of a bottom-up DIB.
    static int dibTop(const Reader& r, size_t infoOff, const TBitmap& b, int ySrc, int cySrc) {
        const bool topDown = r.u32(infoOff) != 12 && r.s32(infoOff + 8) < 0;
        return topDown ? ySrc : b.Height() - ySrc - cySrc;
    }

    // ---- objects ----
    void store(GdiObject o, std::optional<size_t> at) {
        if (at) {
            if (*at < objects_.size()) objects_[*at] = std::move(o);
            return;
        }
        for (GdiObject& slot : objects_)
            if (slot.kind == GdiObject::Empty) {
                slot = std::move(o);
                return;
            }
    }
    void select(std::uint32_t index) {
        if (emf_ && (index & 0x80000000u)) {
            const std::uint32_t stock = index & 0x7FFFFFFF;
            static const TColor greys[] = {clWhite, 0xC0C0C0, 0x808080, 0x404040, clBlack};
            if (stock <= 4) st_.brush = BrushObj{0, greys[stock], 0, nullptr};
            if (stock == 5) st_.brush = BrushObj{1, clWhite, 0, nullptr};
            if (stock == 6) st_.pen = PenObj{0, 0, clWhite};
            if (stock == 7) st_.pen = PenObj{0, 0, clBlack};
            if (stock == 8) st_.pen = PenObj{5, 0, clBlack};
            if (stock >= 10 && stock <= 17 && stock != 15) st_.font = FontObj{};
            return;
        }
        if (index >= objects_.size()) return;
        const GdiObject& o = objects_[index];
        if (o.kind == GdiObject::Pen) st_.pen = o.pen;
        if (o.kind == GdiObject::Brush) st_.brush = o.brush;
        if (o.kind == GdiObject::Font) st_.font = o.font;
    }
    void remove(std::uint32_t index) {
        if (index < objects_.size()) objects_[index] = GdiObject{};
    }
    GdiObject brushObject(int style, TColor color, int hatch, std::optional<TBitmap> pattern) const {
        GdiObject o;
        o.kind = GdiObject::Brush;
        o.brush = BrushObj{style, color & 0xFFFFFF, hatch, nullptr};
        if (style == 3 || style == 5 || style == 6) {
            if (pattern && pattern->Width() <= kMaxPatternSide && pattern->Height() <= kMaxPatternSide) {
                pattern->SetPixelFormat(pf24bit);
                o.brush.pattern = std::make_shared<TBitmap>(std::move(*pattern));
            } else {
                o.brush.style = 0;
                o.brush.color = clBlack;
            }
        }
        return o;
    }
    void save() {
        if (saved_.size() < kMaxSaveDepth) saved_.push_back(st_);
    }
    void restore(int n) {
        if (n >= 0) return;
        for (int i = 0; i < -n && !saved_.empty(); ++i) {
            st_ = saved_.back();
            saved_.pop_back();
        }
    }
    void intersectClip(double l, double t, double r, double b) {
        const TPoint a = pix(l, t), c = pix(r, b);
        const TRect box = NormalizeRect(Rect(a.x, a.y, c.x, c.y));
        st_.clip = st_.clipped ? IntersectRect(st_.clip, box) : box;
        st_.clipped = true;
    }

    void wmfRecord(const Reader& r, std::uint16_t fn);
    void emfRecord(const Reader& r, std::uint32_t type);
    std::vector<DPoint> points16(const Reader& r, size_t off, size_t n) const {
        std::vector<DPoint> pts;
        for (size_t i = 0; i < n; ++i)
            pts.push_back({double(r.s16(off + 4 * i)), double(r.s16(off + 4 * i + 2))});
        return pts;
    }
    std::vector<DPoint> points32(const Reader& r, size_t off, size_t n) const {
        std::vector<DPoint> pts;
        for (size_t i = 0; i < n; ++i)
            pts.push_back({double(r.s32(off + 8 * i)), double(r.s32(off + 8 * i + 4))});
        return pts;
    }

    bool emf_;
    TBitmap out_;
    TBitmap scratch_;
    int offX_ = 0, offY_ = 0;
    DcState st_;
    std::vector<DcState> saved_;
    std::vector<GdiObject> objects_;
    double frameL_ = 0, frameT_ = 0, frameW_ = 1, frameH_ = 1;
    double refPerMmX_ = 96 / 25.4, refPerMmY_ = 96 / 25.4;
    bool inPath_ = false;
    bool pathNewFigure_ = true;
    std::vector<Figure> path_;
};

// ---------------------------------------------------------------------------------------------
// WMF

void Player::playWmf(const Reader& file, size_t start) {
    size_t at = start;
    while (at < file.size()) {
        if (!file.has(at, 6)) return;
        const unsigned long long words = file.u32(at);
        const std::uint16_t fn = file.u16(at + 4);
        if (words < 3 || words * 2 > file.size() - at) return;
        if (fn == 0) return; // META_EOF
        wmfRecord(Reader(file.bytes(at + 6, size_t(words * 2 - 6))), fn);
        at += size_t(words * 2);
    }
}

void Player::wmfRecord(const Reader& r, std::uint16_t fn) {
    auto p = [&](size_t i) { return double(r.s16(2 * i)); };
    const size_t nParams = r.size() / 2;
    auto need = [&](size_t n) { return nParams >= n; };
    switch (fn) {
    case 0x0201: // SETBKCOLOR
        if (need(2)) st_.bkColor = r.u32(0) & 0xFFFFFF;
        break;
    case 0x0102: // SETBKMODE
        if (need(1)) st_.bkMode = r.u16(0);
        break;
    case 0x0103: // SETMAPMODE: the window always maps onto the bitmap
        break;
    case 0x0104: // SETROP2
        if (need(1)) st_.rop2 = r.u16(0);
        break;
    case 0x0106: // SETPOLYFILLMODE
        if (need(1)) st_.fillMode = r.u16(0);
        break;
    case 0x0107: // SETSTRETCHBLTMODE
        if (need(1)) st_.stretchMode = r.u16(0);
        break;
    case 0x0209: // SETTEXTCOLOR
        if (need(2)) st_.textColor = r.u32(0) & 0xFFFFFF;
        break;
    case 0x012E: // SETTEXTALIGN
        if (need(1)) st_.textAlign = r.u16(0);
        break;
    case 0x020B: // SETWINDOWORG
        if (need(2)) st_.winOrgY = p(0), st_.winOrgX = p(1);
        break;
    case 0x020C: // SETWINDOWEXT
        if (need(2) && p(0) != 0 && p(1) != 0) st_.winExtY = p(0), st_.winExtX = p(1);
        break;
    case 0x020F: // OFFSETWINDOWORG
        if (need(2)) st_.winOrgY += p(0), st_.winOrgX += p(1);
        break;
    case 0x0410: // SCALEWINDOWEXT
        if (need(4) && p(0) != 0 && p(2) != 0 && p(1) != 0 && p(3) != 0) {
            const double ey = st_.winExtY * p(1) / p(0), ex = st_.winExtX * p(3) / p(2);
            if (ex != 0 && ey != 0) st_.winExtX = ex, st_.winExtY = ey;
        }
        break;
    case 0x020D: // SETVIEWPORTORG, SETVIEWPORTEXT and their offsets: the bitmap is the viewport
    case 0x020E:
    case 0x0211:
    case 0x0412:
        break;
    case 0x001E: // SAVEDC
        save();
        break;
    case 0x0127: // RESTOREDC
        if (need(1)) restore(r.s16(0));
        break;
    case 0x0416: // INTERSECTCLIPRECT
        if (need(4)) intersectClip(p(3), p(2), p(1), p(0));
        break;
    case 0x0214: // MOVETO
        if (need(2)) moveTo({p(1), p(0)});
        break;
    case 0x0213: // LINETO
        if (need(2)) lineTo({p(1), p(0)});
        break;
    case 0x0325: // POLYLINE
    case 0x0324: // POLYGON
        if (need(1)) {
            const size_t n = r.u16(0);
            if (!r.has(2, 4 * n)) break;
            if (fn == 0x0325)
                polyline(points16(r, 2, n));
            else
                polygons({Figure{points16(r, 2, n), true}});
        }
        break;
    case 0x0538: { // POLYPOLYGON
        if (!need(1)) break;
        const size_t polys = r.u16(0);
        if (!r.has(2, 2 * polys)) break;
        size_t at = 2 + 2 * polys;
        std::vector<Figure> figs;
        for (size_t i = 0; i < polys; ++i) {
            const size_t n = r.u16(2 + 2 * i);
            if (!r.has(at, 4 * n)) return;
            figs.push_back({points16(r, at, n), true});
            at += 4 * n;
        }
        polygons(std::move(figs));
        break;
    }
    case 0x041B: // RECTANGLE
        if (need(4)) shape(Shape::Rect, p(3), p(2), p(1), p(0));
        break;
    case 0x0418: // ELLIPSE
        if (need(4)) shape(Shape::Ellipse, p(3), p(2), p(1), p(0));
        break;
    case 0x061C: // ROUNDRECT
        if (need(6)) shape(Shape::RoundRect, p(5), p(4), p(3), p(2), p(1), p(0));
        break;
    case 0x0817: // ARC
    case 0x081A: // PIE
    case 0x0830: // CHORD
        if (need(8))
            shape(fn == 0x0817   ? Shape::Arc
                  : fn == 0x081A ? Shape::Pie
                                 : Shape::Chord,
                  p(7), p(6), p(5), p(4), p(3), p(2), p(1), p(0));
        break;
    case 0x041F: // SETPIXEL
        if (need(4)) setPixel(p(3), p(2), r.u32(0));
        break;
    case 0x061D: // PATBLT
        if (need(6)) blit(p(5), p(4), p(3), p(2), nullptr, 0, 0, 0, 0, r.u32(0));
        break;
    case 0x0940: { // DIBBITBLT
        const bool noSource = nParams == 9;
        if (noSource) {
            if (need(9)) blit(p(8), p(7), p(6), p(5), nullptr, 0, 0, 0, 0, r.u32(0));
        } else if (need(8)) {
            if (auto b = packedDib(r, 16))
                blit(p(7), p(6), p(5), p(4), &*b, int(p(3)), int(p(2)), int(p(5)), int(p(4)), r.u32(0));
        }
        break;
    }
    case 0x0B41: { // DIBSTRETCHBLT
        const bool noSource = nParams == 11;
        if (noSource) {
            if (need(11)) blit(p(10), p(9), p(8), p(7), nullptr, 0, 0, 0, 0, r.u32(0));
        } else if (need(10)) {
            if (auto b = packedDib(r, 20))
                blit(p(9), p(8), p(7), p(6), &*b, int(p(5)), int(p(4)), int(p(3)), int(p(2)), r.u32(0));
        }
        break;
    }
    case 0x0F43: // STRETCHDIB
        if (need(11)) {
            if (auto b = packedDib(r, 22)) {
                const int top = dibTop(r, 22, *b, int(p(5)), int(p(3)));
                blit(p(10), p(9), p(8), p(7), &*b, int(p(6)), top, int(p(4)), int(p(3)), r.u32(0));
            }
        }
        break;
    case 0x0521: { // TEXTOUT
        if (!need(1)) break;
        const size_t n = r.u16(0);
        const size_t padded = (n + 1) & ~size_t(1);
        if (!r.has(2, padded + 4)) break;
        const auto s = r.bytes(2, n);
        text(r.s16(2 + padded + 2), r.s16(2 + padded),
             QString::fromLatin1(reinterpret_cast<const char*>(s.data()), qsizetype(n)), 0, nullptr);
        break;
    }
    case 0x0A32: { // EXTTEXTOUT
        if (!need(4)) break;
        const size_t n = r.u16(4);
        const unsigned options = r.u16(6);
        size_t at = 8;
        TRect box;
        const bool haveRect = options & 6;
        if (haveRect) {
            if (!need(8)) break;
            box = Rect(r.s16(8), r.s16(10), r.s16(12), r.s16(14));
            at = 16;
        }
        if (!r.has(at, n)) break;
        const auto s = r.bytes(at, n);
        text(p(1), p(0), QString::fromLatin1(reinterpret_cast<const char*>(s.data()), qsizetype(n)), options,
             haveRect ? &box : nullptr);
        break;
    }
    case 0x012D: // SELECTOBJECT
        if (need(1)) select(r.u16(0));
        break;
    case 0x01F0: // DELETEOBJECT
        if (need(1)) remove(r.u16(0));
        break;
    case 0x02FA: { // CREATEPENINDIRECT
        GdiObject o;
        o.kind = GdiObject::Pen;
        if (need(5)) o.pen = PenObj{r.u16(0), std::fabs(p(1)), r.u32(6) & 0xFFFFFF};
        store(o, std::nullopt);
        break;
    }
    case 0x02FC: // CREATEBRUSHINDIRECT
        store(need(4) ? brushObject(r.u16(0), r.u32(2), r.u16(6), std::nullopt)
                      : brushObject(0, clBlack, 0, std::nullopt),
              std::nullopt);
        break;
    case 0x0142: // DIBCREATEPATTERNBRUSH
        store(brushObject(5, clBlack, 0, need(2) ? packedDib(r, 4) : std::nullopt), std::nullopt);
        break;
    case 0x02FB: { // CREATEFONTINDIRECT
        GdiObject o;
        o.kind = GdiObject::Font;
        if (need(9)) {
            o.font.height = p(0);
            o.font.escapement = r.s16(4);
            o.font.weight = r.s16(8);
            o.font.italic = r.u8(10);
            o.font.underline = r.u8(11);
            o.font.strikeOut = r.u8(12);
            std::string face;
            for (size_t i = 18; i < r.size() && i < 18 + 32 && r.u8(i); ++i)
                face += char(r.u8(i));
            if (!face.empty()) o.font.face = QString::fromLatin1(face.c_str()).toStdString();
        }
        store(o, std::nullopt);
        break;
    }
    case 0x00F7: // CREATEPALETTE, CREATEPATTERNBRUSH, CREATEREGION: take a slot, draw nothing
    case 0x01F9:
    case 0x06FF: {
        GdiObject o;
        o.kind = GdiObject::Other;
        store(o, std::nullopt);
        break;
    }
    default: // escapes and the rest: skipped by their size
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// EMF

void Player::playEmf(const Reader& file) {
    size_t at = 0;
    while (at < file.size()) {
        if (!file.has(at, 8)) return;
        const std::uint32_t type = file.u32(at);
        const std::uint32_t size = file.u32(at + 4);
        if (size < 8 || size > file.size() - at) return;
        if (type == 14) return; // EMR_EOF
        emfRecord(Reader(file.bytes(at, size)), type);
        at += (size + 3) & ~size_t(3);
    }
}

void Player::emfRecord(const Reader& r, std::uint32_t type) {
    auto need = [&](size_t bytes) { return r.size() >= bytes; };
    auto i32 = [&](size_t off) { return double(r.s32(off)); };
    switch (type) {
    case 9: // SETWINDOWEXTEX
        if (need(16) && r.s32(8) != 0 && r.s32(12) != 0) st_.winExtX = i32(8), st_.winExtY = i32(12);
        break;
    case 10: // SETWINDOWORGEX
        if (need(16)) st_.winOrgX = i32(8), st_.winOrgY = i32(12);
        break;
    case 11: // SETVIEWPORTEXTEX
        if (need(16) && r.s32(8) != 0 && r.s32(12) != 0) st_.vpExtX = i32(8), st_.vpExtY = i32(12);
        break;
    case 12: // SETVIEWPORTORGEX
        if (need(16)) st_.vpOrgX = i32(8), st_.vpOrgY = i32(12);
        break;
    case 17: // SETMAPMODE
        if (need(12)) st_.mapMode = std::clamp(int(r.u32(8)), 1, 8);
        break;
    case 18: // SETBKMODE
        if (need(12)) st_.bkMode = int(r.u32(8));
        break;
    case 19: // SETPOLYFILLMODE
        if (need(12)) st_.fillMode = int(r.u32(8));
        break;
    case 20: // SETROP2
        if (need(12)) st_.rop2 = int(r.u32(8));
        break;
    case 21: // SETSTRETCHBLTMODE
        if (need(12)) st_.stretchMode = int(r.u32(8));
        break;
    case 22: // SETTEXTALIGN
        if (need(12)) st_.textAlign = r.u32(8);
        break;
    case 24: // SETTEXTCOLOR
        if (need(12)) st_.textColor = r.u32(8) & 0xFFFFFF;
        break;
    case 25: // SETBKCOLOR
        if (need(12)) st_.bkColor = r.u32(8) & 0xFFFFFF;
        break;
    case 33: // SAVEDC
        save();
        break;
    case 34: // RESTOREDC
        if (need(12)) restore(r.s32(8));
        break;
    case 35: // SETWORLDTRANSFORM
        if (need(32))
            for (int i = 0; i < 6; ++i)
                st_.xf[i] = r.f32(8 + 4 * i);
        break;
    case 36: { // MODIFYWORLDTRANSFORM
        if (!need(36)) break;
        double m[6];
        for (int i = 0; i < 6; ++i)
            m[i] = r.f32(8 + 4 * i);
        const std::uint32_t mode = r.u32(32);
        const double* a = nullptr;
        const double* b = nullptr;
        double cur[6];
        std::copy(st_.xf, st_.xf + 6, cur);
        if (mode == 1) {
            const double id[6] = {1, 0, 0, 1, 0, 0};
            std::copy(id, id + 6, st_.xf);
            break;
        }
        if (mode == 4) {
            std::copy(m, m + 6, st_.xf);
            break;
        }
        if (mode == 2) a = m, b = cur; // left multiply: m * current
        if (mode == 3) a = cur, b = m;
        if (!a) break;
        st_.xf[0] = a[0] * b[0] + a[1] * b[2];
        st_.xf[1] = a[0] * b[1] + a[1] * b[3];
        st_.xf[2] = a[2] * b[0] + a[3] * b[2];
        st_.xf[3] = a[2] * b[1] + a[3] * b[3];
        st_.xf[4] = a[4] * b[0] + a[5] * b[2] + b[4];
        st_.xf[5] = a[4] * b[1] + a[5] * b[3] + b[5];
        break;
    }
    case 30: // INTERSECTCLIPRECT
        if (need(24)) intersectClip(i32(8), i32(12), i32(16), i32(20));
        break;
    case 75: // EXTSELECTCLIPRGN with no region and RGN_COPY: clipping off
        if (need(16) && r.u32(8) == 0 && r.u32(12) == 5) st_.clipped = false;
        break;
    case 27: // MOVETOEX
        if (need(16)) moveTo({i32(8), i32(12)});
        break;
    case 54: // LINETO
        if (need(16)) lineTo({i32(8), i32(12)});
        break;
    case 15: // SETPIXELV
        if (need(20)) setPixel(i32(8), i32(12), r.u32(16));
        break;
    case 2:  // POLYBEZIER
    case 3:  // POLYGON
    case 4:  // POLYLINE
    case 5:  // POLYBEZIERTO
    case 6:  // POLYLINETO
    case 85: // the same with 16-bit points
    case 86:
    case 87:
    case 88:
    case 89: {
        if (!need(28)) break;
        const bool small = type >= 85;
        const std::uint32_t kind = small ? type - 83 : type;
        const size_t n = r.u32(24);
        if (!r.has(28, n * (small ? 4 : 8))) break;
        std::vector<DPoint> pts = small ? points16(r, 28, n) : points32(r, 28, n);
        if (kind == 2 && !pts.empty()) {
            const DPoint s = pts.front();
            pts.erase(pts.begin());
            polyline(bezierPoints(pts, s));
        } else if (kind == 3) {
            polygons({Figure{std::move(pts), true}});
        } else if (kind == 4) {
            polyline(std::move(pts));
        } else if (kind == 5) {
            const std::vector<DPoint> curve = bezierPoints(pts, st_.pos);
            for (size_t i = 1; i < curve.size(); ++i)
                lineTo(curve[i]);
        } else if (kind == 6) {
            for (const DPoint& q : pts)
                lineTo(q);
        }
        break;
    }
    case 7:  // POLYPOLYLINE
    case 8:  // POLYPOLYGON
    case 90: // the same with 16-bit points
    case 91: {
        if (!need(32)) break;
        const bool small = type >= 90;
        const size_t polys = r.u32(24), total = r.u32(28);
        if (!r.has(32, 4 * polys)) break;
        const size_t ptSize = small ? 4 : 8;
        if (!r.has(32 + 4 * polys, total * ptSize)) break;
        size_t at = 32 + 4 * polys, used = 0;
        std::vector<Figure> figs;
        for (size_t i = 0; i < polys; ++i) {
            const size_t n = r.u32(32 + 4 * i);
            if (n > total - used) return;
            figs.push_back({small ? points16(r, at, n) : points32(r, at, n), false});
            at += n * ptSize;
            used += n;
        }
        if (type == 7 || type == 90)
            drawFigures(std::move(figs), false, true);
        else
            polygons(std::move(figs));
        break;
    }
    case 42: // ELLIPSE
    case 43: // RECTANGLE
        if (need(24)) shape(type == 42 ? Shape::Ellipse : Shape::Rect, i32(8), i32(12), i32(16), i32(20));
        break;
    case 44: // ROUNDRECT
        if (need(32)) shape(Shape::RoundRect, i32(8), i32(12), i32(16), i32(20), i32(24), i32(28));
        break;
    case 45: // ARC
    case 46: // CHORD
    case 47: // PIE
    case 55: // ARCTO
        if (need(40))
            shape(type == 46   ? Shape::Chord
                  : type == 47 ? Shape::Pie
                               : Shape::Arc,
                  i32(8), i32(12), i32(16), i32(20), i32(24), i32(28), i32(32), i32(36));
        break;
    case 59: // BEGINPATH
        inPath_ = true;
        path_.clear();
        pathNewFigure_ = true;
        break;
    case 60: // ENDPATH
        inPath_ = false;
        break;
    case 61: // CLOSEFIGURE
        if (!path_.empty()) path_.back().closed = true;
        pathNewFigure_ = true;
        break;
    case 68: // ABORTPATH
        inPath_ = false;
        path_.clear();
        break;
    case 62:   // FILLPATH
    case 63:   // STROKEANDFILLPATH
    case 64: { // STROKEPATH
        if (inPath_) break;
        std::vector<Figure> figs = std::move(path_);
        path_.clear();
        if (type != 64)
            for (Figure& f : figs)
                f.closed = true;
        drawFigures(std::move(figs), type != 64, type != 62);
        break;
    }
    case 37: // SELECTOBJECT
        if (need(12)) select(r.u32(8));
        break;
    case 40: // DELETEOBJECT
        if (need(12)) remove(r.u32(8));
        break;
    case 38: { // CREATEPEN
        if (!need(28)) break;
        GdiObject o;
        o.kind = GdiObject::Pen;
        o.pen = PenObj{int(r.u32(12)), std::fabs(i32(16)), r.u32(24) & 0xFFFFFF};
        store(o, r.u32(8));
        break;
    }
    case 95: { // EXTCREATEPEN
        if (!need(52)) break;
        GdiObject o;
        o.kind = GdiObject::Pen;
        const std::uint32_t style = r.u32(28);
        o.pen = PenObj{int(style & 0xF), (style & 0x10000) ? std::fabs(i32(32)) : 0, r.u32(40) & 0xFFFFFF};
        store(o, r.u32(8));
        break;
    }
    case 39: // CREATEBRUSHINDIRECT
        if (need(24)) store(brushObject(int(r.u32(12)), r.u32(16), int(r.u32(20)), std::nullopt), r.u32(8));
        break;
    case 94: // CREATEDIBPATTERNBRUSHPT
        if (need(32))
            store(brushObject(5, clBlack, 0, dib(r, r.u32(16), r.u32(20), r.u32(24), r.u32(28))), r.u32(8));
        break;
    case 82: { // EXTCREATEFONTINDIRECTW
        if (!need(12 + 28)) break;
        GdiObject o;
        o.kind = GdiObject::Font;
        o.font.height = i32(12);
        o.font.escapement = r.s32(20);
        o.font.weight = r.s32(28);
        o.font.italic = r.u8(32);
        o.font.underline = r.u8(33);
        o.font.strikeOut = r.u8(34);
        QString face;
        for (size_t i = 0; i < 32 && r.has(40 + 2 * i, 2) && r.u16(40 + 2 * i); ++i)
            face += QChar(r.u16(40 + 2 * i));
        if (!face.isEmpty()) o.font.face = face.toStdString();
        store(o, r.u32(8));
        break;
    }
    case 83:   // EXTTEXTOUTA
    case 84: { // EXTTEXTOUTW
        if (!need(76)) break;
        const double x = i32(36), y = i32(40);
        const size_t n = r.u32(44), off = r.u32(48);
        const unsigned options = r.u32(52);
        const TRect box = Rect(r.s32(56), r.s32(60), r.s32(64), r.s32(68));
        QString s;
        if (type == 84) {
            if (!r.has(off, 2 * n)) break;
            for (size_t i = 0; i < n; ++i)
                s += QChar(r.u16(off + 2 * i));
        } else {
            if (!r.has(off, n)) break;
            const auto b = r.bytes(off, n);
            s = QString::fromLatin1(reinterpret_cast<const char*>(b.data()), qsizetype(n));
        }
        text(x, y, s, options, &box);
        break;
    }
    case 76:   // BITBLT
    case 77: { // STRETCHBLT
        if (!need(type == 76 ? 100 : 108)) break;
        const double x = i32(24), y = i32(28), w = i32(32), h = i32(36);
        const std::uint32_t rop = r.u32(40);
        const int sx = r.s32(44), sy = r.s32(48);
        const std::uint32_t offBmi = r.u32(84), cbBmi = r.u32(88), offBits = r.u32(92), cbBits = r.u32(96);
        if (cbBmi == 0) {
            blit(x, y, w, h, nullptr, 0, 0, 0, 0, rop);
        } else if (auto b = dib(r, offBmi, cbBmi, offBits, cbBits)) {
            const int sw = type == 76 ? int(w) : r.s32(100), sh = type == 76 ? int(h) : r.s32(104);
            blit(x, y, w, h, &*b, sx, sy, sw, sh, rop);
        }
        break;
    }
    case 81: { // STRETCHDIBITS
        if (!need(80)) break;
        const int sx = r.s32(32), sy = r.s32(36), sw = r.s32(40), sh = r.s32(44);
        const std::uint32_t offBmi = r.u32(48), cbBmi = r.u32(52), offBits = r.u32(56), cbBits = r.u32(60);
        if (auto b = dib(r, offBmi, cbBmi, offBits, cbBits))
            blit(i32(24), i32(28), i32(72), i32(76), &*b, sx, dibTop(r, offBmi, *b, sy, sh), sw, sh,
                 r.u32(68));
        break;
    }
    default: // comments (and EMF+ inside them), escapes and the rest: skipped by their size
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Headers

struct Layout {
    bool emf = false;
    int width = 0;
    int height = 0;
    size_t recordsAt = 0;
    size_t objects = 0;
    double winOrgX = 0, winOrgY = 0, winExtX = 0, winExtY = 0;                 // WMF
    double frameL = 0, frameT = 0, frameW = 0, frameH = 0, refX = 0, refY = 0; // EMF
};

int sizeFrom(double v) {
    if (!std::isfinite(v) || std::fabs(v) > 1e9) fail("size out of range");
    return int(std::nearbyint(std::fabs(v)));
}

Layout parse(const Reader& f) {
    Layout L;
    if (f.size() >= 88 && f.u32(0) == 1 && f.u32(40) == 0x464D4520) {
        L.emf = true;
        const double fl = f.s32(24), ft = f.s32(28), fr = f.s32(32), fb = f.s32(36);
        const double devX = f.s32(72), devY = f.s32(76), mmX = f.s32(80), mmY = f.s32(84);
        if (devX <= 0 || devY <= 0 || mmX <= 0 || mmY <= 0) fail("no reference device");
        L.width = sizeFrom((fr - fl) * 96 / 2540);
        L.height = sizeFrom((fb - ft) * 96 / 2540);
        L.refX = devX / mmX, L.refY = devY / mmY;
        L.frameL = fl / 100 * L.refX, L.frameT = ft / 100 * L.refY;
        L.frameW = (fr - fl) / 100 * L.refX, L.frameH = (fb - ft) / 100 * L.refY;
        L.objects = f.u16(56);
        if (L.frameW == 0 || L.frameH == 0) fail("empty frame");
    } else {
        size_t at = 0;
        const bool placeable = f.u32(0) == 0x9AC6CDD7u;
        if (placeable) {
            if (!f.has(0, 22)) fail("file shorter than its header");
            const double l = f.s16(6), t = f.s16(8), r = f.s16(10), b = f.s16(12);
            const int inch = f.u16(14);
            if (inch == 0) fail("no units per inch");
            L.width = sizeFrom((r - l) * 96 / inch);
            L.height = sizeFrom((b - t) * 96 / inch);
            L.winOrgX = l, L.winOrgY = t, L.winExtX = r - l, L.winExtY = b - t;
            at = 22;
        }
        if (!f.has(at, 18)) fail("file shorter than its header");
        const std::uint16_t kind = f.u16(at);
        if ((kind != 1 && kind != 2) || f.u16(at + 2) != 9) fail("not a metafile");
        L.objects = f.u16(at + 10);
        L.recordsAt = at + 18;
        if (!placeable) {
            // The picture's size is its first window extent.
            size_t p = L.recordsAt;
            bool found = false;
            while (f.has(p, 6)) {
                const unsigned long long words = f.u32(p);
                const std::uint16_t fn = f.u16(p + 4);
                if (words < 3 || words * 2 > f.size() - p || fn == 0) break;
                if (fn == 0x020C && words >= 5) {
                    L.winExtY = f.s16(p + 6), L.winExtX = f.s16(p + 8);
                    found = true;
                    break;
                }
                p += size_t(words * 2);
            }
            if (!found) fail("no window extent");
            L.width = sizeFrom(L.winExtX);
            L.height = sizeFrom(L.winExtY);
        }
    }
    if (!PictureSizeAllowed(L.width, L.height)) fail("zero or too large size");
    return L;
}

} // namespace

TPoint MetafileSize(std::span<const std::uint8_t> file) {
    const Layout L = parse(Reader(file));
    return {L.width, L.height};
}

TBitmap PlayMetafile(std::span<const std::uint8_t> file) {
    const Reader f(file);
    const Layout L = parse(f);
    Player player(L.emf, L.width, L.height);
    player.setObjectCount(L.objects);
    if (L.emf) {
        player.setFrame(L.frameL, L.frameT, L.frameW, L.frameH);
        player.setRefPixelsPerMm(L.refX, L.refY);
        player.playEmf(f);
    } else {
        player.setInitialWindow(L.winOrgX, L.winOrgY, L.winExtX, L.winExtY);
        player.playWmf(f, L.recordsAt);
    }
    return std::move(player.result());
}
