#include "Pmovers.h"

#include <algorithm>
#include <cstring>

namespace {

// Copies the w x h rectangle of src at (sx, sy) to dst at (dx, dy), as far as it lies on both;
// pixels change format through their colours when the two bitmaps differ.
void copyrect(const TBitmap& src, int sx, int sy, TBitmap& dst, int dx, int dy, int w, int h) {
    // Clip against the source, then against the destination, moving both corners together.
    int left = std::max({0, -sx, -dx});
    int top = std::max({0, -sy, -dy});
    int right = std::min({w, src.Width() - sx, dst.Width() - dx});
    int bottom = std::min({h, src.Height() - sy, dst.Height() - dy});
    if (left >= right || top >= bottom) return;
    const bool sameKind = src.IsIndexed() == dst.IsIndexed() &&
                          (!src.IsIndexed() || (src.Palette() && dst.Palette() &&
                                                src.Palette()->entries == dst.Palette()->entries));
    const int bpp = src.IsIndexed() ? 1 : 4;
    for (int y = top; y < bottom; ++y) {
        if (sameKind) {
            std::memcpy(dst.ScanLine(dy + y) + size_t(dx + left) * bpp,
                        src.ScanLine(sy + y) + size_t(sx + left) * bpp, size_t(right - left) * bpp);
        } else {
            for (int x = left; x < right; ++x)
                dst.SetPixel(dx + x, dy + y, src.GetPixel(sx + x, sy + y));
        }
    }
    dst.Changed(Rect(dx + left, dy + top, dx + right, dy + bottom));
}

bool moverstep(int code, int& dx, int& dy) {
    static const int steps[8][2] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
    if (code < 101 || code > 108) return false;
    dx = steps[code - 101][0];
    dy = steps[code - 101][1];
    return true;
}

} // namespace

void nudgeselection(TBitmap& page, TBitmap& mask, int X, int Y, int code, int W, int H) {
    copyrect(page, X, Y, mask, 0, 0, W, H);
    int dx = 0, dy = 0;
    if (!moverstep(code, dx, dy)) return;
    const int mw = mask.Width(), mh = mask.Height();
    // The block's columns and rows that lie on the page, in buffer coordinates.
    const int onLeft = std::max(0, -X), onRight = std::min(W, page.Width() - X);
    const int onTop = std::max(0, -Y), onBottom = std::min(H, page.Height() - Y);
    const int tx = X + dx, ty = Y + dy;
    if (onLeft == 0 && onTop == 0 && onRight >= std::min(W, mw) && onBottom >= std::min(H, mh)) {
        copyrect(mask, 0, 0, page, tx, ty, mw, mh); // the block lies wholly on the page
        return;
    }
    for (int my = 0; my < mh; ++my) {
        if (my >= H) {
            copyrect(mask, 0, my, page, tx, ty + my, mw, 1);
            continue;
        }
        // Beyond the block's width the buffer's own content goes back as it is.
        if (W < mw) copyrect(mask, W, my, page, tx + W, ty + my, mw - W, 1);
        if (my < onTop || my >= onBottom) continue;
        const int right = std::min(onRight, mw);
        if (onLeft < right) copyrect(mask, onLeft, my, page, tx + onLeft, ty + my, right - onLeft, 1);
    }
}
