// Operations of the colour tint window, not built yet.
#include "colortint.h"

// Takes a copy of the page into `Image1` and shows the window.
void Tcolortint1::showForPage(const TPicture&) {}
