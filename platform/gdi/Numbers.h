#pragma once
#include <cmath>
#include <cstdint>

// Rounding as the program's arithmetic defines it: Round goes to the nearest integer with halves
// to the even neighbour; Trunc and Div go toward zero.
inline std::int64_t Round(double v) {
    return static_cast<std::int64_t>(std::nearbyint(v));
}
inline std::int64_t Round(long double v) {
    return static_cast<std::int64_t>(std::nearbyintl(v));
}
inline std::int64_t Trunc(double v) {
    return static_cast<std::int64_t>(std::trunc(v));
}
inline std::int64_t Trunc(long double v) {
    return static_cast<std::int64_t>(std::truncl(v));
}
constexpr int Div(int a, int b) {
    return a / b;
} // C++ division already truncates toward zero
constexpr int Mod(int a, int b) {
    return a % b;
}

// n / d in exact integers, rounded as Round rounds (halves to the even neighbour); d > 0.
constexpr std::int64_t roundHalfEven(std::int64_t n, std::int64_t d) {
    std::int64_t q = n / d, r = n % d;
    if (r < 0) {
        --q;
        r += d;
    }
    if (2 * r > d || (2 * r == d && (q & 1))) ++q;
    return q;
}

// A value stored as a 6-byte real: 40-bit significand (39 stored bits and the hidden one),
// rounded at its 40th bit with halves upward in magnitude; exponent range of that type.
long double Real48(long double v);
