#include "capboximview.h"

#include "Application.h"
#include "Blit.h"
#include "ClipboardGuard.h"
#include "Dialogs.h"
#include "FileControls.h"
#include "FormKit.h"
#include "PictureWriters.h"
#include "Screen.h"
#include "TScrollBox.h"
#include "TShape.h"
#include "TSpinEdit.h"
#include "imview.h"

#include <cstdlib>

Tcappos2* cappos2 = nullptr;

void placeAtRightEdge(TForm& form) {
    if (form.WindowState() == wsMinimized) form.SetWindowState(wsNormal);
    form.SetLeft(Screen->Width() - form.Width());
    form.SetTop(100);
}

void applySpinStep(TCheckBox* x2, TCheckBox* x10, std::initializer_list<TSpinEdit*> spins) {
    const int step = x10->Checked() ? 10 : x2->Checked() ? 2 : 1;
    for (TSpinEdit* e : spins)
        e->SetIncrement(step);
}

TSpinEdit* positionSpin(TForm* form, const char* name, int left, int top, int lo, int hi) {
    auto* e = new TSpinEdit(form, form);
    e->SetName(name);
    e->SetBounds(left, top, 64, 22);
    e->SetMinValue(lo);
    e->SetMaxValue(hi);
    e->SetEditorEnabled(false);
    e->SetMaxLength(5);
    return e;
}

Tcappos2::Tcappos2(TComponent* AOwner) : TForm(AOwner) {
    SetName("cappos2");
    SetCaption("Capture Box Controls");
    SetFormStyle(fsStayOnTop);
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientWidth(268);
    SetClientHeight(236);

    Label2 = kit::label(this, "Label2", "Left", 8, 12);
    spleft = positionSpin(this, "spleft", 44, 8, -2000, 10000);
    Label1 = kit::label(this, "Label1", "Top", 140, 12);
    sptop = positionSpin(this, "sptop", 176, 8, -2000, 10000);
    spwid = positionSpin(this, "spwid", 44, 36, -2000, 2000);
    sphit = positionSpin(this, "sphit", 176, 36, -2000, 2000);
    spwid->SetValue(352);
    sphit->SetValue(288);
    CheckBox1 = kit::check(this, "CheckBox1", "X 2", 44, 64, 64);
    CheckBox2 = kit::check(this, "CheckBox2", "X 10", 176, 64, 64, true);
    for (TCheckBox* c : {CheckBox1, CheckBox2})
        kit::hint(c, "Increment/Decrement by 2");
    Label3 = kit::label(this, "Label3", "Filename Prefix", 8, 96);
    Edit1 = kit::edit(this, "Edit1", "clip", 110, 92, 100);
    Label4 = kit::label(this, "Label4", ".BMP", 214, 96);
    Label5 = kit::label(this, "Label5", "Frame number", 8, 124);
    SpinEdit5 = new TSpinEdit(this, this);
    SpinEdit5->SetName("SpinEdit5");
    SpinEdit5->SetBounds(110, 120, 80, 22);
    Panel1 = kit::panel(this, "Panel1", 8, 150, 252, 40, bvLowered);
    Label6 = kit::label(Panel1, "Label6", "Capture to disk, move, capture again, move... ", 6, 4);
    Label7 = kit::label(Panel1, "Label7", "to create animation frames", 6, 20);
    BitBtn1 = kit::bitBtn(this, "BitBtn1", "Close", 8, 200, 76, 28, TBitmap());
    BitBtn3 = kit::bitBtn(this, "BitBtn3", "Disk", 96, 200, 76, 28, TBitmap());
    kit::hint(BitBtn3, "Capture to file");
    BitBtn4 = kit::bitBtn(this, "BitBtn4", "Clipboard", 184, 200, 76, 28, TBitmap());
    SavePictureDialog1 = new TSaveDialog(this);
    SavePictureDialog1->SetName("SavePictureDialog1");
    SavePictureDialog1->SetFilter("Windows Bitmap (*.BMP)|*.bmp");

    for (TSpinEdit* e : {spleft, sptop, spwid, sphit})
        e->OnChange = bindMethod(this, &Tcappos2::spinChange);
    CheckBox1->OnClick = bindMethod(this, &Tcappos2::CheckBox1Click);
    CheckBox2->OnClick = bindMethod(this, &Tcappos2::CheckBox2Click);
    BitBtn1->OnClick = bindMethod(this, &Tcappos2::BitBtn1Click);
    BitBtn3->OnClick = bindMethod(this, &Tcappos2::BitBtn3Click);
    BitBtn4->OnClick = bindMethod(this, &Tcappos2::BitBtn4Click);
    OnCreate = bindMethod(this, &Tcappos2::FormCreate);
    OnShow = bindMethod(this, &Tcappos2::FormShow);
    OnClose = bindMethod(this, &Tcappos2::FormClose);
}

void Tcappos2::FormCreate(TObject*) {
    placeAtRightEdge(*this);
}

void Tcappos2::FormShow(TObject*) {
    placeAtRightEdge(*this);
    spleft->SetValue(0);
    sptop->SetValue(0);
    spwid->SetValue(352);
    sphit->SetValue(288);
    picform1->capbox->SetBounds(-2, -2, 356, 292);
    picform1->capbox->Show();
    if (CheckBox2->Checked()) CheckBox1->SetChecked(false);
    applyStep();
}

void Tcappos2::FormClose(TObject*, TCloseAction&) {
    picform1->capbox->Hide();
}

// A 2-pixel frame around the captured area.
void Tcappos2::spinChange(TObject*) {
    picform1->capbox->SetBounds(spleft->Value() - 2, sptop->Value() - 2, spwid->Value() + 4,
                                sphit->Value() + 4);
}

void Tcappos2::applyStep() {
    applySpinStep(CheckBox1, CheckBox2, {spleft, sptop, spwid, sphit});
}

void Tcappos2::CheckBox1Click(TObject*) {
    if (CheckBox1->Checked()) CheckBox2->SetChecked(false);
    applyStep();
}

void Tcappos2::CheckBox2Click(TObject*) {
    if (CheckBox2->Checked()) CheckBox1->SetChecked(false);
    applyStep();
}

TBitmap Tcappos2::capturebox() {
    const int w = spwid->Value(), h = sphit->Value();
    // A box of no area would make a picture of no pixels, and a frame file that is only a header.
    if (w < 1 || h < 1) return TBitmap();
    const TImage& image = *picform1->Image1;
    const TBitmap& picture = image.Picture().Bitmap();
    TBitmap grabbed(w, h);
    grabbed.Canvas().StretchMode =
        (picture.Width() < w || picture.Height() < h) ? BLACKONWHITE : COLORONCOLOR;
    StretchBitmap(grabbed.Canvas(), 0, 0, w, h, picture, std::abs(image.Left()) + spleft->Value(),
                  std::abs(image.Top()) + sptop->Value(), w, h, SRCCOPY);
    return grabbed;
}

void Tcappos2::BitBtn3Click(TObject*) {
    const TBitmap grabbed = capturebox();
    if (grabbed.Empty()) return;
    // The frames land in the browser's folder, so they show in its list at once.
    SavePictureDialog1->SetInitialDir(picform1->FileListBox1->Directory());
    SavePictureDialog1->SetFileName(frameFileName(Edit1->Text(), SpinEdit5->Value()));
    if (SavePictureDialog1->Execute()) {
        SpinEdit5->SetValue(SpinEdit5->Value() + 1);
        WriteBmpPicture(grabbed, SavePictureDialog1->FileName());
    }
    picform1->FileListBox1->Update();
}

void Tcappos2::BitBtn4Click(TObject*) {
    const TBitmap grabbed = capturebox();
    if (grabbed.Empty()) return;
    ClipboardGuardWrite(grabbed, reportMboxNotAvailable);
    picform1->FileListBox1->Update();
    Close();
}

void Tcappos2::BitBtn1Click(TObject*) {
    Close();
}
