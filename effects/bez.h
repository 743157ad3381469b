#pragma once
#include "Geometry.h"
#include "TCanvas.h"

#include <cstdint>
#include <vector>

// x raised to the whole power n: 1.0 multiplied by x n times, the running product kept as a
// 6-byte real after each multiplication (n = 0 gives 1.0).
long double realpower(std::uint16_t n, long double x);

// The points a Bezier curve's polyline goes through after its start point: the curve at
// t = 0, 1/steps, ... while t < 1 (t advancing in 6-byte reals), then the end point itself.
// steps = 30 gives 31 points. No points for steps <= 0.
std::vector<TPoint> bezierpoints(int X0, int Y0, int X1, int Y1, int X2, int Y2, int X3, int Y3, int Steps);

// Draws the cubic curve from (X0, Y0) to (X3, Y3) with the control points (X1, Y1), belonging to
// the start, and (X2, Y2), belonging to the end, as Steps straight segments with the canvas's
// pen, pen mode and width. Steps <= 0 draws nothing and leaves the pen position alone.
void drawbezier(TCanvas& canvas, int X0, int Y0, int X1, int Y1, int X2, int Y2, int X3, int Y3, int Steps);
