#include "Palette.h"

#include "TCanvas.h"

#include <algorithm>

HPALETTE CreatePalette(const std::vector<PALETTEENTRY>& entries) {
    auto p = std::make_shared<LogPalette>();
    p->entries.assign(entries.begin(), entries.begin() + std::min<size_t>(entries.size(), 256));
    return p;
}

int GetPaletteEntries(const HPALETTE& pal, int start, int count, PALETTEENTRY* out) {
    if (!pal) return 0;
    int n = int(pal->entries.size());
    if (!out) return n;
    if (start < 0 || start >= n || count <= 0) return 0;
    int m = std::min(count, n - start);
    std::copy_n(pal->entries.begin() + start, m, out);
    return m;
}

int SetPaletteEntries(const HPALETTE& pal, int start, int count, const PALETTEENTRY* in) {
    if (!pal || !in) return 0;
    int n = int(pal->entries.size());
    if (start < 0 || start >= n || count <= 0) return 0;
    int m = std::min(count, n - start);
    std::copy_n(in, m, pal->entries.begin() + start);
    return m;
}

int GetNearestPaletteIndex(const HPALETTE& pal, TColor c) {
    if (!pal || pal->entries.empty()) return 0;
    int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    int best = 0;
    long bestD = -1;
    for (size_t i = 0; i < pal->entries.size(); ++i) {
        const auto& e = pal->entries[i];
        long dr = e.peRed - r, dg = e.peGreen - g, db = e.peBlue - b;
        long d = dr * dr + dg * dg + db * db;
        if (bestD < 0 || d < bestD) {
            bestD = d;
            best = int(i);
            if (d == 0) break;
        }
    }
    return best;
}

HPALETTE DefaultPalette256() {
    // The 20 static colours at both ends, a 6x6x6 colour cube and a grey ramp between.
    static const std::uint8_t first10[10][3] = {
        {0, 0, 0},     {128, 0, 0},   {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {192, 220, 192}, {166, 202, 240}};
    static const std::uint8_t last10[10][3] = {
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255}};
    std::vector<PALETTEENTRY> e;
    e.reserve(256);
    for (auto& c : first10)
        e.push_back({c[0], c[1], c[2], 0});
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                e.push_back({std::uint8_t(r * 51), std::uint8_t(g * 51), std::uint8_t(b * 51), 0});
    int greys = 256 - 20 - 216;
    for (int i = 0; i < greys; ++i) {
        auto v = std::uint8_t(8 + i * 240 / std::max(1, greys - 1));
        e.push_back({v, v, v, 0});
    }
    for (auto& c : last10)
        e.push_back({c[0], c[1], c[2], 0});
    return CreatePalette(e);
}

HPALETTE SelectPalette(TCanvas& canvas, const HPALETTE& pal, bool) {
    HPALETTE old = canvas.SelectedPalette;
    canvas.SelectedPalette = pal;
    return old;
}

int RealizePalette(TCanvas&) {
    return 0;
}
