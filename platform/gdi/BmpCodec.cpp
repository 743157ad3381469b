#include "BmpCodec.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <istream>
#include <iterator>
#include <memory>
#include <ostream>

namespace {

const char* const kInvalidBitmap = "Bitmap image is not valid";

[[noreturn]] void fail(const char* reason) {
    throw EInvalidGraphic(kInvalidBitmap, reason);
}

enum : std::uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3, BI_ALPHABITFIELDS = 6 };

std::uint16_t u16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
std::uint32_t u32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

// One colour channel of a bit-field pixel: where it sits and how to widen it to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0; // the channel's largest value, mask >> shift
};

Channel channelOf(std::uint32_t mask) {
    Channel c;
    if (mask == 0) return c;
    c.mask = mask;
    c.shift = std::countr_zero(mask);
    c.max = mask >> c.shift;
    return c;
}

std::uint32_t widen(std::uint32_t px, const Channel& c) {
    if (c.max == 0) return 0;
    std::uint64_t v = (px & c.mask) >> c.shift;
    return std::uint32_t((v * 255 + c.max / 2) / c.max);
}

// What the headers say, checked against the file's length.
struct Layout {
    long long width = 0;
    long long height = 0;
    bool topDown = false;
    int bpp = 0;
    std::uint32_t compression = BI_RGB;
    Channel red, green, blue;
    std::vector<PALETTEENTRY> colours; // palette formats: exactly 2, 16 or 256 entries
    std::size_t pixelOffset = 0;
};

// The headers, masks and colour table all lie in the first kHeadBytes of a file (14 + at most
// 1024 + 16 + 1024 bytes); `head` holds at least that much of it, or the whole file when shorter.
constexpr std::size_t kHeadBytes = 4096;

Layout parse(std::span<const std::uint8_t> head, std::size_t size) {
    const std::uint8_t* d = head.data();
    if (head.size() < std::min(size, kHeadBytes)) fail("file shorter than its headers");
    if (size < 14 + 12) fail("file shorter than its headers");
    if (d[0] != 'B' || d[1] != 'M') fail("no BM signature");
    const std::uint32_t offBits = u32(d + 10);
    const std::uint32_t hdrSize = u32(d + 14);
    const bool core = hdrSize == 12;
    if (!core && (hdrSize < 16 || hdrSize > 1024)) fail("unknown header size");
    if (14ull + hdrSize > size) fail("file shorter than its headers");
    // OS/2 2.x headers share the Windows layout but give compression codes 3 and 4 other meanings.
    const bool os2v2 = !core && (hdrSize < 40 || hdrSize == 64);

    // Fields past a short header read as zero.
    std::uint8_t h[124] = {};
    std::memcpy(h, d + 14, std::min<std::size_t>(hdrSize, sizeof h));

    Layout L;
    std::uint32_t clrUsed = 0;
    if (core) {
        L.width = u16(h + 4);
        L.height = u16(h + 6);
        L.bpp = u16(h + 10);
    } else {
        L.width = std::int32_t(u32(h + 4));
        L.height = std::int32_t(u32(h + 8));
        L.bpp = u16(h + 14);
        L.compression = u32(h + 16);
        clrUsed = u32(h + 32);
    }
    if (L.height < 0) {
        L.topDown = true;
        L.height = -L.height;
    }
    if (L.width <= 0 || L.height <= 0) fail("zero or negative size");
    if (!PictureSizeAllowed(L.width, L.height)) fail("dimensions too large");

    switch (L.bpp) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        fail("unsupported bit count");
    }
    switch (L.compression) {
    case BI_RGB:
        break;
    case BI_RLE8:
        if (L.bpp != 8) fail("RLE8 needs 8 bits a pixel");
        break;
    case BI_RLE4:
        if (L.bpp != 4) fail("RLE4 needs 4 bits a pixel");
        break;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
        if (os2v2) fail("unsupported compression");
        if (L.bpp != 16 && L.bpp != 32) fail("bit fields need 16 or 32 bits a pixel");
        break;
    default:
        fail("unsupported compression");
    }

    std::size_t tablePos = 14 + hdrSize;
    if (L.compression == BI_BITFIELDS || L.compression == BI_ALPHABITFIELDS) {
        std::uint32_t masks[3];
        if (hdrSize >= 52) {
            masks[0] = u32(h + 40), masks[1] = u32(h + 44), masks[2] = u32(h + 48);
        } else {
            std::size_t n = L.compression == BI_ALPHABITFIELDS ? 16 : 12;
            if (tablePos + n > size) fail("file shorter than its colour masks");
            for (int i = 0; i < 3; ++i)
                masks[i] = u32(d + tablePos + 4 * i);
            tablePos += n;
        }
        L.red = channelOf(masks[0]);
        L.green = channelOf(masks[1]);
        L.blue = channelOf(masks[2]);
    } else if (L.bpp == 16) {
        L.red = channelOf(0x7C00);
        L.green = channelOf(0x03E0);
        L.blue = channelOf(0x001F);
    } else if (L.bpp >= 24) {
        L.red = channelOf(0xFF0000);
        L.green = channelOf(0x00FF00);
        L.blue = channelOf(0x0000FF);
    }

    if (L.bpp <= 8) {
        const std::size_t formatSize = std::size_t(1) << L.bpp;
        const std::size_t entrySize = core ? 3 : 4;
        std::size_t count = clrUsed;
        if (count > 256) fail("colour table over 256 entries");
        if (count == 0) {
            count = formatSize;
            // Old files often carry a shorter table than their depth allows; the pixel offset
            // tells where it ends.
            if (offBits > tablePos && offBits < tablePos + count * entrySize)
                count = (offBits - tablePos) / entrySize;
        }
        if (tablePos + count * entrySize > size) fail("file shorter than its colour table");
        L.colours.assign(formatSize, PALETTEENTRY{});
        for (std::size_t i = 0; i < std::min(count, formatSize); ++i) {
            const std::uint8_t* e = d + tablePos + i * entrySize;
            L.colours[i] = PALETTEENTRY{e[2], e[1], e[0], 0};
        }
        tablePos += count * entrySize;
    }

    // Some writers leave the offset at zero; then the pixels follow the colour table.
    L.pixelOffset = offBits >= 14 + hdrSize ? offBits : tablePos;
    if (L.pixelOffset >= size) fail("pixel data offset past the end of the file");

    if (L.compression == BI_RGB || L.compression == BI_BITFIELDS || L.compression == BI_ALPHABITFIELDS) {
        // The last row may lack its padding.
        const unsigned long long stride = ((unsigned long long)L.width * L.bpp + 31) / 32 * 4;
        const unsigned long long lastRow = ((unsigned long long)L.width * L.bpp + 7) / 8;
        if (stride * (L.height - 1) + lastRow > size - L.pixelOffset) fail("truncated pixel data");
    }
    return L;
}

TPixelFormat formatOf(int bpp) {
    switch (bpp) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 32:
        return pf32bit;
    default:
        return pf24bit;
    }
}

void convertRow(const Layout& L, const std::uint8_t* s, std::uint8_t* out, const std::uint32_t* lut16) {
    const int w = int(L.width);
    switch (L.bpp) {
    case 1:
        for (int x = 0; x < w; ++x)
            out[x] = (s[x >> 3] >> (7 - (x & 7))) & 1;
        break;
    case 4:
        for (int x = 0; x < w; ++x)
            out[x] = (x & 1) ? (s[x >> 1] & 0x0F) : (s[x >> 1] >> 4);
        break;
    case 8:
        std::memcpy(out, s, std::size_t(w));
        break;
    case 16: {
        auto* o = reinterpret_cast<std::uint32_t*>(out);
        for (int x = 0; x < w; ++x)
            o[x] = lut16[u16(s + 2 * x)];
        break;
    }
    case 24: {
        auto* o = reinterpret_cast<std::uint32_t*>(out);
        int x = 0;
        for (; x + 1 < w; ++x) {
            std::uint32_t v;
            std::memcpy(&v, s + 3 * x, 4);
            o[x] = v | 0xFF000000u;
        }
        o[x] =
            0xFF000000u | s[3 * x] | (std::uint32_t(s[3 * x + 1]) << 8) | (std::uint32_t(s[3 * x + 2]) << 16);
        break;
    }
    case 32: {
        auto* o = reinterpret_cast<std::uint32_t*>(out);
        if (L.red.mask == 0xFF0000 && L.green.mask == 0xFF00 && L.blue.mask == 0xFF) {
            for (int x = 0; x < w; ++x) {
                std::uint32_t v;
                std::memcpy(&v, s + 4 * x, 4);
                o[x] = v | 0xFF000000u;
            }
        } else {
            for (int x = 0; x < w; ++x) {
                std::uint32_t v = u32(s + 4 * x);
                o[x] = 0xFF000000u | (widen(v, L.red) << 16) | (widen(v, L.green) << 8) | widen(v, L.blue);
            }
        }
        break;
    }
    }
}

std::size_t strideOf(const Layout& L) {
    return std::size_t((L.width * L.bpp + 31) / 32 * 4);
}

// Rows in file order, a batch at a time: fetch(first, count) gives the bytes of that many
// stored rows (the last without its padding, perhaps).
template <class Fetch> void decodeRows(const Layout& L, TBitmap& out, Fetch&& fetch) {
    const std::size_t stride = strideOf(L);
    std::unique_ptr<std::uint32_t[]> lut16;
    if (L.bpp == 16) {
        lut16.reset(new std::uint32_t[65536]);
        for (std::uint32_t v = 0; v < 65536; ++v)
            lut16[v] = 0xFF000000u | (widen(v, L.red) << 16) | (widen(v, L.green) << 8) | widen(v, L.blue);
    }
    const int h = int(L.height);
    const int batch = int(std::max<std::size_t>(1, (std::size_t(1) << 20) / stride));
    for (int r0 = 0; r0 < h; r0 += batch) {
        const int n = std::min(batch, h - r0);
        const std::uint8_t* src = fetch(r0, n);
        for (int k = 0; k < n; ++k) {
            const int r = r0 + k;
            convertRow(L, src + stride * std::size_t(k), out.ScanLine(L.topDown ? r : h - 1 - r),
                       lut16.get());
        }
    }
}

// RLE8 and RLE4: runs and literal groups, with end-of-line, end-of-bitmap and delta escapes.
// Pixels the data skips keep index 0. Writers pad each row's runs to a 4-pixel boundary, so
// pixels past the row's end are dropped, as other readers do. Without a bitmap the data is only
// checked, so a short broken file cannot make the reader allocate the page it claims.
void decodeRle(const Layout& L, std::span<const std::uint8_t> data, TBitmap* out) {
    const bool four = L.compression == BI_RLE4;
    const long long w = L.width, h = L.height;
    const std::uint8_t* d = data.data();
    const std::size_t n = data.size();
    if (out)
        for (int y = 0; y < h; ++y)
            std::memset(out->ScanLine(y), 0, std::size_t(w));
    auto row = [&](long long y) { return out->ScanLine(int(L.topDown ? y : h - 1 - y)); };
    long long x = 0, y = 0;
    std::size_t i = 0;
    for (;;) {
        if (i + 2 > n) {
            // A file that stops right after its last row ends as if it had its end marker.
            if (i == n && y >= h) return;
            fail("truncated RLE data");
        }
        const unsigned count = d[i], value = d[i + 1];
        i += 2;
        if (count > 0) {
            if (y >= h) fail("RLE data past the last row");
            const long long kept = std::min<long long>(count, std::max<long long>(w - x, 0));
            if (out && kept > 0) {
                std::uint8_t* p = row(y) + x;
                if (four) {
                    for (long long k = 0; k < kept; ++k)
                        p[k] = (k & 1) ? (value & 0x0F) : (value >> 4);
                } else {
                    std::memset(p, int(value), std::size_t(kept));
                }
            }
            x += count;
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return;
        } else if (value == 2) { // delta
            if (i + 2 > n) fail("truncated RLE data");
            x += d[i];
            y += d[i + 1];
            i += 2;
            if (x > w || y > h) fail("RLE delta past the bitmap");
        } else { // literal group of `value` pixels, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 3) / 4 * 2 : (value + 1) / 2 * 2;
            if (y >= h) fail("RLE data past the last row");
            if (i + bytes > n) fail("truncated RLE data");
            const long long kept = std::min<long long>(value, std::max<long long>(w - x, 0));
            if (out && kept > 0) {
                std::uint8_t* p = row(y) + x;
                if (four) {
                    for (long long k = 0; k < kept; ++k)
                        p[k] = (k & 1) ? (d[i + k / 2] & 0x0F) : (d[i + k / 2] >> 4);
                } else {
                    std::memcpy(p, d + i, std::size_t(kept));
                }
            }
            x += value;
            i += bytes;
        }
    }
}

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string openError(const std::string& name) {
    return "Cannot open file \"" + name + "\". " + std::strerror(errno);
}

// The rows of a bitmap as they go into a file, handed out in pieces of about 1 MiB so a large
// page never needs a second full-size buffer.
template <class Sink> void encode(const TBitmap& bmp, Sink&& sink) {
    const int w = bmp.Width(), h = bmp.Height();
    const TPixelFormat pf = bmp.PixelFormat();
    const int bpp = pf == pf1bit ? 1 : pf == pf4bit ? 4 : pf == pf8bit ? 8 : pf == pf32bit ? 32 : 24;
    const std::size_t colours = bpp <= 8 ? std::size_t(1) << bpp : 0;
    const std::size_t stride = (std::size_t(w) * bpp + 31) / 32 * 4;
    const std::size_t image = stride * std::size_t(h);
    const std::size_t offset = 14 + 40 + colours * 4;

    std::vector<std::uint8_t> head(offset, 0);
    auto put16 = [&](std::size_t at, std::uint32_t v) {
        head[at] = v & 0xFF, head[at + 1] = (v >> 8) & 0xFF;
    };
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k)
            head[at + k] = (v >> (8 * k)) & 0xFF;
    };
    head[0] = 'B', head[1] = 'M';
    put32(2, std::uint32_t(std::min<std::size_t>(offset + image, 0xFFFFFFFFu)));
    put32(10, std::uint32_t(offset));
    put32(14, 40);
    put32(18, std::uint32_t(w));
    put32(22, std::uint32_t(h));
    put16(26, 1);
    put16(28, std::uint32_t(bpp));
    put32(30, BI_RGB);
    put32(34, std::uint32_t(image));
    put32(46, std::uint32_t(colours));
    if (colours) {
        const HPALETTE& pal = bmp.Palette();
        for (std::size_t i = 0; pal && i < std::min(colours, pal->entries.size()); ++i) {
            const PALETTEENTRY& e = pal->entries[i];
            head[54 + 4 * i] = e.peBlue;
            head[54 + 4 * i + 1] = e.peGreen;
            head[54 + 4 * i + 2] = e.peRed;
        }
    }
    sink(head.data(), head.size());
    if (image == 0) return;

    // Up to 64 KiB of rows at a time (at least one row), and no more than the picture has: a
    // small buffer is reused from the heap, where a large one would be fresh memory faulted in
    // for every picture written.
    const std::size_t rowsPerChunk =
        std::min<std::size_t>(std::max<std::size_t>(1, (std::size_t(1) << 16) / stride), std::size_t(h));
    std::vector<std::uint8_t> chunk(rowsPerChunk * stride, 0);
    const std::uint8_t maxIndex = std::uint8_t(colours ? colours - 1 : 0);
    std::size_t filled = 0;
    for (int y = h - 1; y >= 0; --y) {
        const std::uint8_t* src = bmp.ScanLine(y);
        std::uint8_t* o = chunk.data() + filled * stride;
        switch (bpp) {
        case 1:
        case 4: {
            std::memset(o, 0, stride);
            const int per = 8 / bpp;
            for (int x = 0; x < w; ++x) {
                int v = std::min(src[x], maxIndex);
                o[x / per] |= std::uint8_t(v << (8 - bpp * (x % per + 1)));
            }
            break;
        }
        case 8:
            std::memcpy(o, src, std::size_t(w));
            break;
        case 24: {
            const auto* s = reinterpret_cast<const std::uint32_t*>(src);
            int x = 0;
            for (; x + 1 < w; ++x)
                std::memcpy(o + 3 * x, s + x, 4); // the fourth byte is overwritten next
            o[3 * x] = s[x] & 0xFF, o[3 * x + 1] = (s[x] >> 8) & 0xFF, o[3 * x + 2] = (s[x] >> 16) & 0xFF;
            break;
        }
        case 32:
            std::memcpy(o, src, std::size_t(w) * 4);
            break;
        }
        if (++filled == rowsPerChunk || y == 0) {
            sink(chunk.data(), filled * stride);
            filled = 0;
        }
    }
}

} // namespace

bool PictureSizeAllowed(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// Every decode writes every pixel.
TBitmap emptyBitmapFor(const Layout& L) {
    TBitmap out = TBitmap::unfilled(int(L.width), int(L.height), formatOf(L.bpp));
    if (L.bpp <= 8) out.SetPalette(CreatePalette(L.colours));
    return out;
}

bool isRle(const Layout& L) {
    return L.compression == BI_RLE8 || L.compression == BI_RLE4;
}

TBitmap ReadBmp(std::span<const std::uint8_t> file) {
    const Layout L = parse(file.first(std::min(file.size(), kHeadBytes)), file.size());
    if (isRle(L)) decodeRle(L, file.subspan(L.pixelOffset), nullptr);
    TBitmap out = emptyBitmapFor(L);
    if (isRle(L)) {
        decodeRle(L, file.subspan(L.pixelOffset), &out);
    } else {
        const std::uint8_t* pixels = file.data() + L.pixelOffset;
        const std::size_t stride = strideOf(L);
        decodeRows(L, out, [&](int first, int) { return pixels + stride * std::size_t(first); });
    }
    return out;
}

TBitmap ReadBmp(std::istream& in) {
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw EStreamError("Stream read error");
    return ReadBmp(std::span<const std::uint8_t>(bytes));
}

// Uncompressed files stream from the disk in batches of rows straight into the bitmap, so a
// large page never needs a second buffer the size of the file.
TBitmap ReadBmpFile(const std::string& fileName) {
    FilePtr f(std::fopen(fileName.c_str(), "rb"));
    if (!f) throw EStreamError(openError(fileName));
    long fileSize = -1;
    if (std::fseek(f.get(), 0, SEEK_END) == 0) fileSize = std::ftell(f.get());
    if (fileSize < 0 || std::fseek(f.get(), 0, SEEK_SET) != 0) {
        f.reset();
        std::vector<std::uint8_t> bytes = ReadWholeFile(fileName); // not seekable: a pipe
        return ReadBmp(std::span<const std::uint8_t>(bytes));
    }
    const std::size_t size = std::size_t(fileSize);
    auto readError = [&] { return EStreamError("Stream read error: \"" + fileName + "\""); };
    std::vector<std::uint8_t> head(std::min(size, kHeadBytes));
    if (std::fread(head.data(), 1, head.size(), f.get()) != head.size()) {
        if (std::ferror(f.get())) throw readError();
        fail("file shorter than its headers"); // shrank meanwhile
    }
    const Layout L = parse(head, size);
    if (std::fseek(f.get(), long(L.pixelOffset), SEEK_SET) != 0) throw readError();
    if (isRle(L)) {
        std::vector<std::uint8_t> data(size - L.pixelOffset);
        data.resize(std::fread(data.data(), 1, data.size(), f.get()));
        if (std::ferror(f.get())) throw readError();
        decodeRle(L, data, nullptr);
        TBitmap out = emptyBitmapFor(L);
        decodeRle(L, data, &out);
        return out;
    }
    TBitmap out = emptyBitmapFor(L);
    const std::size_t stride = strideOf(L);
    const std::size_t lastRow = (std::size_t(L.width) * std::size_t(L.bpp) + 7) / 8;
    std::vector<std::uint8_t> buffer;
    decodeRows(L, out, [&](int first, int count) {
        const std::size_t want = stride * std::size_t(count);
        if (buffer.size() < want) buffer.resize(want);
        const std::size_t got = std::fread(buffer.data(), 1, want, f.get());
        if (std::ferror(f.get())) throw readError();
        if (got < want - (first + count == int(L.height) ? stride - lastRow : 0))
            fail("truncated pixel data"); // shrank meanwhile
        return static_cast<const std::uint8_t*>(buffer.data());
    });
    return out;
}

void LoadBmpFromFile(TBitmap& bmp, const std::string& fileName) {
    bmp = ReadBmpFile(fileName);
}

void LoadBmpFromStream(TBitmap& bmp, std::span<const std::uint8_t> file) {
    bmp = ReadBmp(file);
}

std::vector<std::uint8_t> WriteBmp(const TBitmap& bmp) {
    std::vector<std::uint8_t> out;
    encode(bmp, [&](const std::uint8_t* p, std::size_t n) {
        if (out.empty()) {
            // The header says how long the file will be.
            out.reserve(n + std::size_t(u32(p + 34)));
        }
        out.insert(out.end(), p, p + n);
    });
    return out;
}

void SaveBmpToStream(const TBitmap& bmp, std::ostream& out) {
    encode(bmp, [&](const std::uint8_t* p, std::size_t n) {
        out.write(reinterpret_cast<const char*>(p), std::streamsize(n));
        if (!out) throw EStreamError("Stream write error");
    });
}

void SaveBmpToFile(const TBitmap& bmp, const std::string& fileName) {
    WriteWholeFile(fileName, [&](FileSink& sink) {
        encode(bmp, [&](const std::uint8_t* p, std::size_t n) { sink.write(p, n); });
    });
}
