#include "Mapper.h"
#include "Pixels.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<PALETTEENTRY> randompalette(unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<PALETTEENTRY> e(256);
    for (auto& p : e)
        p = {std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng()), 0};
    return e;
}

// Nearest entry by least squared distance, lowest index on ties.
int nearest(const std::vector<PALETTEENTRY>& pal, TColor c) {
    int best = 0;
    long bestD = -1;
    for (int i = 0; i < int(pal.size()); ++i) {
        long dr = pal[size_t(i)].peRed - GetRValue(c), dg = pal[size_t(i)].peGreen - GetGValue(c),
             db = pal[size_t(i)].peBlue - GetBValue(c);
        long d = dr * dr + dg * dg + db * db;
        if (bestD < 0 || d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

TEST(Maptopalette, EveryPixelShowsItsNearestPageColour) {
    std::vector<PALETTEENTRY> pageEntries = randompalette(1), clipEntries = randompalette(2);
    // Two page entries of one colour: the lower index wins.
    pageEntries[9] = pageEntries[5] = {10, 20, 30, 0};
    clipEntries[3] = {11, 21, 31, 0};
    HPALETTE page = CreatePalette(pageEntries);
    TBitmap clip = noisePicture(53, 29, 3, pf8bit);
    clip.SetPalette(CreatePalette(clipEntries));
    clip.ScanLine(0)[0] = 3;
    clip.ScanLine(0)[1] = 0;
    clip.ScanLine(0)[2] = 255;
    TBitmap before = clip;

    TQuietProgress bar;
    ASSERT_TRUE(maptopalette(page, clip, bar));

    const auto& now = clip.Palette()->entries;
    ASSERT_EQ(now.size(), 256u);
    EXPECT_EQ(now[0], clipEntries[0]);
    EXPECT_EQ(now[255], clipEntries[255]);
    for (size_t i = 1; i <= 254; ++i)
        ASSERT_EQ(now[i], pageEntries[i]) << i;
    for (int y = 0; y < clip.Height(); ++y)
        for (int x = 0; x < clip.Width(); ++x)
            ASSERT_EQ(clip.ScanLine(y)[x], nearest(now, before.GetPixel(x, y))) << x << "," << y;
    EXPECT_EQ(clip.ScanLine(0)[0], 5); // the tie
    EXPECT_EQ(clip.ScanLine(0)[1], 0); // the clip's own entries keep their pixels
    EXPECT_EQ(clip.ScanLine(0)[2], 255);
    EXPECT_FALSE(bar.visible);
    EXPECT_EQ(bar.pumps, 255);
}

TEST(Maptopalette, RefusesWhatIsNotTwoFullPalettes) {
    HPALETTE page = CreatePalette(randompalette(4));
    TQuietProgress bar;
    TBitmap trueColour = noisePicture(8, 8, 5);
    TBitmap copy = trueColour;
    EXPECT_FALSE(maptopalette(page, trueColour, bar));
    EXPECT_TRUE(samePixels(copy, trueColour));

    TBitmap clip = noisePicture(8, 8, 6, pf8bit);
    TBitmap clipBefore = clip;
    std::vector<PALETTEENTRY> sixteen(16);
    EXPECT_FALSE(maptopalette(CreatePalette(sixteen), clip, bar));
    EXPECT_FALSE(maptopalette(nullptr, clip, bar));
    EXPECT_EQ(clip.Palette()->entries, clipBefore.Palette()->entries);
    EXPECT_TRUE(samePixels(clip, clipBefore));
    EXPECT_EQ(bar.pumps, 0);
}

// A handler run while messages are pumped turns the clip into true colour: the mapping stops
// instead of treating its pixels as indexes.
class ConvertingProgress : public TQuietProgress {
public:
    TBitmap* clip = nullptr;
    void ProcessMessages() override {
        TQuietProgress::ProcessMessages();
        if (clip && clip->IsIndexed()) clip->SetPixelFormat(pf24bit);
    }
};

TEST(Maptopalette, StopsWhenTheClipChangesKindWhileMessagesRun) {
    TBitmap clip = noisePicture(8, 8, 7, pf8bit);
    ConvertingProgress bar;
    bar.clip = &clip;
    EXPECT_FALSE(maptopalette(CreatePalette(randompalette(8)), clip, bar));
    EXPECT_FALSE(bar.visible);
    EXPECT_FALSE(clip.IsIndexed());
}

} // namespace
