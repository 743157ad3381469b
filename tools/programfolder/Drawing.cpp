#include "Drawing.h"

#include <cmath>
#include <cstring>
#include <map>

namespace {

// Glyphs on a 4 x 6 grid, y downwards.
const std::map<char, std::vector<Stroke>>& glyphs() {
    static const std::map<char, std::vector<Stroke>> g = {
        {'O', {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}}},
        {'R', {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}}},
        {'V', {{{0, 0}, {2, 6}, {4, 0}}}},
        {'A', {{{0, 6}, {2, 0}, {4, 6}}, {{0.8, 3.6}, {3.2, 3.6}}}},
        {'N', {{{0, 6}, {0, 0}, {4, 6}, {4, 0}}}},
        {'T', {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}}},
        {'0', {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}}},
        {'1', {{{1, 1}, {2, 0}, {2, 6}}, {{1, 6}, {3, 6}}}},
        {'2', {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {0, 6}, {4, 6}}}},
        {'3', {{{0, 0}, {4, 0}, {2, 2.5}, {3, 2.5}, {4, 3.5}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}},
        {'4', {{{3, 6}, {3, 0}, {0, 4}, {4, 4}}}},
        {'5', {{{4, 0}, {0, 0}, {0, 2.5}, {3, 2.5}, {4, 3.5}, {4, 5}, {3, 6}, {0, 6}}}},
        {'6', {{{3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 3.5}, {3, 2.5}, {0, 2.5}}}},
        {'7', {{{0, 0}, {4, 0}, {1.5, 6}}}},
        {'8',
         {{{1, 0},
           {3, 0},
           {4, 1},
           {4, 2},
           {3, 3},
           {1, 3},
           {0, 4},
           {0, 5},
           {1, 6},
           {3, 6},
           {4, 5},
           {4, 4},
           {3, 3},
           {1, 3},
           {0, 2},
           {0, 1},
           {1, 0}}}},
        {'9', {{{4, 3.5}, {1, 3.5}, {0, 2.5}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}}}},
    };
    return g;
}

int roundPx(double v) {
    return int(std::lround(v));
}

} // namespace

double textWidthUnits(const std::string& text) {
    return text.empty() ? 0 : 6.0 * double(text.size()) - 2.0;
}

std::vector<Stroke> textStrokes(const std::string& text, double x, double y, double unit) {
    std::vector<Stroke> out;
    double left = x;
    for (char c : text) {
        auto it = glyphs().find(c);
        if (it != glyphs().end())
            for (const Stroke& s : it->second) {
                Stroke placed;
                for (const StrokePoint& p : s)
                    placed.push_back({left + p.x * unit, y + p.y * unit});
                out.push_back(std::move(placed));
            }
        left += 6 * unit;
    }
    return out;
}

StrokePoint drawStrokes(TCanvas& canvas, const std::vector<Stroke>& strokes, double fraction) {
    double total = 0;
    for (const Stroke& s : strokes)
        for (std::size_t i = 1; i < s.size(); ++i)
            total += std::hypot(s[i].x - s[i - 1].x, s[i].y - s[i - 1].y);
    double left = total * std::clamp(fraction, 0.0, 1.0);
    StrokePoint reached{0, 0};
    for (const Stroke& s : strokes) {
        if (s.empty() || left <= 0) break;
        canvas.MoveTo(roundPx(s[0].x), roundPx(s[0].y));
        reached = s[0];
        for (std::size_t i = 1; i < s.size() && left > 0; ++i) {
            double len = std::hypot(s[i].x - s[i - 1].x, s[i].y - s[i - 1].y);
            double t = len > 0 ? std::min(1.0, left / len) : 1.0;
            reached = {s[i - 1].x + (s[i].x - s[i - 1].x) * t, s[i - 1].y + (s[i].y - s[i - 1].y) * t};
            canvas.LineTo(roundPx(reached.x), roundPx(reached.y));
            left -= len;
        }
    }
    return reached;
}

HPALETTE rampPalette(const std::vector<ColourRamp>& ramps) {
    std::vector<PALETTEENTRY> e;
    for (const ColourRamp& r : ramps)
        for (int i = 0; i < r.count; ++i) {
            auto mix = [&](int a, int b) {
                return std::uint8_t(r.count > 1 ? a + (b - a) * i / (r.count - 1) : a);
            };
            e.push_back({mix(GetRValue(r.from), GetRValue(r.to)), mix(GetGValue(r.from), GetGValue(r.to)),
                         mix(GetBValue(r.from), GetBValue(r.to)), 0});
        }
    e.resize(256);
    return CreatePalette(e);
}

TBitmap paletteBitmap(int width, int height, const HPALETTE& palette) {
    TBitmap b(width, height, pf8bit);
    b.SetPalette(palette);
    for (int y = 0; y < height; ++y)
        fillRow(b, y, 0);
    return b;
}

void fillRow(TBitmap& bmp, int y, int index) {
    std::memset(bmp.ScanLine(y), index, std::size_t(bmp.Width()));
}
