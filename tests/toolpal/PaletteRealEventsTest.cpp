// The palette under real mouse events sent to its widgets, as a user's pointer delivers them.
#include "OrvantaFixture.h"
#include "RealEvents.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "help1.h"

namespace {

class PaletteRealEventsTest : public OrvantaTest {};

TEST_F(PaletteRealEventsTest, ClickOnTheColourPictureGivesTheColourClicked) {
    Form3->Show();
    TImage* pic = Form3->Image3;
    const TBitmap& bmp = pic->Picture().Bitmap();
    realevents::click(pic, QPoint(58, 18), Qt::RightButton);
    EXPECT_EQ(Form3->rightcolor, bmp.GetPixel(58, 18));
    realevents::click(pic, QPoint(2, 30));
    EXPECT_EQ(Form3->leftcolor, bmp.GetPixel(2, 30));
    EXPECT_NE(Form3->leftcolor, clBtnFace);

    // Leaving the picture for the panel around it.
    realevents::send(Form3->Panel4, QEvent::MouseMove, QPoint(124, 40));
    EXPECT_EQ(Form3->colorunder, clBtnFace);
}

TEST_F(PaletteRealEventsTest, QuestionMarkShowsTheHelpWindow) {
    if (!Helpfrm) Application->CreateForm(Helpfrm);
    Helpfrm->Hide();
    Form3->Show();
    ASSERT_EQ(Form3->SpeedButton5->Caption(), "?");
    realevents::click(Form3->SpeedButton5, QPoint(4, 4));
    EXPECT_TRUE(Helpfrm->Visible());
    Helpfrm->Hide();
}

} // namespace
