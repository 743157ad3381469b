#pragma once
// Small bitmaps as text pictures, one character a pixel and one line a row, so that a test can
// show the exact pixel set it expects.
#include "TBitmap.h"

#include <string>

namespace gdi_test {

// '.' white, '#' black, 'r' red, 'g' lime, 'b' blue, 'y' yellow, '?' anything else.
inline char Letter(TColor c) {
    switch (c) {
    case clWhite:
        return '.';
    case clBlack:
        return '#';
    case clRed:
        return 'r';
    case clLime:
        return 'g';
    case clBlue:
        return 'b';
    case clYellow:
        return 'y';
    default:
        return '?';
    }
}

inline std::string Picture(const TBitmap& b) {
    std::string s;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x)
            s += Letter(b.GetPixel(x, y));
        s += '\n';
    }
    return s;
}

// Joins picture rows given as separate literals.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string s;
    for (const char* r : rows) {
        s += r;
        s += '\n';
    }
    return s;
}

// Paints a bitmap from a picture (same letters).
inline TBitmap FromPicture(std::initializer_list<const char*> rows, TPixelFormat pf = pf24bit) {
    int h = int(rows.size());
    int w = h ? int(std::string(*rows.begin()).size()) : 0;
    TBitmap b(w, h, pf);
    int y = 0;
    for (const char* r : rows) {
        for (int x = 0; x < w; ++x) {
            TColor c = clWhite;
            switch (r[x]) {
            case '#':
                c = clBlack;
                break;
            case 'r':
                c = clRed;
                break;
            case 'g':
                c = clLime;
                break;
            case 'b':
                c = clBlue;
                break;
            case 'y':
                c = clYellow;
                break;
            default:
                break;
            }
            b.SetPixel(x, y, c);
        }
        ++y;
    }
    return b;
}

} // namespace gdi_test
