#pragma once
// The brush rules of the windowing library that the page's mouse handlers count on. The tool
// codes and their sets are in ToolCodes.h.
#include "TCanvas.h"

namespace drawtools {

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
