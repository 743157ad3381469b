#include "morfshape.h"

#include "Numbers.h"
#include "TCanvas.h"

#include <vector>

namespace {
constexpr TColor white = 0xFFFFFF;

void readRow(const TBitmap& b, int y, std::vector<TColor>& row) {
    row.resize(size_t(b.Width()));
    if (!b.IsIndexed()) {
        const std::uint32_t* p = b.Row32(y);
        for (int x = 0; x < b.Width(); ++x)
            row[size_t(x)] = TBitmap::FromWord(p[x]);
    } else {
        for (int x = 0; x < b.Width(); ++x)
            row[size_t(x)] = b.GetPixel(x, y);
    }
}
} // namespace

void morphrow(std::span<const TColor> content, std::span<const TColor> shape, std::span<TColor> out) {
    for (TColor& c : out)
        c = white;
    std::vector<TColor> K;
    K.reserve(content.size());
    for (TColor c : content)
        if ((c & 0xFFFFFF) != white) K.push_back(c);
    const long long n = (long long)K.size();
    long long m = 0;
    int first = -1, last = -1;
    for (size_t x = 0; x < shape.size(); ++x)
        if ((shape[x] & 0xFFFFFF) != white) {
            if (first < 0) first = int(x);
            last = int(x);
            ++m;
        }
    if (n == 0 || m == 0) return;
    const int end = std::min(last, int(out.size()) - 1);
    long long j = 0; // counts the non-white silhouette pixels
    for (int x = first; x <= end; ++x) {
        if ((shape[size_t(x)] & 0xFFFFFF) == white) continue;
        ++j;
        long long idx = n < m ? roundHalfEven(j * n, m) : (j * n) / m;
        if (idx >= 1 && idx <= n) out[size_t(x)] = K[size_t(idx - 1)];
    }
}

bool morphtoshape(TBitmap& content, TBitmap& shape, TProgress& bar) {
    const int w = shape.Width(), h = shape.Height();
    TBitmap stretched(w, h, pf24bit);
    if (w > 0 && h > 0 && !content.Empty()) {
        TCanvas& c = stretched.Canvas();
        c.StretchMode = COLORONCOLOR;
        StretchBlt(c, 0, 0, w, h, content.Canvas(), 0, 0, content.Width(), content.Height(), SRCCOPY);
    }
    content.Assign(stretched);
    if (shape.Width() > morfMaxWidth || content.Width() > morfMaxWidth) return false;
    TBitmap out(w, h, pf24bit);
    TRowStepper stepper(bar, h, TRowStepper::mkZero);
    std::vector<TColor> crow, srow;
    std::vector<TColor> orow(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        stepper.Row(y + 1);
        readRow(content, y, crow);
        readRow(shape, y, srow);
        morphrow(crow, srow, orow);
        std::uint32_t* o = out.Row32(y);
        for (int x = 0; x < w; ++x)
            o[x] = TBitmap::ToWord(orow[size_t(x)]);
    }
    out.Changed();
    shape.Assign(out);
    return true;
}
