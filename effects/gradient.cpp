#include "gradient.h"

#include "Numbers.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

int channel(TColor c, int shift) {
    return int((c >> shift) & 0xFF);
}

// Walks the lines of a band phase in order, calling line(p, colour) for each: positions q and
// line places p as the area fills step them, the colour kept when the index passes the list.
template <class Line> void bandLines(int E, const std::vector<TColor>& colors, TProgress& bar, Line line) {
    const int count = int(colors.size());
    const long double step = Real48(E * 0.01L);
    long double next = step;
    TColor pen = clBlack;
    const bool spread = count < E;
    const int first = spread ? 1 : 0, last = spread ? E : E - 1;
    for (int r = first; r <= last; ++r) {
        if (r > next) {
            next = Real48(next + step);
            bar.SetPosition(int(Round(next)));
        }
        long long index = gradientIndex(r, E, count);
        if (index >= 0 && index <= count - 1 && colors[size_t(index)] != noGradientColour)
            pen = colors[size_t(index)];
        line(spread ? r - 1 : r, pen);
    }
}

} // namespace

std::array<TColor, 256> stretchBands(TColor left, TColor right, TStretchOffsets offsets, int stretch) {
    const long long S = std::max(stretch, 1);
    const int shifts[3] = {0, 8, 16};
    const int offs[3] = {offsets.r, offsets.g, offsets.b};
    long long value[3], range[3];
    for (int c = 0; c < 3; ++c) {
        int l = channel(left, shifts[c]), r = channel(right, shifts[c]);
        range[c] = std::max(l, r) - std::min(l, r);
        if (range[c] == 0) range[c] = 1;
        value[c] = (long long)(l + offs[c]) * S; // the value times S, kept exact
    }
    std::array<TColor, 256> bands{};
    for (int i = 0; i < 256; ++i) {
        TColor colour = 0;
        for (int c = 0; c < 3; ++c)
            colour |= TColor(roundHalfEven(value[c], S) & 0xFF) << shifts[c];
        bands[size_t(i)] = colour;
        for (int c = 0; c < 3; ++c)
            if (i * S > value[c]) value[c] += range[c];
    }
    return bands;
}

void paintStretch(TCanvas& canvas, const std::array<TColor, 256>& bands) {
    canvas.Brush.SetStyle(bsSolid);
    canvas.Pen.Width = 2;
    canvas.Pen.Style = psInsideFrame;
    for (int i = 0; i < 256; ++i) {
        canvas.Pen.Color = bands[size_t(i)];
        canvas.Brush.SetColor(canvas.Pen.Color);
        canvas.Rectangle(2 * i, 0, 2 * i + 2, 25);
    }
}

std::vector<TColor> stretchList(const TBitmap& stretch, TColor previous, int leftMarker, int rightMarker) {
    std::vector<TColor> list;
    bool started = false, open = true;
    for (int x = 0; x <= 511; ++x) {
        if (x > leftMarker) started = true;
        if (x > rightMarker) open = false;
        TColor c = stretch.GetPixel(x, 3);
        if (c != previous && started && open) list.push_back(c);
        previous = c;
    }
    return list;
}

std::vector<TColor> parseGradientList(const std::vector<std::string>& items) {
    std::vector<TColor> colors;
    colors.reserve(items.size());
    for (const std::string& s : items) {
        TColor c;
        colors.push_back(ParseColorText(s.c_str(), c) && c != noGradientColour ? c : noGradientColour);
    }
    return colors;
}

int stripIndex(int x, int n, int W) {
    return int(roundHalfEven((long long)x * n, W));
}

bool drawStrip(const std::vector<TCanvas*>& canvases, int W, int H, const std::vector<TColor>& colors) {
    for (TCanvas* c : canvases) {
        c->Brush.SetStyle(bsClear);
        c->Pen.Width = 2;
        c->Pen.Style = psInsideFrame;
    }
    const int n = int(colors.size());
    if (n < 2 || W <= 0) return false;
    TColor colour = clBlack;
    for (int x = 0; x < W; ++x) {
        int index = stripIndex(x, n, W);
        if (index <= n - 1 && colors[size_t(index)] != noGradientColour) colour = colors[size_t(index)];
        for (TCanvas* c : canvases) {
            c->Pen.Color = colour;
            c->MoveTo(x, 0);
            c->LineTo(x, H);
        }
    }
    return true;
}

long long gradientIndex(long long q, int E, int count) {
    if (count <= 0 || E <= 0) return -1;
    if (count < E) {
        const long double ratio = Real48((long double)E / count);
        return Round((long double)q / ratio);
    }
    const long double ratio = Real48((long double)count / E);
    return Round(ratio * (long double)q);
}

std::vector<TColor> gradientBandTable(int E, const std::vector<TColor>& colors, TProgress& bar) {
    std::vector<TColor> table(size_t(std::max(E, 0)), clWhite);
    if (colors.size() < 2 || E <= 0) return table;
    // A 2-pixel line at p covers p - 1 and p; the next line overdraws p, so place y ends up with
    // the colour of the line at y + 1, and the last place with its own line's.
    bandLines(E, colors, bar, [&](int p, TColor pen) {
        if (p - 1 >= 0) table[size_t(p - 1)] = pen;
        table[size_t(p)] = pen;
    });
    return table;
}

void gradientRecolour(TBitmap& page, const TBitmap& undo, const std::vector<TColor>& table, bool vertical,
                      TProgress& bar) {
    const long double step = Real48(page.Height() * 0.01L);
    long double next = step;
    const int tableSize = int(table.size());
    const int rows = page.Height();
    for (int y = 0; y < rows; ++y) {
        if (y > next) {
            next = Real48(next + step);
            bar.SetPosition(int(Round(next)));
            bar.ProcessMessages();
        }
        // Messages may have resized either picture: rows and columns beyond them are skipped.
        if (y >= std::min(page.Height(), undo.Height())) continue;
        const int w = std::min(page.Width(), undo.Width());
        if (!vertical && y >= tableSize) continue;
        const int cols = vertical ? std::min(w, tableSize) : w;
        bool changed = false;
        if (!page.IsIndexed() && !undo.IsIndexed()) {
            std::uint32_t* d = page.Row32(y);
            const std::uint32_t* s = undo.Row32(y);
            if (vertical) {
                for (int x = 0; x < cols; ++x)
                    if ((d[x] ^ s[x]) & 0x00FFFFFFu) {
                        d[x] = TBitmap::ToWord(table[size_t(x)]);
                        changed = true;
                    }
            } else {
                const std::uint32_t band = TBitmap::ToWord(table[size_t(y)]);
                for (int x = 0; x < cols; ++x)
                    if ((d[x] ^ s[x]) & 0x00FFFFFFu) {
                        d[x] = band;
                        changed = true;
                    }
            }
        } else {
            for (int x = 0; x < cols; ++x)
                if (page.GetPixel(x, y) != undo.GetPixel(x, y)) {
                    page.SetPixel(x, y, table[size_t(vertical ? x : y)]);
                    changed = true;
                }
        }
        if (changed) page.Changed(Rect(0, y, cols, y + 1));
    }
}

bool gradientBoxLines(TCanvas& canvas, int X1, int Y1, int X2, int Y2, bool vertical,
                      const std::vector<TColor>& colors) {
    const int left = std::min(X1, X2), top = std::min(Y1, Y2);
    const int w = std::max(std::abs(X2 - X1), 1), h = std::max(std::abs(Y2 - Y1), 1);
    canvas.Brush.SetStyle(bsClear);
    canvas.Pen.Width = 2;
    canvas.Pen.Style = psInsideFrame;
    const int count = int(colors.size());
    if (count < 2) return false;
    const int E = vertical ? w : h;
    if (E < 5) return false;
    for (int i = 0; i < E; ++i) {
        long long index = gradientIndex(i, E, count);
        if (index >= 0 && index <= count - 1 && colors[size_t(index)] != noGradientColour)
            canvas.Pen.Color = colors[size_t(index)];
        if (vertical) {
            canvas.MoveTo(left + i, top);
            canvas.LineTo(left + i, top + h);
        } else {
            canvas.MoveTo(left, top + i);
            canvas.LineTo(left + w, top + i);
        }
    }
    return true;
}

bool gradientFrame(TCanvas& canvas, int X1, int Y1, int X2, int Y2, int depth,
                   const std::vector<TColor>& colors) {
    const int left = std::min(X1, X2), top = std::min(Y1, Y2);
    const int hw = std::max(std::abs(X2 - X1), 1) / 2, hh = std::max(std::abs(Y2 - Y1), 1) / 2;
    const int m = std::min(hw, hh);
    canvas.Brush.SetStyle(bsClear);
    canvas.Pen.Width = 2;
    canvas.Pen.Style = psInsideFrame;
    const int count = int(colors.size());
    if (count < 2 || m < 5) return false;
    for (int i = 0; i <= depth; ++i) {
        long double k;
        if (count < m)
            k = (long double)i / Real48((long double)m / count);
        else
            k = Real48((long double)count / m) * i;
        if (count - k < 0) continue;
        long long index = count - Round(k);
        if (index > count - 1 || index < 0) continue;
        if (colors[size_t(index)] != noGradientColour) canvas.Pen.Color = colors[size_t(index)];
        canvas.Rectangle(left + i, top + i, left + 2 * hw - i, top + 2 * hh - i);
    }
    return true;
}
