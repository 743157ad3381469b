#include "ModalTesting.h"
#include "WindowAlone.h"
#include "capdlg.h"

namespace {

class CaptureDialogTest : public TModalTest {
protected:
    void SetUp() override {
        TModalTest::SetUp();
        dlg = makeDialog(capformdlg);
    }
    Tcapformdlg* dlg = nullptr;
};

TEST_F(CaptureDialogTest, TextsAndResults) {
    EXPECT_EQ(dlg->Caption(), "Capture screen");
    EXPECT_EQ(dlg->Label1->Caption(), "Press OK to capture screen.");
    EXPECT_EQ(dlg->Label2->Caption(), "Program will be minimized prior to capture.");
    EXPECT_EQ(dlg->BitBtn1->Caption(), "OK");
    EXPECT_EQ(dlg->BitBtn2->Caption(), "Cancel");
    EXPECT_TRUE(dlg->BitBtn1->Default());
    EXPECT_TRUE(dlg->BitBtn2->Cancel());

    ModalSeam().QueueScript<Tcapformdlg>([](Tcapformdlg& d) { d.BitBtn1->Click(); });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    ModalSeam().QueueScript<Tcapformdlg>([](Tcapformdlg& d) { d.BitBtn2->Click(); });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    ModalSeam().QueueScript<Tcapformdlg>([](Tcapformdlg& d) { d.Close(); });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_FALSE(dlg->Visible());
}

TEST_F(CaptureDialogTest, CentredWhenCreated) {
    EXPECT_EQ(dlg->Left(), 1024 / 2 - dlg->Width() / 2);
    EXPECT_EQ(dlg->Top(), 768 / 2 - dlg->Height() / 2);
}

} // namespace
