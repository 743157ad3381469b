#pragma once
#include "Progress.h"
#include "TBitmap.h"

// Turns the clip in place by `angle` degrees (clockwise on the screen) about its centre, first
// centring it on a white square of rotationside(w, h) so no corner is lost. The clip keeps its
// pixel format and palette; the caller then gives the clip control the clip's new size and
// repaints. The bar is shown at position 1 for the turn and hidden after it.
void rotateclip(TBitmap& clip, double angle, TProgress& bar);

// The clip's transparency mask: white where the clip is white (0xFFFFFF), black everywhere else,
// the clip's size. A true-colour clip's mask keeps the clip's format; a palette clip gets a
// true-colour mask, so black and white are exact whatever its palette holds. The bar advances
// by one every hundredth of the rows; it is neither shown nor reset here.
void makeclipmask(const TBitmap& clip, TBitmap& mask, TProgress& bar);
