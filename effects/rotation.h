#pragma once
#include "Progress.h"
#include "TBitmap.h"
#include "cliprot.h"

// The page's own coefficients: the same turn as the clip's.
TRotCoeffs rotcoeffs(long double srcx, long double srcy, long double destx, long double desty,
                     long double scale, long double angle);

// Turns the page: reads the undo copy, writes the page, about (centrex, centrey), which the
// caller takes from the page control (width div 2, height div 2). The bar advances as in
// rotateclipbits.
void rotatepicture(const TBitmap& undo, TBitmap& page, int centrex, int centrey, double scale, double angle,
                   TProgress& bar);

// The side of the square that holds a w x h picture in any turn, with a margin.
int rotationside(int w, int h);

// Before a page turn with "Enlarge Image if necessary": a page that is not square becomes a
// blank white square of rotationside(w, h) and the undo copy becomes the same square with its
// picture centred. Returns false, changing nothing, for a square page. Both keep their pixel
// format and palette. The window then sizes its controls and itself.
bool resizeitbits(TBitmap& page, TBitmap& undo);
