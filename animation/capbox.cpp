#include "capbox.h"

#include "Application.h"
#include "BindMethod.h"
#include "Blit.h"
#include "ClipboardGuard.h"
#include "Dialogs.h"
#include "Pbook.h"
#include "PictureWriters.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TImage.h"
#include "TLabel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "imview.h"

Tcappos1* cappos1 = nullptr;

namespace {

TBitmap arrowGlyph(TColor c) {
    TBitmap g(16, 16);
    TCanvas& cv = g.Canvas();
    cv.Brush.Color = c;
    cv.Pen.Color = clBlack;
    cv.Rectangle(2, 2, 14, 14);
    g.SetPixel(0, 15, clOlive); // the transparent colour
    return g;
}

} // namespace

Tcappos1::Tcappos1(TComponent* AOwner) : TForm(AOwner) {
    SetName("cappos1");
    SetCaption("Capture Box");
    SetBounds(0, 0, 260, 250);
    SetFormStyle(fsStayOnTop);
    auto label = [this](const char* name, const char* caption, int left, int top) {
        auto* l = new TLabel(this, this);
        l->SetName(name);
        l->SetCaption(caption);
        l->SetBounds(left, top, 44, 16);
        return l;
    };
    auto spin = [this](const char* name, int left, int top, int lo, int hi, int value) {
        auto* e = new TSpinEdit(this, this);
        e->SetName(name);
        e->SetBounds(left, top, 64, 22);
        e->SetMinValue(lo);
        e->SetMaxValue(hi);
        e->SetValue(value);
        e->SetEditorEnabled(false);
        e->SetMaxLength(5);
        return e;
    };
    Label1 = label("Label1", "Left", 8, 12);
    spleft = spin("spleft", 54, 8, -2000, 10000, 0);
    Label2 = label("Label2", "Top", 128, 12);
    sptop = spin("sptop", 174, 8, -2000, 10000, 0);
    Label3 = label("Label3", "Width", 8, 42);
    spwid = spin("spwid", 54, 38, -2000, 2000, 200);
    Label4 = label("Label4", "Height", 128, 42);
    sphit = spin("sphit", 174, 38, -2000, 2000, 200);
    CheckBox1 = new TCheckBox(this, this);
    CheckBox1->SetName("CheckBox1");
    CheckBox1->SetCaption("X 2");
    CheckBox1->SetHint("Increment/Decrement by 2");
    CheckBox1->SetShowHint(true);
    CheckBox1->SetBounds(54, 66, 60, 20);
    CheckBox2 = new TCheckBox(this, this);
    CheckBox2->SetName("CheckBox2");
    CheckBox2->SetCaption("X 10");
    CheckBox2->SetBounds(174, 66, 60, 20);
    Label5 = label("Label5", "Filename Prefix", 8, 96);
    Label5->SetWidth(100);
    Edit1 = new TEdit(this, this);
    Edit1->SetName("Edit1");
    Edit1->SetBounds(112, 92, 126, 22);
    Edit1->SetText("clip");
    Label6 = label("Label6", "frame ", 8, 126);
    SpinEdit5 = new TSpinEdit(this, this);
    SpinEdit5->SetName("SpinEdit5");
    SpinEdit5->SetBounds(112, 122, 80, 22);
    Label7 = label("Label7", ".bmp", 196, 126);
    Label7->SetWidth(40);
    BitBtn1 = new TBitBtn(this, this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetBounds(8, 158, 36, 30);
    BitBtn1->SetGlyph(arrowGlyph(clYellow));
    BitBtn3 = new TBitBtn(this, this);
    BitBtn3->SetName("BitBtn3");
    BitBtn3->SetBounds(50, 158, 36, 30);
    BitBtn3->SetGlyph(arrowGlyph(clBlue));
    SpeedButton1 = new TSpeedButton(this, this);
    SpeedButton1->SetName("SpeedButton1");
    SpeedButton1->SetBounds(92, 158, 30, 30);
    SpeedButton1->SetHint("Browse Images");
    SpeedButton1->SetShowHint(true);
    SpeedButton1->SetGlyph(arrowGlyph(clLime));
    SpeedButton8 = new TSpeedButton(this, this);
    SpeedButton8->SetName("SpeedButton8");
    SpeedButton8->SetBounds(126, 158, 30, 30);
    SpeedButton8->SetHint("Launch your file browser");
    SpeedButton8->SetShowHint(true);
    SpeedButton8->SetGlyph(arrowGlyph(clAqua));
    BitBtn2 = new TBitBtn(this, this);
    BitBtn2->SetName("BitBtn2");
    BitBtn2->SetCaption("Close");
    BitBtn2->SetBounds(164, 158, 74, 30);
    SavePictureDialog1 = new TSaveDialog(this);
    SavePictureDialog1->SetName("SavePictureDialog1");
    SavePictureDialog1->SetFilter("Windows Bitmap (*.BMP)|*.bmp");

    spleft->OnChange = bindMethod(this, &Tcappos1::spleftChange);
    sptop->OnChange = bindMethod(this, &Tcappos1::sptopChange);
    spwid->OnChange = bindMethod(this, &Tcappos1::spwidChange);
    sphit->OnChange = bindMethod(this, &Tcappos1::sphitChange);
    CheckBox1->OnClick = bindMethod(this, &Tcappos1::CheckBox1Click);
    CheckBox2->OnClick = bindMethod(this, &Tcappos1::CheckBox2Click);
    BitBtn1->OnClick = bindMethod(this, &Tcappos1::BitBtn1Click);
    BitBtn3->OnClick = bindMethod(this, &Tcappos1::BitBtn3Click);
    BitBtn2->OnClick = bindMethod(this, &Tcappos1::BitBtn2Click);
    SpeedButton1->OnClick = bindMethod(this, &Tcappos1::SpeedButton1Click);
    SpeedButton8->OnClick = bindMethod(this, &Tcappos1::SpeedButton8Click);
    OnCreate = bindMethod(this, &Tcappos1::FormCreate);
    OnShow = bindMethod(this, &Tcappos1::FormShow);
    OnClose = bindMethod(this, &Tcappos1::FormClose);
}

void Tcappos1::FormCreate(TObject*) {
    CenterOnScreen();
}

// Leaving the zoom view brings the page forward, over the frame: the frame comes back on top.
void Tcappos1::FormShow(TObject*) {
    Pbook1->capbox->Show();
    Pbook1->capbox->BringToFront();
}

void Tcappos1::FormClose(TObject*, TCloseAction&) {
    Pbook1->capbox->Hide();
}

// The spins count in page pixels; the box lives in the scroll box, which moves its children when
// the page is scrolled, so the page's offset goes in between.
void Tcappos1::spleftChange(TObject*) {
    if (spleft->Value() < -1) return;
    Pbook1->capbox->SetLeft(spleft->Value() - 1 + Pbook1->ptbox1->Left());
}

void Tcappos1::sptopChange(TObject*) {
    if (sptop->Value() < -1) return;
    Pbook1->capbox->SetTop(sptop->Value() - 1 + Pbook1->ptbox1->Top());
}

void Tcappos1::spwidChange(TObject*) {
    Pbook1->capbox->SetWidth(spwid->Value() + 2);
}

void Tcappos1::sphitChange(TObject*) {
    const int h = sphit->Value();
    if (h >= 6 && h <= 1999) Pbook1->capbox->SetHeight(h + 2);
}

void Tcappos1::setIncrements(int step) {
    for (TSpinEdit* e : {spleft, sptop, spwid, sphit})
        e->SetIncrement(step);
}

void Tcappos1::CheckBox1Click(TObject*) {
    setIncrements(CheckBox1->Checked() ? 2 : 1);
}

void Tcappos1::CheckBox2Click(TObject*) {
    setIncrements(CheckBox2->Checked() ? 10 : 1);
}

TBitmap Tcappos1::grab() {
    const int w = spwid->Value(), h = sphit->Value();
    // A size below 1 would make an empty picture and a broken frame file.
    if (w < 1 || h < 1) return TBitmap();
    const TShape& box = *Pbook1->capbox;
    const TImage& page = *Pbook1->ptbox1;
    TBitmap grabbed(w, h);
    StretchBitmap(grabbed.Canvas(), 0, 0, w, h, Pbook1->ptbox1->Picture().Bitmap(),
                  box.Left() + 1 - page.Left(), box.Top() + 1 - page.Top(), box.Width() - 2, box.Height() - 2,
                  SRCCOPY);
    return grabbed;
}

void Tcappos1::BitBtn1Click(TObject*) {
    const TBitmap grabbed = grab();
    if (grabbed.Empty()) return;
    ClipboardGuardWrite(grabbed, reportBoxUnavailableClipboardError, [] {
        Pbook1->ptbox1->Repaint();
        Application->ProcessMessages();
    });
}

void Tcappos1::BitBtn3Click(TObject*) {
    const TBitmap grabbed = grab();
    if (grabbed.Empty()) return;
    SavePictureDialog1->SetFileName(frameFileName(Edit1->Text(), SpinEdit5->Value()));
    if (!SavePictureDialog1->Execute()) return;
    SpinEdit5->SetValue(SpinEdit5->Value() + 1);
    WriteBmpPicture(grabbed, SavePictureDialog1->FileName());
}

void Tcappos1::BitBtn2Click(TObject*) {
    Close();
}

void Tcappos1::SpeedButton1Click(TObject*) {
    picform1->Show();
}

void Tcappos1::SpeedButton8Click(TObject* Sender) {
    Pbook1->SpeedButton8Click(Sender);
}
