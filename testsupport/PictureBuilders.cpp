#include "PictureBuilders.h"

#include "BmpCodec.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <cstring>

ByteWriter& ByteWriter::u8(std::uint32_t v) {
    bytes.push_back(std::uint8_t(v));
    return *this;
}
ByteWriter& ByteWriter::u16(std::uint32_t v) {
    return u8(v).u8(v >> 8);
}
ByteWriter& ByteWriter::u32(std::uint32_t v) {
    return u16(v).u16(v >> 16);
}
ByteWriter& ByteWriter::f32(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    return u32(u);
}
ByteWriter& ByteWriter::raw(const std::vector<std::uint8_t>& b) {
    bytes.insert(bytes.end(), b.begin(), b.end());
    return *this;
}

std::vector<std::uint8_t> MakeDib(const TBitmap& bmp) {
    std::vector<std::uint8_t> file = WriteBmp(bmp);
    return std::vector<std::uint8_t>(file.begin() + 14, file.end());
}

IconImage SolidIcon(int w, int h, int bpp, TColor c) {
    IconImage i;
    i.width = w, i.height = h, i.bpp = bpp;
    i.colours.assign(size_t(w) * h, c);
    i.mask.assign(size_t(w) * h, 0);
    return i;
}

namespace {

std::vector<std::uint8_t> pngOf(const IconImage& im) {
    QImage q(im.width, im.height, QImage::Format_ARGB32);
    for (int y = 0; y < im.height; ++y)
        for (int x = 0; x < im.width; ++x) {
            const TColor c = im.colours[size_t(y) * im.width + x];
            const int a = im.alpha.empty() ? 255 : im.alpha[size_t(y) * im.width + x];
            q.setPixel(x, y, qRgba(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, a));
        }
    QByteArray ba;
    QBuffer buf(&ba);
    buf.open(QIODevice::WriteOnly);
    q.save(&buf, "PNG");
    return std::vector<std::uint8_t>(ba.begin(), ba.end());
}

std::vector<std::uint8_t> dibOf(const IconImage& im) {
    const int w = im.width, h = im.height, bpp = im.bpp;
    std::vector<TColor> palette;
    if (bpp <= 8) {
        for (TColor c : im.colours)
            if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
        palette.resize(size_t(1) << bpp, 0);
    }
    ByteWriter b;
    b.u32(40).u32(w).u32(2 * h).u16(1).u16(bpp).u32(0).u32(0).u32(0).u32(0).u32(0).u32(0);
    for (TColor c : palette)
        b.u8((c >> 16) & 0xFF).u8((c >> 8) & 0xFF).u8(c & 0xFF).u8(0);
    const size_t stride = (size_t(w) * bpp + 31) / 32 * 4;
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < w; ++x) {
            const TColor c = im.colours[size_t(y) * w + x];
            if (bpp <= 8) {
                const size_t idx = size_t(std::find(palette.begin(), palette.end(), c) - palette.begin());
                const int bit = x * bpp;
                row[bit / 8] |= std::uint8_t(idx << (8 - bpp - bit % 8));
            } else {
                const size_t o = size_t(x) * (bpp / 8);
                row[o] = (c >> 16) & 0xFF, row[o + 1] = (c >> 8) & 0xFF, row[o + 2] = c & 0xFF;
                if (bpp == 32) row[o + 3] = im.alpha.empty() ? 0 : im.alpha[size_t(y) * w + x];
            }
        }
        b.raw(row);
    }
    const size_t maskStride = (size_t(w) + 31) / 32 * 4;
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskStride, 0);
        for (int x = 0; x < w; ++x)
            if (!im.mask.empty() && im.mask[size_t(y) * w + x]) row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
        b.raw(row);
    }
    return b.bytes;
}

} // namespace

std::vector<std::uint8_t> MakeIcon(const std::vector<IconImage>& images) {
    std::vector<std::vector<std::uint8_t>> data;
    for (const IconImage& im : images)
        data.push_back(im.png ? pngOf(im) : dibOf(im));
    ByteWriter b;
    b.u16(0).u16(1).u16(std::uint32_t(images.size()));
    size_t offset = 6 + 16 * images.size();
    for (size_t i = 0; i < images.size(); ++i) {
        const IconImage& im = images[i];
        b.u8(im.width >= 256 ? 0 : im.width).u8(im.height >= 256 ? 0 : im.height);
        b.u8(im.bpp < 8 ? 1 << im.bpp : 0).u8(0).u16(1).u16(im.bpp);
        b.u32(std::uint32_t(data[i].size())).u32(std::uint32_t(offset));
        offset += data[i].size();
    }
    for (const auto& d : data)
        b.raw(d);
    return b.bytes;
}

// ---- WMF ----

WmfBuilder& WmfBuilder::record(std::uint16_t fn, std::initializer_list<int> words) {
    ByteWriter p;
    for (int w : words)
        p.u16(std::uint32_t(w));
    return record(fn, p.bytes);
}

WmfBuilder& WmfBuilder::record(std::uint16_t fn, const std::vector<std::uint8_t>& params) {
    std::vector<std::uint8_t> p = params;
    if (p.size() % 2) p.push_back(0);
    ByteWriter b;
    b.u32(std::uint32_t(3 + p.size() / 2)).u16(fn).raw(p);
    records_.insert(records_.end(), b.bytes.begin(), b.bytes.end());
    return *this;
}

WmfBuilder& WmfBuilder::pen(int style, int width, TColor c) {
    return record(0x02FA, ByteWriter().u16(style).u16(width).u16(0).u32(c).bytes);
}
WmfBuilder& WmfBuilder::brush(int style, TColor c, int hatch) {
    return record(0x02FC, ByteWriter().u16(style).u32(c).u16(hatch).bytes);
}
WmfBuilder& WmfBuilder::polygon(std::initializer_list<TPoint> pts) {
    ByteWriter b;
    b.u16(std::uint32_t(pts.size()));
    for (TPoint p : pts)
        b.u16(std::uint32_t(p.x)).u16(std::uint32_t(p.y));
    return record(0x0324, b.bytes);
}
WmfBuilder& WmfBuilder::text(int x, int y, const std::string& s) {
    ByteWriter b;
    b.u16(std::uint32_t(s.size()));
    for (char c : s)
        b.u8(std::uint8_t(c));
    if (s.size() % 2) b.u8(0);
    b.u16(std::uint32_t(y)).u16(std::uint32_t(x));
    return record(0x0521, b.bytes);
}
WmfBuilder& WmfBuilder::stretchDib(int x, int y, int w, int h, const TBitmap& bmp) {
    ByteWriter b;
    b.u32(0x00CC0020).u16(0).u16(bmp.Height()).u16(bmp.Width()).u16(0).u16(0);
    b.u16(std::uint32_t(h))
        .u16(std::uint32_t(w))
        .u16(std::uint32_t(y))
        .u16(std::uint32_t(x))
        .raw(MakeDib(bmp));
    return record(0x0F43, b.bytes);
}

std::vector<std::uint8_t> WmfBuilder::build(int objects, int inch, TRect box) const {
    ByteWriter b;
    if (inch > 0) {
        ByteWriter h;
        h.u32(0x9AC6CDD7u).u16(0).u16(std::uint32_t(box.Left)).u16(std::uint32_t(box.Top));
        h.u16(std::uint32_t(box.Right)).u16(std::uint32_t(box.Bottom)).u16(std::uint32_t(inch)).u32(0);
        std::uint16_t sum = 0;
        for (size_t i = 0; i < 20; i += 2)
            sum ^= std::uint16_t(h.bytes[i] | (h.bytes[i + 1] << 8));
        h.u16(sum);
        b.raw(h.bytes);
    }
    const size_t words = (18 + records_.size() + 6) / 2;
    b.u16(1).u16(9).u16(0x300).u32(std::uint32_t(words)).u16(std::uint32_t(objects)).u32(0).u16(0);
    b.raw(records_);
    b.u32(3).u16(0); // META_EOF
    return b.bytes;
}

// ---- EMF ----

EmfBuilder& EmfBuilder::record(std::uint32_t type, const std::vector<std::uint8_t>& body) {
    std::vector<std::uint8_t> p = body;
    while (p.size() % 4)
        p.push_back(0);
    ByteWriter b;
    b.u32(type).u32(std::uint32_t(8 + p.size())).raw(p);
    records_.insert(records_.end(), b.bytes.begin(), b.bytes.end());
    ++count_;
    return *this;
}

EmfBuilder& EmfBuilder::record(std::uint32_t type, std::initializer_list<std::int32_t> ints) {
    ByteWriter b;
    for (std::int32_t v : ints)
        b.u32(std::uint32_t(v));
    return record(type, b.bytes);
}

EmfBuilder& EmfBuilder::polygon16(std::initializer_list<TPoint> pts) {
    ByteWriter b;
    b.u32(0).u32(0).u32(0).u32(0).u32(std::uint32_t(pts.size()));
    for (TPoint p : pts)
        b.u16(std::uint32_t(p.x)).u16(std::uint32_t(p.y));
    return record(86, b.bytes);
}

EmfBuilder& EmfBuilder::textW(int x, int y, const std::string& s) {
    ByteWriter b;
    b.u32(0).u32(0).u32(0).u32(0).u32(1).f32(1).f32(1); // bounds, GM_COMPATIBLE, scales
    const std::uint32_t offString = 8 + 28 + 40 + 0;
    b.u32(std::uint32_t(x)).u32(std::uint32_t(y)).u32(std::uint32_t(s.size())).u32(offString).u32(0);
    b.u32(0).u32(0).u32(0).u32(0).u32(0); // rcl, offDx
    for (char c : s)
        b.u16(std::uint8_t(c));
    return record(84, b.bytes);
}

EmfBuilder& EmfBuilder::stretchDibits(int x, int y, int w, int h, const TBitmap& bmp) {
    const std::vector<std::uint8_t> dib = MakeDib(bmp);
    const std::uint32_t header = 40 + (bmp.IsIndexed() ? 4u << (bmp.PixelFormat() == pf8bit   ? 8
                                                                : bmp.PixelFormat() == pf4bit ? 4
                                                                                              : 1)
                                                       : 0);
    ByteWriter b;
    b.u32(0).u32(0).u32(0).u32(0);
    b.u32(std::uint32_t(x)).u32(std::uint32_t(y)).u32(0).u32(0).u32(bmp.Width()).u32(bmp.Height());
    const std::uint32_t offBmi = 80;
    b.u32(offBmi).u32(header).u32(offBmi + header).u32(std::uint32_t(dib.size() - header));
    b.u32(0).u32(0x00CC0020).u32(std::uint32_t(w)).u32(std::uint32_t(h));
    b.raw(dib);
    return record(81, b.bytes);
}

std::vector<std::uint8_t> EmfBuilder::build(TRect frame, int handles) const {
    ByteWriter h;
    h.u32(0).u32(0).u32(0).u32(0); // bounds
    h.u32(std::uint32_t(frame.Left)).u32(std::uint32_t(frame.Top)).u32(std::uint32_t(frame.Right));
    h.u32(std::uint32_t(frame.Bottom));
    h.u32(0x464D4520).u32(0x10000).u32(0).u32(std::uint32_t(count_ + 2)).u16(std::uint32_t(handles)).u16(0);
    h.u32(0).u32(0).u32(0);
    h.u32(1920).u32(1920).u32(508).u32(508); // 96 pixels an inch
    ByteWriter b;
    b.u32(1).u32(std::uint32_t(8 + h.size())).raw(h.bytes).raw(records_);
    b.u32(14).u32(20).u32(0).u32(0).u32(20);
    const std::uint32_t total = std::uint32_t(b.size());
    for (int i = 0; i < 4; ++i)
        b.bytes[48 + i] = std::uint8_t(total >> (8 * i));
    return b.bytes;
}

TRect EmfFrameFor(int w, int h) {
    return Rect(0, 0, int(std::lround(w * 2540.0 / 96)), int(std::lround(h * 2540.0 / 96)));
}
