#include "PictureLoader.h"

#include "FileIO.h"

#include <QImage>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

const char* const kInvalidIcon = "Icon image is not valid";

std::uint16_t u16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
std::uint32_t u32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
std::uint32_t be32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
void put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

[[noreturn]] void iconFail(const char* reason) {
    throw EInvalidGraphic(kInvalidIcon, reason);
}

std::string upperExtension(const std::string& name) {
    const size_t slash = name.find_last_of("\\/");
    const size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = name.substr(dot);
    for (char& c : ext)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return ext;
}

bool isPng(std::span<const std::uint8_t> d) {
    static const std::uint8_t sig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return d.size() >= 8 && std::memcmp(d.data(), sig, 8) == 0;
}

std::uint8_t overWhite(std::uint8_t c, std::uint8_t a) {
    return std::uint8_t((c * a + 255 * (255 - a) + 127) / 255);
}

// One entry of an icon directory, with what its own header says.
struct IconEntry {
    std::span<const std::uint8_t> data;
    bool png = false;
    long long width = 0;
    long long height = 0;
    int bpp = 0;
};

bool describe(IconEntry& e) {
    if (e.png) {
        if (e.data.size() < 24) return false;
        e.width = be32(e.data.data() + 16);
        e.height = be32(e.data.data() + 20);
        e.bpp = 32;
        return true;
    }
    if (e.data.size() < 40 || u32(e.data.data()) < 40 || u32(e.data.data()) > e.data.size()) return false;
    e.width = std::int32_t(u32(e.data.data() + 4));
    e.height = std::int32_t(u32(e.data.data() + 8)) / 2;
    // Bits times planes, for choosing the richest entry; a hostile header's product is capped.
    const long long bits = u16(e.data.data() + 14) * std::max<long long>(1, u16(e.data.data() + 12));
    e.bpp = int(std::min<long long>(bits, 1 << 16));
    return true;
}

TBitmap pngIcon(std::span<const std::uint8_t> data, long long w, long long h) {
    if (!PictureSizeAllowed(w, h) || w > 4096 || h > 4096) iconFail("PNG entry too large");
    QImage img = QImage::fromData(data.data(), int(data.size()), "PNG");
    if (img.isNull()) iconFail("PNG entry does not decode");
    img = img.convertToFormat(QImage::Format_ARGB32);
    TBitmap out(img.width(), img.height());
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        std::uint32_t* d = out.Row32(y);
        for (int x = 0; x < img.width(); ++x) {
            const std::uint8_t a = std::uint8_t(qAlpha(s[x]));
            d[x] = 0xFF000000u | (std::uint32_t(overWhite(std::uint8_t(qRed(s[x])), a)) << 16) |
                   (std::uint32_t(overWhite(std::uint8_t(qGreen(s[x])), a)) << 8) |
                   overWhite(std::uint8_t(qBlue(s[x])), a);
        }
    }
    return out;
}

TBitmap dibIcon(std::span<const std::uint8_t> data) {
    const std::uint8_t* d = data.data();
    const std::uint32_t hdr = u32(d);
    const long long w = std::int32_t(u32(d + 4));
    const long long h2 = std::int32_t(u32(d + 8));
    const int bpp = u16(d + 14);
    const std::uint32_t compression = u32(d + 16);
    if (h2 <= 0 || h2 % 2 != 0) iconFail("icon height not doubled");
    const long long h = h2 / 2;
    if (!PictureSizeAllowed(w, h)) iconFail("zero or too large size");
    std::uint32_t clrUsed = u32(d + 32);
    if (bpp <= 8 && clrUsed == 0) clrUsed = 1u << bpp;
    if (clrUsed > 256) iconFail("colour table over 256 entries");
    const unsigned long long table = hdr + 4ull * clrUsed + (compression == 3 ? 12 : 0);
    const unsigned long long xorStride = ((unsigned long long)w * bpp + 31) / 32 * 4;
    const unsigned long long andStride = ((unsigned long long)w + 31) / 32 * 4;
    const unsigned long long xorEnd = table + xorStride * h;
    if (xorEnd > data.size()) iconFail("icon shorter than its colours");
    const bool haveMask = xorEnd + andStride * h <= data.size();
    if (!haveMask && bpp != 32) iconFail("icon shorter than its mask");

    // The colours as the BMP reader reads a file of half the height.
    std::vector<std::uint8_t> info(data.begin(), data.begin() + std::ptrdiff_t(xorEnd));
    put32(info.data() + 8, std::uint32_t(h));
    put32(info.data() + 20, 0); // image size: the XOR part only now
    TBitmap colours = ReadDib(info);
    colours.SetPixelFormat(pf24bit);

    // 32-bit entries with any alpha blend over white; the mask is then ignored.
    bool alpha = false;
    if (bpp == 32 && compression == 0) {
        for (long long y = 0; y < h && !alpha; ++y)
            for (long long x = 0; x < w; ++x)
                if (d[table + y * xorStride + x * 4 + 3] != 0) {
                    alpha = true;
                    break;
                }
    }
    TBitmap out{int(w), int(h)};
    for (long long y = 0; y < h; ++y) {
        const long long row = h - 1 - y; // bottom-up in the file
        const std::uint32_t* c = colours.Row32(int(y));
        std::uint32_t* o = out.Row32(int(y));
        for (long long x = 0; x < w; ++x) {
            std::uint32_t px = c[x] & 0xFFFFFFu;
            if (alpha) {
                const std::uint8_t* p = d + table + row * xorStride + x * 4;
                px = (std::uint32_t(overWhite(p[2], p[3])) << 16) |
                     (std::uint32_t(overWhite(p[1], p[3])) << 8) | overWhite(p[0], p[3]);
            } else if (haveMask) {
                const std::uint8_t m = d[xorEnd + row * andStride + x / 8];
                if (m & (0x80 >> (x % 8))) px ^= 0xFFFFFFu;
            }
            o[x] = 0xFF000000u | px;
        }
    }
    return out;
}

} // namespace

TBitmap ReadDib(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits) {
    if (info.size() < 4) throw EInvalidGraphic("Bitmap image is not valid", "DIB shorter than its header");
    const std::uint32_t hdr = u32(info.data());
    if (hdr > info.size()) throw EInvalidGraphic("Bitmap image is not valid", "DIB shorter than its header");
    std::vector<std::uint8_t> file(14 + info.size() + bits.size());
    file[0] = 'B', file[1] = 'M';
    put32(file.data() + 2, std::uint32_t(std::min<size_t>(file.size(), 0xFFFFFFFFu)));
    // With separate pixels they start right after the header and table; otherwise the reader
    // finds them after the colour table.
    put32(file.data() + 10, bits.empty() ? 0 : std::uint32_t(14 + info.size()));
    std::memcpy(file.data() + 14, info.data(), info.size());
    if (!bits.empty()) std::memcpy(file.data() + 14 + info.size(), bits.data(), bits.size());
    return ReadBmp(file);
}

TBitmap ReadIcon(std::span<const std::uint8_t> file) {
    if (file.size() < 6) iconFail("file shorter than its directory");
    const std::uint8_t* d = file.data();
    if (u16(d) != 0 || (u16(d + 2) != 1 && u16(d + 2) != 2)) iconFail("not an icon directory");
    const int count = u16(d + 4);
    if (count == 0) iconFail("no entries");
    if (6ull + 16ull * count > file.size()) iconFail("directory past the end of the file");
    std::vector<IconEntry> entries;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* e = d + 6 + 16 * i;
        const std::uint32_t size = u32(e + 8);
        const std::uint32_t offset = u32(e + 12);
        if (offset > file.size() || size > file.size() - offset || size == 0) continue;
        IconEntry entry;
        entry.data = file.subspan(offset, size);
        entry.png = isPng(entry.data);
        if (describe(entry)) entries.push_back(entry);
    }
    if (entries.empty()) iconFail("no readable entry");
    const IconEntry* best = nullptr;
    for (const IconEntry& e : entries)
        if (e.width == 32 && e.height == 32 && (!best || e.bpp > best->bpp)) best = &e;
    if (!best)
        for (const IconEntry& e : entries)
            if (!best || e.width * e.height > best->width * best->height) best = &e;
    return best->png ? pngIcon(best->data, best->width, best->height) : dibIcon(best->data);
}

TLoadedPicture LoadPictureFile(const std::string& fileName) {
    const std::string ext = upperExtension(fileName);
    TLoadedPicture out;
    if (ext == ".JPG" || ext == ".JPEG") {
        out.jpeg = std::make_unique<TJPEGImage>();
        out.jpeg->LoadFromFile(fileName);
        return out;
    }
    if (ext == ".BMP") {
        out.bitmap = ReadBmpFile(fileName);
        return out;
    }
    if (ext != ".ICO" && ext != ".WMF" && ext != ".EMF")
        throw EInvalidGraphic("Unknown picture file extension");
    const std::vector<std::uint8_t> bytes = ReadWholeFile(fileName);
    out.bitmap = ext == ".ICO" ? ReadIcon(bytes) : PlayMetafile(bytes);
    return out;
}
