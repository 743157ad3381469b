#include "Clipboard.h"
#include "QtClipboardSystem.h"
#include "TestClipboardSystem.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        sys = std::make_shared<TestClipboardSystem>();
        SetClipboardSystem(sys);
    }
    void TearDown() override { SetClipboardSystem(nullptr); }

    // The program's guard before a bitmap transfer: announce when the format is missing, then
    // test again.
    bool guard() {
        if (!Clipboard()->HasFormat(CF_BITMAP)) {
            Clipboard()->Open();
            Clipboard()->Clear();
            Clipboard()->AnnounceFormat(CF_BITMAP);
            Clipboard()->Close();
        }
        return Clipboard()->HasFormat(CF_BITMAP);
    }

    static TBitmap sample() {
        TBitmap b(3, 2, pf24bit);
        b.SetPixel(1, 1, clRed);
        return b;
    }

    std::shared_ptr<TestClipboardSystem> sys;
};

TEST_F(ClipboardTest, CopyOverTextReplacesItWithTheBitmap) {
    sys->PutTextFromOtherProgram("hello");
    ASSERT_TRUE(guard());
    Clipboard()->Assign(sample());
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
    TBitmap got;
    Clipboard()->GetBitmap(got);
    EXPECT_EQ(got.Width(), 3);
    EXPECT_EQ(got.GetPixel(1, 1), clRed);
    EXPECT_FALSE(sys->IsOpen());
}

TEST_F(ClipboardTest, HeldByAnotherProgramTheGuardFailsAndNothingChanges) {
    sys->PutTextFromOtherProgram("theirs");
    sys->SetHeldByOtherProgram(true);
    EXPECT_FALSE(guard());
    Clipboard()->Assign(sample());
    Clipboard()->SetAsText("ours");
    sys->SetHeldByOtherProgram(false);
    EXPECT_EQ(Clipboard()->AsText(), "theirs");
    EXPECT_FALSE(Clipboard()->HasFormat(CF_BITMAP));
    EXPECT_EQ(Clipboard()->OpenCount(), 0);
}

TEST_F(ClipboardTest, EmptyClipboardPassesTheGuardButTheReadFails) {
    ASSERT_TRUE(guard());
    TBitmap keep = sample();
    EXPECT_THROW(Clipboard()->GetBitmap(keep), EClipboardError);
    EXPECT_EQ(keep.Width(), 3) << "a failed read leaves the caller's bitmap";
}

TEST_F(ClipboardTest, OpenIsCountedAndTheFirstWriteEmptiesOnce) {
    sys->PutTextFromOtherProgram("old");
    Clipboard()->Open();
    Clipboard()->Open();
    EXPECT_EQ(sys->OpenCalls(), 1);
    Clipboard()->SetAsText("a");
    Clipboard()->Assign(sample());
    EXPECT_EQ(sys->EmptyCalls(), 1);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    Clipboard()->Close();
    EXPECT_TRUE(sys->IsOpen());
    Clipboard()->Close();
    EXPECT_FALSE(sys->IsOpen());
    Clipboard()->Close(); // not open: nothing happens
    EXPECT_EQ(Clipboard()->OpenCount(), 0);
}

TEST_F(ClipboardTest, PaletteTravelsWithAPaletteBitmap) {
    TBitmap b(2, 2, pf8bit);
    auto pal = CreatePalette(std::vector<PALETTEENTRY>(256, {10, 20, 30, 0}));
    b.SetPalette(pal);
    Clipboard()->Assign(b);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_PALETTE));
    TBitmap got;
    Clipboard()->GetBitmap(got);
    ASSERT_TRUE(got.Palette());
    EXPECT_EQ(got.PixelFormat(), pf8bit);
    EXPECT_EQ(got.Palette()->entries[5].peGreen, 20);
    // A true-colour bitmap without a palette puts none.
    Clipboard()->Assign(sample());
    EXPECT_FALSE(Clipboard()->HasFormat(CF_PALETTE));
}

TEST_F(ClipboardTest, ReleaseLetsGoOfAnOpenClipboardAndStartsFresh) {
    Clipboard()->Open();
    ASSERT_TRUE(sys->IsOpen());
    // "Try and Free it": close once, empty, release.
    Clipboard()->Open();
    Clipboard()->Close();
    Clipboard()->Clear();
    ReleaseClipboard();
    EXPECT_FALSE(sys->IsOpen());
    EXPECT_EQ(Clipboard()->OpenCount(), 0);
    EXPECT_TRUE(guard());
}

TEST(QtClipboard, TextAndExactBitmapRoundTrip) {
    SetClipboardSystem(std::make_shared<QtClipboardSystem>());
    Clipboard()->SetAsText("line");
    EXPECT_EQ(Clipboard()->AsText(), "line");
    TBitmap b(4, 3, pf8bit);
    b.SetPixel(2, 1, clRed);
    Clipboard()->Assign(b);
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
    TBitmap got;
    Clipboard()->GetBitmap(got);
    EXPECT_EQ(got.PixelFormat(), pf8bit);
    EXPECT_EQ(got.GetPixel(2, 1), b.GetPixel(2, 1));
    Clipboard()->Clear();
    Clipboard()->AnnounceFormat(CF_BITMAP);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    EXPECT_THROW(Clipboard()->GetBitmap(got), EClipboardError);
    SetClipboardSystem(nullptr);
}

// Resident memory now, from the kernel's account of the process; -1 where it has none.
long long residentBytes() {
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return -1;
    long long pages = 0, resident = -1;
    if (std::fscanf(f, "%lld %lld", &pages, &resident) != 2) resident = -1;
    std::fclose(f);
    return resident < 0 ? -1 : resident * sysconf(_SC_PAGESIZE);
}

TEST(QtClipboard, APutPictureIsHeldOnceAndShownToOthersAsAPicture) {
    SetClipboardSystem(std::make_shared<QtClipboardSystem>());
    TBitmap page(2000, 2000, pf24bit); // 16 MB of pixels
    page.SetPixel(1999, 1999, clBlue);
    const long long before = residentBytes();
    Clipboard()->Assign(page);
    const long long after = residentBytes();
    if (before >= 0 && after >= 0) {
        // The bitmap's bytes (16 MB) and nothing near a second copy of them.
        EXPECT_LT(after - before, 24ll << 20);
    }
    // Other programs asking for a picture get the same pixels.
    const QMimeData* d = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(d && d->hasImage());
    const QImage img = qvariant_cast<QImage>(d->imageData());
    ASSERT_EQ(img.width(), 2000);
    EXPECT_EQ(img.pixel(1999, 1999), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(0, 0), qRgb(255, 255, 255));
    TBitmap got;
    Clipboard()->GetBitmap(got);
    EXPECT_EQ(got.GetPixel(1999, 1999), clBlue);
    SetClipboardSystem(nullptr);
}

} // namespace
