// Flood fill: 4-connected, by runs with an explicit stack (no recursion), so it ends on any
// picture. Found pixels leave the region at once: a solid brush that takes them out of it
// paints them as they are found; any other brush (one of the region's own colour, a hatch that
// leaves pixels as they were, a pattern) marks them and paints the region afterwards.
#include "TCanvas.h"

#include "Raster.h"
#include "TBitmap.h"

#include <vector>

using namespace raster;

namespace {

// The segment fill over any pixel store (after Heckbert's seed fill): each stacked segment is
// a run already filled on one row, whose neighbour row in its direction is explored next; only
// the parts of the row that stick out beyond the parent run are looked at in the other
// direction, so most pixels are read once. match(row, x, y) says whether a pixel belongs to the
// region and is not yet filled; mark(row, y, l, r) takes the run [l, r) out of the region.
template <class RowOf, class Match, class Mark, class RunEnd>
TRect segmentFill(int H, int sx, int sy, RowOf&& rowOf, Match&& match, Mark&& mark, RunEnd&& runEnd) {
    struct Seg {
        int y, xl, xr, dy;
    };
    std::vector<Seg> stack;
    auto push = [&](int y, int xl, int xr, int dy) {
        if (y + dy >= 0 && y + dy < H) stack.push_back({y, xl, xr, dy});
    };
    TRect touched{sx, sy, sx + 1, sy + 1};
    push(sy, sx, sx, 1);
    push(sy + 1, sx, sx, -1); // the seed row itself, taken first
    while (!stack.empty()) {
        Seg s = stack.back();
        stack.pop_back();
        int dy = s.dy, y = s.y + dy, x1 = s.xl, x2 = s.xr;
        auto* row = rowOf(y);
        int x = x1;
        while (x >= 0 && match(row, x, y))
            --x;
        int l;
        if (x < x1) {
            l = x + 1;
            if (l < x1) push(y, l, x1 - 1, -dy);
            x = x1 + 1;
        } else {
            for (++x; x <= x2 && !match(row, x, y); ++x) {
            }
            if (x > x2) continue;
            l = x;
        }
        for (;;) {
            x = runEnd(row, x, y);
            mark(row, y, l, x);
            touched.Left = std::min(touched.Left, l);
            touched.Right = std::max(touched.Right, x);
            touched.Top = std::min(touched.Top, y);
            touched.Bottom = std::max(touched.Bottom, y + 1);
            push(y, l, x - 1, dy);
            if (x > x2 + 1) push(y, x2 + 1, x - 1, -dy);
            for (++x; x <= x2 && !match(row, x, y); ++x) {
            }
            if (x > x2) break;
            l = x;
        }
    }
    return touched;
}

// The first pixel from x on that does not match (or W): the plain walk.
template <class Match> auto walkRun(int W, Match& match) {
    return [W, &match](const auto* row, int x, int y) {
        while (x < W && match(row, x, y))
            ++x;
        return x;
    };
}

// The same over colour words four at a time, for the common whole-area fills.
template <bool Equal> int wordRun(const std::uint32_t* row, int x, int W, std::uint32_t target) {
    auto hit = [&](std::uint32_t w) { return ((w & 0xFFFFFFu) == target) == Equal; };
    while (x + 4 <= W && hit(row[x]) & hit(row[x + 1]) & hit(row[x + 2]) & hit(row[x + 3]))
        x += 4;
    while (x < W && hit(row[x]))
        ++x;
    return x;
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
        auto rowOf = [&](int py) { return bmp.ScanLine(py); };
        auto match = [&](const std::uint8_t* row, int px, int py) {
            return !seen[std::size_t(py) * W + px] && inRegion[row[px]];
        };
        if (!match(rowOf(y), x, y)) return;
        auto mark = [&](std::uint8_t*, int py, int l, int r) {
            std::fill(seen.begin() + std::ptrdiff_t(py) * W + l, seen.begin() + std::ptrdiff_t(py) * W + r,
                      1);
            spans.Add(py, l, r);
        };
        TRect t = segmentFill(H, x, y, rowOf, match, mark, walkRun(W, match));
        spans.Normalise();
        PaintQuiet(bmp, spans, ink);
        bmp.Changed(t);
        return;
    }

    // True colour: a solid brush that takes the pixels out of the region paints them as they
    // are found. Otherwise a found pixel gets a marker in its top byte, which the region test
    // sees, and the region is painted afterwards.
    std::uint32_t target = TBitmap::ToWord(rgb) & 0xFFFFFFu;
    std::uint32_t start = bmp.Row32(y)[x];
    bool startIn = (start & 0xFF000000u) != kVisited &&
                   (surface ? (start & 0xFFFFFFu) == target : (start & 0xFFFFFFu) != target);
    if (!startIn) return;
    std::uint8_t* bits = bmp.Bits();
    std::size_t stride = std::size_t(bmp.BytesPerLine());
    auto rowOf = [&](int py) { return reinterpret_cast<std::uint32_t*>(bits + std::size_t(py) * stride); };
    std::uint32_t paintWord = ink.value;
    bool paintIn = surface ? (paintWord & 0xFFFFFFu) == target : (paintWord & 0xFFFFFFu) != target;
    TRect t;
    if (ink.kind == Ink::Solid && !paintIn) {
        auto fill = [&](std::uint32_t* row, int, int l, int r) { std::fill(row + l, row + r, paintWord); };
        if (surface) {
            auto match = [&](const std::uint32_t* row, int px, int) {
                return (row[px] & 0xFFFFFFu) == target;
            };
            auto run = [&](const std::uint32_t* row, int px, int) {
                return wordRun<true>(row, px, W, target);
            };
            t = segmentFill(H, x, y, rowOf, match, fill, run);
        } else {
            auto match = [&](const std::uint32_t* row, int px, int) {
                return (row[px] & 0xFFFFFFu) != target;
            };
            auto run = [&](const std::uint32_t* row, int px, int) {
                return wordRun<false>(row, px, W, target);
            };
            t = segmentFill(H, x, y, rowOf, match, fill, run);
        }
        bmp.Changed(t);
        return;
    }
    SpanSet spans;
    auto match = [&](const std::uint32_t* row, int px, int) {
        std::uint32_t w = row[px];
        if ((w & 0xFF000000u) == kVisited) return false;
        return surface ? (w & 0xFFFFFFu) == target : (w & 0xFFFFFFu) != target;
    };
    auto mark = [&](std::uint32_t* row, int py, int l, int r) {
        for (int i = l; i < r; ++i)
            row[i] = (row[i] & 0xFFFFFFu) | kVisited;
        spans.Add(py, l, r);
    };
    t = segmentFill(H, x, y, rowOf, match, mark, walkRun(W, match));
    for (const Span& sp : spans.Spans()) {
        std::uint32_t* row = rowOf(sp.y);
        for (int i = sp.x0; i < sp.x1; ++i)
            row[i] |= 0xFF000000u;
    }
    spans.Normalise();
    PaintQuiet(bmp, spans, ink);
    bmp.Changed(t);
}
