#include "fade.h"

#include <algorithm>

namespace {

// num / den (den > 0) rounded to the nearest integer, halves to the even neighbour.
long long roundHalfEven(long long num, long long den) {
    long long q = num / den, r = num % den;
    if (r < 0) {
        --q;
        r += den;
    }
    const long long twice = 2 * r;
    if (twice > den || (twice == den && (q & 1))) ++q;
    return q;
}

} // namespace

std::uint8_t fademix(int t, int p, long long n, long long k) {
    n = std::max<long long>(n, 10);
    if (p == t) return std::uint8_t(t);
    const long long base = p < t ? p : t;
    const long long difference = p < t ? t - p : p - t;
    const long long weight = p < t ? n - k : k;
    return std::uint8_t(base + roundHalfEven(difference * weight, n));
}

TColor fadeColor(TColor target, TColor page, long long n, long long k) {
    TColor out = 0;
    for (int shift : {0, 8, 16})
        out |= TColor(fademix(int((target >> shift) & 0xFF), int((page >> shift) & 0xFF), n, k)) << shift;
    return out;
}

long long fadeSpan(int x, int y, int w, int h, int a, int mode) {
    const long long product = mode == 1 ? (long long)x * y : (long long)(w - 1 - x) * (h - 1 - y);
    return roundHalfEven(product, a) + 2LL * a;
}

void fadeInto(TBitmap& target, const TBitmap& page, int a, int k, int mode, TProgress& bar) {
    a = std::max(a, 1);
    const int w = target.Width(), h = target.Height();
    bar.Show();
    bar.SetPosition(1);
    TRowStepper stepper(bar, h, TRowStepper::mkStep, TRowStepper::pmAtMark);
    for (int y = 0; y < h; ++y) {
        stepper.Row(y); // may pump: the page is looked at afresh below
        std::uint32_t* out = target.Row32(y);
        const bool pageRow = y < page.Height() && !page.IsIndexed();
        const std::uint32_t* in = pageRow ? page.Row32(y) : nullptr;
        for (int x = 0; x < w; ++x) {
            TColor p;
            if (in && x < page.Width())
                p = TBitmap::FromWord(in[x]);
            else
                p = page.GetPixel(x, y); // palette pages, and 0xFFFFFFFF past the page
            const TColor t = TBitmap::FromWord(out[x]);
            out[x] = TBitmap::ToWord(fadeColor(t, p & 0xFFFFFF, fadeSpan(x, y, w, h, a, mode), k));
        }
    }
    target.Changed();
    bar.SetPosition(0);
    bar.Hide();
}
