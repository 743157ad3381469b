#include "filters1.h"

#include "PixelCopy.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::uint32_t outside = 0xFFFFFFFFu;

// The channel rules treat red, green and blue alike, so they run both on colour values and on the
// bitmap's 0xFFRRGGBB words; `Top` is the top byte a changed value gets (0 for colours).
inline int channelsum(std::uint32_t c) {
    return int(c & 0xFF) + int((c >> 8) & 0xFF) + int((c >> 16) & 0xFF);
}
inline int bright(std::uint32_t c) {
    return (channelsum(c) + 1) / 3;
}

template <std::uint32_t Top> inline std::uint32_t shifted(std::uint32_t c, int d) {
    auto ch = [d](std::uint32_t v) { return std::uint32_t(std::clamp(int(v & 0xFF) + d, 0, 255)); };
    return Top | ch(c >> 16) << 16 | ch(c >> 8) << 8 | ch(c);
}

template <std::uint32_t Top> inline TPixelPair pairrule(std::uint32_t a, std::uint32_t b, int thr, int amt) {
    const int ba = bright(a), bb = bright(b);
    if (ba - thr > bb) return {shifted<Top>(a, -amt), shifted<Top>(b, amt)};
    if (ba + thr < bb) return {shifted<Top>(a, amt), shifted<Top>(b, -amt)};
    return {a, b};
}

template <std::uint32_t Top>
inline TPixelTriple triplerule(std::uint32_t a, std::uint32_t b, std::uint32_t c, int thr, int amt) {
    const int ba = bright(a), bc = bright(c);
    if (bc < ba - thr && bc > ba - 5 * thr)
        return {shifted<Top>(a, -amt), shifted<Top>(b, amt), shifted<Top>(c, 2 * amt)};
    return {a, b, c};
}

template <std::uint32_t Top>
inline TPixelPair contrastrule(std::uint32_t a, std::uint32_t b, int thr, int amt) {
    const int ba = bright(a), bb = bright(b);
    if (ba - thr > bb) return {a, shifted<Top>(b, amt)};
    if (ba + thr < bb) return {shifted<Top>(a, amt), b};
    return {a, b};
}

constexpr std::uint32_t wordTop = 0xFF000000u;
inline bool whiteword(std::uint32_t w) {
    return (w & 0xFFFFFF) == 0xFFFFFF;
}

// One row of each filter. True-colour rows run on the words; a palette page goes pixel by pixel
// through the bitmap, each write storing the nearest entry, as its canvas would.
void pairrow(TBitmap& work, int y, const TFilterSettings& s) {
    const int W = work.Width();
    if (W < 1) return;
    if (work.IsIndexed()) {
        for (int x = 0; x < W; ++x) {
            TPixelPair p = pairrule<0>(work.GetPixel(x, y), work.GetPixel(x + 1, y), s.thr, s.amt);
            work.SetPixel(x, y, p.a);
            work.SetPixel(x + 1, y, p.b);
        }
        return;
    }
    // Each pixel's new value is carried to the next pair rather than read back.
    std::uint32_t* r = work.Row32(y);
    std::uint32_t a = r[0];
    for (int x = 0; x + 1 < W; ++x) {
        TPixelPair p = pairrule<wordTop>(a, r[x + 1], s.thr, s.amt);
        r[x] = p.a;
        a = p.b;
    }
    r[W - 1] = pairrule<wordTop>(a, outside, s.thr, s.amt).a;
}

void triplerow(TBitmap& work, int y, const TFilterSettings& s) {
    const int W = work.Width();
    if (W < 3) return;
    if (work.IsIndexed()) {
        for (int x = 1; x < W - 1; ++x) {
            TPixelTriple t = triplerule<0>(work.GetPixel(x - 1, y), work.GetPixel(x, y),
                                           work.GetPixel(x + 1, y), s.thr, s.amt);
            work.SetPixel(x - 1, y, t.a);
            work.SetPixel(x, y, t.b);
            work.SetPixel(x + 1, y, t.c);
        }
        return;
    }
    std::uint32_t* r = work.Row32(y);
    std::uint32_t a = r[0], b = r[1];
    for (int x = 1; x < W - 1; ++x) {
        TPixelTriple t = triplerule<wordTop>(a, b, r[x + 1], s.thr, s.amt);
        r[x - 1] = t.a;
        a = t.b;
        b = t.c;
    }
    r[W - 2] = a;
    r[W - 1] = b;
}

void sortrow(TBitmap& work, int y, const TFilterSettings& s) {
    const int W = work.Width();
    if (W < 1) return;
    if (work.IsIndexed()) {
        for (int x = 0; x < W; ++x) {
            TColor a = work.GetPixel(x, y), b = work.GetPixel(x + 1, y);
            if (a == clWhite || b == clWhite) continue;
            TPixelPair p = contrastrule<0>(a, b, s.thr, s.amt);
            work.SetPixel(x, y, p.a);
            work.SetPixel(x + 1, y, p.b);
        }
        return;
    }
    std::uint32_t* r = work.Row32(y);
    std::uint32_t a = r[0];
    for (int x = 0; x + 1 < W; ++x) {
        std::uint32_t b = r[x + 1];
        if (!whiteword(a) && !whiteword(b)) {
            TPixelPair p = contrastrule<wordTop>(a, b, s.thr, s.amt);
            a = p.a;
            b = p.b;
        }
        r[x] = a;
        a = b;
    }
    // The position beyond the last column is not white (its top byte is set).
    if (!whiteword(a)) a = contrastrule<wordTop>(a, outside, s.thr, s.amt).a;
    r[W - 1] = a;
}

// The frame the three filters share: working copy, bar, `passes` passes over the rows with a
// mark every hundredth of `markrows` and messages pumped before every row, settings read after
// the pump, copy back, bar to 0 and hidden. An exception leaves the page and the bar as they are.
template <class RowFn>
void filterpage(TBitmap& page, const TFilterSettingsSource& settings, TProgress& bar, bool resetbar,
                int passes, int markrows, RowFn row) {
    TBitmap work(page);
    bar.Show();
    if (resetbar) bar.SetPosition(0);
    const int H = work.Height();
    TRowStepper rows(bar, markrows, TRowStepper::mkStep, TRowStepper::pmEveryRow);
    for (int pass = 0; pass < passes; ++pass) {
        if (pass > 0) rows.Restart();
        for (int y = 0; y < H; ++y) {
            rows.Row(y);
            row(work, y, settings ? settings() : TFilterSettings{});
        }
    }
    putWorkingCopy(std::move(work), page);
    bar.SetPosition(0);
    bar.Hide();
}

} // namespace

int brightness(TColor c) {
    return bright(c);
}

TPixelPair pairstep(TColor a, TColor b, int thr, int amt) {
    return pairrule<0>(a, b, thr, amt);
}

TPixelTriple triplestep(TColor a, TColor b, TColor c, int thr, int amt) {
    return triplerule<0>(a, b, c, thr, amt);
}

TPixelPair contrastpair(TColor a, TColor b, int thr, int amt) {
    return contrastrule<0>(a, b, thr, amt);
}

void pairfilt(TBitmap& page, const TFilterSettingsSource& settings, TProgress& bar) {
    // Both passes pair each pixel with its right neighbour, row by row; the bar's marks are spaced
    // for the two passes together.
    filterpage(page, settings, bar, true, 2, 2 * page.Height(), pairrow);
}

void triplefilt(TBitmap& page, const TFilterSettingsSource& settings, TProgress& bar) {
    filterpage(page, settings, bar, true, 1, page.Height(), triplerow);
}

void sortfilt(TBitmap& page, const TFilterSettingsSource& settings, TProgress& bar) {
    filterpage(page, settings, bar, false, 1, page.Height(), sortrow);
}
