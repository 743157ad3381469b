// The picture loader: icons and metafiles made in code, each with the pixels it must give, and
// hostile tables for both readers.
#include "PictureLoader.h"
#include "PictureBuilders.h"
#include "Pixels.h"
#include "TestFolder.h"

#include <fstream>
#include <functional>

#include <gtest/gtest.h>

namespace {

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// ---- icons ----

TEST(IconReader, PicksThe32EntryWithMostColoursElseTheLargest) {
    struct Case {
        const char* name;
        std::vector<IconImage> images;
        int width;
        TColor colour; // of pixel (0, 0)
    };
    const std::vector<Case> cases = {
        {"one 1-bit entry", {SolidIcon(16, 16, 1, clBlack)}, 16, clBlack},
        {"4-bit beats 1-bit at 32", {SolidIcon(32, 32, 1, clBlack), SolidIcon(32, 32, 4, clRed)}, 32, clRed},
        {"8-bit at 32 beats a larger 24-bit",
         {SolidIcon(48, 48, 24, clBlue), SolidIcon(32, 32, 8, clLime), SolidIcon(32, 32, 4, clRed)},
         32,
         clLime},
        {"no 32 entry: the largest",
         {SolidIcon(16, 16, 24, clRed), SolidIcon(48, 48, 4, clBlue)},
         48,
         clBlue},
    };
    for (const Case& c : cases) {
        TBitmap b = ReadIcon(MakeIcon(c.images));
        EXPECT_EQ(b.Width(), c.width) << c.name;
        EXPECT_EQ(b.Height(), c.width) << c.name;
        EXPECT_EQ(b.GetPixel(0, 0), c.colour) << c.name;
    }
}

TEST(IconReader, MaskGivesWhiteXorColourAndAlphaBlendsOverWhite) {
    for (int bpp : {1, 4, 8, 24}) {
        IconImage im = SolidIcon(32, 32, bpp, clBlack);
        im.colours[1] = clRed; // (1, 0): red under a set mask bit shows white XOR red
        if (bpp == 1) im.colours[1] = clWhite;
        im.mask[0] = 1;
        im.mask[1] = 1;
        TBitmap b = ReadIcon(MakeIcon({im}));
        EXPECT_EQ(b.GetPixel(0, 0), clWhite) << bpp;
        EXPECT_EQ(b.GetPixel(1, 0), bpp == 1 ? clBlack : TColor(0xFFFF00)) << bpp; // white ^ red = cyan
        EXPECT_EQ(b.GetPixel(2, 0), clBlack) << bpp;
    }

    IconImage alpha = SolidIcon(32, 32, 32, clRed);
    alpha.alpha.assign(32 * 32, 255);
    alpha.alpha[0] = 0;
    alpha.alpha[1] = 128;
    alpha.mask[2] = 1; // ignored once the entry has alpha
    TBitmap a = ReadIcon(MakeIcon({alpha}));
    EXPECT_EQ(a.GetPixel(0, 0), clWhite);
    EXPECT_EQ(a.GetPixel(1, 0), TColor(0x7F7FFF));
    EXPECT_EQ(a.GetPixel(2, 0), clRed);

    IconImage png = alpha;
    png.png = true;
    TBitmap p = ReadIcon(MakeIcon({SolidIcon(16, 16, 8, clBlue), png}));
    EXPECT_EQ(p.Width(), 32);
    EXPECT_EQ(p.GetPixel(0, 0), clWhite);
    EXPECT_EQ(p.GetPixel(1, 0), TColor(0x7F7FFF));
    EXPECT_EQ(p.GetPixel(5, 5), clRed);
}

// A DIB entry's fields, by offset from the file start of a one-entry icon (directory 6 + 16).
constexpr size_t kEntry = 22;

TEST(IconReader, HostileFilesAreRefused) {
    const std::vector<std::uint8_t> good = MakeIcon({SolidIcon(32, 32, 8, clRed)});
    auto with = [&](const std::function<void(std::vector<std::uint8_t>&)>& damage) {
        std::vector<std::uint8_t> f = good;
        damage(f);
        return f;
    };
    auto put32 = [](std::vector<std::uint8_t>& f, size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f[at + i] = std::uint8_t(v >> (8 * i));
    };
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
        {"empty", {}},
        {"directory cut", std::vector<std::uint8_t>(good.begin(), good.begin() + 10)},
        {"not an icon", with([](auto& f) { f[2] = 7; })},
        {"no entries", with([](auto& f) { f[4] = 0; })},
        {"count past the file", with([](auto& f) { f[4] = 200; })},
        {"entry offset past the end", with([&](auto& f) { put32(f, 18, 1u << 30); })},
        {"entry size past the end", with([&](auto& f) { put32(f, 14, 0xFFFFFFF0u); })},
        {"zero width", with([&](auto& f) { put32(f, kEntry + 4, 0); })},
        {"huge width", with([&](auto& f) { put32(f, kEntry + 4, 0x7FFFFFFF); })},
        {"negative height", with([&](auto& f) { put32(f, kEntry + 8, std::uint32_t(-64)); })},
        {"odd height", with([&](auto& f) { put32(f, kEntry + 8, 63); })},
        {"huge height", with([&](auto& f) { put32(f, kEntry + 8, 0x7FFFFFFE); })},
        {"colour count past 256", with([&](auto& f) { put32(f, kEntry + 32, 100000); })},
        {"bit count 7", with([](auto& f) { f[kEntry + 14] = 7; })},
        {"mask cut", std::vector<std::uint8_t>(good.begin(), good.end() - 64)},
        {"colours cut", std::vector<std::uint8_t>(good.begin(), good.end() - 600)},
    };
    for (const auto& [name, f] : cases) {
        try {
            ReadIcon(f);
            ADD_FAILURE() << name << " was read";
        } catch (const EInvalidGraphic&) {
        }
    }
}

// ---- metafiles ----

TEST(MetafilePlayer, PlaceableWmfMapsItsBoxOntoTheBitmapAtItsUnitsPerInch) {
    WmfBuilder w;
    w.brush(0, clRed).select(0).pen(0, 1, clBlue).select(1).rectangle(100, 200, 300, 400);
    // Box 0,0 .. 1000,500 at 1000 units an inch: 96 x 48 pixels, 0.096 pixels a unit.
    TBitmap b = PlayMetafile(w.build(4, 1000, Rect(0, 0, 1000, 500)));
    ASSERT_EQ(b.Width(), 96);
    ASSERT_EQ(b.Height(), 48);
    EXPECT_EQ(b.GetPixel(20, 30), clRed);
    EXPECT_EQ(b.GetPixel(10, 19), clBlue); // the outline: x 9.6 -> 10, y 19.2 -> 19
    EXPECT_EQ(b.GetPixel(5, 5), clWhite);
    EXPECT_EQ(b.GetPixel(40, 30), clWhite);
}

TEST(MetafilePlayer, PlainWmfTakesItsFirstWindowExtent) {
    WmfBuilder w;
    w.windowOrg(0, 0).windowExt(100, 50).brush(0, clLime).select(0).pen(5, 0, 0).select(1);
    w.polygon({{10, 10}, {40, 10}, {40, 40}, {10, 40}}).ellipse(60, 10, 90, 40);
    w.record(0x0209, {0xFF, 0}).record(0x0102, {1}).text(10, 42, "Hi");
    TBitmap b = PlayMetafile(w.build());
    ASSERT_EQ(b.Width(), 100);
    ASSERT_EQ(b.Height(), 50);
    EXPECT_EQ(b.GetPixel(20, 20), clLime);
    EXPECT_EQ(b.GetPixel(75, 25), clLime);
    EXPECT_EQ(b.GetPixel(50, 25), clWhite);
    EXPECT_EQ(b.GetPixel(61, 11), clWhite); // outside the ellipse's curve
    EXPECT_GT(countColour(b, clRed), 5);    // the text

    // A window extent set later scales what follows onto the same bitmap.
    WmfBuilder twice;
    twice.windowExt(100, 50).brush(0, clRed).select(0).pen(5, 0, 0).select(1).windowExt(50, 25);
    twice.rectangle(0, 0, 10, 10);
    TBitmap t = PlayMetafile(twice.build());
    EXPECT_EQ(t.GetPixel(18, 18), clRed);
    EXPECT_EQ(t.GetPixel(21, 21), clWhite);

    WmfBuilder dib;
    TBitmap src(4, 2);
    src.SetPixel(0, 0, clBlue);
    src.SetPixel(3, 1, clRed);
    dib.windowExt(40, 20).stretchDib(0, 0, 40, 20, src);
    TBitmap d = PlayMetafile(dib.build());
    EXPECT_EQ(d.GetPixel(2, 2), clBlue);
    EXPECT_EQ(d.GetPixel(38, 18), clRed);
    EXPECT_EQ(d.GetPixel(20, 5), clWhite);
}

TEST(MetafilePlayer, EmfFrameSetsTheSizeAndShapesTextAndDibsDraw) {
    EmfBuilder e;
    e.brush(1, 0, clRed).select(1).select(0x80000008u); // NULL_PEN
    e.rectangle(2, 2, 20, 20).polygon16({{25, 2}, {38, 2}, {38, 20}});
    e.select(0x80000004u).ellipse(2, 22, 12, 30); // BLACK_BRUSH
    e.record(24, {0xFF0000}).record(18, {1}).textW(20, 20, "Ab");
    TBitmap src(2, 2);
    src.SetPixel(0, 0, clLime);
    src.SetPixel(1, 1, clBlue);
    e.stretchDibits(30, 24, 8, 6, src);
    TBitmap b = PlayMetafile(e.build(EmfFrameFor(40, 30)));
    ASSERT_EQ(b.Width(), 40);
    ASSERT_EQ(b.Height(), 30);
    EXPECT_EQ(b.GetPixel(10, 10), clRed);
    EXPECT_EQ(b.GetPixel(36, 5), clRed);
    EXPECT_EQ(b.GetPixel(27, 15), clWhite); // left of the triangle's slope
    EXPECT_EQ(b.GetPixel(7, 26), clBlack);
    EXPECT_EQ(b.GetPixel(31, 25), clLime);
    EXPECT_EQ(b.GetPixel(36, 28), clBlue);
    EXPECT_GT(countColour(b, clBlue), 12 + 5); // the DIB's quarter and the text
}

TEST(MetafilePlayer, ClipSaveAndRestoreAndWorldTransform) {
    EmfBuilder e;
    e.brush(1, 0, clRed).select(1).select(0x80000008u);
    e.record(33).record(30, {0, 0, 10, 10}).rectangle(0, 0, 40, 30).record(34, {-1});
    e.record(35);
    TBitmap clipped = PlayMetafile(e.build(EmfFrameFor(40, 30)));
    EXPECT_EQ(countColour(clipped, clRed), 100);

    EmfBuilder moved;
    ByteWriter xf;
    xf.f32(1).f32(0).f32(0).f32(1).f32(20).f32(10);
    moved.brush(1, 0, clRed).select(1).select(0x80000008u).record(35, xf.bytes).rectangle(0, 0, 5, 5);
    TBitmap m = PlayMetafile(moved.build(EmfFrameFor(40, 30)));
    EXPECT_EQ(m.GetPixel(22, 12), clRed);
    EXPECT_EQ(m.GetPixel(2, 2), clWhite);
}

TEST(MetafilePlayer, HostileFilesEndPlaybackOrAreRefused) {
    auto put = [](std::vector<std::uint8_t> f, size_t at, std::uint32_t v, int bytes = 4) {
        for (int i = 0; i < bytes && at + i < f.size(); ++i)
            f[at + i] = std::uint8_t(v >> (8 * i));
        return f;
    };
    const std::vector<std::uint8_t> plain = WmfBuilder().windowExt(20, 10).rectangle(0, 0, 5, 5).build();
    const std::vector<std::uint8_t> placeable =
        WmfBuilder().rectangle(0, 0, 5, 5).build(4, 96, Rect(0, 0, 20, 10));
    const std::vector<std::uint8_t> emf = EmfBuilder().rectangle(0, 0, 5, 5).build(EmfFrameFor(20, 10));
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        bool plays; // false: refused
    };
    WmfBuilder deep;
    deep.windowExt(20, 10);
    for (int i = 0; i < 5000; ++i)
        deep.record(0x001E);
    for (int i = 0; i < 5000; ++i)
        deep.record(0x0127, {-1});
    WmfBuilder objects;
    objects.windowExt(20, 10);
    for (int i = 0; i < 50; ++i)
        objects.brush(0, clRed);
    objects.select(40000).select(-1).record(0x01F0, {30000}).rectangle(0, 0, 5, 5);
    WmfBuilder counts;
    counts.windowExt(20, 10).record(0x0324, {30000, 1, 1}).record(0x0538, {3, 1000, 2, 2, 1, 1});
    counts.record(0x0521, {500, 0x4141}).record(0x0A32, {0, 0, 900, 6, 1, 1, 1, 1});
    counts.record(0x0F43, {0x20, 0xCC, 0, 1, 1, 0, 0, 5, 5, 0, 0, 40, 0});
    EmfBuilder emfCounts;
    emfCounts.record(86, {0, 0, 0, 0, 100000}).record(8, {0, 0, 0, 0, 2, 4, 1, 1000});
    emfCounts.record(84, {0, 0, 0, 0, 1, 0, 0, 0, 0, 5000, 76, 0});
    emfCounts.record(81, {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 80, 4000, 9000, 10});
    emfCounts.select(60000).record(40, {-5}).pen(70000, 0, 1, 0).record(94, {3, 0, 5000, 40, 0, 0});
    EmfBuilder emfPaths;
    emfPaths.record(59).record(62, {0, 0, 0, 0}).record(60).record(64, {0, 0, 0, 0});
    for (int i = 0; i < 200; ++i)
        emfPaths.record(36, {0, 0, 0, 0, 0, 0, 9});
    const std::vector<Case> cases = {
        {"wmf: empty", {}, false},
        {"wmf: header cut", std::vector<std::uint8_t>(plain.begin(), plain.begin() + 12), false},
        {"wmf: header size not 9", put(plain, 2, 8, 2), false},
        {"wmf: no window extent", WmfBuilder().rectangle(0, 0, 5, 5).build(), false},
        {"wmf: zero window extent", put(plain, 18 + 6, 0, 2), false},
        {"placeable: zero units an inch", put(placeable, 14, 0, 2), false},
        {"placeable: zero box", put(put(placeable, 10, 0, 2), 12, 0, 2), false},
        {"placeable: box past the size cap", put(placeable, 10, 0x7FFF, 2), true},
        {"placeable: cut inside its header",
         std::vector<std::uint8_t>(placeable.begin(), placeable.begin() + 20), false},
        {"wmf: record size past the end", put(plain, 18 + 10, 0xFFFFFF), true},
        {"wmf: record size 0", put(plain, 18 + 10, 0), true},
        {"wmf: cut in a record", std::vector<std::uint8_t>(plain.begin(), plain.end() - 9), true},
        {"wmf: 5000 saves deep", deep.build(), true},
        {"wmf: object indexes past the table", objects.build(), true},
        {"wmf: counts past their records", counts.build(), true},
        {"emf: empty frame", put(put(emf, 32, 0), 36, 0), false},
        {"emf: huge frame", put(put(emf, 32, 0x7FFFFFFF), 36, 0x7FFFFFFF), false},
        {"emf: negative huge frame", put(emf, 24, 0x80000000u), false},
        {"emf: no millimetres", put(emf, 80, 0), false},
        {"emf: record size past the end", put(emf, 92, 0xFFFFFF), true},
        {"emf: record shorter than its header", put(emf, 92, 4), true},
        {"emf: counts, strings, DIBs and indexes past their records", emfCounts.build(EmfFrameFor(20, 10)),
         true},
        {"emf: paths out of order and bad transforms", emfPaths.build(EmfFrameFor(20, 10)), true},
    };
    for (const Case& c : cases) {
        try {
            TBitmap b = PlayMetafile(c.file);
            EXPECT_TRUE(c.plays) << c.name << " was played";
            EXPECT_TRUE(PictureSizeAllowed(b.Width(), b.Height())) << c.name;
        } catch (const EInvalidGraphic&) {
            EXPECT_FALSE(c.plays) << c.name << " was refused";
        }
    }
}

TEST(PictureLoader, ChoosesTheReaderByExtensionAndRefusesTheRest) {
    TestFolder dir;
    TBitmap bmp(3, 2);
    bmp.SetPixel(0, 0, clRed);
    writeFile(dir.file("a.Bmp"), WriteBmp(bmp));
    writeFile(dir.file("b.ico"), MakeIcon({SolidIcon(32, 32, 8, clBlue)}));
    writeFile(dir.file("c.WMF"), WmfBuilder().windowExt(7, 5).build());
    writeFile(dir.file("d.emf"), EmfBuilder().build(EmfFrameFor(9, 4)));
    writeFile(dir.file("e.jpeg"), std::vector<std::uint8_t>{1, 2, 3});
    writeFile(dir.file("f.gif"), WriteBmp(bmp));
    writeFile(dir.file("g.bmp.ico"), WriteBmp(bmp)); // a BMP under an icon's name
    struct Case {
        const char* name;
        int width; // 0: refused as not a picture
    };
    for (const Case& c : std::vector<Case>{{"a.Bmp", 3},
                                           {"b.ico", 32},
                                           {"c.WMF", 7},
                                           {"d.emf", 9},
                                           {"e.jpeg", 0},
                                           {"f.gif", 0},
                                           {"g.bmp.ico", 0}}) {
        try {
            TLoadedPicture p = LoadPictureFile(dir.file(c.name));
            EXPECT_FALSE(p.IsJpeg()) << c.name;
            EXPECT_EQ(p.bitmap.Width(), c.width) << c.name;
        } catch (const EInvalidGraphic&) {
            EXPECT_EQ(c.width, 0) << c.name;
        }
    }
    EXPECT_THROW(LoadPictureFile(dir.file("missing.ico")), EStreamError);
    EXPECT_THROW(LoadPictureFile(dir.file("missing.bmp")), EStreamError);
}

} // namespace
