#pragma once
#include "Progress.h"
#include "TBitmap.h"

#include <functional>

// The video filters: neighbouring pixels whose brightness differs by more than a threshold are
// pushed towards each other (noise filters) or the darker one is brightened (contrast filter).

// Threshold and amount, read from the filter panel anew before every row.
struct TFilterSettings {
    int thr = 10;
    int amt = 10;
};
using TFilterSettingsSource = std::function<TFilterSettings()>;

struct TPixelPair {
    TColor a, b;
};
struct TPixelTriple {
    TColor a, b, c;
};

// The nearest integer to the channel mean. A position off the page (all bits set) counts as 255.
int brightness(TColor c);

// A pair whose brightness differs by more than thr: the brighter loses amt on every channel (held
// at 0), the darker gains amt (held at 255). Otherwise both come back as they were.
TPixelPair pairstep(TColor a, TColor b, int thr, int amt);
// Three pixels left to right: only a fall from a to c of more than thr and less than 5 thr levels
// darkens a by amt and brightens b by amt and c by 2 amt.
TPixelTriple triplestep(TColor a, TColor b, TColor c, int thr, int amt);
// As pairstep, but only the darker pixel changes: it gains amt.
TPixelPair contrastpair(TColor a, TColor b, int thr, int amt);

// The filters over the page: a working copy changed in place (each group sees the groups before
// it), pumping messages before every row, copied back onto the page in one block at the end. The
// last pixel of a row pairs with the position beyond the page, which reads as all bits set.
// pairfilt: two passes of pairstep over horizontal neighbours; the bar starts at 0.
void pairfilt(TBitmap& page, const TFilterSettingsSource& settings, TProgress& bar);
// triplefilt: triplestep over each run of three; the bar starts at 0.
void triplefilt(TBitmap& page, const TFilterSettingsSource& settings, TProgress& bar);
// sortfilt: contrastpair over horizontal neighbours, skipping every pair with a white pixel;
// the bar keeps the position it had.
void sortfilt(TBitmap& page, const TFilterSettingsSource& settings, TProgress& bar);
