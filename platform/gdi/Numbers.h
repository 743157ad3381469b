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

// A value stored as a 6-byte real: 40-bit significand (39 stored bits and the hidden one),
// rounded at its 40th bit with halves upward in magnitude; exponent range of that type.
long double Real48(long double v);
