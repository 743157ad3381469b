#include "rotation.h"

#include "Numbers.h"
#include "PixelCopy.h"

#include <cmath>

TRotCoeffs rotcoeffs(long double srcx, long double srcy, long double destx, long double desty,
                     long double scale, long double angle) {
    return clipcoeffs(srcx, srcy, destx, desty, scale, angle);
}

void rotatepicture(const TBitmap& undo, TBitmap& page, int centrex, int centrey, double scale, double angle,
                   TProgress& bar) {
    rotateclipbits(undo, page, centrex, centrey, scale, angle, bar);
}

int rotationside(int w, int h) {
    return int(Round(std::sqrt(double(w) * w + double(h) * h))) + 10;
}

bool resizeitbits(TBitmap& page, TBitmap& undo) {
    int w = page.Width(), h = page.Height();
    if (w == h) return false;
    int side = rotationside(w, h);
    // Both squares are made before either picture changes, so a failure leaves both as they were.
    TBitmap blank = whitebitmaplike(page, side, side);
    TBitmap centred = whitebitmaplike(undo, side, side);
    copybitmapat(undo, centred, (side - w) / 2, (side - h) / 2);
    page = std::move(blank);
    undo = std::move(centred);
    return true;
}
