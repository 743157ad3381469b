#include "ModalTesting.h"
#include "WindowAlone.h"
#include "jpegop.h"

namespace {

class JpegOptionsTest : public TModalTest {
protected:
    void SetUp() override {
        TModalTest::SetUp();
        dlg = makeDialog(jpop1);
    }
    Tjpop1* dlg = nullptr;
};

TEST_F(JpegOptionsTest, QualityStartsAt100WithinTenToHundred) {
    EXPECT_EQ(dlg->Caption(), "Jpeg Save Options");
    EXPECT_EQ(dlg->TrackBar1->Min(), 10);
    EXPECT_EQ(dlg->TrackBar1->Max(), 100);
    EXPECT_EQ(dlg->TrackBar1->Position(), 100);
    EXPECT_EQ(dlg->Label2->Caption(), "<-----   Smaller Files Less Quality");
    EXPECT_EQ(dlg->Label4->Caption(), "Better Quality Larger Files ------>");
    EXPECT_EQ(dlg->Label3->Caption(), "10%");
    EXPECT_EQ(dlg->Label5->Caption(), "100%");
    dlg->TrackBar1->SetPosition(3);
    EXPECT_EQ(dlg->TrackBar1->Position(), 10);
    dlg->TrackBar1->SetPosition(100);
}

TEST_F(JpegOptionsTest, OKClosesAndKeepsTheQuality) {
    // Modal: OK ends the showing with result 1, not Cancel.
    ModalSeam().QueueScript<Tjpop1>([](Tjpop1& d) {
        d.TrackBar1->SetPosition(75);
        d.BitBtn1->Click();
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(dlg->TrackBar1->Position(), 75);

    // Modeless: OK hides the window.
    dlg->Show();
    dlg->BitBtn1->Click();
    EXPECT_FALSE(dlg->Visible());
    EXPECT_EQ(dlg->TrackBar1->Position(), 75);
    dlg->TrackBar1->SetPosition(100);
}

} // namespace
