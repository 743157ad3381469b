#include "bez.h"

#include "Numbers.h"

long double realpower(std::uint16_t n, long double x) {
    long double r = 1.0L;
    for (unsigned i = 0; i < n; ++i)
        r = Real48(r * x);
    return r;
}

std::vector<TPoint> bezierpoints(int X0, int Y0, int X1, int Y1, int X2, int Y2, int X3, int Y3, int Steps) {
    std::vector<TPoint> pts;
    // A negative count would walk t away from 1 for ever.
    if (Steps <= 0) return pts;
    auto bezpoint = [&](long double t) {
        long double u = Real48(1 - t); // passed on as a 6-byte real
        long double b0 = realpower(3, u);
        long double b1 = 3 * t * realpower(2, u);
        long double b2 = t * (3 * t) * (1 - t);
        long double b3 = realpower(3, t);
        long double x = b0 * X0 + b1 * X1 + b2 * X2 + b3 * X3;
        long double y = b0 * Y0 + b1 * Y1 + b2 * Y2 + b3 * Y3;
        return Point(int(Round(x)), int(Round(y)));
    };
    const long double dt = Real48(1.0L / Steps);
    pts.reserve(size_t(Steps) + 2);
    long double t = 0;
    while (t < 1.0L) {
        pts.push_back(bezpoint(t));
        t = Real48(t + dt);
    }
    pts.push_back(Point(X3, Y3));
    return pts;
}

void drawbezier(TCanvas& canvas, int X0, int Y0, int X1, int Y1, int X2, int Y2, int X3, int Y3, int Steps) {
    if (Steps <= 0) return;
    std::vector<TPoint> pts = bezierpoints(X0, Y0, X1, Y1, X2, Y2, X3, Y3, Steps);
    canvas.MoveTo(X0, Y0);
    for (const TPoint& p : pts)
        canvas.LineTo(p.x, p.y);
}
