#pragma once
#include "TBitmap.h"

// A new white bitmap of the given size in the pixel format and palette of another one, so a
// scratch picture that replaces a page or a clip keeps its kind.
TBitmap whitebitmaplike(const TBitmap& like, int width, int height);

// Straight copy of the whole of src onto dst with its top-left at (x, y), clipped to dst.
// Pixels change format through their colours when the two bitmaps differ.
void copybitmapat(const TBitmap& src, TBitmap& dst, int x, int y);

// Puts a pass's working copy back onto the page in one block at (0, 0), clipped to the page. When
// the page still has the copy's size, format and palette (nothing resized it while the pass let
// other commands run), the copy's pixels simply become the page's, with no second copy.
void putWorkingCopy(TBitmap&& work, TBitmap& page);
