#include "Clipboard.h"
#include "QtClipboardSystem.h"
#include "TestClipboardSystem.h"

#include <gtest/gtest.h>

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

} // namespace
