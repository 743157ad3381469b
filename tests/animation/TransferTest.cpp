// The page handed from the "Animation Transfer" tab to Drag n' Save, which saves what is dropped on
// it as numbered frame files, and pictures dragged back onto the tab's drop site becoming the page.
#include "Application.h"
#include "BmpCodec.h"
#include "Dialogs.h"
#include "DragDrop.h"
#include "FileIO.h"
#include "MessageBox.h"
#include "OrvantaFixture.h"
#include "RealEvents.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "animcap.h"
#include "animname.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Drags `source` onto `target` as the mouse would: begun at once, over the target, released.
bool dragOnto(TControl* source, TControl* target) {
    DragDrop::Begin(source, true, 0);
    const bool accepted = DragDrop::MoveTo(target, 4, 4);
    DragDrop::Finish(true);
    return accepted;
}

std::size_t filesIn(const fs::path& dir) {
    return std::distance(fs::directory_iterator(dir), {});
}

class DragSaveTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        Form1->SpinEdit3->SetValue(0);
        Form1->Edit1->SetText("MyAnimation");
        Form1->Show();
        source.Picture().Assign(noisePicture(320, 240, 7));
    }
    void TearDown() override {
        Form1->Close();
        AnimCap1->Close();
        OrvantaTest::TearDown();
    }
    TImage source{Pbook1, Pbook1->TabSheet2};
    TestFolder folder;
};

TEST_F(DragSaveTest, ADropIsSavedAsTheNextNumberedFrame) {
    TForm1& f = *Form1;
    const fs::path first = folder.path() / "first.bmp";
    ModalSeam().QueueFileName(first.string());
    EXPECT_TRUE(dragOnto(&source, f.Image1));
    EXPECT_EQ(f.SavePictureDialog1->FileName(), first.string());
    EXPECT_EQ(f.label1->Caption(), "Width: 320");
    EXPECT_EQ(f.Label2->Caption(), "Height: 240");
    EXPECT_EQ(f.SpinEdit3->Value(), 1);
    EXPECT_TRUE(samePixels(ReadBmpFile(first.string()), source.Picture().Bitmap()));
    EXPECT_TRUE(samePixels(f.Image1->Picture().Bitmap(), source.Picture().Bitmap()));
    EXPECT_TRUE(f.Image1->Stretch());

    // Cancel changes nothing: not the number, the labels or the picture shown.
    TImage small(Pbook1, Pbook1->TabSheet2);
    small.Picture().Assign(uniformPicture(5, 6, clRed));
    ModalSeam().QueueCancel();
    dragOnto(&small, f.Image1);
    EXPECT_EQ(f.SavePictureDialog1->FileName(), "MyAnimation001.bmp");
    EXPECT_EQ(f.SpinEdit3->Value(), 1);
    EXPECT_EQ(f.label1->Caption(), "Width: 320");
    EXPECT_EQ(f.Image1->Picture().Width(), 320);
    EXPECT_EQ(filesIn(folder.path()), 1u);
}

TEST_F(DragSaveTest, ProposedNamesAndTheFirstOne) {
    TForm1& f = *Form1;
    for (auto [n, name] : {std::pair{0, "MyAnimation000.bmp"},
                           {9, "MyAnimation009.bmp"},
                           {10, "MyAnimation010.bmp"},
                           {99, "MyAnimation099.bmp"},
                           {100, "MyAnimation100.bmp"}}) {
        f.SpinEdit3->SetValue(n);
        ModalSeam().QueueCancel();
        dragOnto(&source, f.Image1);
        EXPECT_EQ(f.SavePictureDialog1->FileName(), name);
        EXPECT_EQ(f.SpinEdit3->Value(), n);
    }
    EXPECT_EQ(f.SavePictureDialog1->Filter(), "Windows Bitmaps (*.BMP)|*.BMP");
    EXPECT_EQ(f.SavePictureDialog1->DefaultExt(), "BMP");
}

// A control that is not an image is refused; an image control with no picture (the manager's
// thumbnail before any picture, this window's own emptied drop site) would once have become a
// file no reader accepts, the number moved on. No dialog opens for either (none is queued).
TEST_F(DragSaveTest, NonImagesAndEmptyImagesAreRefused) {
    TForm1& f = *Form1;
    EXPECT_FALSE(dragOnto(f.Edit1, f.Image1));
    TImage empty(Pbook1, Pbook1->TabSheet2);
    EXPECT_TRUE(dragOnto(&empty, f.Image1));
    f.Image1->Picture().Assign(uniformPicture(8, 8, clBlue));
    f.Close();
    EXPECT_TRUE(f.Image1->Picture().Empty()) << "closing empties the drop site";
    f.Show();
    dragOnto(f.Image1, f.Image1);
    EXPECT_EQ(f.SpinEdit3->Value(), 0);
    EXPECT_EQ(filesIn(folder.path()), 0u);
}

TEST_F(DragSaveTest, AFailedWriteIsReportedBeforeTheNumberMoves) {
    TForm1& f = *Form1;
    const fs::path target = folder.path() / "kept.bmp";
    writeFileReplacing(target.string(), std::string("old"));
    ModalSeam().QueueFileName(target.string());
    ModalSeam().QueueButton(IDOK); // the error report
    {
        ScopedWriteFaults full({.failWriteAfter = 0});
        Application->Guard([&] { dragOnto(&source, f.Image1); });
    }
    EXPECT_EQ(f.SpinEdit3->Value(), 0);
    EXPECT_EQ(fs::file_size(target), 3u);
    EXPECT_EQ(filesIn(folder.path()), 1u);
}

TEST_F(DragSaveTest, PreviewShowsTheAnimationManager) {
    Form1->BitBtn1->Click();
    EXPECT_TRUE(AnimCap1->Visible());
    Form1->BitBtn2->Click();
    EXPECT_FALSE(Form1->Visible());
}

class TransferTest : public OrvantaTest {
protected:
    void TearDown() override {
        Form1->Close();
        AnimCap1->Close();
        OrvantaTest::TearDown();
    }
};

TEST_F(TransferTest, GetImageFromMainHandsThePageToDragNSave) {
    TPbook1& p = *Pbook1;
    EXPECT_EQ(p.BitBtn44->Caption(), "Get Image From Main");
    EXPECT_EQ(p.BitBtn44->Hint(), "Copy image from Paint");
    EXPECT_EQ(p.dropPanel->Caption(), "Drag here to load back into main");
    page().Assign(noisePicture(120, 90, 3));
    p.initpages();
    p.BitBtn44->Click();
    EXPECT_TRUE(samePixels(p.dragimage1->Picture().Bitmap(), page()));
    EXPECT_EQ(p.dragimage1->Width(), 120) << "sized to its picture";
    EXPECT_TRUE(p.danbut1->Enabled());
    EXPECT_TRUE(Form1->Visible());
    p.danbut1->Click();
    EXPECT_TRUE(AnimCap1->Visible());

    // A press on the picture starts the drag at once; dropped on Drag n' Save it is the next frame.
    TestFolder folder;
    const fs::path frame = folder.path() / "MyAnimation000.bmp";
    ModalSeam().QueueFileName(frame.string());
    realevents::send(p.dragimage1, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
    ASSERT_TRUE(p.dragimage1->Dragging());
    EXPECT_TRUE(DragDrop::Active());
    DragDrop::MoveTo(Form1->Image1, 3, 3);
    DragDrop::Finish(true);
    EXPECT_TRUE(samePixels(ReadBmpFile(frame.string()), page()));
}

TEST_F(TransferTest, APictureDroppedBackBecomesThePage) {
    TPbook1& p = *Pbook1;
    TImage other(Pbook1, Pbook1->TabSheet2);
    other.Picture().Assign(noisePicture(70, 40, 5));
    bool accept = false;
    p.Image1DragOver(p.Image1, p.BitBtn44, 1, 1, dsDragMove, accept);
    EXPECT_FALSE(accept);

    // Unmodified: replaced at once, named "temp.bmp", laid out.
    ASSERT_TRUE(dragOnto(&other, p.Image1));
    EXPECT_TRUE(samePixels(page(), other.Picture().Bitmap()));
    EXPECT_EQ(p.Caption(), "temp.bmp");
    EXPECT_EQ(p.ptbox1->Width(), 70);
    EXPECT_TRUE(samePixels(undo(), page()));

    // Modified, and the save question cancelled: the page stays.
    p.modified = true;
    const TBitmap before = page();
    TImage third(Pbook1, Pbook1->TabSheet2);
    third.Picture().Assign(uniformPicture(9, 9, clRed));
    ModalSeam().QueueButton(IDCANCEL);
    dragOnto(&third, p.Image1);
    EXPECT_TRUE(shown("Save changes to temp.bmp?"));
    EXPECT_TRUE(samePixels(page(), before));
}

TEST_F(TransferTest, AnEmptyPictureDroppedGivesAnEmptyPageThatToolsAndSavesSurvive) {
    TImage empty(Pbook1, Pbook1->TabSheet2);
    dragOnto(&empty, Pbook1->Image1);
    EXPECT_TRUE(page().Empty());
    choose(3);
    down(2, 2);
    move(20, 20);
    up(20, 20);
    TestFolder folder;
    const fs::path file = folder.path() / "empty.bmp";
    ModalSeam().QueueFileName(file.string());
    Application->Guard([] { Pbook1->SaveAs1Click(Pbook1); });
    EXPECT_TRUE(fs::exists(file));
}

} // namespace
