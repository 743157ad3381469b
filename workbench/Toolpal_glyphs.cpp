#include "Toolpal_glyphs.h"

#include "TCanvas.h"

#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr TColor ground = 0xC0C0C0; // the buttons leave the bottom-left colour out
constexpr TColor ink = 0x000000;
constexpr TColor navy = 0x800000;
constexpr TColor blue = 0xE06020;
constexpr TColor red = 0x0000D0;
constexpr TColor yellow = 0x00E0F0;
constexpr TColor green = 0x00A000;
constexpr TColor brown = 0x205080;
constexpr TColor pink = 0xC0A0F8;
constexpr TColor white = 0xFFFFFF;
constexpr TColor grey = 0x606060;

// The drawings are made for a 16-pixel square and scaled to the glyph size.
struct Pen {
    TCanvas& c;
    double k;
    int s(double v) const { return int(std::lround(v * k)); }
    void line(double x1, double y1, double x2, double y2, TColor col, int w = 1) {
        c.Pen.Color = col;
        c.Pen.Width = w;
        c.Pen.Style = psSolid;
        c.MoveTo(s(x1), s(y1));
        c.LineTo(s(x2), s(y2));
    }
    void dashed(const std::vector<TPoint>& pts, TColor col) {
        c.Pen.Color = col;
        c.Pen.Width = 1;
        c.Pen.Style = psDot;
        std::vector<TPoint> p;
        for (TPoint q : pts)
            p.push_back({s(q.x), s(q.y)});
        c.Polyline(p);
        c.Pen.Style = psSolid;
    }
    void rect(double x1, double y1, double x2, double y2, TColor out, TColor fill, bool filled) {
        c.Pen.Color = out;
        c.Pen.Width = 1;
        c.Brush.Color = fill;
        c.Brush.Style = filled ? bsSolid : bsClear;
        c.Rectangle(s(x1), s(y1), s(x2), s(y2));
        c.Brush.Style = bsSolid;
    }
    void round(double x1, double y1, double x2, double y2, TColor out, TColor fill, bool filled) {
        c.Pen.Color = out;
        c.Pen.Width = 1;
        c.Brush.Color = fill;
        c.Brush.Style = filled ? bsSolid : bsClear;
        c.RoundRect(s(x1), s(y1), s(x2), s(y2), s(6), s(6));
        c.Brush.Style = bsSolid;
    }
    void ellipse(double x1, double y1, double x2, double y2, TColor out, TColor fill, bool filled) {
        c.Pen.Color = out;
        c.Pen.Width = 1;
        c.Brush.Color = fill;
        c.Brush.Style = filled ? bsSolid : bsClear;
        c.Ellipse(s(x1), s(y1), s(x2), s(y2));
        c.Brush.Style = bsSolid;
    }
    void poly(const std::vector<TPoint>& pts, TColor out, TColor fill, bool filled) {
        c.Pen.Color = out;
        c.Pen.Width = 1;
        c.Brush.Color = fill;
        c.Brush.Style = filled ? bsSolid : bsClear;
        std::vector<TPoint> p;
        for (TPoint q : pts)
            p.push_back({s(q.x), s(q.y)});
        c.Polygon(p);
        c.Brush.Style = bsSolid;
    }
    void dot(double x, double y, TColor col) { c.SetPixels(s(x), s(y), col); }
    void star(double x, double y) {
        line(x - 2, y, x + 3, y, red);
        line(x, y - 2, x, y + 3, red);
    }
    // An arrow from the centre towards (dx, dy).
    void arrow(int dx, int dy) {
        double cx = 8, cy = 8;
        double ex = cx + dx * 6, ey = cy + dy * 6;
        line(cx - dx * 5, cy - dy * 5, ex, ey, navy, 2);
        // The head: two strokes back from the tip, a quarter turn apart.
        double len = std::hypot(dx, dy);
        double ux = dx / len, uy = dy / len;
        double hx1 = -ux * 4 - uy * 3, hy1 = -uy * 4 + ux * 3;
        double hx2 = -ux * 4 + uy * 3, hy2 = -uy * 4 - ux * 3;
        line(ex, ey, ex + hx1, ey + hy1, navy, 2);
        line(ex, ey, ex + hx2, ey + hy2, navy, 2);
    }
    void gradient(double x1, double y1, double x2, double y2, bool horizontal) {
        int a = s(horizontal ? x1 : y1), b = s(horizontal ? x2 : y2);
        for (int i = a; i < b; ++i) {
            int t = (b - a > 1) ? (i - a) * 255 / (b - a - 1) : 0;
            TColor col = TColor(255 - t) | (TColor(t / 2) << 8) | (TColor(t) << 16);
            c.Pen.Color = col;
            c.Pen.Width = 1;
            if (horizontal) {
                c.MoveTo(i, s(y1));
                c.LineTo(i, s(y2));
            } else {
                c.MoveTo(s(x1), i);
                c.LineTo(s(x2), i);
            }
        }
    }
};

using Drawing = std::function<void(Pen&)>;

const std::map<std::string, Drawing>& drawings() {
    static const std::map<std::string, Drawing> d = {
        {"BitBtn13", // eraser
         [](Pen& p) {
             p.poly({{2, 11}, {7, 5}, {14, 5}, {9, 11}}, ink, pink, true);
             p.poly({{2, 11}, {9, 11}, {9, 14}, {2, 14}}, ink, white, true);
             p.poly({{9, 11}, {14, 5}, {14, 8}, {9, 14}}, ink, grey, true);
         }},
        {"BitBtn5", // paint brush
         [](Pen& p) {
             p.line(13, 2, 7, 9, brown, 2);
             p.poly({{4, 9}, {7, 9}, {7, 11}, {3, 14}, {2, 14}}, ink, red, true);
         }},
        {"BitBtn3", // pencil
         [](Pen& p) {
             p.line(13, 2, 5, 10, yellow, 3);
             p.line(5, 10, 3, 13, brown, 2);
             p.dot(2, 14, ink);
         }},
        {"BitBtn4", // pen
         [](Pen& p) {
             p.line(13, 2, 5, 10, navy, 2);
             p.line(5, 10, 2, 14, ink, 1);
             p.line(3, 6, 10, 13, blue, 1);
         }},
        {"BitBtn2", [](Pen& p) { p.rect(2, 3, 14, 13, ink, white, false); }},
        {"BitBtn6", [](Pen& p) { p.rect(2, 3, 14, 13, ink, blue, true); }},
        {"BitBtn12",
         [](Pen& p) {
             p.poly({{8, 2}, {14, 6}, {12, 14}, {4, 14}, {2, 6}}, ink, white, false);
         }},
        {"BitBtn14",
         [](Pen& p) {
             p.poly({{8, 2}, {14, 6}, {12, 14}, {4, 14}, {2, 6}}, ink, blue, true);
         }},
        {"BitBtn7", [](Pen& p) { p.round(1, 3, 15, 13, ink, white, false); }},
        {"BitBtn9", [](Pen& p) { p.round(1, 3, 15, 13, ink, blue, true); }},
        {"BitBtn15", [](Pen& p) { p.line(2, 13, 14, 3, ink, 1); }},
        {"BitBtn16", // Bezier curve
         [](Pen& p) {
             std::vector<TPoint> pts;
             for (int i = 0; i <= 12; ++i) {
                 double t = i / 12.0, u = 1 - t;
                 double x = u * u * u * 2 + 3 * u * u * t * 4 + 3 * u * t * t * 12 + t * t * t * 14;
                 double y = u * u * u * 13 + 3 * u * u * t * -2 + 3 * u * t * t * 18 + t * t * t * 3;
                 pts.push_back({int(std::lround(x)), int(std::lround(y))});
             }
             p.c.Pen.Color = ink;
             p.c.Pen.Width = 1;
             std::vector<TPoint> q;
             for (TPoint a : pts)
                 q.push_back({p.s(a.x), p.s(a.y)});
             p.c.Polyline(q);
             p.dot(2, 13, red);
             p.dot(14, 3, red);
         }},
        {"BitBtn10", [](Pen& p) { p.ellipse(2, 2, 14, 14, ink, white, false); }},
        {"BitBtn11", [](Pen& p) { p.ellipse(2, 2, 14, 14, ink, blue, true); }},
        {"BitBtn17", // spray
         [](Pen& p) {
             p.rect(2, 7, 7, 15, ink, grey, true);
             p.line(4, 5, 4, 7, ink);
             static const int dots[][2] = {{9, 3},  {11, 5},  {13, 2}, {10, 7},
                                           {13, 7}, {12, 10}, {14, 5}, {9, 10}};
             for (auto& d : dots)
                 p.dot(d[0], d[1], red);
         }},
        {"BitBtn18", // flood fill
         [](Pen& p) {
             p.poly({{3, 7}, {8, 2}, {13, 7}, {8, 12}}, ink, white, true);
             p.poly({{3, 7}, {13, 7}, {8, 12}}, ink, blue, true);
             p.line(13, 8, 13, 13, blue, 2);
         }},
        {"BitBtn29", // colour sampler
         [](Pen& p) {
             p.line(3, 13, 10, 6, ink, 2);
             p.ellipse(9, 2, 15, 8, ink, grey, true);
             p.dot(2, 14, red);
         }},
        {"BitBtn30", // colour replacer
         [](Pen& p) {
             p.rect(1, 2, 8, 9, ink, red, true);
             p.rect(8, 7, 15, 14, ink, green, true);
             p.line(5, 11, 7, 13, ink);
         }},
        {"BitBtn31", // colour replacer polygon
         [](Pen& p) {
             p.poly({{2, 4}, {9, 2}, {14, 8}, {8, 14}, {3, 11}}, ink, green, true);
             p.rect(5, 6, 10, 10, red, red, true);
         }},
        {"BitBtn32", // lime green marker
         [](Pen& p) {
             p.line(3, 12, 13, 4, 0x80FFC0, 4);
             p.line(2, 14, 4, 12, ink, 1);
         }},
        {"BitBtn26", // clear image
         [](Pen& p) {
             p.rect(2, 2, 14, 14, ink, white, true);
             p.line(4, 4, 12, 12, red, 2);
             p.line(12, 4, 4, 12, red, 2);
         }},
        {"BitBtn1", // gradient colour
         [](Pen& p) {
             p.gradient(2, 3, 14, 13, true);
             p.rect(2, 3, 14, 13, ink, white, false);
         }},
        {"BitBtn19",
         [](Pen& p) {
             p.dashed({{3, 8}, {5, 3}, {11, 2}, {14, 7}, {10, 13}, {5, 12}, {3, 8}}, ink);
         }},
        {"BitBtn20",
         [](Pen& p) {
             p.dashed({{2, 3}, {14, 3}, {14, 13}, {2, 13}, {2, 3}}, ink);
         }},
        {"BitBtn21", // cut
         [](Pen& p) {
             p.ellipse(2, 9, 7, 14, ink, white, false);
             p.ellipse(9, 9, 14, 14, ink, white, false);
             p.line(6, 10, 12, 2, ink);
             p.line(10, 10, 4, 2, ink);
         }},
        {"BitBtn28", // capture circular area
         [](Pen& p) {
             std::vector<TPoint> pts;
             for (int i = 0; i <= 16; ++i)
                 pts.push_back({int(std::lround(8 + 6 * std::cos(i * M_PI / 8))),
                                int(std::lround(8 + 6 * std::sin(i * M_PI / 8)))});
             p.dashed(pts, ink);
         }},
        {"BitBtn34", // special circular outline
         [](Pen& p) {
             std::vector<TPoint> pts;
             for (int i = 0; i <= 16; ++i)
                 pts.push_back({int(std::lround(8 + 6 * std::cos(i * M_PI / 8))),
                                int(std::lround(8 + 6 * std::sin(i * M_PI / 8)))});
             p.dashed(pts, ink);
             p.star(8, 8);
         }},
        {"BitBtn8", // special outline an area
         [](Pen& p) {
             p.dashed({{3, 8}, {5, 3}, {11, 2}, {14, 7}, {10, 13}, {5, 12}, {3, 8}}, ink);
             p.star(8, 7);
         }},
        {"BitBtn23", // replace a colour with the clipboard
         [](Pen& p) {
             p.rect(3, 3, 13, 15, ink, 0x80C0E0, true);
             p.rect(6, 1, 10, 4, ink, grey, true);
             p.rect(5, 6, 11, 12, ink, red, true);
         }},
        {"BitBtn25", // special rectangle
         [](Pen& p) {
             p.dashed({{2, 3}, {14, 3}, {14, 13}, {2, 13}, {2, 3}}, ink);
             p.star(8, 8);
         }},
        {"BitBtn37", // capture through a template
         [](Pen& p) {
             p.dashed({{2, 3}, {14, 3}, {14, 13}, {2, 13}, {2, 3}}, ink);
             p.line(5, 6, 11, 6, navy, 2);
             p.line(8, 6, 8, 11, navy, 2);
         }},
        {"pm1", [](Pen& p) { p.arrow(1, 0); }},
        {"pm2", [](Pen& p) { p.arrow(-1, 0); }},
        {"pm3", [](Pen& p) { p.arrow(0, -1); }},
        {"pm4", [](Pen& p) { p.arrow(0, 1); }},
        {"pm5", [](Pen& p) { p.arrow(-1, 1); }},
        {"pm6", [](Pen& p) { p.arrow(1, 1); }},
        {"pm7", [](Pen& p) { p.arrow(-1, -1); }},
        {"pm8", [](Pen& p) { p.arrow(1, -1); }},
        {"gradbut2", // gradient globe
         [](Pen& p) {
             static const TColor rings[] = {0xFF0000, 0xC04040, 0x808080, 0x4040C0, 0x0000FF, 0x00FFFF};
             for (int i = 0; i < 6; ++i)
                 p.ellipse(2 + i, 2 + i, 14 - i, 14 - i, rings[i], white, false);
         }},
        {"gradbut3", [](Pen& p) { p.gradient(2, 2, 14, 14, true); }},
        {"gradbut8", [](Pen& p) { p.gradient(2, 2, 14, 14, false); }},
        {"gradbut5",
         [](Pen& p) {
             p.gradient(2, 4, 14, 12, true);
             p.rect(2, 4, 14, 12, ink, white, false);
         }},
        {"gradbut6",
         [](Pen& p) {
             p.gradient(4, 2, 12, 14, false);
             p.rect(4, 2, 12, 14, ink, white, false);
         }},
        {"gradbut4", // gradient frame
         [](Pen& p) {
             p.gradient(2, 2, 14, 14, true);
             p.rect(5, 5, 11, 11, ground, ground, true);
         }},
        {"SpeedButton1", [](Pen& p) { p.rect(2, 8, 14, 9, ink, ink, true); }},
        {"SpeedButton32", [](Pen& p) { p.rect(2, 7, 14, 10, ink, ink, true); }},
        {"SpeedButton33", [](Pen& p) { p.rect(2, 6, 14, 11, ink, ink, true); }},
        {"SpeedButton34", [](Pen& p) { p.rect(2, 4, 14, 12, ink, ink, true); }},
    };
    return d;
}

} // namespace

TBitmap ToolGlyph(const std::string& name, int size) {
    auto it = drawings().find(name);
    if (it == drawings().end() || size <= 0) return TBitmap();
    TBitmap b(size, size, pf24bit);
    TCanvas& c = b.Canvas();
    c.Brush.Color = ground;
    c.Brush.Style = bsSolid;
    c.FillRect(Rect(0, 0, size, size));
    Pen p{c, size / 16.0};
    it->second(p);
    // The ground colour is the one left out: keep the bottom-left corner on it.
    b.SetPixel(0, size - 1, ground);
    return b;
}

TBitmap ColourPicture(int width, int height) {
    TBitmap b(width > 0 ? width : 1, height > 0 ? height : 1, pf24bit);
    // Hue stops left to right: red, magenta, blue, cyan, green, yellow, red.
    static const int stops[7][3] = {{255, 0, 0}, {255, 0, 255}, {0, 0, 255}, {0, 255, 255},
                                    {0, 255, 0}, {255, 255, 0}, {255, 0, 0}};
    int w = b.Width(), h = b.Height();
    for (int x = 0; x < w; ++x) {
        double pos = w > 1 ? 6.0 * x / (w - 1) : 0;
        int i = std::min(int(pos), 5);
        double f = pos - i;
        double hue[3];
        for (int k = 0; k < 3; ++k)
            hue[k] = stops[i][k] + (stops[i + 1][k] - stops[i][k]) * f;
        for (int y = 0; y < h; ++y) {
            // Top third darkens towards black, the middle rows are full, the bottom third pales
            // towards white.
            double t = h > 1 ? double(y) / (h - 1) : 0.5;
            double rgb[3];
            for (int k = 0; k < 3; ++k) {
                if (t < 0.4)
                    rgb[k] = hue[k] * (0.15 + 0.85 * t / 0.4);
                else if (t <= 0.6)
                    rgb[k] = hue[k];
                else
                    rgb[k] = hue[k] + (255 - hue[k]) * (t - 0.6) / 0.4 * 0.9;
            }
            TColor c = TColor(std::lround(rgb[0])) | (TColor(std::lround(rgb[1])) << 8) |
                       (TColor(std::lround(rgb[2])) << 16);
            b.SetPixel(x, y, c);
        }
    }
    return b;
}
