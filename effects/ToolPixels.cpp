#include "ToolPixels.h"

#include "Numbers.h"

#include <algorithm>
#include <cstdlib>

TColor PaletteRelative(TColor c) {
    return 0x02000000u | ColorToRGB(c);
}

void spraydots(TBitmap& page, int X, int Y, int width, TColor color, std::mt19937& rng) {
    // Random(0) would keep hitting the one point; a width typed as 0 or below sprays nothing.
    if (width <= 0 || page.Empty()) return;
    std::uniform_int_distribution<int> offset(0, width - 1);
    for (int k = 0; k < 100; ++k) {
        int dx = offset(rng);
        int dy = offset(rng);
        page.SetPixel(X - dx, Y + dy, color);
        page.SetPixel(X + dx, Y - dy, color);
        page.SetPixel(X + dx, Y + dy, color);
        page.SetPixel(X - dx, Y - dy, color);
    }
    // X and Y may lie anywhere the mouse was; keep the sums in range.
    long long l = (long long)X - (width - 1), t = (long long)Y - (width - 1);
    long long r = (long long)X + width, b = (long long)Y + width;
    TRect square =
        Rect(int(std::max<long long>(l, 0)), int(std::max<long long>(t, 0)),
             int(std::min<long long>(r, page.Width())), int(std::min<long long>(b, page.Height())));
    if (!square.IsEmpty()) page.Changed(square);
}

bool replacesquare(TBitmap& page, int X, int Y, int width, TColor from, TColor to) {
    if (width <= 0 || page.Empty()) return false;
    // The square (X + 1 .. X + width) x (Y + 1 .. Y + width), cut to the page.
    long long x0 = std::max<long long>((long long)X + 1, 0);
    long long y0 = std::max<long long>((long long)Y + 1, 0);
    long long x1 = std::min<long long>((long long)X + width + 1, page.Width());
    long long y1 = std::min<long long>((long long)Y + width + 1, page.Height());
    if (x0 >= x1 || y0 >= y1) return false;
    bool any = false;
    for (int y = int(y0); y < int(y1); ++y)
        for (int x = int(x0); x < int(x1); ++x)
            if (page.GetPixel(x, y) == from) {
                page.SetPixel(x, y, to);
                any = true;
            }
    if (any) page.Changed(Rect(int(x0), int(y0), int(x1), int(y1)));
    return any;
}

bool beznodrag(int X, int Y, int downx, int downy) {
    int sx = X + downx, sy = Y + downy;
    return sx != 0 && sy != 0 && sx / 2 == X && sy / 2 == Y;
}

namespace {
// One axis of the control points.
void controlaxis(int s, int e, int& c1, int& c2) {
    if (s + 10 < e) {
        c1 = s + (e - s) / 3;
        c2 = s + ((e - s) / 3) * 2;
    } else if (e >= s - 10) {
        c1 = s - 20;
        c2 = s + 20;
    } else {
        c1 = e + (s - e) / 3;
        c2 = e + ((s - e) / 3) * 2;
    }
}
} // namespace

bool bezcontrols(TPoint start, TPoint end, TPoint& ctl1, TPoint& ctl2) {
    int X = end.x, Y = end.y;
    if (X < start.x && Y < start.y && start.x - X < 10 && start.y - Y < 10) return false;
    if (X > start.x && Y > start.y && X - start.x < 10 && Y - start.y < 10) return false;
    controlaxis(start.x, end.x, ctl1.x, ctl2.x);
    controlaxis(start.y, end.y, ctl1.y, ctl2.y);
    return true;
}

bool drawglobe(TCanvas& canvas, int X1, int Y1, int X2, int Y2, const std::vector<std::string>& colors) {
    int left = std::min(X1, X2), top = std::min(Y1, Y2);
    int rx = std::max(std::abs(X2 - X1), 1) / 2;
    int ry = std::max(std::abs(Y2 - Y1), 1) / 2;
    canvas.Brush.Style = bsClear;
    canvas.Pen.Width = 2;
    canvas.Pen.Style = psInsideFrame;
    int n = int(colors.size());
    if (n < 2) return false;
    int r = std::max(rx, ry);
    if (r < 5) return false;
    for (int i = 0; i < r; ++i) {
        long double at = Real48((long double)((long long)i * n) / r);
        long long index = Round(at);
        TColor c;
        // An entry that is no number leaves the ring in the colour before it, as one past the end.
        if (index <= n - 1 && ParseColorText(colors[size_t(index)].c_str(), c)) canvas.Pen.Color = c;
        canvas.Ellipse(left + i, top + i, left + 2 * r - i, top + 2 * r - i);
    }
    return true;
}

void replacewithclip(TBitmap& scratch, const TBitmap& clip, TColor c, TProgress& bar) {
    int rows = scratch.Height();
    int w = std::min(scratch.Width(), clip.Width());
    int h = std::min(rows, clip.Height());
    bar.Show();
    bar.SetPosition(0);
    TRowStepper stepper(bar, rows);
    bool direct = !scratch.IsIndexed() && !clip.IsIndexed();
    // A colour read from beyond the page (all bits set) matches no pixel.
    bool none = (c >> 24) != 0;
    std::uint32_t key = TBitmap::ToWord(c);
    for (int y = 0; y < rows; ++y) {
        stepper.Row(y);
        if (y >= h || none) continue;
        if (direct) {
            std::uint32_t* d = scratch.Row32(y);
            const std::uint32_t* s = clip.Row32(y);
            for (int x = 0; x < w; ++x)
                if (d[x] == key) d[x] = s[x];
        } else {
            for (int x = 0; x < w; ++x)
                if (scratch.GetPixel(x, y) == c) scratch.SetPixel(x, y, clip.GetPixel(x, y));
        }
    }
    bar.SetPosition(0);
    bar.Hide();
    if (w > 0 && h > 0) scratch.Changed(Rect(0, 0, w, h));
}
