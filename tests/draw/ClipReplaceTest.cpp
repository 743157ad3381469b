// "Replace a color with clipboard": the clip lies at the page's top-left, whatever point was
// clicked; without a bitmap on the clipboard the page stays as it was.
#include "Clipboard.h"
#include "DrawFixture.h"
#include "MessageBox.h"
#include "TestClipboardSystem.h"

#include <memory>

namespace {

class ClipReplaceTest : public DrawTest {
protected:
    void SetUp() override {
        DrawTest::SetUp();
        system = std::make_shared<TestClipboardSystem>();
        SetClipboardSystem(system);
    }
    void TearDown() override {
        SetClipboardSystem(nullptr);
        DrawTest::TearDown();
    }
    std::shared_ptr<TestClipboardSystem> system;
};

// A 20 x 10 clip: each pixel its own colour, so a misplaced copy shows.
TBitmap clip() {
    TBitmap b(20, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            b.SetPixel(x, y, RGB(x * 10, y * 20, 7));
    return b;
}

TEST_F(ClipReplaceTest, MatchingPixelsInsideTheClipTakeTheClipsPixel) {
    Clipboard()->Assign(clip());
    for (TPoint p : {Point(0, 0), Point(5, 5), Point(19, 9), Point(20, 5), Point(100, 100)})
        page().SetPixel(p.x, p.y, clRed);
    page().SetPixel(6, 6, clBlue); // another colour: kept
    TBitmap before(page());
    choose(217);
    click(100, 100); // on a red pixel far outside the clip
    EXPECT_EQ(page().GetPixel(0, 0), RGB(0, 0, 7));
    EXPECT_EQ(page().GetPixel(5, 5), RGB(50, 100, 7));
    EXPECT_EQ(page().GetPixel(19, 9), RGB(190, 180, 7));
    EXPECT_EQ(page().GetPixel(20, 5), clRed); // just right of the clip
    EXPECT_EQ(page().GetPixel(100, 100), clRed);
    EXPECT_EQ(page().GetPixel(6, 6), clBlue);
    EXPECT_EQ(page().GetPixel(1, 1), clWhite);
    EXPECT_TRUE(samePixels(undo(), before));
    EXPECT_TRUE(system->IsFormatAvailable(CF_BITMAP)); // readers leave the clipboard alone
}

TEST_F(ClipReplaceTest, ClipboardWithoutABitmapLeavesThePage) {
    Clipboard()->SetAsText("words");
    page().SetPixel(3, 3, clRed);
    TBitmap before(page());
    ModalSeam().QueueButton(IDOK);
    choose(217);
    click(3, 3);
    EXPECT_TRUE(samePixels(page(), before));
    ASSERT_FALSE(ModalSeam().Log().empty());
    EXPECT_EQ(ModalSeam().Log().back().text, "Clipboard not available");
    EXPECT_EQ(ModalSeam().Log().back().name, "Error");
    std::string text;
    EXPECT_TRUE(system->GetText(text)); // the text is still there
    EXPECT_EQ(text, "words");
}

TEST_F(ClipReplaceTest, ABitmapAnnouncedWithoutDataIsReportedTheSame) {
    Clipboard()->AnnounceFormat(CF_BITMAP);
    TBitmap before(page());
    ModalSeam().QueueButton(IDOK);
    choose(217);
    click(3, 3);
    EXPECT_TRUE(samePixels(page(), before));
    EXPECT_EQ(ModalSeam().Log().back().text, "Clipboard not available");
}

} // namespace
