#include "tint.h"

#include "Numbers.h"

#include <algorithm>

std::array<std::uint8_t, 256> tintTable(int percent, long long offset) {
    std::array<std::uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) {
        long long v = c == 0 ? 0 : c + roundHalfEven((long long)percent * c, 100);
        long long sum;
        // A sum past the ends of 64 bits is past 0..255 the way the offset points.
        if (__builtin_add_overflow(v, offset, &sum)) sum = offset > 0 ? 255 : 0;
        t[size_t(c)] = std::uint8_t(std::clamp(sum, 0LL, 255LL));
    }
    return t;
}

TColor tintColour(TColor c, int red, int green, int blue, long long offset) {
    if ((c & 0xFFFFFF) == 0xFFFFFF) return c;
    const auto r = tintTable(red, offset), g = tintTable(green, offset), b = tintTable(blue, offset);
    return RGB(r[c & 0xFF], g[(c >> 8) & 0xFF], b[(c >> 16) & 0xFF]);
}

void colourTint(TBitmap& b, int red, int green, int blue, long long offset, TProgress& bar) {
    const auto tr = tintTable(red, offset), tg = tintTable(green, offset), tb = tintTable(blue, offset);
    TRowStepper stepper(bar, b.Height());
    const bool direct = !b.IsIndexed();
    for (int y = 0; y < b.Height(); ++y) {
        stepper.Row(y);
        if (direct) {
            std::uint32_t* row = b.Row32(y);
            for (int x = 0; x < b.Width(); ++x) {
                const std::uint32_t w = row[x];
                if ((w & 0xFFFFFF) == 0xFFFFFF) continue;
                // Words are 0xFFRRGGBB.
                row[x] = 0xFF000000u | std::uint32_t(tr[(w >> 16) & 0xFF]) << 16 |
                         std::uint32_t(tg[(w >> 8) & 0xFF]) << 8 | tb[w & 0xFF];
            }
        } else {
            for (int x = 0; x < b.Width(); ++x) {
                TColor c = b.GetPixel(x, y);
                if ((c & 0xFFFFFF) == 0xFFFFFF) continue;
                b.SetPixel(x, y, RGB(tr[c & 0xFF], tg[(c >> 8) & 0xFF], tb[(c >> 16) & 0xFF]));
            }
        }
    }
    b.Changed();
}
