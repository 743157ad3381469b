#include "dither.h"

#include <algorithm>
#include <cstdint>

namespace {

struct Tap {
    int dx, dy, weight, divisor;
};

// The kernels, neighbour by neighbour.
constexpr Tap stucki[] = {{1, 0, 4, 21},  {2, 0, 2, 21},  {1, 1, 1, 21},  {0, 1, 2, 21},
                          {-1, 1, 4, 21}, {-2, 1, 2, 21}, {-3, 1, 1, 21}, {1, 2, 1, 42},
                          {0, 2, 1, 21},  {-1, 2, 2, 21}, {-2, 2, 1, 21}, {-3, 2, 1, 42}};
constexpr Tap burkes[] = {{1, 0, 1, 4}, {2, 0, 1, 8},  {2, 1, 1, 16}, {1, 1, 1, 8},
                          {0, 1, 1, 4}, {-1, 1, 1, 8}, {-2, 1, 1, 16}};
constexpr Tap sierraLite[] = {{1, 0, 1, 2}, {-1, 1, 1, 4}, {0, 1, 1, 4}};

constexpr std::uint32_t white = 0xFFFFFFFFu, black = 0xFF000000u;

inline std::uint32_t grey(int c) {
    auto v = std::uint32_t(c);
    return 0xFF000000u | v << 16 | v << 8 | v;
}

// One neighbour: its blue channel (the low byte of the stored word) moved by the error share.
template <int Weight, int Divisor> inline void spread(std::uint32_t& px, int e) {
    int c = int(px & 0xFF) + e * Weight / Divisor;
    px = grey(c < 0 ? 0 : c > 255 ? 255 : c);
}

template <const auto& Taps> bool run(TBitmap& bmp, const std::function<bool(int)>& beforeRow) {
    constexpr int maxDy = [] {
        int m = 0;
        for (const Tap& t : Taps)
            m = std::max(m, t.dy);
        return m;
    }();
    for (int y = 0; y < bmp.Height(); ++y) {
        if (beforeRow && !beforeRow(y)) return false;
        const int w = bmp.Width(), h = bmp.Height();
        if (y >= h) return false;
        std::uint32_t* rows[3] = {bmp.Row32(y), nullptr, nullptr};
        for (int d = 1; d <= maxDy; ++d)
            rows[d] = y + d < h ? bmp.Row32(y + d) : nullptr;
        for (int x = 0; x < w; ++x) {
            std::uint32_t& px = rows[0][x];
            int v = int(px & 0xFF);
            int e;
            if (v > 128) {
                px = white;
                e = v - 255;
            } else {
                px = black;
                e = v;
            }
            if (e == 0) continue;
            if (x >= 3 && x + 2 < w) {
                // Every tap lies inside the row: no column checks.
                [&]<size_t... I>(std::index_sequence<I...>) {
                    ((rows[Taps[I].dy]
                          ? spread<Taps[I].weight, Taps[I].divisor>(rows[Taps[I].dy][x + Taps[I].dx], e)
                          : void()),
                     ...);
                }
                (std::make_index_sequence<std::size(Taps)>{});
            } else {
                for (const Tap& t : Taps) {
                    int nx = x + t.dx;
                    if (nx < 0 || nx >= w || !rows[t.dy]) continue;
                    std::uint32_t& n = rows[t.dy][nx];
                    int c = int(n & 0xFF) + e * t.weight / t.divisor;
                    n = grey(std::clamp(c, 0, 255));
                }
            }
        }
    }
    return true;
}

} // namespace

bool dither(TBitmap& bmp, int style, const std::function<bool(int y)>& beforeRow) {
    if (style < 0 || style > 2 || bmp.Empty()) return true;
    if (bmp.IsIndexed()) bmp.SetPixelFormat(pf24bit);
    bool whole = style == 0   ? run<stucki>(bmp, beforeRow)
                 : style == 1 ? run<burkes>(bmp, beforeRow)
                              : run<sierraLite>(bmp, beforeRow);
    bmp.Changed();
    return whole;
}
