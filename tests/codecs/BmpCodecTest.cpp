#include "BmpCodec.h"
#include "CodecFixtures.h"
#include "TestFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

constexpr TColor A = RGB(10, 20, 30), B = RGB(200, 100, 50), C = RGB(0, 255, 0), D = RGB(255, 0, 255);
constexpr std::uint32_t word(TColor c) {
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}
const std::vector<std::uint32_t> kABCD = {word(A), word(B), word(C), word(D)};

using Rows = std::vector<std::vector<TColor>>; // top row first

void expectPixels(const TBitmap& b, const Rows& rows) {
    ASSERT_EQ(b.Height(), int(rows.size()));
    for (int y = 0; y < b.Height(); ++y) {
        ASSERT_EQ(b.Width(), int(rows[size_t(y)].size()));
        for (int x = 0; x < b.Width(); ++x)
            EXPECT_EQ(b.GetPixel(x, y), rows[size_t(y)][size_t(x)]) << "at " << x << "," << y;
    }
}

std::vector<std::uint8_t> bgr(std::initializer_list<TColor> px) {
    std::vector<std::uint8_t> v;
    for (TColor c : px)
        v.insert(v.end(),
                 {std::uint8_t(GetBValue(c)), std::uint8_t(GetGValue(c)), std::uint8_t(GetRValue(c))});
    return v;
}

struct DecodeCase {
    const char* name;
    BmpSpec spec;
    TPixelFormat format;
    Rows pixels;
};

std::vector<DecodeCase> decodeCases() {
    std::vector<DecodeCase> t;
    t.push_back({"1-bit bottom-up",
                 {.width = 3,
                  .height = 2,
                  .bpp = 1,
                  .palette = {word(A), word(B)},
                  .pixels = PadRows({{0xA0}, {0x60}})},
                 pf1bit,
                 {{A, B, B}, {B, A, B}}});
    t.push_back({"4-bit bottom-up",
                 {.width = 3,
                  .height = 2,
                  .bpp = 4,
                  .clrUsed = 4,
                  .palette = kABCD,
                  .pixels = PadRows({{0x01, 0x20}, {0x32, 0x10}})},
                 pf4bit,
                 {{D, C, B}, {A, B, C}}});
    t.push_back({"8-bit top-down with a short colour table",
                 {.width = 3,
                  .height = -2,
                  .bpp = 8,
                  .clrUsed = 3,
                  .palette = {word(A), word(B), word(C)},
                  .pixels = PadRows({{2, 1, 0}, {0, 0, 1}})},
                 pf8bit,
                 {{C, B, A}, {A, A, B}}});
    t.push_back({"8-bit colour table ended by the pixel offset",
                 {.width = 3,
                  .height = -2,
                  .bpp = 8,
                  .palette = {word(A), word(B), word(C)},
                  .pixels = PadRows({{2, 1, 0}, {0, 0, 1}})},
                 pf8bit,
                 {{C, B, A}, {A, A, B}}});
    t.push_back(
        {"16-bit 5-5-5",
         {.width = 3, .height = 1, .bpp = 16, .pixels = PadRows({{0x00, 0x7C, 0xE0, 0x03, 0x10, 0x00}})},
         pf24bit,
         {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 132)}}});
    t.push_back({"16-bit 5-6-5 bit fields after the header",
                 {.width = 3,
                  .height = 1,
                  .bpp = 16,
                  .compression = 3,
                  .masks = {0xF800, 0x07E0, 0x001F},
                  .pixels = PadRows({{0x00, 0xF8, 0xE0, 0x07, 0x20, 0x00}})},
                 pf24bit,
                 {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 4, 0)}}});
    t.push_back({"24-bit bottom-up with row padding",
                 {.width = 3, .height = 2, .pixels = PadRows({bgr({A, B, C}), bgr({D, C, B})})},
                 pf24bit,
                 {{D, C, B}, {A, B, C}}});
    t.push_back({"24-bit top-down",
                 {.width = 1, .height = -2, .pixels = PadRows({bgr({A}), bgr({B})})},
                 pf24bit,
                 {{A}, {B}}});
    t.push_back({"32-bit, fourth byte ignored",
                 {.width = 2, .height = 1, .bpp = 32, .pixels = {30, 20, 10, 0, 50, 100, 200, 0x80}},
                 pf32bit,
                 {{A, B}}});
    t.push_back({"32-bit bit fields in a V5 header, red in the low byte",
                 {.headerSize = 124,
                  .width = 1,
                  .height = 1,
                  .bpp = 32,
                  .compression = 3,
                  .masks = {0x0000FF, 0x00FF00, 0xFF0000},
                  .pixels = {0x11, 0x22, 0x33, 0x00}},
                 pf32bit,
                 {{RGB(0x11, 0x22, 0x33)}}});
    t.push_back({"OS/2 core header, 8-bit with 3-byte colours",
                 {.headerSize = 12,
                  .width = 2,
                  .height = 1,
                  .bpp = 8,
                  .palette = {word(A), word(B)},
                  .pixels = PadRows({{1, 0}})},
                 pf8bit,
                 {{B, A}}});
    t.push_back({"OS/2 core header, 24-bit",
                 {.headerSize = 12, .width = 2, .height = 1, .pixels = PadRows({bgr({C, D})})},
                 pf24bit,
                 {{C, D}}});
    t.push_back({"OS/2 2.x 64-byte header",
                 {.headerSize = 64, .width = 2, .height = 1, .pixels = PadRows({bgr({B, A})})},
                 pf24bit,
                 {{B, A}}});
    t.push_back({"last row without its padding",
                 {.width = 1,
                  .height = 2,
                  .pixels =
                      [] {
                          auto p = PadRows({bgr({A}), bgr({B})});
                          p.pop_back();
                          return p;
                      }()},
                 pf24bit,
                 {{B}, {A}}});
    t.push_back({"pixel offset left at zero",
                 {.width = 2, .height = 1, .pixels = PadRows({bgr({B, A})}), .offBits = 0},
                 pf24bit,
                 {{B, A}}});
    // Bottom-up RLE8, width 4:
    //   row 0: run of 4 x index 1, end of line
    //   row 1: literal 2 3 0, then a delta one row down (x stays 3)
    //   row 2: run of 1 x index 3 at x = 3, end of bitmap; skipped pixels are index 0
    t.push_back({"RLE8 runs, literals, delta and end of bitmap",
                 {.width = 4,
                  .height = 3,
                  .bpp = 8,
                  .compression = 1,
                  .clrUsed = 4,
                  .palette = kABCD,
                  .pixels = {4, 1, 0, 0, 0, 3, 2, 3, 0, 0, 0, 2, 0, 1, 1, 3, 0, 1}},
                 pf8bit,
                 {{A, A, A, D}, {C, D, A, A}, {B, B, B, B}}});
    t.push_back({"RLE4 alternating run and odd literal",
                 {.width = 5,
                  .height = 2,
                  .bpp = 4,
                  .compression = 2,
                  .clrUsed = 4,
                  .palette = kABCD,
                  .pixels = {5, 0x12, 0, 0, 0, 3, 0x30, 0x20, 0, 1}},
                 pf4bit,
                 {{D, A, C, A, A}, {B, C, B, C, B}}});
    t.push_back({"RLE8 file ending right after its last row",
                 {.width = 2,
                  .height = 1,
                  .bpp = 8,
                  .compression = 1,
                  .clrUsed = 4,
                  .palette = kABCD,
                  .pixels = {2, 3, 0, 0}},
                 pf8bit,
                 {{D, D}}});
    // Writers pad each row's runs to a 4-pixel boundary; the pixels past the row are dropped.
    auto rleRow = [](int bpp, std::vector<std::uint8_t> data) {
        return BmpSpec{.width = 4,
                       .height = 1,
                       .bpp = bpp,
                       .compression = bpp == 8 ? 1u : 2u,
                       .clrUsed = 4,
                       .palette = kABCD,
                       .pixels = std::move(data)};
    };
    t.push_back({"RLE8 run past the row", rleRow(8, {5, 1, 0, 1}), pf8bit, {{B, B, B, B}}});
    t.push_back({"RLE8 run after a full row", rleRow(8, {4, 1, 1, 2, 0, 1}), pf8bit, {{B, B, B, B}}});
    t.push_back(
        {"RLE8 literal past the row", rleRow(8, {0, 5, 1, 2, 3, 1, 2, 0, 0, 1}), pf8bit, {{B, C, D, B}}});
    t.push_back({"RLE4 run past the row", rleRow(4, {5, 0x12, 0, 1}), pf4bit, {{B, C, B, C}}});
    t.push_back(
        {"RLE4 literal past the row", rleRow(4, {0, 6, 0x12, 0x31, 0x22, 0, 0, 1}), pf4bit, {{B, C, D, B}}});
    {
        // A 97-pixel row written as 97 + 3, over two rows.
        std::vector<std::uint8_t> runs = {100, 2, 0, 0, 90, 1, 10, 3, 0, 0, 0, 1};
        Rows rows = {std::vector<TColor>(97, B), std::vector<TColor>(97, C)}; // stored bottom row first
        for (int x = 90; x < 97; ++x)
            rows[0][size_t(x)] = D;
        t.push_back({"RLE8 rows of 97 padded to 100",
                     {.width = 97,
                      .height = 2,
                      .bpp = 8,
                      .compression = 1,
                      .clrUsed = 4,
                      .palette = kABCD,
                      .pixels = runs},
                     pf8bit,
                     rows});
    }
    return t;
}

void writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(name.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// Memory buffers and files take different paths (files stream their rows from the disk).
enum class Source { memory, file };

TEST(BmpRead, DecodesEveryLayoutToItsFormatAndPixels) {
    TestFolder dir;
    for (Source source : {Source::memory, Source::file}) {
        for (const DecodeCase& c : decodeCases()) {
            SCOPED_TRACE(testing::Message() << c.name << (source == Source::file ? " (file)" : ""));
            TBitmap b;
            if (source == Source::memory) {
                b = ReadBmp(MakeBmp(c.spec));
            } else {
                writeFile(dir.file("case.bmp"), MakeBmp(c.spec));
                b = ReadBmpFile(dir.file("case.bmp"));
            }
            EXPECT_EQ(b.PixelFormat(), c.format);
            if (b.IsIndexed()) {
                const size_t n = c.format == pf1bit ? 2 : c.format == pf4bit ? 16 : 256;
                EXPECT_EQ(b.Palette()->entries.size(), n);
            }
            expectPixels(b, c.pixels);
        }
    }
}

struct HostileCase {
    const char* name;
    std::vector<std::uint8_t> file;
    const char* reason;
};

void set32(std::vector<std::uint8_t>& f, size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        f[at + size_t(k)] = (v >> (8 * k)) & 0xFF;
}

std::vector<HostileCase> hostileCases() {
    const BmpSpec base{.width = 4, .height = 4, .pixels = std::vector<std::uint8_t>(48, 0x55)};
    auto with = [&](auto change) {
        BmpSpec s = base;
        change(s);
        return MakeBmp(s);
    };
    auto patched = [&](size_t at, std::uint32_t v) {
        auto f = MakeBmp(base);
        set32(f, at, v);
        return f;
    };
    auto rle8 = [&](std::int64_t w, std::int64_t h, std::vector<std::uint8_t> data) {
        return MakeBmp({.width = w,
                        .height = h,
                        .bpp = 8,
                        .compression = 1,
                        .clrUsed = 2,
                        .palette = {0, 0xFFFFFF},
                        .pixels = std::move(data)});
    };
    auto full = MakeBmp(base);
    std::vector<HostileCase> t;
    t.push_back({"shorter than the headers", {full.begin(), full.begin() + 20}, "shorter than its headers"});
    t.push_back({"no signature",
                 [&] {
                     auto f = full;
                     f[0] = 'X';
                     return f;
                 }(),
                 "no BM signature"});
    t.push_back({"header size 13", patched(14, 13), "unknown header size"});
    t.push_back({"header larger than the file", patched(14, 1000), "shorter than its headers"});
    t.push_back({"width x height overflows 32 bits", with([](BmpSpec& s) { s.width = s.height = 0x10000; }),
                 "dimensions too large"});
    t.push_back({"both sides at the int maximum", with([](BmpSpec& s) { s.width = s.height = 0x7FFFFFFF; }),
                 "dimensions too large"});
    t.push_back({"height at the int minimum", with([](BmpSpec& s) { s.height = -0x80000000LL; }),
                 "dimensions too large"});
    t.push_back({"a side over the cap", with([](BmpSpec& s) { s.width = 32769, s.height = 1; }),
                 "dimensions too large"});
    t.push_back({"pixels over the cap", with([](BmpSpec& s) { s.width = s.height = 20000; }),
                 "dimensions too large"});
    t.push_back({"negative width", with([](BmpSpec& s) { s.width = -4; }), "zero or negative size"});
    t.push_back({"zero width", with([](BmpSpec& s) { s.width = 0; }), "zero or negative size"});
    t.push_back({"zero height", with([](BmpSpec& s) { s.height = 0; }), "zero or negative size"});
    t.push_back({"7 bits a pixel", with([](BmpSpec& s) { s.bpp = 7; }), "unsupported bit count"});
    t.push_back({"embedded JPEG", with([](BmpSpec& s) { s.compression = 4; }), "unsupported compression"});
    t.push_back({"RLE8 at 24 bits", with([](BmpSpec& s) { s.compression = 1; }), "RLE8 needs 8 bits"});
    t.push_back({"bit fields without their masks",
                 MakeBmp({.width = 4, .height = 4, .bpp = 16, .compression = 3}),
                 "shorter than its colour masks"});
    t.push_back({"colour table of 257 entries",
                 MakeBmp({.width = 4, .height = 1, .bpp = 8, .clrUsed = 257, .pixels = {0, 0, 0, 0}}),
                 "colour table over 256 entries"});
    t.push_back({"colour count at the 32-bit maximum",
                 MakeBmp({.width = 4, .height = 1, .bpp = 8, .clrUsed = 0xFFFFFFFF, .pixels = {0, 0, 0, 0}}),
                 "colour table over 256 entries"});
    t.push_back({"colour count larger than the file",
                 MakeBmp({.width = 4, .height = 1, .bpp = 8, .clrUsed = 200, .palette = {0, 0}}),
                 "shorter than its colour table"});
    t.push_back(
        {"pixel offset past the end", patched(10, std::uint32_t(full.size() + 100)), "offset past the end"});
    t.push_back({"pixel offset at the end", patched(10, std::uint32_t(full.size())), "offset past the end"});
    t.push_back({"truncated pixel data", {full.begin(), full.end() - 13}, "truncated pixel data"});
    t.push_back(
        {"height larger than the data", with([](BmpSpec& s) { s.height = 400; }), "truncated pixel data"});
    t.push_back({"top-down height larger than the data", with([](BmpSpec& s) { s.height = -400; }),
                 "truncated pixel data"});
    t.push_back({"RLE delta past the row", rle8(4, 2, {0, 2, 5, 0, 0, 1}), "RLE delta past the bitmap"});
    t.push_back(
        {"RLE delta below the last row", rle8(4, 2, {0, 2, 0, 9, 0, 1}), "RLE delta past the bitmap"});
    t.push_back(
        {"RLE rows past the last", rle8(4, 1, {4, 1, 0, 0, 4, 1, 0, 1}), "RLE data past the last row"});
    t.push_back({"RLE without its end", rle8(4, 3, {4, 1, 0, 0}), "truncated RLE data"});
    t.push_back({"RLE literal longer than the data", rle8(32, 1, {0, 20, 1, 2, 3}), "truncated RLE data"});
    t.push_back({"RLE delta cut short", rle8(4, 3, {0, 2, 1}), "truncated RLE data"});
    return t;
}

TEST(BmpRead, RefusesHostileFilesAndKeepsTheCallersBitmap) {
    TestFolder dir;
    for (Source source : {Source::memory, Source::file})
        for (const HostileCase& c : hostileCases()) {
            SCOPED_TRACE(testing::Message() << c.name << (source == Source::file ? " (file)" : ""));
            TBitmap keep(3, 2, pf8bit);
            keep.SetPixel(1, 1, clRed);
            const TBitmap before(keep);
            try {
                if (source == Source::memory) {
                    LoadBmpFromStream(keep, c.file);
                } else {
                    writeFile(dir.file("hostile.bmp"), c.file);
                    LoadBmpFromFile(keep, dir.file("hostile.bmp"));
                }
                ADD_FAILURE() << "accepted";
            } catch (const EInvalidGraphic& e) {
                EXPECT_STREQ(e.what(), "Bitmap image is not valid");
                EXPECT_NE(e.Reason().find(c.reason), std::string::npos) << e.Reason();
            }
            EXPECT_EQ(keep.Width(), 3);
            EXPECT_EQ(keep.Height(), 2);
            EXPECT_EQ(keep.PixelFormat(), pf8bit);
            EXPECT_EQ(keep.Palette()->entries, before.Palette()->entries);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x)
                    EXPECT_EQ(keep.GetPixel(x, y), before.GetPixel(x, y));
        }
}

// A bitmap of the format with every pixel set from a pattern that uses the format's range.
TBitmap patterned(int w, int h, TPixelFormat pf) {
    TBitmap b(w, h, pf);
    const int n = pf == pf1bit ? 2 : pf == pf4bit ? 16 : 256;
    if (b.IsIndexed()) {
        std::vector<PALETTEENTRY> pal;
        for (int i = 0; i < n; ++i)
            pal.push_back({std::uint8_t(i * 37), std::uint8_t(255 - i), std::uint8_t(i * 11), 0});
        b.SetPalette(CreatePalette(pal));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                b.ScanLine(y)[x] = std::uint8_t((x * 7 + y * 3) % n);
    } else {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                b.SetPixel(x, y, RGB(x * 40, y * 50, (x * y * 13) & 0xFF));
    }
    return b;
}

TEST(BmpRead, ABrokenRunStreamIsRefusedBeforeThePageItClaims) {
    // 120 bytes claiming 32768 x 8192 (256 MiB), the runs cut off after two rows.
    std::vector<std::uint8_t> runs = {255, 1, 0, 0, 255, 1, 0, 0};
    auto file = MakeBmp({.width = 32768,
                         .height = 8192,
                         .bpp = 8,
                         .compression = 1,
                         .clrUsed = 2,
                         .palette = {0, 0xFFFFFF},
                         .pixels = runs});
    file.resize(120, 0);
    ASSERT_LT(file.size(), 200u);
    bool refused = false;
    const long long growth = PeakMemoryGrowth([&] {
        try {
            ReadBmp(file);
        } catch (const EInvalidGraphic& e) {
            refused = true;
            EXPECT_NE(e.Reason().find("RLE"), std::string::npos) << e.Reason();
        }
    });
    EXPECT_TRUE(refused);
    if (growth < 0) GTEST_SKIP() << "the system does not report peak memory";
    EXPECT_LT(growth, 100ll << 20);
}

TEST(BmpWrite, RoundTripsEveryDepthAtOddWidths) {
    struct Depth {
        TPixelFormat written, readBack;
        int bpp;
    };
    const Depth depths[] = {{pf1bit, pf1bit, 1},    {pf4bit, pf4bit, 4},    {pf8bit, pf8bit, 8},
                            {pf24bit, pf24bit, 24}, {pf32bit, pf32bit, 32}, {pf16bit, pf24bit, 24},
                            {pf15bit, pf24bit, 24}, {pfDevice, pf24bit, 24}};
    for (const Depth& d : depths) {
        for (int w : {1, 3, 5, 9, 33}) {
            SCOPED_TRACE(testing::Message() << "format " << d.written << " width " << w);
            TBitmap src = patterned(w, 3, d.written);
            std::vector<std::uint8_t> file = WriteBmp(src);
            EXPECT_EQ(file[28], d.bpp);
            const size_t stride = (size_t(w) * size_t(d.bpp) + 31) / 32 * 4;
            const size_t table = d.bpp <= 8 ? 4u << d.bpp : 0;
            EXPECT_EQ(file.size(), 54 + table + stride * 3);
            TBitmap back = ReadBmp(file);
            EXPECT_EQ(back.PixelFormat(), d.readBack);
            if (back.IsIndexed()) {
                EXPECT_EQ(back.Palette()->entries, src.Palette()->entries);
                for (int y = 0; y < 3; ++y)
                    for (int x = 0; x < w; ++x)
                        EXPECT_EQ(back.ScanLine(y)[x], src.ScanLine(y)[x]);
            }
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < w; ++x)
                    EXPECT_EQ(back.GetPixel(x, y), src.GetPixel(x, y));
        }
    }
}

TEST(BmpFiles, RoundTripThroughFilesAndStreams) {
    TestFolder dir;
    TBitmap src = patterned(7, 5, pf24bit);
    SaveBmpToFile(src, dir.file("a.bmp"));
    TBitmap back;
    LoadBmpFromFile(back, dir.file("a.bmp"));
    expectPixels(back, [&] {
        Rows r(5, std::vector<TColor>(7));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                r[size_t(y)][size_t(x)] = src.GetPixel(x, y);
        return r;
    }());

    std::stringstream ss;
    SaveBmpToStream(src, ss);
    EXPECT_EQ(ss.str().size(), WriteBmp(src).size());
    EXPECT_EQ(ReadBmp(ss).GetPixel(6, 4), src.GetPixel(6, 4));
}

TEST(BmpFiles, FileErrorsThrowAndKeepTheBitmap) {
    TestFolder dir;
    TBitmap keep(2, 2);
    keep.SetPixel(0, 0, clRed);
    EXPECT_THROW(LoadBmpFromFile(keep, dir.file("missing.bmp")), EStreamError);
    EXPECT_EQ(keep.Width(), 2);
    EXPECT_EQ(keep.GetPixel(0, 0), clRed);
    EXPECT_THROW(SaveBmpToFile(keep, dir.file("no/such/folder/a.bmp")), EStreamError);
    EXPECT_THROW(SaveBmpToFile(keep, "/dev/full"), EStreamError);
}

} // namespace
