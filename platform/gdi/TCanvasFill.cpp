// Flood fill: 4-connected, by spans with an explicit stack (no recursion), so it ends on any
// picture. The region is found first and painted afterwards, so a brush whose colour matches
// the region (or a hatch that leaves pixels as they were) can never make the fill run on.
#include "TCanvas.h"

#include "Raster.h"
#include "TBitmap.h"

#include <vector>

using namespace raster;

namespace {

// The span fill over any pixel store. match(x, y) says whether a pixel belongs to the region
// and has not been visited; mark(y, l, r) takes a found span out of it.
template <class Match, class Mark> TRect spanFill(int W, int H, int sx, int sy, Match&& match, Mark&& mark) {
    TRect touched{sx, sy, sx + 1, sy + 1};
    std::vector<TPoint> stack;
    stack.push_back({sx, sy});
    while (!stack.empty()) {
        TPoint p = stack.back();
        stack.pop_back();
        if (!match(p.x, p.y)) continue;
        int l = p.x, r = p.x;
        while (l > 0 && match(l - 1, p.y))
            --l;
        while (r < W - 1 && match(r + 1, p.y))
            ++r;
        mark(p.y, l, r + 1);
        touched.Left = std::min(touched.Left, l);
        touched.Right = std::max(touched.Right, r + 1);
        touched.Top = std::min(touched.Top, p.y);
        touched.Bottom = std::max(touched.Bottom, p.y + 1);
        for (int ny : {p.y - 1, p.y + 1}) {
            if (ny < 0 || ny >= H) continue;
            bool inRun = false;
            for (int x = l; x <= r; ++x) {
                bool m = match(x, ny);
                if (m && !inRun) stack.push_back({x, ny});
                inRun = m;
            }
        }
    }
    return touched;
}

constexpr std::uint32_t kVisited = 0x5A000000u; // top byte of a visited true-colour pixel

} // namespace

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
    TBitmap& bmp = *target_;
    int W = bmp.Width(), H = bmp.Height();
    if (x < 0 || y < 0 || x >= W || y >= H) return;
    Ink ink = BrushInk(bmp, Brush, pmCopy);
    if (ink.kind == Ink::None) return;
    TColor rgb = ColorToRGB(color);
    bool surface = style == fsSurface;

    if (bmp.IsIndexed()) {
        bool inRegion[256];
        for (int i = 0; i < 256; ++i) {
            TColor c = 0;
            const HPALETTE& pal = bmp.Palette();
            if (pal && i < int(pal->entries.size())) {
                const PALETTEENTRY& e = pal->entries[std::size_t(i)];
                c = RGB(e.peRed, e.peGreen, e.peBlue);
            }
            inRegion[i] = surface ? c == rgb : c != rgb;
        }
        std::vector<std::uint8_t> seen(std::size_t(W) * std::size_t(H), 0);
        SpanSet spans;
        auto match = [&](int px, int py) {
            return !seen[std::size_t(py) * W + px] && inRegion[bmp.ScanLine(py)[px]];
        };
        if (!match(x, y)) return;
        TRect t = spanFill(W, H, x, y, match, [&](int py, int l, int r) {
            std::fill(seen.begin() + std::ptrdiff_t(py) * W + l, seen.begin() + std::ptrdiff_t(py) * W + r,
                      1);
            spans.Add(py, l, r);
        });
        spans.Normalise();
        PaintQuiet(bmp, spans, ink);
        bmp.Changed(t);
        return;
    }

    // True colour: a visited pixel gets a marker in its top byte, which the region test sees.
    // A solid brush that takes the pixel out of the region is painted at once instead.
    std::uint32_t target = TBitmap::ToWord(rgb) & 0xFFFFFFu;
    auto inRegion = [&](std::uint32_t w) {
        if ((w & 0xFF000000u) == kVisited) return false;
        return surface ? (w & 0xFFFFFFu) == target : (w & 0xFFFFFFu) != target;
    };
    if (!inRegion(bmp.Row32(y)[x])) return;
    std::uint32_t paintWord = ink.value;
    bool direct = ink.kind == Ink::Solid && !inRegion(paintWord);
    std::uint8_t* bits = bmp.Bits();
    std::size_t stride = std::size_t(bmp.BytesPerLine());
    auto row = [&](int py) { return reinterpret_cast<std::uint32_t*>(bits + std::size_t(py) * stride); };
    auto match = [&](int px, int py) { return inRegion(row(py)[px]); };
    SpanSet spans;
    TRect t;
    if (direct) {
        t = spanFill(W, H, x, y, match,
                     [&](int py, int l, int r) { std::fill(row(py) + l, row(py) + r, paintWord); });
    } else {
        t = spanFill(W, H, x, y, match, [&](int py, int l, int r) {
            std::uint32_t* p = row(py);
            for (int i = l; i < r; ++i)
                p[i] = (p[i] & 0xFFFFFFu) | kVisited;
            spans.Add(py, l, r);
        });
        for (const Span& s : spans.Spans()) {
            std::uint32_t* p = row(s.y);
            for (int i = s.x0; i < s.x1; ++i)
                p[i] |= 0xFF000000u;
        }
        spans.Normalise();
        PaintQuiet(bmp, spans, ink);
    }
    bmp.Changed(t);
}
