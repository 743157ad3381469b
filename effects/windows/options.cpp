#include "options.h"

#include "Application.h"
#include "BindMethod.h"
#include "Pbook.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"
#include "ToolCodes.h"
#include "Toolpal.h"
#include "colortint.h"
#include "morfshapeform1.h"

#include <QGroupBox>

Toptions1* options1 = nullptr;

Toptions1::Toptions1(TComponent* AOwner) : TForm(AOwner) {
    SetName("options1");
    SetCaption("Options");
    SetFormStyle(fsStayOnTop);
    SetClientWidth(372);
    SetClientHeight(268);
    Panel4 = new TPanel(this, this);
    Panel4->SetName("Panel4");
    Panel4->SetCaption("Options");
    Panel4->SetBounds(8, 8, 356, 216);
    Panel4->Hide();
    RadioGroup1 = new TRadioGroup(this, Panel4);
    RadioGroup1->SetName("RadioGroup1");
    RadioGroup1->SetCaption("Polygon Area  Options");
    RadioGroup1->SetBounds(6, 6, 344, 160);
    RadioGroup1->Items().SetStrings({"Outline The New Shape Then Morf it - no pure white.",
                                     "Morf Into a Standard Shape - do not use with pure white.",
                                     "Lighten the selected area  ", "Darken The selected area",
                                     "Blend the selected area",
                                     "Color Tint selected area - white areas are unaffected."});
    RadioGroup1->SetItemIndex(2);
    // The group is opaque: the panel's centred caption stays under it.
    RadioGroup1->Box()->setAutoFillBackground(true);
    Panel5 = new TPanel(this, Panel4);
    Panel5->SetName("Panel5");
    Panel5->SetCaption("");
    Panel5->SetBounds(6, 172, 344, 36);
    Panel5->SetColor(clActiveCaption);
    Label1 = new TLabel(this, Panel5);
    Label1->SetName("Label1");
    Label1->SetCaption(" Steps ");
    Label1->SetBounds(10, 10, 44, 16);
    SpinEdit2 = new TSpinEdit(this, Panel5);
    SpinEdit2->SetName("SpinEdit2");
    SpinEdit2->SetBounds(60, 7, 56, 22);
    SpinEdit2->SetMinValue(1);
    SpinEdit2->SetMaxValue(64);
    SpinEdit2->SetValue(8);
    Label2 = new TLabel(this, Panel5);
    Label2->SetName("Label2");
    Label2->SetCaption(" 1 to 64 ");
    Label2->SetBounds(124, 10, 60, 16);

    BitBtn1 = new TBitBtn(this, this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetCaption("Ok");
    BitBtn1->SetBounds(196, 234, 80, 26);
    BitBtn1->SetDefault(true);
    BitBtn1->SetModalResult(mrOk);
    BitBtn1->OnClick = bindMethod(this, &Toptions1::BitBtn1Click);
    BitBtn2 = new TBitBtn(this, this);
    BitBtn2->SetName("BitBtn2");
    BitBtn2->SetCaption("Cancel");
    BitBtn2->SetBounds(284, 234, 80, 26);
    BitBtn2->SetCancel(true);
    BitBtn2->SetModalResult(mrCancel);
    BitBtn2->OnClick = bindMethod(this, &Toptions1::BitBtn2Click);

    RadioGroup1->OnClick = bindMethod(this, &Toptions1::RadioGroup1Click);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
    OnShow = bindMethod(this, &Toptions1::FormShow);
    OnClose = bindMethod(this, &Toptions1::FormClose);
}

void Toptions1::BitBtn1Click(TObject*) {
    Panel4->Hide();
    TPbook1& pb = *Pbook1;
    const int item = RadioGroup1->ItemIndex();
    pb.firstoutline = true;
    pb.polycount = 1;
    pb.pensetup = false;
    if (item >= 2 && item <= 5) {
        pb.morfmode = false;
        Application->ProcessMessages();
    }
    const int steps = SpinEdit2->Value();
    switch (item) {
    case 0:
        Form3->toolcode = tools::specialOutline;
        Form3->do_tool(tools::specialOutline);
        pb.morfmode = true;
        break;
    case 1:
        Form3->toolcode = tools::specialOutline;
        morfshapeform->Show();
        pb.morfmode = false;
        break;
    case 2:
        pb.lightenit(1, steps);
        break;
    case 3:
        pb.lightenit(0, steps);
        break;
    case 4:
        pb.doclipblend(steps);
        break;
    case 5:
        colortint1->Check1->SetChecked(true);
        Application->ProcessMessages();
        colortint1->Image1->Picture().Assign(pb.clpmap1->Picture());
        colortint1->Show();
        break;
    default:
        break;
    }
    chosen_ = true;
    Close();
    chosen_ = false;
}

void Toptions1::BitBtn2Click(TObject*) {
    Pbook1->morfmode = false;
    Panel4->Hide();
    Close();
}

void Toptions1::RadioGroup1Click(TObject*) {
    const int item = RadioGroup1->ItemIndex();
    if (item >= 2 && item <= 4) Panel5->Show();
}

void Toptions1::FormShow(TObject* Sender) {
    RadioGroup1Click(Sender);
}

void Toptions1::FormClose(TObject*, TCloseAction&) {
    // Closed from its title bar, the window leaves no fitting pending, as Cancel does.
    if (!chosen_ && Pbook1) Pbook1->morfmode = false;
}
