#include "colormap.h"

#include "TCanvas.h"

#include <cstddef>

namespace {
constexpr TColor white = 0xFFFFFF;

// After-row stepping: a mark one hundredth of the rows in, advanced past each row that exceeds it.
class AfterRows {
public:
    AfterRows(TProgress& bar, int rows) : stepper_(bar, rows) {}
    void done(int y) { stepper_.Row(y); }

private:
    TRowStepper stepper_;
};
} // namespace

void plotColourMap(const TBitmap& picture, TBitmap& map, TProgress& bar) {
    map.SetPixelFormat(pf24bit);
    map.SetSize(256, 256);
    map.Canvas().Brush.SetColor(clWhite);
    map.Canvas().FillRect(Rect(0, 0, 256, 256));
    // The map's rows lie one stride apart.
    std::uint32_t* const cells = map.Row32(0);
    const std::ptrdiff_t stride = map.Row32(1) - cells;
    AfterRows steps(bar, picture.Height());
    for (int y = 0; y < picture.Height(); ++y) {
        if (!picture.IsIndexed()) {
            const std::uint32_t* row = picture.Row32(y);
            const int width = picture.Width();
            if (stride == 256) {
                // Words are 0xFFRRGGBB: red picks the row, green the column, so the cell is the
                // middle two bytes.
                for (int x = 0; x < width; ++x) {
                    const std::uint32_t w = row[x] | 0xFF000000u;
                    if ((w & 0xFFFFFF) != 0xFFFFFF) cells[(w >> 8) & 0xFFFF] = w;
                }
            } else {
                for (int x = 0; x < width; ++x) {
                    const std::uint32_t w = row[x] | 0xFF000000u;
                    if ((w & 0xFFFFFF) == 0xFFFFFF) continue;
                    cells[std::ptrdiff_t((w >> 16) & 0xFF) * stride + std::ptrdiff_t((w >> 8) & 0xFF)] = w;
                }
            }
        } else {
            for (int x = 0; x < picture.Width(); ++x) {
                TColor c = picture.GetPixel(x, y);
                if ((c & 0xFFFFFF) == white) continue;
                map.SetPixel(int((c >> 8) & 0xFF), int(c & 0xFF), c);
            }
        }
        steps.done(y);
    }
    map.Changed();
}

int countMapColours(const TBitmap& map, TProgress& bar) {
    int count = 0;
    AfterRows steps(bar, map.Height());
    for (int y = 0; y < map.Height(); ++y) {
        if (!map.IsIndexed()) {
            const std::uint32_t* row = map.Row32(y);
            for (int x = 0; x < map.Width(); ++x)
                count += (row[x] & 0xFFFFFF) != white;
        } else {
            for (int x = 0; x < map.Width(); ++x)
                if ((map.GetPixel(x, y) & 0xFFFFFF) != white) ++count;
        }
        steps.done(y);
    }
    return count;
}

TBitmap paletteSheet(const TBitmap& map, int count, TProgress& bar) {
    TBitmap sheet(40, 1280, pf24bit);
    TCanvas& c = sheet.Canvas();
    c.Brush.SetColor(clBlack);
    c.FillRect(Rect(1, 1, 7, 7));
    c.Brush.SetColor(clWhite);
    c.FillRect(Rect(1, 6, 7, 12));
    const bool sampling = count > 1280;
    long long cell = 0, mark = 1;
    int x = 1, y = 11;
    long double rowMark = 2.56L;
    for (int R = 0; R < 256 && x <= 36; ++R) {
        if (R > rowMark) {
            rowMark += 2.56L;
            bar.StepIt();
        }
        for (int G = 0; G < 256 && x <= 36; ++G) {
            const TColor colour = map.GetPixel(G, R);
            if (sampling) {
                ++cell;
                if (1280 * cell <= mark * (long long)count) continue;
                ++mark;
            }
            if ((colour & 0xFFFFFF) == white) continue;
            c.Brush.SetColor(colour);
            c.FillRect(Rect(x, y, x + 6, y + 6));
            y += 6;
            if (y >= 1280) {
                y = 1;
                x += 6;
            }
        }
    }
    return sheet;
}
