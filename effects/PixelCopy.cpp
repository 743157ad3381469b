#include "PixelCopy.h"

#include <algorithm>
#include <cstring>

TBitmap whitebitmaplike(const TBitmap& like, int width, int height) {
    TBitmap b(0, 0, like.PixelFormat());
    if (like.IsIndexed()) b.SetPalette(like.Palette());
    // Sized after the palette is set, so the fill is the index nearest to white in that palette.
    b.SetSize(width, height);
    return b;
}

void copybitmapat(const TBitmap& src, TBitmap& dst, int x, int y) {
    int x0 = std::max(0, x), y0 = std::max(0, y);
    int x1 = std::min(dst.Width(), x + src.Width()), y1 = std::min(dst.Height(), y + src.Height());
    if (x0 >= x1 || y0 >= y1) return;
    bool sameKind = src.IsIndexed() == dst.IsIndexed() &&
                    (!src.IsIndexed() ||
                     (src.Palette() && dst.Palette() && src.Palette()->entries == dst.Palette()->entries));
    if (sameKind) {
        int bpp = src.IsIndexed() ? 1 : 4;
        for (int dy = y0; dy < y1; ++dy)
            std::memcpy(dst.ScanLine(dy) + size_t(x0) * bpp, src.ScanLine(dy - y) + size_t(x0 - x) * bpp,
                        size_t(x1 - x0) * bpp);
    } else {
        for (int dy = y0; dy < y1; ++dy)
            for (int dx = x0; dx < x1; ++dx)
                dst.SetPixel(dx, dy, src.GetPixel(dx - x, dy - y));
    }
    dst.Changed(Rect(x0, y0, x1, y1));
}

void putWorkingCopy(TBitmap&& work, TBitmap& page) {
    const bool samePalette = !work.IsIndexed() || (work.Palette() && page.Palette() &&
                                                   work.Palette()->entries == page.Palette()->entries);
    if (work.Width() == page.Width() && work.Height() == page.Height() &&
        work.PixelFormat() == page.PixelFormat() && samePalette)
        page = std::move(work);
    else
        copybitmapat(work, page, 0, 0);
}
