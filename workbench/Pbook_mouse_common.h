#pragma once
// The tool-code sets by which the page's mouse handlers group the tools, and the brush rules of
// the windowing library that the handlers count on.
#include "TCanvas.h"

#include <bitset>
#include <initializer_list>

namespace drawtools {

// Codes 0..159 are members of 160-bit sets; a code of 160 or more never is.
class TToolSet {
public:
    TToolSet(std::initializer_list<int> codes, std::initializer_list<std::pair<int, int>> ranges = {}) {
        for (int c : codes)
            bits_.set(size_t(c));
        for (auto [lo, hi] : ranges)
            for (int c = lo; c <= hi; ++c)
                bits_.set(size_t(c));
    }
    bool has(int code) const { return code >= 0 && code < 160 && bits_.test(size_t(code)); }

private:
    std::bitset<160> bits_;
};

// Mouse-down goes to pDown, mouse-up to pUp.
inline const TToolSet pointtools{{7, 8, 11, 15, 16, 153, 154}, {{101, 108}}};
// Of those, the ones whose mouse-move goes to pve.
inline const TToolSet pointmovetools{{7, 8, 11, 15, 16, 153, 154}};
// Undo copy at mouse-down, rubber band while moving, the shape at mouse-up.
inline const TToolSet shapetools{{5, 6, 9, 10, 13, 14, 24, 25, 152, 155, 156, 157}};
// set_t prepares a NOT-XOR outline pen.
inline const TToolSet xortools{{13, 14, 19, 21, 24, 25, 152}, {{5, 11}, {101, 109}, {155, 157}}};
// The final shape takes the fill style or the pattern.
inline const TToolSet filledshapes{{6, 8, 10, 14, 152}, {{155, 157}}};

inline bool among(int code, std::initializer_list<int> codes) {
    for (int c : codes)
        if (c == code) return true;
    return false;
}

// The library's brush: giving it a colour drops its pattern and makes a clear brush solid;
// giving it a style drops its pattern; a pattern brings a solid white brush with it.
inline void brushcolor(TBrush& b, TColor c) {
    b.Color = c;
    b.Bitmap = nullptr;
    if (b.Style == bsClear) b.Style = bsSolid;
}
inline void brushstyle(TBrush& b, TBrushStyle s) {
    b.Style = s;
    b.Bitmap = nullptr;
}
inline void brushpattern(TBrush& b, const TBitmap* pattern) {
    b.Color = clWhite;
    b.Style = bsSolid;
    b.Bitmap = pattern;
}

} // namespace drawtools
