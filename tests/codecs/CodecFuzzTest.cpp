// Mutation runs over each reader: every damaged file must either read or be refused with
// EInvalidGraphic, never crash, hang or throw anything else. Faults found here stay as fixed
// cases in the hostile tables of the normal tests.
#include "BmpCodec.h"
#include "CodecFixtures.h"
#include "JpegImage.h"
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

} // namespace
