#include "cappastepositioner.h"

#include "Application.h"
#include "Blit.h"
#include "Dialogs.h"
#include "FormKit.h"
#include "PictureWriters.h"
#include "TShape.h"
#include "TSpinEdit.h"
#include "capboximview.h"
#include "imview.h"
#include "mydialog.h"

#include <cstdlib>

Tcappastefrm* cappastefrm = nullptr;

Tcappastefrm::Tcappastefrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("cappastefrm");
    SetCaption("Paste positioner");
    SetFormStyle(fsStayOnTop);
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientWidth(268);
    SetClientHeight(176);

    Label2 = kit::label(this, "Label2", "Left", 8, 12);
    spleft = positionSpin(this, "spleft", 44, 8, -2000, 10000);
    Label1 = kit::label(this, "Label1", "Top", 140, 12);
    sptop = positionSpin(this, "sptop", 176, 8, -2000, 10000);
    spwid = positionSpin(this, "spwid", 44, 36, -2000, 2000);
    sphit = positionSpin(this, "sphit", 176, 36, -2000, 2000);
    spwid->SetValue(200);
    sphit->SetValue(200);
    CheckBox1 = kit::check(this, "CheckBox1", "X 2", 44, 64, 64);
    CheckBox2 = kit::check(this, "CheckBox2", "X 10", 176, 64, 64, true);
    for (TCheckBox* c : {CheckBox1, CheckBox2})
        kit::hint(c, "Increment/Decrement by 2");
    chktransp = kit::check(this, "chktransp", "Transparent", 8, 92, 100, true);
    Label3 = kit::label(this, "Label3", "Bottom left pixel ", 120, 90);
    Label4 = kit::label(this, "Label4", "is transparent color", 120, 106);
    chkpasted = kit::check(this, "chkpasted", "chkpasted", 8, 112, 60);
    chkpasted->SetVisible(false);
    BitBtn1 = kit::bitBtn(this, "BitBtn1", "Stamp it", 8, 136, 120, 30, TBitmap());
    BitBtn1->SetDefault(true);
    kit::hint(BitBtn1, "Paste at this location and size");
    BitBtn2 = kit::bitBtn(this, "BitBtn2", "Done", 140, 136, 120, 30, TBitmap());
    BitBtn2->SetCancel(true);
    SavePictureDialog1 = new TSaveDialog(this);
    SavePictureDialog1->SetName("SavePictureDialog1");
    SavePictureDialog1->SetFilter("Bitmaps (*.bmp)|*.bmp");
    SavePictureDialog1->SetDefaultExt("bmp");
    SavePictureDialog1->SetOptions(ofHideReadOnly | ofOverwritePrompt);

    for (TSpinEdit* e : {spleft, sptop, spwid, sphit})
        e->OnChange = bindMethod(this, &Tcappastefrm::spinChange);
    CheckBox1->OnClick = bindMethod(this, &Tcappastefrm::CheckBox1Click);
    CheckBox2->OnClick = bindMethod(this, &Tcappastefrm::CheckBox2Click);
    chktransp->OnClick = bindMethod(this, &Tcappastefrm::chktranspClick);
    BitBtn1->OnClick = bindMethod(this, &Tcappastefrm::BitBtn1Click);
    BitBtn2->OnClick = bindMethod(this, &Tcappastefrm::BitBtn2Click);
    OnCreate = bindMethod(this, &Tcappastefrm::FormCreate);
    OnShow = bindMethod(this, &Tcappastefrm::FormShow);
}

void Tcappastefrm::FormCreate(TObject*) {
    placeAtRightEdge(*this);
}

void Tcappastefrm::FormShow(TObject*) {
    placeAtRightEdge(*this);
    chkpasted->SetChecked(false);
    picform1->clpmap1->SetTransparent(chktransp->Checked());
    // The clip's own size as the browser framed it, read before the spins move anything.
    const int w = picform1->clpshape->Width() - 4, h = picform1->clpshape->Height() - 4;
    spleft->SetValue(0);
    sptop->SetValue(0);
    spwid->SetValue(w);
    sphit->SetValue(h);
    spinChange(this);
    if (CheckBox1->Checked()) CheckBox2->SetChecked(false);
    applyStep();
}

void Tcappastefrm::spinChange(TObject*) {
    const int x = spleft->Value(), y = sptop->Value(), w = spwid->Value(), h = sphit->Value();
    picform1->clpmap1->SetBounds(x, y, w, h);
    picform1->clpshape->SetBounds(x - 2, y - 2, w + 4, h + 4);
}

void Tcappastefrm::applyStep() {
    applySpinStep(CheckBox1, CheckBox2, {spleft, sptop, spwid, sphit});
}

void Tcappastefrm::CheckBox1Click(TObject*) {
    if (CheckBox1->Checked()) CheckBox2->SetChecked(false);
    applyStep();
}

void Tcappastefrm::CheckBox2Click(TObject*) {
    if (CheckBox2->Checked()) CheckBox1->SetChecked(false);
    applyStep();
}

void Tcappastefrm::chktranspClick(TObject*) {
    picform1->clpmap1->SetTransparent(chktransp->Checked());
}

void Tcappastefrm::BitBtn1Click(TObject*) {
    const int w = spwid->Value(), h = sphit->Value();
    TPicture& clip = picform1->clpmap1->Picture();
    // A stamp of no area would leave a clip of no pixels for the next one.
    if (w < 1 || h < 1 || clip.Empty()) return;
    picform1->clpshape->Hide();
    TBitmap sized(w, h);
    sized.Canvas().StretchMode = (w < clip.Width() || h < clip.Height()) ? BLACKONWHITE : COLORONCOLOR;
    StretchBitmap(sized.Canvas(), 0, 0, w, h, clip.Bitmap(), 0, 0, clip.Width(), clip.Height(), SRCCOPY);
    clip.Assign(sized);

    TImage& image = *picform1->Image1;
    TCanvas& canvas = image.Picture().Bitmap().Canvas();
    const int x = spleft->Value() + std::abs(image.Left()), y = sptop->Value() + std::abs(image.Top());
    if (chktransp->Checked())
        canvas.DrawTransparent(x, y, sized, sized.GetPixel(0, h - 1));
    else
        canvas.Draw(x, y, sized);
    image.Repaint();
    for (int i = 0; i < 500; ++i)
        Application->ProcessMessages();
    chkpasted->SetChecked(true);
}

void Tcappastefrm::BitBtn2Click(TObject*) {
    if (chkpasted->Checked()) {
        if (mydialog1->mbox("Save image?", "", "", "", "", 2) == 0) picform1->butsaveClick(this);
        if (mydialog1->mbox("Save Clip?", "", "", "", "", 2) == 0) {
            SavePictureDialog1->SetInitialDir(picform1->FileListBox1->Directory());
            SavePictureDialog1->SetFileName("tempclip.bmp");
            if (SavePictureDialog1->Execute())
                WriteBmpPicture(picform1->clpmap1->Picture().Bitmap(), SavePictureDialog1->FileName());
        }
    }
    picform1->clpshape->Hide();
    picform1->clpmap1->Picture().Clear();
    picform1->clpmap1->Hide();
    Close();
}
