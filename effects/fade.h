#pragma once
#include "Progress.h"
#include "TBitmap.h"

#include <cstdint>

// The image fader's mix: the page shows through a fade target with a weight that falls off away
// from two edges of the picture.

// One channel of target t and page p mixed by darkness k over span n: t + (p - t) * k / n, exact
// and rounded to the nearest integer (halves to even), kept to its low 8 bits, so a darkness past
// the span wraps instead of clamping. A span below 10 counts as 10.
std::uint8_t fademix(int t, int p, long long n, long long k);
// fademix on each channel.
TColor fadeColor(TColor target, TColor page, long long n, long long k);

// The span of pixel (x, y) of a w x h picture for area a: round(x * y / a) + 2a in mode 1 (the
// page shows most along the top and left edges), round((w - 1 - x) * (h - 1 - y) / a) + 2a in
// mode 0 (bottom and right), exact with halves to even; not yet held at 10.
long long fadeSpan(int x, int y, int w, int h, int a, int mode);

// Mixes every pixel of `target` (the fade target, the page's size) with the same pixel of
// `page` by fadeSpan and darkness k. The bar shows from position 1, steps a hundredth of the rows
// at a time and pumps there; the page's rows are read afresh after each pump, and pixels past a
// page that shrank meanwhile read as all channels 255. Ends at 0, hidden.
void fadeInto(TBitmap& target, const TBitmap& page, int a, int k, int mode, TProgress& bar);
