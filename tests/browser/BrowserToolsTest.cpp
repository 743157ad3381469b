// The image browser's two tool windows: the capture box controls, which copy a box of the
// browser picture to numbered frame files or the clipboard, and the paste positioner, which
// stamps a pasted clip into the picture.
#include "OrvantaFixture.h"

#include "BmpCodec.h"
#include "Clipboard.h"
#include "Dialogs.h"
#include "FileControls.h"
#include "PictureWriters.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TScrollBox.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TestClipboardSystem.h"
#include "capboximview.h"
#include "cappastepositioner.h"
#include "imview.h"
#include "mydialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Each column of the browser picture has its own colour.
TColor columnColour(int x) {
    return RGB(x & 0xFF, (x >> 8) & 0xFF, 40);
}

class BrowserToolsTest : public OrvantaClipboardTest {
protected:
    void SetUp() override {
        OrvantaClipboardTest::SetUp();
        picform1->DirectoryListBox1->SetDirectory(dir.path().string());
        TBitmap b(1500, 300);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 1500; ++x)
                b.SetPixel(x, y, columnColour(x));
        picform1->Image1->Picture().Assign(b);
        picform1->ScrollBox1->HorzScrollBar().SetPosition(0);
        picform1->ScrollBox1->VertScrollBar().SetPosition(0);
        cappos2->Edit1->SetText("clip");
        cappos2->SpinEdit5->SetValue(0);
    }
    void TearDown() override {
        cappos2->Close();
        cappastefrm->Close();
        picform1->clpmap1->Picture().Clear();
        picform1->clpmap1->Hide();
        picform1->clpshape->Hide();
        OrvantaClipboardTest::TearDown();
    }
    static TBitmap& picture() { return picform1->Image1->Picture().Bitmap(); }
    int filesInDir() const { return int(std::distance(fs::directory_iterator(dir.path()), {})); }
    // The clipboard holds a w x h clip: a blue field with a red square in its middle; its
    // bottom-left pixel, the transparent colour, is blue.
    void clipOnClipboard(int w, int h) {
        TBitmap clip(w, h);
        clip.Canvas().Brush.SetColor(clBlue);
        clip.Canvas().FillRect(Rect(0, 0, w, h));
        clip.Canvas().Brush.SetColor(clRed);
        clip.Canvas().FillRect(Rect(w / 4, h / 4, w - w / 4, h - h / 4));
        board->Open();
        board->Empty();
        board->SetBitmap(clip);
        board->Close();
    }
    // Answers the program's next message box with Yes (b1) or No (b2), noting its first line.
    void answerMbox(bool yes) {
        ModalSeam().QueueScript<Tmydialog1>([this, yes](Tmydialog1& d) {
            asked.push_back(d.l1->Caption());
            (yes ? d.b1 : d.b2)->Click();
        });
    }
    TestFolder dir;
    std::vector<std::string> asked;
};

TEST_F(BrowserToolsTest, FrameNamesPadTheNumberToThreeDigitsBelow100) {
    const std::pair<int, const char*> cases[] = {{0, "clip000.bmp"},   {7, "clip007.bmp"},
                                                 {42, "clip042.bmp"},  {99, "clip099.bmp"},
                                                 {100, "clip100.bmp"}, {123, "clip123.bmp"}};
    for (auto [n, name] : cases)
        EXPECT_EQ(frameFileName("clip", n), name) << n;
}

TEST_F(BrowserToolsTest, DiskWritesConsecutiveFramesIntoTheBrowserFolder) {
    Tcappos2& c = *cappos2;
    c.Show();
    c.spleft->SetValue(10);
    c.spwid->SetValue(20);
    c.sphit->SetValue(10);
    for (int n : {0, 1}) {
        ModalSeam().QueueFileName(frameFileName("clip", n));
        c.BitBtn3->Click();
    }
    EXPECT_EQ(c.SpinEdit5->Value(), 2);
    ASSERT_TRUE(fs::exists(dir.file("clip001.bmp")));
    const TBitmap frame = ReadBmpFile(dir.file("clip000.bmp"));
    EXPECT_EQ(frame.Width(), 20);
    EXPECT_EQ(frame.GetPixel(0, 5), columnColour(10));
    EXPECT_GE(picform1->FileListBox1->Items().IndexOf("clip001.bmp"), 0) << "the list shows the new frames";

    ModalSeam().QueueCancel();
    c.BitBtn3->Click();
    EXPECT_EQ(c.SavePictureDialog1->FileName(), "clip002.bmp") << "proposed, then left as it was";
    EXPECT_EQ(c.SpinEdit5->Value(), 2) << "Cancel keeps the number";
    EXPECT_EQ(filesInDir(), 2);
}

TEST_F(BrowserToolsTest, CaptureReadsThePictureUnderTheBoxWhereverItIsScrolled) {
    Tcappos2& c = *cappos2;
    c.Show();
    picform1->ScrollBox1->HorzScrollBar().SetPosition(100);
    ASSERT_EQ(picform1->Image1->Left(), -100);
    c.spleft->SetValue(10);
    c.sptop->SetValue(5);
    c.spwid->SetValue(30);
    c.sphit->SetValue(20);
    EXPECT_EQ(picform1->capbox->BoundsRect(), Bounds(8, 3, 34, 24));
    TBitmap box = c.capturebox();
    ASSERT_EQ(box.Width(), 30);
    ASSERT_EQ(box.Height(), 20);
    EXPECT_EQ(box.GetPixel(0, 0), columnColour(110));
    EXPECT_EQ(box.GetPixel(29, 19), columnColour(139));

    // Past the picture's right and bottom edges the capture is white.
    c.spleft->SetValue(1380);
    c.sptop->SetValue(290);
    box = c.capturebox();
    EXPECT_EQ(box.GetPixel(19, 9), columnColour(1499));
    EXPECT_EQ(box.GetPixel(20, 9), clWhite);
    EXPECT_EQ(box.GetPixel(5, 10), clWhite);

    // The clipboard takes the box and the window closes; the frame goes with it.
    ASSERT_TRUE(c.Visible());
    c.BitBtn4->Click();
    TBitmap copied;
    ASSERT_TRUE(board->GetBitmap(copied));
    EXPECT_TRUE(samePixels(copied, box));
    EXPECT_FALSE(c.Visible());
    EXPECT_FALSE(picform1->capbox->Visible());
}

TEST_F(BrowserToolsTest, ARefusedClipboardIsReportedAndTheWindowCloses) {
    Tcappos2& c = *cappos2;
    c.Show();
    board->PutTextFromOtherProgram("words");
    board->SetHeldByOtherProgram(true);
    answerMbox(true);
    c.BitBtn4->Click();
    EXPECT_EQ(asked, std::vector<std::string>{"Clipboard Not Available"});
    board->SetHeldByOtherProgram(false);
    std::string text;
    EXPECT_TRUE(board->GetText(text));
    EXPECT_FALSE(c.Visible());
}

TEST_F(BrowserToolsTest, SizesBelowOneDoNothing) {
    Tcappos2& c = *cappos2;
    Tcappastefrm& p = *cappastefrm;
    clipOnClipboard(40, 30);
    picform1->SpeedButton2Click(nullptr);
    c.Show();
    const TBitmap before = picture();
    const TBitmap clipBefore = picform1->clpmap1->Picture().Bitmap();
    board->PutTextFromOtherProgram("words");
    for (auto [w, h] : {std::pair{0, 10}, {10, 0}, {-4, 10}}) {
        c.spwid->SetValue(w);
        c.sphit->SetValue(h);
        p.spwid->SetValue(w);
        p.sphit->SetValue(h);
        c.BitBtn3->Click(); // no dialog: none is queued
        c.BitBtn4->Click();
        p.BitBtn1->Click();
        EXPECT_TRUE(c.Visible()) << w << " x " << h;
        EXPECT_EQ(c.SpinEdit5->Value(), 0);
        EXPECT_FALSE(p.chkpasted->Checked());
    }
    std::string text;
    EXPECT_TRUE(board->GetText(text)) << "the clipboard keeps its text";
    EXPECT_TRUE(samePixels(picture(), before));
    EXPECT_TRUE(samePixels(picform1->clpmap1->Picture().Bitmap(), clipBefore));
    EXPECT_EQ(filesInDir(), 0);
}

TEST_F(BrowserToolsTest, StepRuleAndShowRules) {
    Tcappos2& c = *cappos2;
    Tcappastefrm& p = *cappastefrm;
    // Checking one of the two unchecks the other.
    c.Show();
    c.CheckBox1->SetChecked(true);
    EXPECT_FALSE(c.CheckBox2->Checked());
    EXPECT_EQ(c.sptop->Increment(), 2);
    c.CheckBox2->SetChecked(true);
    EXPECT_FALSE(c.CheckBox1->Checked());
    EXPECT_EQ(c.spwid->Increment(), 10);
    c.CheckBox2->SetChecked(false);
    EXPECT_EQ(c.sphit->Increment(), 1);
    c.Close();

    // Each window's show makes the two exclusive its own way: the capture box keeps "X 10",
    // the positioner "X 2".
    struct Case {
        TForm* form;
        TCheckBox *x2, *x10;
        TSpinEdit* spin;
        bool was2, was10;
        bool now2, now10;
        int step;
    } cases[] = {
        {&c, c.CheckBox1, c.CheckBox2, c.spleft, true, true, false, true, 10},
        {&c, c.CheckBox1, c.CheckBox2, c.spleft, true, false, true, false, 2},
        {&c, c.CheckBox1, c.CheckBox2, c.spleft, false, false, false, false, 1},
        {&p, p.CheckBox1, p.CheckBox2, p.spleft, true, true, true, false, 2},
        {&p, p.CheckBox1, p.CheckBox2, p.spleft, false, true, false, true, 10},
        {&p, p.CheckBox1, p.CheckBox2, p.spleft, false, false, false, false, 1},
    };
    for (const Case& k : cases) {
        k.form->Close();
        // Both ticked can only come from code, around the click rule.
        auto click2 = k.x2->OnClick, click10 = k.x10->OnClick;
        k.x2->OnClick = k.x10->OnClick = nullptr;
        k.x2->SetChecked(k.was2);
        k.x10->SetChecked(k.was10);
        k.x2->OnClick = click2;
        k.x10->OnClick = click10;
        k.form->Show();
        EXPECT_EQ(k.x2->Checked(), k.now2) << k.form->Caption() << " " << k.was2 << k.was10;
        EXPECT_EQ(k.x10->Checked(), k.now10) << k.form->Caption() << " " << k.was2 << k.was10;
        EXPECT_EQ(k.spin->Increment(), k.step) << k.form->Caption() << " " << k.was2 << k.was10;
        EXPECT_EQ(k.form->Left(), Screen->Width() - k.form->Width());
        EXPECT_EQ(k.form->Top(), 100);
    }
}

TEST_F(BrowserToolsTest, SpinsStepButRefuseTyping) {
    Tcappos2& c = *cappos2;
    c.Show();
    c.CheckBox2->SetChecked(true);
    for (TSpinEdit* spin : {c.spleft, c.sptop, c.spwid, c.sphit}) {
        EXPECT_EQ(spin->MaxLength(), 5);
        const int before = spin->Value();
        QLineEdit* edit = spin->Spin()->findChild<QLineEdit*>();
        edit->selectAll();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7");
        QApplication::sendEvent(edit, &press);
        EXPECT_EQ(spin->Value(), before) << spin->Name();
        spin->Spin()->stepUp();
        EXPECT_EQ(spin->Value(), before + 10) << spin->Name();
    }
}

TEST_F(BrowserToolsTest, StampLeavesOutTheBottomLeftColourWhileTransparent) {
    Tcappastefrm& p = *cappastefrm;
    clipOnClipboard(40, 40);
    picform1->ScrollBox1->HorzScrollBar().SetPosition(100);
    picform1->SpeedButton2Click(nullptr);
    ASSERT_TRUE(p.Visible());
    EXPECT_EQ(p.spwid->Value(), 40);
    EXPECT_EQ(p.sphit->Value(), 40);
    EXPECT_TRUE(picform1->clpmap1->Transparent());
    p.spleft->SetValue(10);
    p.sptop->SetValue(20);
    p.spwid->SetValue(80);
    p.sphit->SetValue(60);
    EXPECT_EQ(picform1->clpmap1->BoundsRect(), Bounds(10, 20, 80, 60));
    EXPECT_EQ(picform1->clpshape->BoundsRect(), Bounds(8, 18, 84, 64));

    // Transparent: the blue field is left out, the red square is stamped at the scrolled
    // position and the spins' size; the clip keeps that size for the next stamp.
    p.BitBtn1->Click();
    EXPECT_TRUE(p.chkpasted->Checked());
    EXPECT_FALSE(picform1->clpshape->Visible());
    EXPECT_EQ(picture().GetPixel(110, 20), columnColour(110));
    EXPECT_EQ(picture().GetPixel(110 + 40, 20 + 30), clRed);
    EXPECT_EQ(picture().GetPixel(110 + 19, 20 + 14), columnColour(129));
    EXPECT_EQ(picture().GetPixel(110 + 20, 20 + 15), clRed);
    EXPECT_EQ(picform1->clpmap1->Picture().Width(), 80);

    // Opaque: the whole clip.
    p.chktransp->SetChecked(false);
    EXPECT_FALSE(picform1->clpmap1->Transparent());
    p.sptop->SetValue(100);
    p.BitBtn1->Click();
    EXPECT_EQ(picture().GetPixel(110, 100), clBlue);
    EXPECT_EQ(picture().GetPixel(189, 159), clBlue);
    EXPECT_EQ(picture().GetPixel(190, 159), columnColour(190));
    p.chktransp->SetChecked(true);

    // "Done" after a stamp: "Save image?" (No), then "Save Clip?" (Yes) with "tempclip.bmp".
    answerMbox(false);
    answerMbox(true);
    ModalSeam().QueueFileName("tempclip.bmp");
    p.BitBtn2->Click();
    EXPECT_EQ(asked, (std::vector<std::string>{"Save image?", "Save Clip?"}));
    EXPECT_EQ(p.SavePictureDialog1->FileName(), dir.file("tempclip.bmp"));
    EXPECT_EQ(ReadBmpFile(dir.file("tempclip.bmp")).Width(), 80);
    EXPECT_FALSE(p.Visible());
    EXPECT_FALSE(picform1->clpmap1->Visible());
    EXPECT_TRUE(picform1->clpmap1->Picture().Empty());
}

TEST_F(BrowserToolsTest, DoneWithoutAStampAsksNothing) {
    Tcappastefrm& p = *cappastefrm;
    clipOnClipboard(20, 20);
    picform1->SpeedButton2Click(nullptr);
    const TBitmap before = picture();
    p.BitBtn2->Click(); // no answer queued: any question fails the test
    EXPECT_TRUE(ModalSeam().Log().empty());
    EXPECT_FALSE(p.Visible());
    EXPECT_FALSE(picform1->clpshape->Visible());
    EXPECT_TRUE(samePixels(picture(), before));
}

} // namespace
