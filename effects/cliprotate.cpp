#include "cliprotate.h"

#include "PixelCopy.h"
#include "cliprot.h"
#include "rotation.h"

#include <array>

void rotateclip(TBitmap& clip, double angle, TProgress& bar) {
    int w = clip.Width(), h = clip.Height();
    int side = rotationside(w, h);
    TBitmap square = whitebitmaplike(clip, side, side);
    copybitmapat(clip, square, (side - w) / 2, (side - h) / 2);
    clip = std::move(square);

    TBitmap turned = whitebitmaplike(clip, side, side);
    bar.SetPosition(1);
    bar.Show();
    rotateclipbits(clip, turned, side / 2, side / 2, 1.0, angle, bar);
    clip = std::move(turned);
    bar.Hide();
}

void makeclipmask(const TBitmap& clip, TBitmap& mask, TProgress& bar) {
    TBitmap m(0, 0, clip.IsIndexed() ? pf24bit : clip.PixelFormat());
    m.SetSize(clip.Width(), clip.Height());
    const int W = m.Width(), H = m.Height();
    const std::uint32_t white = TBitmap::ToWord(clWhite), black = TBitmap::ToWord(clBlack);
    std::array<std::uint32_t, 256> byIndex;
    if (clip.IsIndexed()) {
        const HPALETTE& p = clip.Palette();
        for (size_t i = 0; i < 256; ++i) {
            bool isWhite = p && i < p->entries.size() && p->entries[i].peRed == 255 &&
                           p->entries[i].peGreen == 255 && p->entries[i].peBlue == 255;
            byIndex[i] = isWhite ? white : black;
        }
    }
    TRowStepper stepper(bar, H, TRowStepper::mkZero);
    for (int y = 0; y < H; ++y) {
        stepper.Row(y);
        std::uint32_t* d = m.Row32(y);
        if (clip.IsIndexed()) {
            const std::uint8_t* s = clip.ScanLine(y);
            for (int x = 0; x < W; ++x)
                d[x] = byIndex[s[x]];
        } else {
            const std::uint32_t* s = clip.Row32(y);
            for (int x = 0; x < W; ++x)
                d[x] = (s[x] & 0xFFFFFF) == 0xFFFFFF ? white : black;
        }
    }
    mask = std::move(m);
}
