// The Capture Box: its spins place the main window's frame over the page, and the page inside the
// frame, scaled to the chosen size, goes to a numbered frame file or to the clipboard.
#include "BmpCodec.h"
#include "Clipboard.h"
#include "Dialogs.h"
#include "MessageBox.h"
#include "OrvantaFixture.h"
#include "Pixels.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TScrollBox.h"
#include "TShape.h"
#include "TSpinEdit.h"
#include "TestClipboardSystem.h"
#include "TestFolder.h"
#include "capbox.h"

#include <filesystem>

namespace {

TColor placeColour(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, ((x >> 8) & 0xF) | ((y >> 8) << 4));
}

class CaptureBoxTest : public OrvantaClipboardTest {
protected:
    void SetUp() override {
        OrvantaClipboardTest::SetUp();
        TBitmap b(600, 500);
        for (int y = 0; y < 500; ++y)
            for (int x = 0; x < 600; ++x)
                b.SetPixel(x, y, placeColour(x, y));
        Pbook1->ptbox1->Picture().Assign(b);
        Pbook1->initpages();
        Tcappos1& c = *cappos1;
        // The designed start: the box at 0, 0 framing 200 x 200.
        c.spleft->SetValue(5);
        c.spleft->SetValue(0);
        c.sptop->SetValue(5);
        c.sptop->SetValue(0);
        c.spwid->SetValue(200);
        c.sphit->SetValue(200);
        Pbook1->capbox->SetBounds(-1, -1, 202, 202);
        c.SpinEdit5->SetValue(0);
        c.Edit1->SetText("clip");
        c.Show();
    }
    void TearDown() override {
        cappos1->Close();
        OrvantaClipboardTest::TearDown();
    }
    static TBitmap pageRect(int x, int y, int w, int h) {
        TBitmap b(w, h);
        BitBlt(b.Canvas(), 0, 0, w, h, &Pbook1->ptbox1->Picture().Bitmap().Canvas(), x, y, SRCCOPY);
        return b;
    }
};

TEST_F(CaptureBoxTest, SpinsPlaceAndSizeTheFrame) {
    Tcappos1& c = *cappos1;
    TShape& box = *Pbook1->capbox;
    EXPECT_TRUE(box.Visible());
    struct Case {
        TSpinEdit* Tcappos1::*spin;
        int value;
        TRect frame;
    } cases[] = {
        {&Tcappos1::spleft, 10, Bounds(9, -1, 202, 202)},
        {&Tcappos1::spleft, -2, Bounds(9, -1, 202, 202)},
        {&Tcappos1::spleft, -1, Bounds(-2, -1, 202, 202)},
        {&Tcappos1::spleft, 0, Bounds(-1, -1, 202, 202)},
        {&Tcappos1::sphit, 5, Bounds(-1, -1, 202, 202)},
        {&Tcappos1::sphit, 6, Bounds(-1, -1, 202, 8)},
        {&Tcappos1::sphit, 1999, Bounds(-1, -1, 202, 2001)},
        {&Tcappos1::sphit, 2000, Bounds(-1, -1, 202, 2001)},
        {&Tcappos1::spwid, -5, Bounds(-1, -1, 0, 2001)},
        {&Tcappos1::spwid, 0, Bounds(-1, -1, 2, 2001)},
        {&Tcappos1::spwid, 2000, Bounds(-1, -1, 2002, 2001)},
    };
    for (const Case& k : cases) {
        (c.*k.spin)->SetValue(k.value);
        EXPECT_EQ(box.BoundsRect(), k.frame) << (c.*k.spin)->Name() << " " << k.value;
    }
    EXPECT_FALSE(c.spleft->EditorEnabled());
    EXPECT_EQ(c.spleft->MaxLength(), 5);

    c.CheckBox1->SetChecked(true);
    c.CheckBox1->Click();
    c.CheckBox2->SetChecked(true);
    c.CheckBox2->Click();
    EXPECT_EQ(c.sphit->Increment(), 10);
    c.CheckBox2->SetChecked(false);
    c.CheckBox2->Click();
    EXPECT_EQ(c.spleft->Increment(), 1);
    c.Close();
    EXPECT_FALSE(box.Visible());
}

TEST_F(CaptureBoxTest, SaveProposesNumberedFramesAndWritesTheBox) {
    Tcappos1& c = *cappos1;
    TestFolder folder;
    const std::string file = (folder.path() / "first.bmp").string();
    ModalSeam().QueueFileName(file);
    c.BitBtn3->Click();
    EXPECT_EQ(c.SpinEdit5->Value(), 1);
    EXPECT_TRUE(samePixels(ReadBmpFile(file), pageRect(0, 0, 200, 200)));

    struct Case {
        int n;
        const char* proposed;
    } cases[] = {{1, "clip001.bmp"},
                 {9, "clip009.bmp"},
                 {10, "clip010.bmp"},
                 {99, "clip099.bmp"},
                 {100, "clip100.bmp"}};
    for (const Case& k : cases) {
        c.SpinEdit5->SetValue(k.n);
        ModalSeam().QueueCancel();
        c.BitBtn3->Click();
        EXPECT_EQ(c.SavePictureDialog1->FileName(), k.proposed);
        EXPECT_EQ(c.SpinEdit5->Value(), k.n) << "Cancel keeps the number";
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(CaptureBoxTest, GrabStretchesTheBoxAndReadsOffThePageAsWhite) {
    Tcappos1& c = *cappos1;
    c.sphit->SetValue(2000); // the frame keeps 200 rows; the picture is stretched to 2000
    TBitmap tall = c.grab();
    ASSERT_EQ(tall.Height(), 2000);
    EXPECT_EQ(tall.GetPixel(7, 1999), placeColour(7, 199));
    EXPECT_EQ(tall.GetPixel(7, 10), placeColour(7, 1));

    c.sphit->SetValue(200);
    c.spleft->SetValue(-1);
    TBitmap left = c.grab();
    EXPECT_EQ(left.GetPixel(0, 5), clWhite);
    EXPECT_EQ(left.GetPixel(1, 5), placeColour(0, 5));

    // Nothing is grabbed below 1: no dialog opens (none is queued), no number moves.
    for (int w : {0, -5}) {
        c.spwid->SetValue(w);
        c.BitBtn3->Click();
        c.BitBtn1->Click();
        EXPECT_EQ(c.SpinEdit5->Value(), 0);
    }
}

// The scroll box moves its children: the frame's left and top are then no longer page columns
// and rows, and the grab once took another region than the one the frame showed.
TEST_F(CaptureBoxTest, OnAScrolledPageTheFrameAndTheGrabAgree) {
    Tcappos1& c = *cappos1;
    Pbook1->ScrollBox1->SetBounds(0, 0, 200, 150);
    Pbook1->ScrollBox1->ScrollBy(-50, -30);
    ASSERT_EQ(Pbook1->ptbox1->Left(), -50);
    c.spleft->SetValue(100);
    c.sptop->SetValue(60);
    c.spwid->SetValue(80);
    c.sphit->SetValue(40);
    EXPECT_EQ(Pbook1->capbox->Left(), 100 - 1 - 50);
    EXPECT_EQ(Pbook1->capbox->Top(), 60 - 1 - 30);
    EXPECT_TRUE(samePixels(c.grab(), pageRect(100, 60, 80, 40)));
    Pbook1->ScrollBox1->ScrollBy(50, 30);
    Pbook1->ScrollBox1->SetAlign(alClient);
}

// "Normal Size", run on the way back from the "Zoom" tab, brings the page forward; the frame was
// then hidden under it.
TEST_F(CaptureBoxTest, TheFrameShowsOverThePageAfterTheZoomTab) {
    TPbook1& pb = *Pbook1;
    cappos1->Close();
    for (TTabSheet* t : {pb.TabSheet3, pb.TabSheet1}) {
        pb.PageControl1->SetActivePage(t);
        pb.PageControl1Change(pb.PageControl1);
    }
    cappos1->Show();
    const QObjectList& stack = pb.ScrollBox1->ClientWidget()->children();
    EXPECT_GT(stack.indexOf(pb.capbox->Widget()), stack.indexOf(pb.ptbox1->Widget()));
}

TEST_F(CaptureBoxTest, CopyReplacesTheClipboardOrReportsItHeld) {
    Tcappos1& c = *cappos1;
    board->PutTextFromOtherProgram("words");
    c.BitBtn1->Click();
    TBitmap copied;
    ASSERT_TRUE(board->GetBitmap(copied));
    EXPECT_TRUE(samePixels(copied, pageRect(0, 0, 200, 200)));

    board->Empty();
    board->PutTextFromOtherProgram("words");
    board->SetHeldByOtherProgram(true);
    ModalSeam().QueueButton(IDOK);
    c.BitBtn1->Click();
    EXPECT_TRUE(shown("Clipboard Unavailable."));
    std::string text;
    EXPECT_TRUE(board->GetText(text));
    EXPECT_EQ(text, "words");
    board->SetHeldByOtherProgram(false);
}

} // namespace
