// The pattern bitmaps and the button icons.
#include "BmpCodec.h"
#include "Drawing.h"
#include "ProgramFiles.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int kTile = 32;

TColor blend(TColor a, TColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto mix = [&](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

// A wave of period 32 (one tile), 0..1.
double wave(double v, double periods = 1) {
    return 0.5 + 0.5 * std::cos(2 * std::numbers::pi * v * periods / kTile);
}

// Every pattern is a function of the position whose periods divide the tile, so the tiles
// meet without a seam.
using PatternFn = std::function<TColor(int x, int y)>;

std::vector<PatternFn> patterns() {
    const TColor cream = RGB(0xF4, 0xEC, 0xD8), rust = RGB(0xB0, 0x48, 0x20), navy = RGB(0x1C, 0x2C, 0x6C),
                 sky = RGB(0x8C, 0xC4, 0xF0), leaf = RGB(0x3C, 0x8C, 0x3C), gold = RGB(0xF0, 0xC0, 0x30),
                 plum = RGB(0x70, 0x30, 0x70), rose = RGB(0xF0, 0xA0, 0xB4), grey = RGB(0x90, 0x90, 0x98),
                 white = RGB(0xFF, 0xFF, 0xFF), ink = RGB(0x20, 0x20, 0x28), teal = RGB(0x20, 0x90, 0x90);
    return {
        // b1: soft diamonds (the palette's preview shows it)
        [=](int x, int y) {
            int dx = std::abs((x % 16) - 8), dy = std::abs((y % 16) - 8);
            return blend(sky, navy, (dx + dy) / 16.0);
        },
        // b2: checks
        [=](int x, int y) { return ((x / 8 + y / 8) & 1) ? ink : cream; },
        // b3: bricks
        [=](int x, int y) {
            int row = y / 8, off = (row & 1) ? 8 : 0;
            bool mortar = y % 8 == 7 || (x + off) % 16 == 15;
            return mortar ? grey : blend(rust, RGB(0x90, 0x38, 0x18), ((x + off) / 16 + row) % 2 * 0.5);
        },
        // b4: diagonal stripes
        [=](int x, int y) { return ((x + y) % 8 < 4) ? gold : navy; },
        // b5: polka dots
        [=](int x, int y) {
            int dx = x % 16 - 8, dy = y % 16 - 8;
            return dx * dx + dy * dy < 20 ? rose : plum;
        },
        // b6: waves
        [=](int x, int y) {
            double h = 8 + 4 * std::sin(2 * std::numbers::pi * x / kTile);
            return (int(y - h + 64) % 16) < 5 ? white : teal;
        },
        // b7: rings
        [=](int x, int y) {
            double d = std::hypot(x - 15.5, y - 15.5);
            return blend(leaf, gold, wave(d * 4));
        },
        // b8: plaid
        [=](int x, int y) {
            double a = (x % 16 < 4 ? 0.5 : 0) + (y % 16 < 4 ? 0.5 : 0);
            return blend(RGB(0x30, 0x60, 0x30), RGB(0xC0, 0x30, 0x30), a);
        },
        // b9: weave
        [=](int x, int y) {
            bool over = ((x / 8) + (y / 8)) % 2 == 0;
            int across = over ? y % 8 : x % 8;
            return blend(over ? RGB(0xC8, 0xA0, 0x60) : RGB(0x98, 0x70, 0x40), ink,
                         std::abs(across - 3.5) / 12);
        },
        // b10: zigzag
        [=](int x, int y) {
            int t = x % 8 < 4 ? x % 8 : 8 - x % 8;
            return ((y + t) % 8 < 3) ? navy : sky;
        },
        // b11: fine grid
        [=](int x, int y) { return (x % 4 == 0 || y % 4 == 0) ? grey : white; },
        // b12: scales
        [=](int x, int y) {
            int row = y / 8, cx = (x + (row & 1) * 4) % 8;
            double d = std::hypot(cx - 4, y % 8);
            return d > 4 ? leaf : blend(RGB(0xA0, 0xE0, 0x80), leaf, d / 4);
        },
        // b13: crosses
        [=](int x, int y) {
            int cx = x % 16, cy = y % 16;
            bool on =
                (cx >= 6 && cx < 10 && cy >= 2 && cy < 14) || (cy >= 6 && cy < 10 && cx >= 2 && cx < 14);
            return on ? white : rust;
        },
        // b14: shaded tiles
        [=](int x, int y) { return blend(cream, RGB(0x60, 0x50, 0x40), (x % 16 + y % 16) / 30.0); },
        // b15: stars
        [=](int x, int y) {
            int cx = std::abs(x % 16 - 8), cy = std::abs(y % 16 - 8);
            bool on = cx * cy < 3 && cx + cy < 7;
            return on ? gold : ink;
        },
        // b16: marble (sums of waves)
        [=](int x, int y) {
            double v = wave(x + 6 * std::sin(2 * std::numbers::pi * y / kTile), 2) * 0.7 + wave(y, 1) * 0.3;
            return blend(RGB(0xE8, 0xE8, 0xF0), RGB(0x50, 0x58, 0x70), v);
        },
    };
}

TBitmap tile(const PatternFn& f) {
    TBitmap b(kTile, kTile, pf24bit);
    for (int y = 0; y < kTile; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < kTile; ++x)
            row[x] = TBitmap::ToWord(f(x, y));
    }
    return b;
}

TBitmap iconBase(TColor back) {
    TBitmap b(32, 32, pf24bit);
    TCanvas& c = b.Canvas();
    c.Brush.Color = RGB(0xC0, 0xC0, 0xC0);
    c.FillRect({0, 0, 32, 32});
    c.Pen.Color = blend(back, RGB(0, 0, 0), 0.5);
    c.Brush.Color = back;
    c.RoundRect(1, 1, 31, 31, 8, 8);
    return b;
}

TBitmap pageIcon() {
    TBitmap b = iconBase(RGB(0x30, 0x60, 0xC0));
    TCanvas& c = b.Canvas();
    c.Pen.Color = RGB(0x20, 0x20, 0x20);
    c.Brush.Color = RGB(0xFF, 0xFF, 0xFF);
    c.Polygon({{9, 5}, {19, 5}, {24, 10}, {24, 27}, {9, 27}});
    c.Polyline({{19, 5}, {19, 10}, {24, 10}});
    c.Pen.Color = RGB(0x60, 0x80, 0xC0);
    for (int y = 13; y <= 24; y += 3) {
        c.MoveTo(12, y);
        c.LineTo(22, y);
    }
    return b;
}

TBitmap folderIcon() {
    TBitmap b = iconBase(RGB(0x30, 0x90, 0x40));
    TCanvas& c = b.Canvas();
    c.Pen.Color = RGB(0x70, 0x50, 0x10);
    c.Brush.Color = RGB(0xE0, 0xB0, 0x30);
    c.Polygon({{5, 9}, {12, 9}, {14, 11}, {26, 11}, {26, 25}, {5, 25}});
    c.Brush.Color = RGB(0xF8, 0xD8, 0x60);
    c.Polygon({{5, 25}, {8, 14}, {28, 14}, {26, 25}});
    return b;
}

TBitmap gearIcon() {
    TBitmap b = iconBase(RGB(0xD0, 0x70, 0x20));
    TCanvas& c = b.Canvas();
    c.Pen.Color = RGB(0xF0, 0xF0, 0xF0);
    c.Pen.Width = 4;
    for (int k = 0; k < 8; ++k) {
        double a = k * std::numbers::pi / 4;
        c.MoveTo(16 + int(std::lround(6 * std::cos(a))), 16 + int(std::lround(6 * std::sin(a))));
        c.LineTo(16 + int(std::lround(11 * std::cos(a))), 16 + int(std::lround(11 * std::sin(a))));
    }
    c.Pen.Width = 1;
    c.Brush.Color = RGB(0xF0, 0xF0, 0xF0);
    c.Ellipse(7, 7, 26, 26);
    c.Brush.Color = RGB(0xD0, 0x70, 0x20);
    c.Ellipse(12, 12, 21, 21);
    return b;
}

TBitmap starIcon() {
    TBitmap b = iconBase(RGB(0x70, 0x40, 0xA0));
    TCanvas& c = b.Canvas();
    std::vector<TPoint> pts;
    for (int k = 0; k < 10; ++k) {
        double a = -std::numbers::pi / 2 + k * std::numbers::pi / 5, r = k % 2 ? 5.5 : 12.5;
        pts.push_back({16 + int(std::lround(r * std::cos(a))), 17 + int(std::lround(r * std::sin(a)))});
    }
    c.Pen.Color = RGB(0x80, 0x60, 0x00);
    c.Brush.Color = RGB(0xFF, 0xE0, 0x40);
    c.Polygon(pts);
    return b;
}

} // namespace

std::vector<GeneratedFile> patternFiles() {
    std::vector<GeneratedFile> out;
    int n = 1;
    for (const PatternFn& f : patterns())
        out.push_back({"bin/b" + std::to_string(n++) + ".bmp", WriteBmp(tile(f)), true});
    return out;
}

std::vector<GeneratedFile> iconFiles() {
    std::vector<GeneratedFile> out;
    const TBitmap icons[] = {pageIcon(), folderIcon(), gearIcon(), starIcon()};
    for (int n = 0; n < 4; ++n)
        out.push_back({"bin/but" + std::to_string(n + 1) + ".bmp", WriteBmp(icons[n]), true});
    return out;
}
