// The styled-text maker's window: each side-panel control sets its property of the label, and
// "Copy" puts the text on white onto the clipboard and closes.
#include "OrvantaFixture.h"
#include "mydialog.h"

#include "Clipboard.h"
#include "Clpfrm.h"
#include "Dialogs.h"
#include "MyRotate.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TRadioGroup.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "TestClipboardSystem.h"
#include "textstyler.h"

#include <functional>

namespace {

class TextMakerTest : public OrvantaClipboardTest {
protected:
    static TMyLabelRotate& label() { return *TextMakerForm->rlabel1; }
};

TEST_F(TextMakerTest, SidePanelControlsSetTheLabel) {
    TTextMakerForm& f = *TextMakerForm;
    struct Row {
        const char* control;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const std::vector<Row> rows = {
        {"Edit1", [&] { f.Edit1->SetText("Hello"); }, [] { return label().Caption() == "Hello"; }},
        {"SpinEdit1", [&] { f.SpinEdit1->SetValue(45); }, [] { return label().LabelStyle().Angle() == 45; }},
        {"SpinEdit2", [&] { f.SpinEdit2->SetValue(-7); },
         [] { return label().LabelStyle().AHShadeOffSet() == -7; }},
        {"RadioGroup1 Ressessed",
         [&] {
             f.RadioGroup1->SetItemIndex(2);
             f.RadioGroup1->Click();
         },
         [] { return label().LabelStyle().AStyle3D() == A3dResit; }},
        {"RadioGroup1 Raised",
         [&] {
             f.RadioGroup1->SetItemIndex(1);
             f.RadioGroup1->Click();
         },
         [] { return label().LabelStyle().AStyle3D() == A3dRaised; }},
        {"CheckBox1", [&] { f.CheckBox1->SetChecked(true); },
         [] { return label().LabelStyle().AShadeLTSet(); }},
        {"CheckBox2", [&] { f.CheckBox2->SetChecked(false); }, [] { return !label().MyTransparent(); }},
        {"SpeedButton4",
         [&] {
             ModalSeam().QueueColor(clRed);
             f.SpeedButton4->Click();
         },
         [&] { return label().Font().Color == clRed && f.Shape2->Brush().Color == clRed; }},
        {"SpeedButton2",
         [&] {
             f.CheckBox1->SetChecked(false);
             ModalSeam().QueueColor(clLime);
             f.SpeedButton2->Click();
         },
         [&] { return label().LabelStyle().AShadeLeftTop() == clLime && f.Shape1->Brush().Color == clLime; }},
        {"SpeedButton5",
         [&] {
             ModalSeam().QueueColor(clBlue);
             f.SpeedButton5->Click();
         },
         [&] {
             return label().LabelStyle().AShadeRightBottom() == clBlue && f.Shape3->Brush().Color == clBlue;
         }},
        {"SpeedButton3",
         [&] {
             ModalSeam().QueueColor(clYellow);
             f.SpeedButton3->Click();
         },
         [&] { return label().Color() == clYellow && f.Shape4->Brush().Color == clYellow; }},
        {"SpeedButton1",
         [&] {
             ModalSeam().QueueColor(clSilver);
             f.SpeedButton1->Click();
         },
         [&] { return f.Panel1->Color() == clSilver; }},
    };
    for (const Row& r : rows) {
        r.act();
        EXPECT_TRUE(r.holds()) << r.control;
    }
    // A cancelled colour dialog changes nothing; " Font " puts Shape2's colour back either way.
    ModalSeam().QueueCancel();
    f.SpeedButton4->Click();
    EXPECT_EQ(label().Font().Color, clRed);
    TFont other = label().Font();
    other.Color = clGreen;
    label().SetFont(other);
    ModalSeam().QueueCancel();
    f.BitBtn1->Click();
    EXPECT_EQ(label().Font().Color, clRed);
}

TEST_F(TextMakerTest, CopyPutsTheTextOnWhiteOnTheClipboardAndCloses) {
    TTextMakerForm& f = *TextMakerForm;
    f.Show();
    f.Edit1->SetText("Copy me");
    f.RadioGroup1->SetItemIndex(0);
    f.RadioGroup1->Click();
    f.SpeedButton8->Click();
    EXPECT_FALSE(f.Visible());
    TBitmap got;
    ASSERT_TRUE(board->GetBitmap(got));
    EXPECT_EQ(got.Width(), label().Width() + 1);
    EXPECT_EQ(got.GetPixel(0, 0), clWhite);
    EXPECT_LT(countColour(got, clWhite), got.Width() * got.Height());

    // A held clipboard: the notice; the paste then cannot read it, says so and ends the command.
    f.Show();
    board->SetHeldByOtherProgram(true);
    ModalSeam().QueueScript<Tmydialog1>([](Tmydialog1& d) { d.b1->Click(); });
    EXPECT_THROW(f.SpeedButton8->Click(), EAbort);
    f.Close();
    EXPECT_TRUE(clpform1->Visible());
    clpform1->Hide();
    board->SetHeldByOtherProgram(false);
}

} // namespace
