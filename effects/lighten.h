#pragma once
// Lightening or darkening the page under a clip: each page pixel under a non-white clip pixel
// takes the clip's colour with every channel raised (capped at 255) or lowered (floored at 0).
#include "Progress.h"
#include "TBitmap.h"

// `originX`, `originY` is where the clip's pixel (0, 0) lies on the page. Pixels beyond the
// page are dropped. Before each clip row the bar steps at each hundredth of the rows and pending
// messages run once; the page is read afresh after each.
void lightenUnderClip(TBitmap& page, const TBitmap& clip, int originX, int originY, bool lighten, int steps,
                      TProgress& bar);
