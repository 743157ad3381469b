#pragma once
// The paste panel's pixel passes: pressing a clip's shape into the page as a darker or lighter
// imprint, the shadow's stretched copies of the clip, and the clip's mirror image.
#include "Progress.h"
#include "TBitmap.h"

// A colour with each of red, green and blue raised by `step` (capped at 255) when `lighten`,
// else lowered by it (floored at 0). A step below 1 counts as 1.
TColor imprintcolor(TColor c, int step, bool lighten);

// The page pixels under the clip's non-white pixels, the clip's pixel (0, 0) lying at (x, y),
// take `imprintcolor` of themselves; pixels beyond the page are skipped and the clip itself is not
// drawn. The pass works on a copy of the page and puts it back at the end, shows the bar, steps
// it every hundredth of the clip's rows and lets pending messages run before each row; the bar
// is back at 0 and hidden afterwards, also when the pass fails.
void imprintclip(TBitmap& page, const TBitmap& clip, int x, int y, int step, bool lighten, TProgress& bar);

// The whole of `src` stretched over a new white bitmap of w x h (a straight copy), dropping rows
// and columns when shrinking.
TBitmap stretchedcopy(const TBitmap& src, int w, int h);

// The clip turned left to right (pixel (x, y) goes to (width - 1 - x, y)). The bar starts at 0
// and steps every hundredth of the rows; it is hidden again afterwards.
TBitmap mirrorclip(const TBitmap& clip, TProgress& bar);
