#pragma once
// Icons and metafiles made in code, record by record, so tests can write any file, sane or not.
#include "TBitmap.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Little-endian bytes.
struct ByteWriter {
    std::vector<std::uint8_t> bytes;
    ByteWriter& u8(std::uint32_t v);
    ByteWriter& u16(std::uint32_t v);
    ByteWriter& u32(std::uint32_t v);
    ByteWriter& f32(float v);
    ByteWriter& raw(const std::vector<std::uint8_t>& b);
    size_t size() const { return bytes.size(); }
};

// A bitmap as a packed DIB (header, colour table, pixels): a BMP file without its file header.
std::vector<std::uint8_t> MakeDib(const TBitmap& bmp);

// One icon image. `colours` and `mask` are w * h, rows top to bottom; a set mask bit is white
// (where the colour is black) on the platform. `alpha` (optional, w * h) makes a 32-bit entry
// carry alpha; `png` stores the entry as PNG (colours and alpha).
struct IconImage {
    int width = 0;
    int height = 0;
    int bpp = 24; // 1, 4, 8, 24 or 32
    std::vector<TColor> colours;
    std::vector<std::uint8_t> mask;
    std::vector<std::uint8_t> alpha;
    bool png = false;
};
// Filled with one colour, no mask bit set.
IconImage SolidIcon(int w, int h, int bpp, TColor c);
std::vector<std::uint8_t> MakeIcon(const std::vector<IconImage>& images);

// WMF records: parameters as 16-bit words in the file's order.
class WmfBuilder {
public:
    WmfBuilder& record(std::uint16_t fn) { return record(fn, std::vector<std::uint8_t>{}); }
    WmfBuilder& record(std::uint16_t fn, std::initializer_list<int> words);
    WmfBuilder& record(std::uint16_t fn, const std::vector<std::uint8_t>& params);
    // Common records, coordinates in logical units.
    WmfBuilder& windowOrg(int x, int y) { return record(0x020B, {y, x}); }
    WmfBuilder& windowExt(int x, int y) { return record(0x020C, {y, x}); }
    WmfBuilder& pen(int style, int width, TColor c);
    WmfBuilder& brush(int style, TColor c, int hatch = 0);
    WmfBuilder& select(int index) { return record(0x012D, {index}); }
    WmfBuilder& rectangle(int l, int t, int r, int b) { return record(0x041B, {b, r, t, l}); }
    WmfBuilder& ellipse(int l, int t, int r, int b) { return record(0x0418, {b, r, t, l}); }
    WmfBuilder& polygon(std::initializer_list<TPoint> pts);
    WmfBuilder& text(int x, int y, const std::string& s);
    WmfBuilder& stretchDib(int x, int y, int w, int h, const TBitmap& bmp);
    // Placeable when inch > 0 (box in logical units); `objects` is the header's object count.
    std::vector<std::uint8_t> build(int objects = 8, int inch = 0, TRect box = {}) const;

private:
    std::vector<std::uint8_t> records_;
};

// EMF records: the header from the frame (0.01 mm) and a reference device of 96 pixels an inch.
class EmfBuilder {
public:
    EmfBuilder& record(std::uint32_t type) { return record(type, std::vector<std::uint8_t>{}); }
    EmfBuilder& record(std::uint32_t type, const std::vector<std::uint8_t>& body);
    EmfBuilder& record(std::uint32_t type, std::initializer_list<std::int32_t> ints);
    EmfBuilder& pen(int index, int style, int width, TColor c) {
        return record(38, {index, style, width, 0, std::int32_t(c)});
    }
    EmfBuilder& brush(int index, int style, TColor c, int hatch = 0) {
        return record(39, {index, style, std::int32_t(c), hatch});
    }
    EmfBuilder& select(std::uint32_t index) { return record(37, {std::int32_t(index)}); }
    EmfBuilder& rectangle(int l, int t, int r, int b) { return record(43, {l, t, r, b}); }
    EmfBuilder& ellipse(int l, int t, int r, int b) { return record(42, {l, t, r, b}); }
    EmfBuilder& polygon16(std::initializer_list<TPoint> pts);
    EmfBuilder& textW(int x, int y, const std::string& s);
    EmfBuilder& stretchDibits(int x, int y, int w, int h, const TBitmap& bmp);
    // frame in 0.01 mm; `handles` is the header's object count.
    std::vector<std::uint8_t> build(TRect frame, int handles = 8) const;

private:
    std::vector<std::uint8_t> records_;
    int count_ = 0;
};

// A frame of w x h pixels at 96 pixels an inch, in 0.01 mm.
TRect EmfFrameFor(int w, int h);
