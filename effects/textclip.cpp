#include "textclip.h"

#include "TCanvas.h"

#include <algorithm>

TBitmap textClip(const TBitmap& label) {
    const int w = label.Width(), h = label.Height();
    TBitmap a(w + 1, h + 1), b(w + 1, h + 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, label.GetPixel(x, y));
    const TColor key = b.GetPixel(5, 5);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor c = b.GetPixel(x, y);
            a.SetPixel(x, y, c == key ? clWhite : c);
        }
    const TColor key2 = a.GetPixel(5, 5);
    int minX = a.Width(), minY = a.Height();
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.GetPixel(x, y) != key2) {
                minX = std::min(minX, x);
                minY = std::min(minY, y);
            }
    b.Canvas().Pen.Color = clWhite;
    b.Canvas().Brush.SetColor(clWhite);
    b.Canvas().Rectangle(0, 0, b.Width(), b.Height());
    b.Canvas().DrawTransparent(20 - minX, 20 - minY, a, key2);
    return b;
}
