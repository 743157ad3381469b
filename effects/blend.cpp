#include "blend.h"

#include "Numbers.h"
#include "PixelCopy.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace {

// The offset of a channel from the lower of the two values, scaled by 1000: the quotient and the
// scaled offset are stored as 6-byte reals. It depends only on the difference d and the
// direction.
long double scaledoffset(int d, int n, int weight) {
    long double q = Real48(static_cast<long double>(d) / n);
    return Real48(q * weight * 1000);
}

// 0.001L is the extended value a hair below one thousandth, which decides where an exact half
// goes.
int fromoffset(long double v, int base) {
    return int(std::clamp<std::int64_t>(Round((v + base * 1000.0L) * 0.001L), 0, 255));
}

int mixchannel(int a, int b, int n, int k) {
    if (b < a) return fromoffset(scaledoffset(a - b, n, n - k), b);
    if (b > a) return fromoffset(scaledoffset(b - a, n, k), a);
    return a;
}

// True-colour pixels are words 0xFFRRGGBB; the channel rules treat the three channels alike, so
// they run on the words with no reordering.
inline std::uint32_t mixword(std::uint32_t a, std::uint32_t b, const std::uint8_t* t) {
    return 0xFF000000u | std::uint32_t(t[((a >> 8) & 0xFF00) | ((b >> 16) & 0xFF)]) << 16 |
           std::uint32_t(t[(a & 0xFF00) | ((b >> 8) & 0xFF)]) << 8 | t[((a << 8) & 0xFF00) | (b & 0xFF)];
}

inline std::uint32_t mapword(std::uint32_t a, const std::uint8_t* lut) {
    return 0xFF000000u | std::uint32_t(lut[(a >> 16) & 0xFF]) << 16 |
           std::uint32_t(lut[(a >> 8) & 0xFF]) << 8 | lut[a & 0xFF];
}

// The bar of the smoothing and brightness passes: shown at 1, a mark every hundredth of the rows
// with messages pumped there, back to 0 and hidden at the end.
void beginBlendBar(TProgress& bar) {
    bar.Show();
    bar.SetPosition(1);
}
void endBlendBar(TProgress& bar) {
    bar.SetPosition(0);
    bar.Hide();
}

// Row `y` (at least 1) of the diagonal soft focus: each pixel but the first half-way towards its
// upper-left neighbour, which is already final.
void diagonalrow(TBitmap& work, int y) {
    const int W = work.Width();
    if (W < 2) return;
    if (work.IsIndexed()) {
        for (int x = 1; x < W; ++x)
            work.SetPixel(x, y, blendmix(work.GetPixel(x, y), work.GetPixel(x - 1, y - 1), 6, 3));
        return;
    }
    const std::uint8_t* t = blendTable(6, 3);
    std::uint32_t* cur = work.Row32(y);
    const std::uint32_t* up = work.Row32(y - 1);
    for (int x = 1; x < W; ++x)
        cur[x] = mixword(cur[x], up[x - 1], t);
}

} // namespace

TColor blendmix(TColor a, TColor b, int n, int k) {
    if (n < 1) return a;
    return RGB(mixchannel(GetRValue(a), GetRValue(b), n, k), mixchannel(GetGValue(a), GetGValue(b), n, k),
               mixchannel(GetBValue(a), GetBValue(b), n, k));
}

const std::uint8_t* blendTable(int n, int k) {
    static std::mutex lock;
    static std::map<std::pair<int, int>, std::unique_ptr<std::uint8_t[]>> tables;
    std::lock_guard<std::mutex> hold(lock);
    std::unique_ptr<std::uint8_t[]>& t = tables[{n, k}];
    if (!t) {
        // The same steps as blendmix, with each difference's offset worked out once.
        long double down[256], up[256];
        for (int d = 1; d < 256; ++d) {
            down[d] = scaledoffset(d, n, n - k);
            up[d] = scaledoffset(d, n, k);
        }
        t = std::make_unique<std::uint8_t[]>(256 * 256);
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; ++b)
                t[size_t(a * 256 + b)] = std::uint8_t(b < a   ? fromoffset(down[a - b], b)
                                                      : b > a ? fromoffset(up[b - a], a)
                                                              : a);
    }
    return t.get();
}

TColor stepcolor(TColor c, bool lighten) {
    auto step = [lighten](int v) { return lighten ? std::min(v + 8, 255) : std::max(v - 8, 0); };
    return RGB(step(GetRValue(c)), step(GetGValue(c)), step(GetBValue(c)));
}

void doblend(TBitmap& page, TProgress& bar) {
    TBitmap work(page);
    const int H = work.Height();
    beginBlendBar(bar);
    TRowStepper rows(bar, H, TRowStepper::mkStep, TRowStepper::pmAtMark);
    for (int y = 0; y < H; ++y) {
        rows.Row(y);
        if (y > 0) diagonalrow(work, y);
    }
    // The second pass goes over the same pixels in the same order; its bar winds back down.
    rows.Restart();
    rows.CountDown();
    for (int y = 0; y < H - 1; ++y) {
        rows.Row(y);
        diagonalrow(work, y + 1);
    }
    endBlendBar(bar);
    putWorkingCopy(std::move(work), page);
}

void doblend2(TBitmap& page, TProgress& bar) {
    TBitmap work(page);
    const int W = work.Width(), H = work.Height();
    beginBlendBar(bar);
    TRowStepper rows(bar, H, TRowStepper::mkStep, TRowStepper::pmAtMark);
    const std::uint8_t* t = blendTable(10, 3);
    for (int y = 0; y < H; ++y) {
        rows.Row(y);
        if (y < 1 || y >= H - 1 || W < 3) continue;
        if (work.IsIndexed()) {
            for (int x = 1; x < W - 1; ++x) {
                work.SetPixel(x, y, blendmix(work.GetPixel(x, y), work.GetPixel(x - 1, y), 10, 3));
                work.SetPixel(x - 1, y, blendmix(work.GetPixel(x, y - 1), work.GetPixel(x, y + 1), 10, 3));
            }
            continue;
        }
        std::uint32_t* cur = work.Row32(y);
        const std::uint32_t* up = work.Row32(y - 1);
        const std::uint32_t* down = work.Row32(y + 1);
        // Each pixel's horizontal mix reads the one its left neighbour just made, before that
        // neighbour is replaced by its vertical mix.
        for (int x = 1; x < W - 1; ++x) {
            cur[x] = mixword(cur[x], cur[x - 1], t);
            cur[x - 1] = mixword(up[x], down[x], t);
        }
    }
    endBlendBar(bar);
    putWorkingCopy(std::move(work), page);
}

void doblend3(TBitmap& page, bool lighten, TProgress& bar) {
    TBitmap work(page);
    const int W = work.Width(), H = work.Height();
    beginBlendBar(bar);
    TRowStepper rows(bar, H, TRowStepper::mkStep, TRowStepper::pmAtMark);
    std::uint8_t lut[256];
    for (int v = 0; v < 256; ++v)
        lut[v] = std::uint8_t(GetRValue(stepcolor(RGB(v, 0, 0), lighten)));
    for (int y = 0; y < H; ++y) {
        rows.Row(y);
        if (W < 1) continue;
        if (work.IsIndexed()) {
            for (int x = 0; x < W; ++x)
                work.SetPixel(x, y, stepcolor(work.GetPixel(x, y), lighten));
            continue;
        }
        std::uint32_t* row = work.Row32(y);
        for (int x = 0; x < W; ++x)
            row[x] = mapword(row[x], lut);
    }
    endBlendBar(bar);
    putWorkingCopy(std::move(work), page);
}

namespace {

// The working copy as the clip blend sees it: positions off the page read as all bits set and
// take no writes.
class TWordPage {
public:
    explicit TWordPage(TBitmap& b)
        : W_(b.Width()), H_(b.Height()), stride_(size_t(b.BytesPerLine())),
          base_(b.Empty() ? nullptr : b.Bits()) {}
    std::uint32_t get(int x, int y) const {
        if (unsigned(x) >= unsigned(W_) || unsigned(y) >= unsigned(H_)) return 0xFFFFFFFFu;
        return reinterpret_cast<const std::uint32_t*>(base_ + size_t(y) * stride_)[x];
    }
    void set(int x, int y, std::uint32_t v) {
        if (unsigned(x) >= unsigned(W_) || unsigned(y) >= unsigned(H_)) return;
        reinterpret_cast<std::uint32_t*>(base_ + size_t(y) * stride_)[x] = v;
    }

private:
    int W_, H_;
    size_t stride_;
    std::uint8_t* base_;
};

// Which clip pixels are selected (not white), taken at the start so that the clip may change
// while the pass pumps messages.
std::vector<std::uint8_t> selectedpixels(const TBitmap& clip) {
    const int W = clip.Width(), H = clip.Height();
    std::vector<std::uint8_t> sel(size_t(W) * size_t(std::max(H, 0)));
    for (int y = 0; y < H && W > 0; ++y) {
        if (clip.IsIndexed()) {
            for (int x = 0; x < W; ++x)
                sel[size_t(y) * W + x] = (clip.GetPixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        } else {
            const std::uint32_t* row = clip.Row32(y);
            for (int x = 0; x < W; ++x)
                sel[size_t(y) * W + x] = (row[x] & 0xFFFFFF) != 0xFFFFFF;
        }
    }
    return sel;
}

} // namespace

void doclipblend(TBitmap& page, const TBitmap& clip, int clipx, int clipy, int steps, TProgress& bar) {
    const int w = std::max(64 - steps, 1);
    TBitmap work(page);
    const int cw = clip.Width(), ch = clip.Height();
    const std::vector<std::uint8_t> sel = selectedpixels(clip);
    beginBlendBar(bar);
    TRowStepper rows(bar, ch, TRowStepper::mkStep, TRowStepper::pmAtMark);
    const std::uint8_t* t = blendTable(64, w);
    TWordPage words(work);
    for (int y = 0; y < ch; ++y) {
        rows.Row(y);
        const int py = clipy + y;
        for (int x = 0; x < cw; ++x) {
            if (!sel[size_t(y) * cw + x]) continue;
            const int px = clipx + x;
            if (work.IsIndexed()) {
                work.SetPixel(px + 1, py, blendmix(work.GetPixel(px, py), work.GetPixel(px - 1, py), 64, w));
                work.SetPixel(px, py, blendmix(work.GetPixel(px, py - 1), work.GetPixel(px, py + 1), 64, w));
            } else {
                words.set(px + 1, py, mixword(words.get(px, py), words.get(px - 1, py), t));
                words.set(px, py, mixword(words.get(px, py - 1), words.get(px, py + 1), t));
            }
        }
    }
    endBlendBar(bar);
    putWorkingCopy(std::move(work), page);
}

namespace {

// The undo copy takes the page's size, format and palette; its pixels are all written next, so
// they are copied only when it has to be made anew.
void likepage(TBitmap& undo, const TBitmap& page) {
    const bool samePalette = !page.IsIndexed() || (undo.Palette() && page.Palette() &&
                                                   undo.Palette()->entries == page.Palette()->entries);
    if (undo.Width() != page.Width() || undo.Height() != page.Height() ||
        undo.PixelFormat() != page.PixelFormat() || !samePalette)
        undo.Assign(page);
}

// Both the page and the undo copy end holding the turned picture. `turnrows(y)` turns row y with
// its partner row in one go (reading both before writing either), so the bar's marks, which come
// after each row of the top-to-bottom loop, pass over rows already done in the lower half.
template <class TurnRows>
void turnthroughundo(TBitmap& page, TBitmap& undo, TProgress& bar, TurnRows turnrows) {
    likepage(undo, page);
    const int H = undo.Height();
    if (H <= 0) return;
    TRowStepper rows(bar, H);
    bar.SetPosition(1);
    bar.Show();
    const int W = undo.Width();
    for (int y = 0; y < H; ++y) {
        if (W > 0) turnrows(y, W, H);
        rows.Row(y);
    }
    bar.SetPosition(1);
    bar.Hide();
    undo.Changed();
    page.Changed();
}

template <class P> void fliprows(TBitmap& page, TBitmap& undo, int y, int W, int H) {
    const int z = H - 1 - y;
    if (z < y) return;
    P* top = reinterpret_cast<P*>(page.ScanLine(y));
    P* bottom = reinterpret_cast<P*>(page.ScanLine(z));
    P* undoTop = reinterpret_cast<P*>(undo.ScanLine(y));
    P* undoBottom = reinterpret_cast<P*>(undo.ScanLine(z));
    std::memcpy(undoTop, bottom, size_t(W) * sizeof(P));
    if (z != y) std::memcpy(undoBottom, top, size_t(W) * sizeof(P));
    std::memcpy(top, undoTop, size_t(W) * sizeof(P));
    if (z != y) std::memcpy(bottom, undoBottom, size_t(W) * sizeof(P));
}

template <class P> void mirrorrow(TBitmap& page, TBitmap& undo, int y, int W) {
    P* row = reinterpret_cast<P*>(page.ScanLine(y));
    P* undoRow = reinterpret_cast<P*>(undo.ScanLine(y));
    std::reverse_copy(row, row + W, undoRow);
    std::memcpy(row, undoRow, size_t(W) * sizeof(P));
}

} // namespace

void flipPicture(TBitmap& page, TBitmap& undo, TProgress& bar) {
    turnthroughundo(page, undo, bar, [&](int y, int W, int H) {
        if (page.IsIndexed())
            fliprows<std::uint8_t>(page, undo, y, W, H);
        else
            fliprows<std::uint32_t>(page, undo, y, W, H);
    });
}

void mirrorPicture(TBitmap& page, TBitmap& undo, TProgress& bar) {
    turnthroughundo(page, undo, bar, [&](int y, int W, int) {
        if (page.IsIndexed())
            mirrorrow<std::uint8_t>(page, undo, y, W);
        else
            mirrorrow<std::uint32_t>(page, undo, y, W);
    });
}
