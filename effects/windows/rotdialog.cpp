#include "rotdialog.h"
#include "BindMethod.h"

#include "Application.h"
#include "Pbook.h"
#include "Screen.h"
#include "TCoolBar.h"
#include "rotation.h"

#include <algorithm>

Trotateform* rotateform = nullptr;

Trotateform::Trotateform(TComponent* AOwner) : TForm(AOwner) {
    SetName("rotateform");
    SetCaption("Rotate image");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(236);
    SetClientHeight(150);

    Rlabel1 = new TLabel(this, this);
    Rlabel1->SetName("Rlabel1");
    Rlabel1->FontRef().Style |= fsBold;
    Rlabel1->FontChanged();
    Rlabel1->SetBounds(16, 14, 130, 16);
    Rlabel1->SetCaption("Degree of Rotation");

    Label1 = new TLabel(this, this);
    Label1->SetName("Label1");
    Label1->SetBounds(104, 44, 60, 16);
    Label1->SetCaption("0 to 360");

    rotedit1 = new TSpinEdit(this, this);
    rotedit1->SetName("rotedit1");
    rotedit1->SetBounds(16, 40, 76, 24);
    rotedit1->SetMinValue(0);
    rotedit1->SetMaxValue(360);
    rotedit1->SetValue(15);
    rotedit1->SetHint("Degree of Rotation ");
    rotedit1->SetShowHint(true);

    CheckBox1 = new TCheckBox(this, this);
    CheckBox1->SetName("CheckBox1");
    CheckBox1->SetBounds(16, 74, 204, 20);
    CheckBox1->SetCaption("Enlarge Image if necessary");

    BitBtn1 = new TBitBtn(this, this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetBounds(16, 106, 96, 30);
    BitBtn1->SetKind(bkOK);
    BitBtn1->OnClick = bindMethod(this, &Trotateform::BitBtn1Click);

    BitBtn2 = new TBitBtn(this, this);
    BitBtn2->SetName("BitBtn2");
    BitBtn2->SetBounds(124, 106, 96, 30);
    BitBtn2->SetKind(bkCancel);
    BitBtn2->OnClick = bindMethod(this, &Trotateform::BitBtn2Click);

    CenterOnScreen();
}

Trotateform::TRotateDocument Trotateform::document() const {
    TRotateDocument d = document_;
    if (!d.page && Pbook1) {
        d.page = Pbook1->ptbox1;
        d.undo = Pbook1->Image2;
        d.bar = &Pbook1->progress();
        d.window = Pbook1;
        d.toolbar = Pbook1->CoolBar1;
    }
    return d;
}

void Trotateform::BitBtn1Click(TObject*) {
    TRotateDocument d = document();
    Hide();
    d.undo->Picture().Assign(d.page->Picture());
    if (CheckBox1->Checked()) resizeit();
    d.bar->SetPosition(1);
    d.bar->Show();
    rotatepicture(d.undo->Picture().Bitmap(), d.page->Picture().Bitmap(), d.page->Width() / 2,
                  d.page->Height() / 2, 1.0, rotedit1->Value(), *d.bar);
    if (d.window) d.window->Invalidate();
    d.bar->Hide();
    Close();
}

void Trotateform::BitBtn2Click(TObject*) {
    Close();
}

void Trotateform::resizeit() {
    TRotateDocument d = document();
    if (!resizeitbits(d.page->Picture().Bitmap(), d.undo->Picture().Bitmap())) return;
    int side = d.page->Picture().Width();
    d.page->SetBounds(d.page->Left(), d.page->Top(), side, side);
    d.undo->SetBounds(d.undo->Left(), d.undo->Top(), side, side);
    Application->ProcessMessages();
    Repaint();
    if (d.window && d.toolbar) {
        d.window->SetWidth(std::min(d.page->Width() + d.toolbar->Width() + 40, Screen->Width() - 20));
        d.window->SetHeight(std::min(d.page->Height() + 100, Screen->Height() - 80));
    }
}
