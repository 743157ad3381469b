#include "colortint.h"

#include "BindMethod.h"
#include "ClipboardGuard.h"
#include "PageProgress.h"
#include "Pbook.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TProgressBar.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "tint.h"

Tcolortint1* colortint1 = nullptr;

Tcolortint1::Tcolortint1(TComponent* AOwner) : TForm(AOwner) {
    SetName("colortint1");
    SetCaption("colortint1");
    SetBorderStyle(bsToolWindow);
    SetFormStyle(fsStayOnTop);
    SetClientWidth(244);
    SetClientHeight(250);

    auto label = [this](const char* name, const char* caption, int x, int y) {
        TLabel* l = new TLabel(this, this);
        l->SetName(name);
        l->SetCaption(caption);
        l->SetBounds(x, y, 60, 16);
        return l;
    };
    auto spin = [this](const char* name, int x, int y, int min, int max) {
        TSpinEdit* s = new TSpinEdit(this, this);
        s->SetName(name);
        s->SetBounds(x, y, 64, 22);
        s->SetMinValue(min);
        s->SetMaxValue(max);
        s->SetValue(0);
        return s;
    };
    Label1 = label("Label1", "Color Tint", 8, 6);
    Label1->FontRef().Style |= fsBold;
    Label1->FontChanged();
    Label5 = label("Label5", "Luminousity", 8, 30);
    SpinEdit4 = spin("SpinEdit4", 80, 28, 0, 0);
    // Each row names the channel its spin drives.
    Label2 = label("Label2", "Red", 8, 58);
    SpinEdit1 = spin("SpinEdit1", 80, 56, -100, 100);
    Label6 = label("Label6", "%", 148, 58);
    Label3 = label("Label3", "Green", 8, 84);
    SpinEdit2 = spin("SpinEdit2", 80, 82, -100, 100);
    Label7 = label("Label7", "%", 148, 84);
    Label4 = label("Label4", "Blue", 8, 110);
    SpinEdit3 = spin("SpinEdit3", 80, 108, -100, 100);
    Label8 = label("Label8", "%", 148, 110);
    for (TLabel* l : {Label6, Label7, Label8})
        l->SetWidth(14);

    Image1 = new TImage(this, this);
    Image1->SetName("Image1");
    Image1->SetBounds(8, 136, 110, 90);
    Image1->SetStretch(true);

    auto button = [this](const char* name, const char* caption, int y, TNotifyEvent click) {
        TBitBtn* b = new TBitBtn(this, this);
        b->SetName(name);
        b->SetCaption(caption);
        b->SetBounds(150, y, 84, 26);
        b->OnClick = std::move(click);
        return b;
    };
    BitBtn3 = button("BitBtn3", "Test", 136, bindMethod(this, &Tcolortint1::BitBtn3Click));
    BitBtn1 = button("BitBtn1", "OK", 166, bindMethod(this, &Tcolortint1::BitBtn1Click));
    BitBtn1->SetDefault(true);
    BitBtn2 = button("BitBtn2", "Cancel", 196, bindMethod(this, &Tcolortint1::BitBtn2Click));
    BitBtn2->SetCancel(true);

    bg = new TProgressBar(this, this);
    bg->SetName("bg");
    bg->SetAlign(alBottom);
    bg->SetHeight(12);
    bg->SetMin(0);
    bg->SetMax(100);
    bg->Hide();
    bar_.SetBar(bg);

    Check1 = new TCheckBox(this, this);
    Check1->SetName("Check1");
    Check1->Hide();

    OnCreate = [this](TObject*) { CenterOnScreen(); };
    OnClose = bindMethod(this, &Tcolortint1::FormClose);
}

void Tcolortint1::showForPage(const TPicture& page) {
    Image1->Picture().Assign(page);
    Show();
}

void Tcolortint1::docolortint(int R, int G, int B) {
    TPbook1& pb = *Pbook1;
    bar_.SetPosition(0);
    bar_.Show();
    const bool clip = Check1->Checked();
    TBitmap scratch(clip ? pb.clpmap1->Picture().Bitmap() : pb.ptbox1->Picture().Bitmap());
    if (scratch.Height() <= 0) {
        bar_.Hide();
        return;
    }
    colourTint(scratch, R, G, B, SpinEdit4->Value(), bar_);
    bar_.Hide();
    if (!clip) {
        pb.ptbox1->Picture().Assign(scratch);
    } else {
        pb.clpmap1->Picture().Assign(scratch);
        if (ClipboardGuardWrite(scratch, reportNoticeNotAvailableOrEmpty)) pb.pbpastetobut1->SetEnabled(true);
        pb.doapaste();
    }
    pb.donil(Image1);
    Check1->SetChecked(false);
    Close();
}

void Tcolortint1::docolortinttry(int R, int G, int B) {
    bar_.SetPosition(0);
    bar_.Show();
    TBitmap scratch(110, 90, pf24bit);
    if (!Image1->Picture().Empty()) {
        TCanvas& c = scratch.Canvas();
        c.StretchMode = COLORONCOLOR;
        c.StretchDraw(Rect(0, 0, 110, 90), Image1->Picture().Bitmap());
    }
    colourTint(scratch, R, G, B, SpinEdit4->Value(), bar_);
    bar_.Hide();
    Image1->Picture().Assign(scratch);
}

void Tcolortint1::BitBtn1Click(TObject*) {
    docolortint(SpinEdit1->Value(), SpinEdit2->Value(), SpinEdit3->Value());
}

void Tcolortint1::BitBtn3Click(TObject*) {
    TPbook1& pb = *Pbook1;
    Image1->Picture().Assign(Check1->Checked() ? pb.clpmap1->Picture() : pb.ptbox1->Picture());
    docolortinttry(SpinEdit1->Value(), SpinEdit2->Value(), SpinEdit3->Value());
}

void Tcolortint1::BitBtn2Click(TObject*) {
    Pbook1->donil(Image1);
    Check1->SetChecked(false);
    Close();
}

void Tcolortint1::FormClose(TObject*, TCloseAction&) {
    if (Pbook1) Pbook1->donil(Image1);
}
