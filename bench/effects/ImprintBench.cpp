// The paste panel's dark imprint and drop shadow of a 500 x 500 paste on a 4000 x 4000 page, in
// memory: ours (the undo image back onto the page, then the imprint passes over a working copy of
// the page, and for the shadow the five stretched copies and the clip over them) beside a plain C
// loop that makes the same whole-page copies and darkens the same pixels in place.
#include "Blit.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "imprint.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kPage = 4000;
constexpr int kClip = 500;
constexpr int kAt = 1700; // the paste's place on the page, both ways

struct Pictures {
    TBitmap page{kPage, kPage}, undo{kPage, kPage}, clip{kClip, kClip}, mask{kClip, kClip};
    Pictures() {
        for (int y = 0; y < kPage; ++y) {
            std::uint32_t* row = undo.Row32(y);
            for (int x = 0; x < kPage; ++x)
                row[x] = 0xFF000000u | (std::uint32_t(x * 7 + y * 13) & 0xFFFFFF);
        }
        for (int y = 0; y < kClip; ++y)
            for (int x = 0; x < kClip; ++x) {
                const bool inside = (x - 250) * (x - 250) + (y - 250) * (y - 250) < 240 * 240;
                clip.Row32(y)[x] = inside ? 0xFF000000u | (std::uint32_t(x * 3 + y) & 0xFFFFFF) : 0xFFFFFFFFu;
                mask.Row32(y)[x] = inside ? 0xFF000000u : 0xFFFFFFFFu;
            }
    }
};

Pictures& pictures() {
    static Pictures p;
    return p;
}

void BM_DarkImprint(benchmark::State& st) {
    Pictures& p = pictures();
    TQuietProgress bar;
    for (auto _ : st) {
        p.page.Assign(p.undo);
        imprintclip(p.page, p.clip, kAt, kAt, 48, false, bar);
        benchmark::DoNotOptimize(p.page.Bits());
    }
}
BENCHMARK(BM_DarkImprint)->Unit(benchmark::kMillisecond);

void BM_DropShadow(benchmark::State& st) {
    Pictures& p = pictures();
    TQuietProgress bar;
    for (auto _ : st) {
        p.page.Assign(p.undo);
        TBitmap copy = p.clip;
        int x = kAt + 5, y = kAt + 3;
        for (int n = 5; n >= 1; --n) {
            copy = stretchedcopy(copy, kClip + 3 * n, kClip + 3 * n);
            imprintclip(p.page, copy, x++, y++, 12, false, bar);
        }
        TCanvas& c = p.page.Canvas();
        StretchBitmap(c, kAt, kAt, kClip, kClip, p.mask, 0, 0, kClip, kClip, MERGEPAINT);
        StretchBitmap(c, kAt, kAt, kClip, kClip, p.clip, 0, 0, kClip, kClip, SRCAND);
        benchmark::DoNotOptimize(p.page.Bits());
    }
}
BENCHMARK(BM_DropShadow)->Unit(benchmark::kMillisecond);

// The yardstick: plain words, the same copies, the darkening in place.
using Words = std::vector<std::uint32_t>;

void copyWords(Words& to, const TBitmap& from) {
    for (int y = 0; y < kPage; ++y)
        std::memcpy(to.data() + size_t(y) * kPage, from.Row32(y), size_t(kPage) * 4);
}

void darkenUnder(Words& page, const Words& clip, int cw, int ch, int at, int at2, int step) {
    for (int y = 0; y < ch; ++y) {
        std::uint32_t* d = page.data() + size_t(at2 + y) * kPage + at;
        const std::uint32_t* s = clip.data() + size_t(y) * cw;
        for (int x = 0; x < cw; ++x) {
            if ((s[x] & 0xFFFFFF) == 0xFFFFFF) continue;
            const std::uint32_t w = d[x];
            const int r = std::max(int((w >> 16) & 0xFF) - step, 0),
                      g = std::max(int((w >> 8) & 0xFF) - step, 0), b = std::max(int(w & 0xFF) - step, 0);
            d[x] = 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
        }
    }
}

void pageCopy(Words& to, const Words& from) {
    std::memcpy(to.data(), from.data(), from.size() * 4);
}

void BM_PlainDarkImprint(benchmark::State& st) {
    Pictures& p = pictures();
    Words undo(size_t(kPage) * kPage), page(undo.size()), scratch(undo.size()), clip(size_t(kClip) * kClip);
    copyWords(undo, p.undo);
    for (int y = 0; y < kClip; ++y)
        std::memcpy(clip.data() + size_t(y) * kClip, p.clip.Row32(y), size_t(kClip) * 4);
    for (auto _ : st) {
        pageCopy(page, undo);
        pageCopy(scratch, page);
        darkenUnder(scratch, clip, kClip, kClip, kAt, kAt, 48);
        pageCopy(page, scratch);
        benchmark::DoNotOptimize(page.data());
    }
}
BENCHMARK(BM_PlainDarkImprint)->Unit(benchmark::kMillisecond);

void BM_PlainDropShadow(benchmark::State& st) {
    Pictures& p = pictures();
    Words undo(size_t(kPage) * kPage), page(undo.size()), scratch(undo.size()), clip(size_t(kClip) * kClip),
        mask(clip.size());
    copyWords(undo, p.undo);
    for (int y = 0; y < kClip; ++y) {
        std::memcpy(clip.data() + size_t(y) * kClip, p.clip.Row32(y), size_t(kClip) * 4);
        std::memcpy(mask.data() + size_t(y) * kClip, p.mask.Row32(y), size_t(kClip) * 4);
    }
    for (auto _ : st) {
        pageCopy(page, undo);
        Words copy = clip;
        int cw = kClip, ch = kClip, x = kAt + 5, y = kAt + 3;
        for (int n = 5; n >= 1; --n) {
            const int w = kClip + 3 * n, h = kClip + 3 * n;
            Words next(size_t(w) * h);
            for (int ny = 0; ny < h; ++ny)
                for (int nx = 0; nx < w; ++nx)
                    next[size_t(ny) * w + nx] = copy[size_t(ny * ch / h) * cw + nx * cw / w];
            copy.swap(next);
            cw = w;
            ch = h;
            pageCopy(scratch, page);
            darkenUnder(scratch, copy, cw, ch, x++, y++, 12);
            pageCopy(page, scratch);
        }
        for (int cy = 0; cy < kClip; ++cy) {
            std::uint32_t* d = page.data() + size_t(kAt + cy) * kPage + kAt;
            for (int cx = 0; cx < kClip; ++cx)
                d[cx] =
                    ((~mask[size_t(cy) * kClip + cx] | d[cx]) & clip[size_t(cy) * kClip + cx]) | 0xFF000000u;
        }
        benchmark::DoNotOptimize(page.data());
    }
}
BENCHMARK(BM_PlainDropShadow)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
