// Block copies: BitBlt with any ternary raster operation, stretched copies in the four stretch
// modes, and the canvas's Draw, StretchDraw, CopyRect and transparent draw built on them.
//
// Values are combined in the destination's storage: colour words on true-colour bitmaps,
// palette indexes on palette bitmaps (as a palette device combines indexes). A source of another
// kind is converted first: palette colours to words, or colours to the nearest destination index.
#include "Blit.h"

#include "Raster.h"
#include "TBitmap.h"
#include "TCanvas.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace {

bool usesSource(std::uint8_t code) {
    return ((code >> 2) & 0x33) != (code & 0x33);
}
bool usesPattern(std::uint8_t code) {
    return ((code >> 4) & 0x0F) != (code & 0x0F);
}

// One destination row: d[i] = rop(p[i], s[i], d[i]), kept in range by mask/top.
template <class T>
void rop3Row(std::uint8_t code, T* d, const std::uint32_t* s, const std::uint32_t* p, int n,
             std::uint32_t mask, std::uint32_t top) {
    auto fin = [&](std::uint32_t v) { return T((v & mask) | top); };
    switch (code) {
    case 0xCC:
        for (int i = 0; i < n; ++i)
            d[i] = fin(s[i]);
        return;
    case 0x88:
        for (int i = 0; i < n; ++i)
            d[i] = fin(s[i] & d[i]);
        return;
    case 0xEE:
        for (int i = 0; i < n; ++i)
            d[i] = fin(s[i] | d[i]);
        return;
    case 0x66:
        for (int i = 0; i < n; ++i)
            d[i] = fin(s[i] ^ d[i]);
        return;
    case 0xBB:
        for (int i = 0; i < n; ++i)
            d[i] = fin(~s[i] | d[i]);
        return;
    case 0x33:
        for (int i = 0; i < n; ++i)
            d[i] = fin(~s[i]);
        return;
    case 0xF0:
        for (int i = 0; i < n; ++i)
            d[i] = fin(p[i]);
        return;
    case 0x5A:
        for (int i = 0; i < n; ++i)
            d[i] = fin(p[i] ^ d[i]);
        return;
    case 0x55:
        for (int i = 0; i < n; ++i)
            d[i] = fin(~std::uint32_t(d[i]));
        return;
    case 0xAA:
        return;
    default: {
        // Every other code from its truth table: the sum of the minterms whose bit is set.
        std::uint32_t m[8];
        for (int k = 0; k < 8; ++k)
            m[k] = (code >> k) & 1 ? 0xFFFFFFFFu : 0u;
        for (int i = 0; i < n; ++i) {
            std::uint32_t pp = p ? p[i] : 0, ss = s ? s[i] : 0, dd = d[i];
            std::uint32_t np = ~pp, ns = ~ss, nd = ~dd;
            std::uint32_t r = (m[0] & np & ns & nd) | (m[1] & np & ns & dd) | (m[2] & np & ss & nd) |
                              (m[3] & np & ss & dd) | (m[4] & pp & ns & nd) | (m[5] & pp & ns & dd) |
                              (m[6] & pp & ss & nd) | (m[7] & pp & ss & dd);
            d[i] = fin(r);
        }
        return;
    }
    }
}

// Converts colours to a destination's storage values, remembering the answers (palette
// searches are slow and pictures repeat their colours).
class ToStorage {
public:
    explicit ToStorage(const TBitmap& dst) : dst_(dst), indexed_(dst.IsIndexed()) {}
    std::uint32_t operator()(std::uint32_t word) {
        if (!indexed_) return word | 0xFF000000u;
        auto it = cache_.find(word & 0xFFFFFFu);
        if (it != cache_.end()) return it->second;
        std::uint32_t v = std::uint32_t(dst_.IndexOf(TBitmap::FromWord(word)));
        cache_.emplace(word & 0xFFFFFFu, v);
        return v;
    }

private:
    const TBitmap& dst_;
    bool indexed_;
    std::unordered_map<std::uint32_t, std::uint32_t> cache_;
};

// Reads source pixels as colour words.
struct SourceWords {
    const TBitmap& bmp;
    bool indexed;
    std::uint32_t lut[256];
    explicit SourceWords(const TBitmap& b) : bmp(b), indexed(b.IsIndexed()) {
        if (indexed) {
            for (int i = 0; i < 256; ++i) {
                std::uint32_t c = 0;
                const HPALETTE& pal = bmp.Palette();
                if (pal && i < int(pal->entries.size())) {
                    const PALETTEENTRY& e = pal->entries[std::size_t(i)];
                    c = RGB(e.peRed, e.peGreen, e.peBlue);
                }
                lut[i] = TBitmap::ToWord(c);
            }
        }
    }
    std::uint32_t At(const std::uint8_t* row, int x) const {
        if (indexed) return lut[row[x]];
        return reinterpret_cast<const std::uint32_t*>(row)[x] | 0xFF000000u;
    }
};

bool samePalette(const TBitmap& a, const TBitmap& b) {
    if (!a.IsIndexed() || !b.IsIndexed()) return false;
    if (a.Palette() == b.Palette()) return true;
    return a.Palette() && b.Palette() && a.Palette()->entries == b.Palette()->entries &&
           raster::ValueMask(a) <= raster::ValueMask(b);
}

// Fills one row of pattern values from the destination canvas's brush. A hatch has the brush
// colour on its lines and white between them; a clear brush gives its colour.
class PatternRows {
public:
    PatternRows(const TBitmap& dst, const TBrush& brush) {
        TBrush b = brush;
        if (b.Style == bsClear) b.Style = bsSolid;
        ink_ = raster::BrushInk(dst, b, pmCopy);
        white_ = raster::StorageValue(dst, clWhite);
    }
    void Row(int y, int x0, int n, std::uint32_t* out) const {
        switch (ink_.kind) {
        case raster::Ink::Hatch:
            for (int i = 0; i < n; ++i)
                out[i] = raster::HatchAt(ink_.hatch, x0 + i, y) ? ink_.value : white_;
            return;
        case raster::Ink::Pattern: {
            const std::uint32_t* prow = ink_.pattern.data() + std::size_t(y % ink_.ph) * ink_.pw;
            for (int i = 0; i < n; ++i)
                out[i] = prow[(x0 + i) % ink_.pw];
            return;
        }
        default:
            std::fill_n(out, n, ink_.value);
            return;
        }
    }

private:
    raster::Ink ink_;
    std::uint32_t white_ = 0;
};

// Combines the rows of a rectangle: rowSource(i, buf) fills the source values (destination
// storage) of destination row top + i.
template <class RowSource>
void combineRect(TCanvas& dst, const TRect& d, std::uint8_t code, RowSource&& rowSource, bool needS) {
    TBitmap& bmp = *dst.Target();
    bool needP = usesPattern(code);
    int n = d.Width();
    std::vector<std::uint32_t> sbuf(needS ? std::size_t(n) : 0), pbuf(needP ? std::size_t(n) : 0);
    PatternRows pat(bmp, dst.Brush);
    std::uint32_t mask = raster::ValueMask(bmp);
    std::uint32_t top = bmp.IsIndexed() ? 0 : 0xFF000000u;
    for (int y = d.Top; y < d.Bottom; ++y) {
        if (needS) rowSource(y - d.Top, sbuf.data());
        if (needP) pat.Row(y, d.Left, n, pbuf.data());
        const std::uint32_t* s = needS ? sbuf.data() : nullptr;
        const std::uint32_t* p = needP ? pbuf.data() : nullptr;
        if (bmp.IsIndexed())
            rop3Row(code, bmp.ScanLine(y) + d.Left, s, p, n, mask, top);
        else
            rop3Row(code, bmp.Row32(y) + d.Left, s, p, n, mask, top);
    }
    bmp.Changed(d);
}

} // namespace

bool BlitBitmap(TCanvas& dst, int x, int y, int w, int h, const TBitmap* src, int sx, int sy,
                std::uint32_t rop) {
    if (rop & 0xFF000000u) return false;
    auto code = std::uint8_t(rop >> 16);
    bool needS = usesSource(code);
    if (needS && !src) return false;
    TBitmap& bmp = *dst.Target();
    if (w <= 0 || h <= 0 || bmp.Empty()) return true;
    TRect d = Bounds(x, y, w, h);
    if (needS) {
        // Only what lies inside the source is copied.
        TRect s = IntersectRect(Bounds(sx, sy, w, h), Rect(0, 0, src->Width(), src->Height()));
        if (s.IsEmpty()) return true;
        d = Bounds(x + (s.Left - sx), y + (s.Top - sy), s.Width(), s.Height());
    }
    TRect c = IntersectRect(d, Rect(0, 0, bmp.Width(), bmp.Height()));
    if (c.IsEmpty()) return true;
    int ox = sx - x, oy = sy - y; // source = destination + offset
    if (!needS) {
        combineRect(
            dst, c, code, [](int, std::uint32_t*) {}, false);
        return true;
    }
    const TBitmap& s = *src;
    bool sameStorage = (!s.IsIndexed() && !bmp.IsIndexed()) || samePalette(s, bmp);
    if (code == 0xCC && sameStorage) {
        // Row copies; rows run in the order that keeps an overlapping copy on one bitmap intact.
        std::size_t bpp = bmp.IsIndexed() ? 1 : 4;
        bool up = (&s == &bmp) && oy < 0;
        for (int i = 0; i < c.Height(); ++i) {
            int yy = up ? c.Bottom - 1 - i : c.Top + i;
            std::memmove(bmp.ScanLine(yy) + std::size_t(c.Left) * bpp,
                         s.ScanLine(yy + oy) + std::size_t(c.Left + ox) * bpp, std::size_t(c.Width()) * bpp);
        }
        bmp.Changed(c);
        return true;
    }
    // Other operations read the source first when it is the destination itself.
    const TBitmap* from = &s;
    TBitmap copy;
    if (&s == &bmp) {
        copy = s;
        from = &copy;
    }
    SourceWords words(*from);
    ToStorage conv(bmp);
    int n = c.Width();
    if (sameStorage) {
        combineRect(
            dst, c, code,
            [&](int i, std::uint32_t* out) {
                const std::uint8_t* row = from->ScanLine(c.Top + i + oy);
                if (from->IsIndexed())
                    for (int k = 0; k < n; ++k)
                        out[k] = row[c.Left + ox + k];
                else
                    std::memcpy(out, reinterpret_cast<const std::uint32_t*>(row) + c.Left + ox,
                                std::size_t(n) * 4);
            },
            true);
    } else {
        combineRect(
            dst, c, code,
            [&](int i, std::uint32_t* out) {
                const std::uint8_t* row = from->ScanLine(c.Top + i + oy);
                for (int k = 0; k < n; ++k)
                    out[k] = conv(words.At(row, c.Left + ox + k));
            },
            true);
    }
    return true;
}

bool BitBlt(TCanvas& dst, int x, int y, int w, int h, const TCanvas* src, int sx, int sy, std::uint32_t rop) {
    return BlitBitmap(dst, x, y, w, h, src ? src->Target() : nullptr, sx, sy, rop);
}

namespace {
// For each destination position 0..dn-1 the block of source positions [a, b) it stands for,
// counted from the source's normalised start; mirrored runs backwards.
struct Block {
    int a, b;
};
std::vector<Block> blocks(int dn, int sn, bool mirror) {
    std::vector<Block> v(static_cast<std::size_t>(dn));
    for (int j = 0; j < dn; ++j) {
        int jj = mirror ? dn - 1 - j : j;
        auto a = int((long long)jj * sn / dn);
        auto b = int((long long)(jj + 1) * sn / dn);
        if (b <= a) b = a + 1;
        v[std::size_t(j)] = {a, b};
    }
    return v;
}
} // namespace

bool StretchBitmap(TCanvas& dst, int x, int y, int w, int h, const TBitmap& src, int sx, int sy, int sw,
                   int sh, std::uint32_t rop) {
    if (rop & 0xFF000000u) return false;
    if (w == 0 || h == 0 || sw == 0 || sh == 0) return true;
    if (w == sw && h == sh && w > 0 && h > 0) return BlitBitmap(dst, x, y, w, h, &src, sx, sy, rop);
    TBitmap& bmp = *dst.Target();
    if (bmp.Empty()) return true;
    auto code = std::uint8_t(rop >> 16);
    if (!usesSource(code)) {
        TRect r = NormalizeRect(Rect(x, y, x + w, y + h));
        return BlitBitmap(dst, r.Left, r.Top, r.Width(), r.Height(), nullptr, 0, 0, rop);
    }
    // Normalised rectangles; negative sizes on either side mirror.
    int dx0 = w < 0 ? x + w : x, dW = w < 0 ? -w : w;
    int dy0 = h < 0 ? y + h : y, dH = h < 0 ? -h : h;
    int sx0 = sw < 0 ? sx + sw : sx, sW = sw < 0 ? -sw : sw;
    int sy0 = sh < 0 ? sy + sh : sy, sH = sh < 0 ? -sh : sh;
    bool mx = (w < 0) != (sw < 0), my = (h < 0) != (sh < 0);

    // Destination columns and rows that are on the bitmap and read something of the source.
    auto cols = blocks(dW, sW, mx);
    auto rows = blocks(dH, sH, my);
    auto clipBlocks = [](std::vector<Block>& v, int origin, int limit) {
        for (Block& b : v) {
            b.a = std::max(b.a + origin, 0);
            b.b = std::min(b.b + origin, limit);
        }
    };
    clipBlocks(cols, sx0, src.Width());
    clipBlocks(rows, sy0, src.Height());
    int j0 = std::max(0, -dx0), j1 = std::min(dW, bmp.Width() - dx0);
    while (j0 < j1 && cols[std::size_t(j0)].a >= cols[std::size_t(j0)].b)
        ++j0;
    while (j1 > j0 && cols[std::size_t(j1 - 1)].a >= cols[std::size_t(j1 - 1)].b)
        --j1;
    int i0 = std::max(0, -dy0), i1 = std::min(dH, bmp.Height() - dy0);
    while (i0 < i1 && rows[std::size_t(i0)].a >= rows[std::size_t(i0)].b)
        ++i0;
    while (i1 > i0 && rows[std::size_t(i1 - 1)].a >= rows[std::size_t(i1 - 1)].b)
        --i1;
    if (j0 >= j1 || i0 >= i1) return true;
    TRect c = Rect(dx0 + j0, dy0 + i0, dx0 + j1, dy0 + i1);

    const TBitmap* from = &src;
    TBitmap copy;
    if (&src == &bmp) {
        copy = src;
        from = &copy;
    }
    SourceWords words(*from);
    ToStorage conv(bmp);
    int mode = GetStretchBltMode(dst);
    int n = c.Width();
    std::vector<std::uint32_t> acc, sums, rowWords;
    // A source row as colour words: the row itself on true colour, converted on palette bitmaps.
    auto wordsOf = [&](int yy) -> const std::uint32_t* {
        const std::uint8_t* row = from->ScanLine(yy);
        if (!words.indexed) return reinterpret_cast<const std::uint32_t*>(row);
        rowWords.resize(std::size_t(from->Width()));
        for (int x = 0; x < from->Width(); ++x)
            rowWords[std::size_t(x)] = words.lut[row[x]];
        return rowWords.data();
    };
    bool orMode = mode == WHITEONBLACK;
    // Enlarging both ways, every destination pixel stands for exactly one source pixel, which
    // each mode keeps as it is: a plain pick.
    bool single = sW <= dW && sH <= dH;
    combineRect(
        dst, c, code,
        [&](int i, std::uint32_t* out) {
            const Block& rb = rows[std::size_t(i0 + i)];
            const Block* cb = &cols[std::size_t(j0)];
            if (mode == COLORONCOLOR || single) {
                const std::uint32_t* row = wordsOf(rb.a);
                for (int k = 0; k < n; ++k)
                    out[k] = conv(row[cb[k].a]);
                return;
            }
            if (mode == HALFTONE) {
                sums.assign(std::size_t(n) * 3, 0);
                for (int yy = rb.a; yy < rb.b; ++yy) {
                    const std::uint32_t* row = wordsOf(yy);
                    std::uint32_t* s3 = sums.data();
                    for (int k = 0; k < n; ++k, s3 += 3)
                        for (int xx = cb[k].a; xx < cb[k].b; ++xx) {
                            std::uint32_t v = row[xx];
                            s3[0] += v & 0xFF;
                            s3[1] += (v >> 8) & 0xFF;
                            s3[2] += (v >> 16) & 0xFF;
                        }
                }
                int bh = rb.b - rb.a;
                const std::uint32_t* s3 = sums.data();
                for (int k = 0; k < n; ++k, s3 += 3) {
                    std::uint32_t cnt = std::uint32_t(bh * (cb[k].b - cb[k].a)), half = cnt / 2;
                    std::uint32_t b = (s3[0] + half) / cnt, g = (s3[1] + half) / cnt,
                                  r = (s3[2] + half) / cnt;
                    out[k] = conv(0xFF000000u | (r << 16) | (g << 8) | b);
                }
                return;
            }
            // AND (black on white) or OR (white on black) of every pixel a destination pixel drops.
            acc.assign(std::size_t(n), orMode ? 0u : 0xFFFFFFFFu);
            for (int yy = rb.a; yy < rb.b; ++yy) {
                const std::uint32_t* row = wordsOf(yy);
                for (int k = 0; k < n; ++k) {
                    std::uint32_t v = acc[std::size_t(k)];
                    if (orMode)
                        for (int xx = cb[k].a; xx < cb[k].b; ++xx)
                            v |= row[xx];
                    else
                        for (int xx = cb[k].a; xx < cb[k].b; ++xx)
                            v &= row[xx];
                    acc[std::size_t(k)] = v;
                }
            }
            for (int k = 0; k < n; ++k)
                out[k] = conv(acc[std::size_t(k)]);
        },
        true);
    return true;
}

bool StretchBlt(TCanvas& dst, int x, int y, int w, int h, const TCanvas& src, int sx, int sy, int sw, int sh,
                std::uint32_t rop) {
    return StretchBitmap(dst, x, y, w, h, *src.Target(), sx, sy, sw, sh, rop);
}

int SetStretchBltMode(TCanvas& canvas, int mode) {
    int old = canvas.StretchMode;
    canvas.StretchMode = mode;
    return old;
}

int GetStretchBltMode(const TCanvas& canvas) {
    int m = canvas.StretchMode;
    return (m >= BLACKONWHITE && m <= HALFTONE) ? m : BLACKONWHITE;
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& src, const TRect& srcRect) {
    StretchBitmap(*this, dest.Left, dest.Top, dest.Width(), dest.Height(), *src.Target(), srcRect.Left,
                  srcRect.Top, srcRect.Width(), srcRect.Height(), CopyMode);
}

void TCanvas::Draw(int x, int y, const TBitmap& bmp) {
    BlitBitmap(*this, x, y, bmp.Width(), bmp.Height(), &bmp, 0, 0, CopyMode);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bmp) {
    StretchBitmap(*this, dest.Left, dest.Top, dest.Width(), dest.Height(), bmp, 0, 0, bmp.Width(),
                  bmp.Height(), CopyMode);
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bmp, TColor key) {
    TBitmap& dst = *target_;
    TRect c = IntersectRect(Bounds(x, y, bmp.Width(), bmp.Height()), ClipRect());
    if (c.IsEmpty()) return;
    const TBitmap* from = &bmp;
    TBitmap copy;
    if (&bmp == &dst) {
        copy = bmp;
        from = &copy;
    }
    SourceWords words(*from);
    ToStorage conv(dst);
    std::uint32_t keyWord = TBitmap::ToWord(ColorToRGB(key));
    for (int yy = c.Top; yy < c.Bottom; ++yy) {
        const std::uint8_t* srow = from->ScanLine(yy - y);
        for (int xx = c.Left; xx < c.Right; ++xx) {
            std::uint32_t v = words.At(srow, xx - x);
            if (v == keyWord) continue;
            if (dst.IsIndexed())
                dst.ScanLine(yy)[xx] = std::uint8_t(conv(v));
            else
                dst.Row32(yy)[xx] = v;
        }
    }
    dst.Changed(c);
}
