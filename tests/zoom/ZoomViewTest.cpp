// The zoom view on the "Zoom" tab: loading and centring the page, the zoom and pan spins,
// leaving by "Normal Size" or by the "Paint" tab, and the write-back of the first tool chosen.
#include "ZoomFixture.h"

namespace {

class ZoomViewTest : public ZoomTest {};

TEST_F(ZoomViewTest, ZoomTabLoadsAndCentresThePageAtTheSpinsZoom) {
    TPbook1& pb = *Pbook1;
    EXPECT_EQ(pb.zm1spin->Value(), 180);
    EXPECT_EQ(pb.zm1spin->MinValue(), 100);
    EXPECT_EQ(pb.zm1spin->MaxValue(), 1000);
    tab(pb.TabSheet3);
    EXPECT_EQ(pb.zm1spin->Increment(), pb.zsnum->Value());
    TZoomImage& z = *pb.zm1;
    EXPECT_TRUE(samePixels(z.Bitmap(), original));
    EXPECT_EQ(z.Parent(), static_cast<TWinControl*>(pb.ScrollBox3));
    EXPECT_EQ(z.Width(), 400);
    EXPECT_EQ(z.XCenter(), 200);
    EXPECT_EQ(z.YCenter(), 150);
    EXPECT_EQ(pb.spinedit1->Value(), 200);
    EXPECT_EQ(pb.SpinEdit2->Value(), 150);
    // 400 / 1.8 and 300 / 1.8, each made even.
    EXPECT_EQ(z.visright() - z.visleft(), 222);
    EXPECT_EQ(z.visbottom() - z.vistop(), 166);
    EXPECT_EQ(z.drawmode, 31);
    EXPECT_EQ(Form3->toolcode, 31);
    EXPECT_TRUE(pb.zoomon);
    EXPECT_TRUE(pb.zoomloaded);
    EXPECT_TRUE(pb.zmpanel1->Visible());
    EXPECT_TRUE(pb.zmbutoff->Enabled());
}

TEST_F(ZoomViewTest, PanSpinsMoveTheViewAndStayAtOneOrMore) {
    TPbook1& pb = *Pbook1;
    tab(pb.TabSheet3);
    TZoomImage& z = *pb.zm1;
    pb.spinedit1->SetValue(0);
    EXPECT_EQ(pb.spinedit1->Value(), 1);
    EXPECT_EQ(z.visleft(), 0);
    pb.spinedit1->SetValue(70000);
    EXPECT_EQ(z.visright(), 400);
    pb.SpinEdit2->SetValue(-5);
    EXPECT_EQ(pb.SpinEdit2->Value(), 1);
    EXPECT_EQ(z.vistop(), 0);
    pb.SpinEdit2->SetValue(160);
    EXPECT_EQ(z.YCenter(), 160);
}

TEST_F(ZoomViewTest, NormalSizeAndThePaintTabStopAndClearTheView) {
    for (bool byButton : {true, false}) {
        SCOPED_TRACE(byButton);
        SetUp();
        TPbook1& pb = *Pbook1;
        tab(pb.TabSheet3);
        if (byButton)
            pb.zmbutoff->Click();
        else
            tab(pb.TabSheet1);
        EXPECT_EQ(pb.zm1->drawmode, 0);
        EXPECT_FALSE(pb.zm1->live());
        EXPECT_FALSE(pb.zoomon);
        EXPECT_FALSE(pb.zmpanel1->Visible());
        EXPECT_FALSE(Form3->pasteframe);
        EXPECT_TRUE(samePixels(page(), original));
    }
}

TEST_F(ZoomViewTest, ZoomSpinLoadsThePageFirstWhenNothingIsLoaded) {
    TPbook1& pb = *Pbook1;
    ASSERT_FALSE(pb.zoomloaded);
    pb.zm1spin->SetValue(400);
    EXPECT_TRUE(pb.zoomloaded);
    EXPECT_TRUE(samePixels(pb.zm1->Bitmap(), original));
    EXPECT_EQ(pb.zm1->visright() - pb.zm1->visleft(), 100);
    EXPECT_EQ(Form3->toolcode, 31);
    // Loaded already: the view keeps its picture, only the zoom changes.
    pb.zm1->Bitmap().SetPixel(0, 0, clRed);
    pb.zm1spin->SetValue(200);
    EXPECT_EQ(pb.zm1->Bitmap().GetPixel(0, 0), clRed);
    EXPECT_EQ(pb.zm1->visright() - pb.zm1->visleft(), 200);
}

// The first tool chosen while zoomed writes the view back over the page; its undo copy was once
// taken after that, so the page was lost for good.
TEST_F(ZoomViewTest, UndoAfterTheZoomWriteBackGivesThePageBack) {
    tab(Pbook1->TabSheet3);
    Form3->BitBtn3->Click(); // Pencil
    EXPECT_TRUE(Pbook1->zoomwritten);
    EXPECT_FALSE(samePixels(page(), original));
    Pbook1->undoptb1->Click();
    EXPECT_TRUE(samePixels(page(), original));
}

} // namespace
