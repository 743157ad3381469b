// Mutation runs over each reader: every damaged file must either read or be refused with
// EInvalidGraphic, never crash, hang or throw anything else. Faults found here stay as fixed
// cases in the hostile tables of the normal tests.
#include "BmpCodec.h"
#include "CodecFixtures.h"
#include "JpegImage.h"
#include "PictureBuilders.h"
#include "PictureLoader.h"
#include "TestFolder.h"

#include <cstdio>

#include <gtest/gtest.h>

namespace {

std::vector<std::vector<std::uint8_t>> bmpSeeds() {
    std::vector<std::vector<std::uint8_t>> seeds;
    seeds.push_back(WriteBmp(TestPicture(17, 9)));
    TBitmap eight = TestPicture(13, 7);
    eight.SetPixelFormat(pf8bit);
    seeds.push_back(WriteBmp(eight));
    TBitmap one(21, 5, pf1bit);
    seeds.push_back(WriteBmp(one));
    seeds.push_back(MakeBmp({.width = 6,
                             .height = 4,
                             .bpp = 8,
                             .compression = 1,
                             .clrUsed = 4,
                             .palette = {0, 0xFF, 0xFF00, 0xFF0000},
                             .pixels = {3, 1, 0, 3, 2, 3, 0, 0, 0, 2, 1, 1, 2, 2, 0, 0, 6, 3, 0, 1}}));
    seeds.push_back(
        MakeBmp({.width = 7,
                 .height = 3,
                 .bpp = 4,
                 .compression = 2,
                 .clrUsed = 3,
                 .palette = {0, 0xFF, 0xFF00},
                 .pixels = {7, 0x12, 0, 0, 0, 5, 0x12, 0x01, 0x20, 0, 0, 2, 1, 1, 3, 0x22, 0, 1}}));
    seeds.push_back(MakeBmp({.width = 3,
                             .height = -2,
                             .bpp = 16,
                             .compression = 3,
                             .masks = {0xF800, 0x07E0, 0x001F},
                             .pixels = PadRows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}})}));
    seeds.push_back(MakeBmp({.headerSize = 12,
                             .width = 2,
                             .height = 2,
                             .bpp = 8,
                             .palette = {0xFF, 0xFF00},
                             .pixels = PadRows({{1, 0}, {0, 1}})}));
    seeds.push_back(MakeBmp({.headerSize = 124,
                             .width = 2,
                             .height = 1,
                             .bpp = 32,
                             .compression = 3,
                             .masks = {0xFF, 0xFF00, 0xFF0000},
                             .pixels = {1, 2, 3, 4, 5, 6, 7, 8}}));
    return seeds;
}

TEST(BmpFuzz, DamagedFilesReadOrAreRefused) {
    const auto seeds = bmpSeeds();
    TestFolder dir;
    SeededRandom rnd(20240501);
    const int iterations = FuzzIterations(600);
    int refused = 0;
    for (int i = 0; i < iterations; ++i) {
        std::vector<std::uint8_t> f = seeds[rnd.below(seeds.size())];
        for (std::size_t m = 1 + rnd.below(4); m > 0; --m)
            Mutate(f, rnd);
        bool memoryRefused = false;
        int width = 0;
        try {
            TBitmap b = ReadBmp(f);
            ASSERT_TRUE(PictureSizeAllowed(b.Width(), b.Height())) << "iteration " << i;
            width = b.Width();
        } catch (const EInvalidGraphic&) {
            ++refused;
            memoryRefused = true;
        } catch (const std::exception& e) {
            FAIL() << "iteration " << i << ": " << e.what();
        }
        // Files stream from the disk by another path; every tenth case goes that way too and
        // must end the same.
        if (i % 10 == 0) {
            std::FILE* out = std::fopen(dir.file("f.bmp").c_str(), "wb");
            ASSERT_NE(out, nullptr);
            if (!f.empty()) std::fwrite(f.data(), 1, f.size(), out);
            std::fclose(out);
            try {
                TBitmap b = ReadBmpFile(dir.file("f.bmp"));
                EXPECT_FALSE(memoryRefused) << "iteration " << i;
                EXPECT_EQ(b.Width(), width) << "iteration " << i;
            } catch (const EInvalidGraphic&) {
                EXPECT_TRUE(memoryRefused) << "iteration " << i;
            }
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, iterations);
}

std::vector<std::vector<std::uint8_t>> jpegSeeds() {
    std::vector<std::vector<std::uint8_t>> seeds;
    for (bool progressive : {false, true}) {
        TJPEGImage j;
        j.Assign(TestPicture(40, 24));
        j.SetProgressiveEncoding(progressive);
        j.SetCompressionQuality(progressive ? 60 : 90);
        seeds.push_back(j.Data());
    }
    return seeds;
}

TEST(JpegFuzz, DamagedFilesDecodeOrAreRefused) {
    const auto seeds = jpegSeeds();
    SeededRandom rnd(77);
    const int iterations = FuzzIterations(300);
    int refused = 0;
    for (int i = 0; i < iterations; ++i) {
        std::vector<std::uint8_t> f = seeds[rnd.below(seeds.size())];
        for (std::size_t m = 1 + rnd.below(3); m > 0; --m)
            Mutate(f, rnd);
        TJPEGImage j;
        j.SetScale(TJPEGScale(rnd.below(4)));
        j.SetPixelFormat(rnd.below(2) ? jf8Bit : jf24Bit);
        j.SetGrayscale(rnd.below(4) == 0);
        j.SetPerformance(rnd.below(2) ? jpBestSpeed : jpBestQuality);
        j.SetProgressiveDisplay(rnd.below(2));
        try {
            j.LoadFromStream(f);
            const TBitmap& b = j.Bitmap();
            ASSERT_EQ(b.Width(), j.Width()) << "iteration " << i;
            ASSERT_TRUE(PictureSizeAllowed(b.Width(), b.Height())) << "iteration " << i;
        } catch (const EInvalidGraphic&) {
            ++refused;
        } catch (const std::exception& e) {
            FAIL() << "iteration " << i << ": " << e.what();
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, iterations);
}

// Icons and metafiles: each damaged file reads or is refused; a metafile that claims a large
// picture is only measured, so the run stays small.
template <class Read>
void fuzzReader(const std::vector<std::vector<std::uint8_t>>& seeds, std::uint64_t seed, int fallback,
                Read&& read) {
    SeededRandom rnd(seed);
    const int iterations = FuzzIterations(fallback);
    int refused = 0;
    for (int i = 0; i < iterations; ++i) {
        std::vector<std::uint8_t> f = seeds[rnd.below(seeds.size())];
        for (std::size_t m = 1 + rnd.below(3); m > 0; --m)
            Mutate(f, rnd);
        try {
            const TBitmap b = read(f);
            ASSERT_TRUE(PictureSizeAllowed(b.Width(), b.Height())) << "iteration " << i;
        } catch (const EInvalidGraphic&) {
            ++refused;
        } catch (const std::exception& e) {
            FAIL() << "iteration " << i << ": " << e.what();
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, iterations);
}

TEST(IconFuzz, DamagedIconsReadOrAreRefused) {
    IconImage alpha = SolidIcon(32, 32, 32, clRed);
    alpha.alpha.assign(32 * 32, 200);
    IconImage png = SolidIcon(16, 16, 32, clBlue);
    png.png = true;
    fuzzReader({MakeIcon({SolidIcon(16, 16, 4, clRed), SolidIcon(32, 32, 8, clLime)}), MakeIcon({alpha}),
                MakeIcon({SolidIcon(8, 8, 1, clBlack), png})},
               31, 400, [](const auto& f) { return ReadIcon(f); });
}

TBitmap playSmall(const std::vector<std::uint8_t>& f) {
    const TPoint size = MetafileSize(f);
    if ((long long)size.x * size.y > 1 << 20) return TBitmap(1, 1);
    return PlayMetafile(f);
}

TEST(MetafileFuzz, DamagedWmfPlaysOrIsRefused) {
    TBitmap dib = TestPicture(6, 4);
    WmfBuilder a;
    a.windowExt(60, 40).pen(0, 2, clBlue).brush(2, clRed, 3).select(0).select(1);
    a.polygon({{1, 1}, {50, 5}, {30, 35}}).ellipse(5, 5, 40, 30).record(0x001E).rectangle(2, 2, 9, 9);
    a.record(0x0416, {20, 20, 0, 0}).text(3, 20, "Fuzz").record(0x0127, {-1}).stretchDib(10, 10, 30, 20, dib);
    a.record(0x0538, {2, 3, 3, 0, 0, 10, 0, 10, 10, 20, 20, 30, 20, 20, 30});
    WmfBuilder b;
    b.record(0x0142, std::vector<std::uint8_t>{5, 0, 0, 0}).windowOrg(-5, -5).rectangle(0, 0, 10, 10);
    fuzzReader({a.build(), a.build(4, 1440, Rect(0, 0, 720, 480)), b.build(2, 96, Rect(0, 0, 40, 40))}, 41,
               400, playSmall);
}

TEST(MetafileFuzz, DamagedEmfPlaysOrIsRefused) {
    EmfBuilder e;
    e.pen(1, 0, 3, clBlue).brush(2, 2, clRed, 4).select(1).select(2).rectangle(2, 2, 30, 20);
    e.polygon16({{1, 1}, {30, 5}, {20, 25}}).record(33).record(30, {0, 0, 15, 15}).ellipse(0, 0, 39, 29);
    e.record(34, {-1}).textW(5, 5, "Fuzz").stretchDibits(20, 10, 10, 8, TestPicture(5, 4));
    e.record(59).rectangle(1, 1, 8, 8).record(60).record(63, {0, 0, 0, 0});
    ByteWriter xf;
    xf.f32(0.5f).f32(0.2f).f32(-0.2f).f32(0.5f).f32(3).f32(4).u32(2);
    e.record(36, xf.bytes).record(17, {8}).record(9, {100, 100}).record(11, {40, 30}).ellipse(10, 10, 90, 90);
    fuzzReader({e.build(EmfFrameFor(40, 30))}, 51, 400, playSmall);
}

} // namespace
