#pragma once
#include "TBitmap.h"

// The styled-text maker's clip from the pixels its label shows (w x h): a white bitmap of
// (w + 1) x (h + 1) with the text's left-most and top-most pixels moved to column and row 20.
// The colour at (5, 5) is taken as the label's background and becomes white; white pixels are
// background; what the shift carries past the right or bottom edge is cut off.
TBitmap textClip(const TBitmap& label);
