#include "imprint.h"

#include "Blit.h"
#include "PixelCopy.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t kWhiteWord = 0x00FFFFFFu;

// One of the three channels of a storage word, moved by `delta` and held within 0..255.
inline std::uint32_t shiftedChannel(std::uint32_t word, int shift, int delta) {
    const int v = std::clamp(int((word >> shift) & 0xFF) + delta, 0, 255);
    return std::uint32_t(v) << shift;
}

inline std::uint32_t imprintword(std::uint32_t w, int delta) {
    return (w & 0xFF000000u) | shiftedChannel(w, 16, delta) | shiftedChannel(w, 8, delta) |
           shiftedChannel(w, 0, delta);
}

// Shows the bar for a pass and puts it back at 0, hidden, however the pass ends.
struct ShownBar {
    explicit ShownBar(TProgress& b) : bar(b) { bar.Show(); }
    ~ShownBar() {
        bar.SetPosition(0);
        bar.Hide();
    }
    TProgress& bar;
};

} // namespace

TColor imprintcolor(TColor c, int step, bool lighten) {
    step = std::max(step, 1);
    const int delta = lighten ? step : -step;
    return TBitmap::FromWord(imprintword(TBitmap::ToWord(c), delta));
}

void imprintclip(TBitmap& page, const TBitmap& clip, int x, int y, int step, bool lighten, TProgress& bar) {
    const int delta = lighten ? std::max(step, 1) : -std::max(step, 1);
    TBitmap scratch = page;
    ShownBar shown(bar);
    TRowStepper stepper(bar, clip.Height(), TRowStepper::mkStep, TRowStepper::pmEveryRow);
    const bool words = !scratch.IsIndexed() && !clip.IsIndexed();
    const int x0 = std::max(0, -x), x1 = std::min(clip.Width(), scratch.Width() - x);
    for (int cy = 0; cy < clip.Height(); ++cy) {
        stepper.Row(cy);
        const int py = y + cy;
        if (py < 0 || py >= scratch.Height() || x0 >= x1) continue;
        if (words) {
            const std::uint32_t* from = clip.Row32(cy);
            std::uint32_t* to = scratch.Row32(py);
            for (int cx = x0; cx < x1; ++cx)
                if ((from[cx] & kWhiteWord) != kWhiteWord) to[x + cx] = imprintword(to[x + cx], delta);
        } else {
            for (int cx = x0; cx < x1; ++cx)
                if ((clip.GetPixel(cx, cy) & 0xFFFFFF) != 0xFFFFFF)
                    scratch.SetPixel(x + cx, py, imprintcolor(scratch.GetPixel(x + cx, py), step, lighten));
        }
    }
    putWorkingCopy(std::move(scratch), page);
}

TBitmap stretchedcopy(const TBitmap& src, int w, int h) {
    TBitmap out(w, h);
    const bool shrinking = w < src.Width() || h < src.Height();
    SetStretchBltMode(out.Canvas(), shrinking ? COLORONCOLOR : BLACKONWHITE);
    StretchBitmap(out.Canvas(), 0, 0, w, h, src, 0, 0, src.Width(), src.Height(), SRCCOPY);
    return out;
}

TBitmap mirrorclip(const TBitmap& clip, TProgress& bar) {
    TBitmap k = clip;
    const int w = clip.Width();
    if (clip.Height() <= 0) return k;
    bar.SetPosition(0);
    TRowStepper stepper(bar, clip.Height());
    const bool words = !clip.IsIndexed();
    for (int y = 0; y < clip.Height(); ++y) {
        stepper.Row(y);
        if (words) {
            const std::uint32_t* from = clip.Row32(y);
            std::uint32_t* to = k.Row32(y);
            for (int x = 0; x < w; ++x)
                to[w - 1 - x] = from[x];
        } else {
            const std::uint8_t* from = clip.ScanLine(y);
            std::uint8_t* to = k.ScanLine(y);
            for (int x = 0; x < w; ++x)
                to[w - 1 - x] = from[x];
        }
    }
    k.Changed();
    return k;
}
