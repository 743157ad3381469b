#include "lighten.h"

#include <algorithm>

void lightenUnderClip(TBitmap& page, const TBitmap& clip, int originX, int originY, bool lighten, int steps,
                      TProgress& bar) {
    const int delta = lighten ? steps : -steps;
    auto shift = [delta](int v) { return std::clamp(v + delta, 0, 255); };
    TRowStepper stepper(bar, clip.Height(), TRowStepper::mkStep, TRowStepper::pmEveryRow);
    for (int y = 0; y < clip.Height(); ++y) {
        stepper.Row(y);
        const int py = originY + y;
        if (py < 0 || py >= page.Height()) continue;
        for (int x = 0; x < clip.Width(); ++x) {
            const TColor c = clip.GetPixel(x, y);
            if ((c & 0xFFFFFF) == 0xFFFFFF) continue;
            page.SetPixel(
                originX + x, py,
                RGB(shift(int(c & 0xFF)), shift(int((c >> 8) & 0xFF)), shift(int((c >> 16) & 0xFF))));
        }
    }
    page.Changed();
}
