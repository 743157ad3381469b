#include "Mapper.h"

#include "Numbers.h"

#include <array>
#include <vector>

void mapprogress(int max, int pos, int kind, TProgress& bar) {
    switch (kind) {
    case 1:
        bar.SetPosition(0);
        bar.Show();
        break;
    case 2:
        bar.SetPosition(int(Round(max * 0.01L * pos)));
        break;
    case 0:
        bar.Hide();
        break;
    default:
        break;
    }
}

namespace {
bool fullPalette(const HPALETTE& p) {
    return p && p->entries.size() == 256;
}
} // namespace

bool maptopalette(const HPALETTE& target, TBitmap& clip, TProgress& bar) {
    if (!fullPalette(target) || !clip.IsIndexed() || !fullPalette(clip.Palette())) return false;
    std::vector<PALETTEENTRY> T(target->entries);
    std::vector<PALETTEENTRY> B(clip.Palette()->entries);

    mapprogress(255, 0, 1, bar);
    for (int i = 1; i <= 254; ++i) {
        mapprogress(255, i, 2, bar);
        bar.ProcessMessages();
        B[size_t(i)] = T[size_t(i)];
    }
    bar.ProcessMessages();

    // Other handlers may have run while messages were pumped: the clip is read only from here on.
    if (!clip.IsIndexed() || !fullPalette(clip.Palette())) {
        mapprogress(255, 0, 0, bar);
        return false;
    }
    const std::vector<PALETTEENTRY> former(clip.Palette()->entries);
    B[0] = former[0];
    B[255] = former[255];
    HPALETTE mapped = CreatePalette(B);

    // Each former colour goes to its nearest entry of the new palette: one lookup a pixel.
    std::array<std::uint8_t, 256> lut;
    for (size_t i = 0; i < 256; ++i)
        lut[i] = std::uint8_t(
            GetNearestPaletteIndex(mapped, RGB(former[i].peRed, former[i].peGreen, former[i].peBlue)));

    mapprogress(255, 0, 0, bar);
    const int W = clip.Width(), H = clip.Height();
    clip.SetPalette(mapped);
    for (int y = 0; y < H; ++y) {
        mapprogress(H - 1, y, 2, bar);
        std::uint8_t* row = clip.ScanLine(y);
        for (int x = 0; x < W; ++x)
            row[x] = lut[row[x]];
    }
    mapprogress(255, 0, 0, bar);
    clip.Changed();
    return true;
}
