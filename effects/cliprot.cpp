#include "cliprot.h"

#include "Numbers.h"

#include <algorithm>
#include <array>
#include <numbers>

TRotCoeffs clipcoeffs(long double srcx, long double srcy, long double destx, long double desty,
                      long double scale, long double angle) {
    const long double pi = std::numbers::pi_v<long double>;
    long double r = angle * pi * (1.0L / 180);
    TRotCoeffs k;
    k.c1 = Real48(scale * std::cos(r));
    k.s1 = Real48(scale * std::sin(r));
    k.c2 = Real48(scale * std::cos(r + pi / 2));
    k.s2 = Real48(scale * std::sin(r + pi / 2));
    k.e = Real48(srcx - destx * k.c1 - desty * k.c2);
    k.f = Real48(srcy - destx * k.s1 - desty * k.s2);
    return k;
}

TRotFixed fixedcoeffs(const TRotCoeffs& k) {
    return {Round(1000 * k.e),  Round(1000 * k.f),  Round(1000 * k.c1),
            Round(1000 * k.s1), Round(1000 * k.c2), Round(1000 * k.s2)};
}

namespace {

std::int64_t floordiv(std::int64_t a, std::int64_t b) { // b > 0
    std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
std::int64_t ceildiv(std::int64_t a, std::int64_t b) { // b > 0
    std::int64_t q = a / b;
    return (a % b != 0 && a > 0) ? q + 1 : q;
}

// Narrows [lo, hi) to the columns x with low < a + x k < high.
void narrow(std::int64_t a, std::int64_t k, std::int64_t low, std::int64_t high, std::int64_t& lo,
            std::int64_t& hi) {
    if (k == 0) {
        if (!(low < a && a < high)) hi = lo;
        return;
    }
    std::int64_t first, end;
    if (k > 0) {
        first = floordiv(low - a, k) + 1;
        end = ceildiv(high - a, k);
    } else {
        first = floordiv(a - high, -k) + 1;
        end = ceildiv(a - low, -k);
    }
    lo = std::max(lo, first);
    hi = std::min(hi, end);
}

// A source column or row counts as inside when its coordinate truncated toward zero lies in
// 0..size-1, that is when -1000 < u < 1000 size. Each row's inside columns form one run, so the
// loop over it needs no test.
template <class S, class D, class Conv>
void maprows(const TBitmap& src, TBitmap& dest, const TRotFixed& k, D white, Conv conv, TProgress& bar) {
    const int W = dest.Width(), H = dest.Height();
    const std::int64_t uHigh = 1000 * std::int64_t(src.Width()), vHigh = 1000 * std::int64_t(src.Height());
    const std::uint8_t* base = src.Bits();
    const std::int64_t stride = src.BytesPerLine();
    const bool srcEmpty = src.Empty();
    TRowStepper stepper(bar, H, TRowStepper::mkZero);
    for (int y = 0; y < H; ++y) {
        stepper.Row(y);
        D* d = reinterpret_cast<D*>(dest.ScanLine(y));
        const std::int64_t u0 = k.E + y * k.C2, v0 = k.F + y * k.S2;
        std::int64_t lo = 0, hi = W;
        if (srcEmpty) hi = 0;
        narrow(u0, k.C1, -1000, uHigh, lo, hi);
        narrow(v0, k.S1, -1000, vHigh, lo, hi);
        if (hi <= lo) lo = hi = 0;
        std::fill(d, d + lo, white);
        std::int64_t u = u0 + lo * k.C1, v = v0 + lo * k.S1;
        for (std::int64_t x = lo; x < hi; ++x) {
            const S* row = reinterpret_cast<const S*>(base + (v / 1000) * stride);
            d[x] = conv(row[u / 1000]);
            u += k.C1;
            v += k.S1;
        }
        std::fill(d + hi, d + W, white);
    }
}

TColor paletteColour(const TBitmap& b, int i) {
    const HPALETTE& p = b.Palette();
    if (!p || i >= int(p->entries.size())) return clBlack;
    const PALETTEENTRY& e = p->entries[size_t(i)];
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

} // namespace

void rotateclipbits(const TBitmap& src, TBitmap& dest, int centrex, int centrey, double scale, double angle,
                    TProgress& bar) {
    if (&src == &dest) {
        TBitmap copy(src);
        rotateclipbits(copy, dest, centrex, centrey, scale, angle, bar);
        return;
    }
    // The inverse mapping turns back by the requested angle.
    long double a = Round(360 - angle);
    TRotFixed k = fixedcoeffs(clipcoeffs(centrex, centrey, centrex * 1.0L, centrey * 1.0L, scale, a));

    if (!src.IsIndexed() && !dest.IsIndexed()) {
        maprows<std::uint32_t, std::uint32_t>(
            src, dest, k, TBitmap::ToWord(clWhite), [](std::uint32_t w) { return w; }, bar);
    } else if (src.IsIndexed() && dest.IsIndexed()) {
        std::array<std::uint8_t, 256> lut;
        bool same = src.Palette() && dest.Palette() && src.Palette()->entries == dest.Palette()->entries;
        for (int i = 0; i < 256; ++i)
            lut[size_t(i)] = std::uint8_t(same ? i : dest.IndexOf(paletteColour(src, i)));
        maprows<std::uint8_t, std::uint8_t>(
            src, dest, k, std::uint8_t(dest.IndexOf(clWhite)), [&lut](std::uint8_t i) { return lut[i]; },
            bar);
    } else if (src.IsIndexed()) {
        std::array<std::uint32_t, 256> lut;
        for (int i = 0; i < 256; ++i)
            lut[size_t(i)] = TBitmap::ToWord(paletteColour(src, i));
        maprows<std::uint8_t, std::uint32_t>(
            src, dest, k, TBitmap::ToWord(clWhite), [&lut](std::uint8_t i) { return lut[i]; }, bar);
    } else {
        std::uint32_t lastWord = 0;
        std::uint8_t lastIndex = std::uint8_t(dest.IndexOf(TBitmap::FromWord(0)));
        auto nearest = [&](std::uint32_t w) {
            if ((w & 0xFFFFFF) != (lastWord & 0xFFFFFF)) {
                lastWord = w;
                lastIndex = std::uint8_t(dest.IndexOf(TBitmap::FromWord(w)));
            }
            return lastIndex;
        };
        maprows<std::uint32_t, std::uint8_t>(src, dest, k, std::uint8_t(dest.IndexOf(clWhite)), nearest, bar);
    }
    dest.Changed();
}
