#include "Numbers.h"

#include <limits>

long double Real48(long double v) {
    if (v == 0 || !std::isfinite(v)) return v;
    int exp = 0;
    long double m = std::frexp(v, &exp); // |m| in [0.5, 1)
    // 40 significant bits, halves away from zero.
    long double scaled = std::ldexp(m, 40);
    long double rounded = std::round(scaled);
    long double r = std::ldexp(rounded, exp - 40);
    // Exponent byte 1..255 with bias 129: magnitudes from 2^-128 up to just below 2^127.
    long double a = std::fabs(r);
    if (a < std::ldexp(1.0L, -128)) return 0;
    if (a >= std::ldexp(1.0L, 127))
        return v > 0 ? std::numeric_limits<long double>::infinity()
                     : -std::numeric_limits<long double>::infinity();
    return r;
}
