// The zoom page's frame camera: placing the box, its bars and spins, the frame names, "Browse",
// what a frame holds, and the copy to the clipboard.
#include "BmpCodec.h"
#include "Clipboard.h"
#include "Clpfrm.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TestClipboardSystem.h"
#include "TestFolder.h"
#include "ZoomFixture.h"
#include "dirpathdlg.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

class ZoomPageTest : public ZoomTest {
protected:
    static void TearDownTestSuite() { SetClipboardSystem(nullptr); }
    void SetUp() override {
        ZoomTest::SetUp();
        board = std::make_shared<TestClipboardSystem>();
        SetClipboardSystem(board);
        TPbook1& pb = *Pbook1;
        pb.BitBtn57->Click();
        pb.zsnum->SetValue(4);
        pb.SpinEdit5->SetValue(176);
        pb.SpinEdit6->SetValue(144);
        pb.zspin1->SetValue(1);
        pb.zlabel1->SetCaption("");
        pb.zedit1->SetText("");
        pb.zcambut1->SetEnabled(false);
    }
    // The page loaded into the zoom view as the "Zoom" tab does, at a zoom of `percent`.
    static void zoomOn(const TBitmap& picture, int percent) {
        Pbook1->ptbox1->Picture().Assign(picture);
        Pbook1->initpages();
        Pbook1->zm1spin->SetValue(percent);
        tab(Pbook1->TabSheet3);
        Pbook1->BitBtn56->Click();
    }
    static TBitmap readBmp(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        return ReadBmp(bytes);
    }
    std::shared_ptr<TestClipboardSystem> board;
};

TEST_F(ZoomPageTest, PresetsPlaceTheBoxAndItsFrame) {
    TPbook1& pb = *Pbook1;
    zoomOn(placePage(640, 480), 100);
    pb.BitBtn39->Click(); // "Full"
    EXPECT_EQ(pb.SpinEdit5->Value(), 640);
    EXPECT_EQ(pb.SpinEdit6->Value(), 480);
    EXPECT_EQ(pb.spbox1->Value(), 0);
    EXPECT_EQ(pb.spbox2->Value(), 0);

    zoomOn(placePage(300, 200), 100);
    pb.BitBtn33->Click(); // the picture is smaller than 352 x 288
    EXPECT_EQ(pb.spbox1->Value(), 0);
    EXPECT_EQ(pb.spbox2->Value(), 0);

    zoomOn(placePage(400, 300), 100);
    pb.BitBtn27->Click(); // centred, div 2 of 224 and 156
    EXPECT_EQ(pb.spbox1->Value(), 112);
    EXPECT_EQ(pb.spbox2->Value(), 78);
    EXPECT_EQ(pb.zrtop->BoundsRect(), Bounds(95, 61, 210, 17));
    EXPECT_EQ(pb.zrbot->BoundsRect(), Bounds(95, 222, 210, 17));
    EXPECT_EQ(pb.zrleft->BoundsRect(), Bounds(95, 78, 17, 144));
    EXPECT_EQ(pb.zrright->BoundsRect(), Bounds(288, 78, 17, 144));
    EXPECT_TRUE(pb.zrtop->Visible());
    EXPECT_FALSE(pb.Panel2->Visible());
    EXPECT_FALSE(pb.Panel12->Visible());
}

// The zoom view is brought forward whenever it is loaded or zoomed; the box's bars, its siblings,
// were then hidden under it.
TEST_F(ZoomPageTest, TheBarsStayOverTheZoomView) {
    TPbook1& pb = *Pbook1;
    zoomOn(placePage(400, 300), 200);
    pb.zm1spin->SetValue(300);
    const QObjectList& stack = pb.ScrollBox3->ClientWidget()->children();
    for (TSpeedButton* b : {pb.zrtop, pb.zrbot, pb.zrleft, pb.zrright})
        EXPECT_GT(stack.indexOf(b->Widget()), stack.indexOf(pb.zm1->Widget())) << b->Name();
}

TEST_F(ZoomPageTest, BarsStepTheBoxAndNegativePositionsStand) {
    TPbook1& pb = *Pbook1;
    zoomOn(placePage(400, 300), 100);
    pb.spbox1->SetValue(0);
    pb.spbox2->SetValue(10);
    pb.zrtop->Click();
    EXPECT_EQ(pb.spbox2->Value(), 6);
    pb.zrtop->Click();
    pb.zrtop->Click();
    EXPECT_EQ(pb.spbox2->Value(), -2);
    EXPECT_EQ(pb.zrleft->Top(), -2);
    pb.zrleft->Click();
    EXPECT_EQ(pb.spbox1->Value(), -4);
    pb.zrright->Click();
    pb.zrbot->Click();
    EXPECT_EQ(pb.spbox1->Value(), 0);
    EXPECT_EQ(pb.spbox2->Value(), 2);

    pb.zsnum->SetValue(7);
    for (TSpinEdit* e : {pb.zm1spin, pb.spinedit1, pb.SpinEdit2, pb.SpinEdit4, pb.spbox1, pb.spbox2})
        EXPECT_EQ(e->Increment(), 7) << e->Name();
    pb.zsnum->SetValue(1);
}

TEST_F(ZoomPageTest, CameraNamesFramesWithThreeDigitsAndCountsOn) {
    TPbook1& pb = *Pbook1;
    zoomOn(placePage(400, 300), 100);
    TestFolder folder;
    pb.zlabel1->SetCaption(folder.path().string() + "/");
    pb.zedit1->SetText("shot");
    struct Case {
        int n;
        const char* file;
    } cases[] = {{9, "shot009.bmp"}, {10, "shot010.bmp"}, {99, "shot099.bmp"}, {100, "shot100.bmp"}};
    for (const Case& c : cases) {
        pb.zspin1->SetValue(c.n);
        pb.zcambut1->Click();
        EXPECT_TRUE(std::filesystem::exists(folder.path() / c.file)) << c.file;
        EXPECT_EQ(pb.zspin1->Value(), c.n + 1);
    }
    const TBitmap frame = readBmp(folder.path() / "shot100.bmp");
    EXPECT_EQ(frame.Width(), 176);
    EXPECT_EQ(frame.Height(), 144);
}

TEST_F(ZoomPageTest, BrowseChoosesFolderAndPrefix) {
    TestFolder folder;
    const std::string dir = folder.path().string();
    struct Case {
        std::string folder, name, label, prefix, edit;
    } cases[] = {
        {dir, "frame.bmp", dir + "/", "frame", "frame.bmp"},
        {dir, "", dir + "/", "temp", "temp"},
        {dir, "*.bmp", dir + "/", "temp", "temp"}, // as the dialog starts
        {"/", "a", "/", "a", "a"},                 // a folder ending in "/" gets no second one
    };
    TPbook1& pb = *Pbook1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Case k = c;
        ModalSeam().QueueScript<Tfolderdlg1>([k](Tfolderdlg1& d) {
            d.DirectoryListBox1->SetDirectory(k.folder);
            d.Edit1->SetText(k.name);
            d.BitBtn1->Click();
        });
        pb.zbrowsebut1->Click();
        EXPECT_EQ(pb.zlabel1->Caption(), c.label);
        EXPECT_EQ(pb.zedit1->Text(), c.prefix);
        EXPECT_EQ(folderdlg1->Edit1->Text(), c.edit);
        EXPECT_TRUE(pb.zcambut1->Enabled());
    }
    pb.zlabel1->SetCaption("kept/");
    pb.zcambut1->SetEnabled(false);
    ModalSeam().QueueCancel();
    pb.zbrowsebut1->Click();
    EXPECT_EQ(pb.zlabel1->Caption(), "kept/");
    EXPECT_FALSE(pb.zcambut1->Enabled());
}

// The source starts one column left of the view: at 1:1 with the view at column 0, captured
// column c is the view's column c - 1, and column 0 comes from outside the picture.
TEST_F(ZoomPageTest, AtOneToOneTheFrameIsShiftedRightByOneColumn) {
    TPbook1& pb = *Pbook1;
    zoomOn(placePage(400, 300), 100);
    ASSERT_EQ(pb.zm1->visleft(), 0);
    pb.spbox1->SetValue(0);
    pb.spbox2->SetValue(10);
    const TBitmap box = pb.zoomboxrender();
    for (int y : {0, 70, 143}) {
        EXPECT_EQ(box.GetPixel(0, y), clWhite);
        for (int c : {1, 2, 100, 175})
            ASSERT_EQ(box.GetPixel(c, y), placeColour(c - 1, 10 + y)) << c << "," << y;
    }
}

TEST_F(ZoomPageTest, AtTwoHundredPercentTheFrameIsTheBoxOfTheWholeRender) {
    TPbook1& pb = *Pbook1;
    zoomOn(placePage(400, 300), 200);
    pb.SpinEdit5->SetValue(100);
    pb.SpinEdit6->SetValue(80);
    pb.spbox1->SetValue(50);
    pb.spbox2->SetValue(40);
    const TZoomImage& z = *pb.zm1;
    TBitmap work(400, 300);
    work.Canvas().StretchMode = BLACKONWHITE;
    StretchBlt(work.Canvas(), 0, 0, 400, 300, const_cast<TZoomImage&>(z).Bitmap().Canvas(), z.visleft() - 1,
               z.vistop(), z.visright() - z.visleft(), z.visbottom() - z.vistop(), SRCCOPY);
    TBitmap expect(100, 80);
    BitBlt(expect.Canvas(), 0, 0, 100, 80, &work.Canvas(), 50, 40, SRCCOPY);
    EXPECT_TRUE(samePixels(pb.zoomboxrender(), expect));
    // The box reaching past the picture keeps white there.
    pb.spbox1->SetValue(350);
    const TBitmap past = pb.zoomboxrender();
    EXPECT_EQ(past.GetPixel(49, 0), work.GetPixel(399, 40));
    EXPECT_EQ(past.GetPixel(50, 0), clWhite);
}

TEST_F(ZoomPageTest, ClipboardCopyOrTheNoticeWhenItIsHeld) {
    TPbook1& pb = *Pbook1;
    zoomOn(placePage(400, 300), 100);
    pb.zclipbut1->Click();
    TBitmap copied;
    ASSERT_TRUE(board->GetBitmap(copied));
    EXPECT_TRUE(samePixels(copied, pb.zoomboxrender()));

    board->PutTextFromOtherProgram("text");
    board->SetHeldByOtherProgram(true);
    pb.zclipbut1->Click();
    EXPECT_TRUE(clpform1->Visible());
    EXPECT_EQ(clpform1->Label1->Caption(), "Clipboard Not Available or Empty");
    std::string text;
    EXPECT_TRUE(board->GetText(text));
    EXPECT_EQ(text, "text");
    clpform1->BitBtn1->Click();
    board->SetHeldByOtherProgram(false);
}

} // namespace
