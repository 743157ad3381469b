#include "lighten.h"

#include <algorithm>
#include <array>

void lightenUnderClip(TBitmap& page, const TBitmap& clip, int originX, int originY, bool lighten, int steps,
                      TProgress& bar) {
    const int delta = lighten ? steps : -steps;
    std::array<std::uint32_t, 256> shift{};
    for (int v = 0; v < 256; ++v)
        shift[size_t(v)] = std::uint32_t(std::clamp(v + delta, 0, 255));
    TRowStepper stepper(bar, clip.Height(), TRowStepper::mkStep, TRowStepper::pmEveryRow);
    for (int y = 0; y < clip.Height(); ++y) {
        stepper.Row(y);
        const int py = originY + y;
        if (py < 0 || py >= page.Height()) continue;
        const int x0 = std::max(0, -originX), x1 = std::min(clip.Width(), page.Width() - originX);
        if (!page.IsIndexed() && !clip.IsIndexed()) {
            // Rows are fetched afresh after each pump; words are 0xFFRRGGBB.
            const std::uint32_t* c = clip.Row32(y);
            std::uint32_t* p = page.Row32(py) + originX;
            for (int x = x0; x < x1; ++x) {
                const std::uint32_t w = c[x];
                if ((w & 0xFFFFFF) == 0xFFFFFF) continue;
                p[x] = 0xFF000000u | shift[(w >> 16) & 0xFF] << 16 | shift[(w >> 8) & 0xFF] << 8 |
                       shift[w & 0xFF];
            }
            continue;
        }
        for (int x = x0; x < x1; ++x) {
            const TColor c = clip.GetPixel(x, y);
            if ((c & 0xFFFFFF) == 0xFFFFFF) continue;
            page.SetPixel(originX + x, py,
                          RGB(shift[c & 0xFF], shift[(c >> 8) & 0xFF], shift[(c >> 16) & 0xFF]));
        }
    }
    page.Changed();
}
