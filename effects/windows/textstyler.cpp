#include "textstyler.h"

#include "Application.h"
#include "ClipboardGuard.h"
#include "Dialogs.h"
#include "FormKit.h"
#include "MyRotate.h"
#include "Mylabel.h"
#include "Pbook.h"
#include "Screen.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TShape.h"
#include "TSpinEdit.h"
#include "TStatusBar.h"
#include "textclip.h"

TTextMakerForm* TextMakerForm = nullptr;

namespace {

TLabel3d* groupLabel(TTextMakerForm* f, TWinControl* parent, const char* name, const char* caption, int x,
                     int y, int w) {
    TLabel3d* l = new TLabel3d(f, parent);
    l->SetName(name);
    l->SetAStyle3D(Raised3d);
    l->SetBounds(x, y, w, 16);
    l->SetCaption(caption);
    return l;
}

TShape* swatch(TTextMakerForm* f, TWinControl* parent, const char* name, int x, int y, TColor c) {
    TShape* s = new TShape(f, parent);
    s->SetName(name);
    s->SetBounds(x, y, 24, 20);
    TBrush b;
    b.Color = c;
    s->SetBrush(b);
    return s;
}

void setSwatch(TShape* s, TColor c) {
    TBrush b = s->Brush();
    b.SetColor(c);
    s->SetBrush(b);
}

} // namespace

TTextMakerForm::TTextMakerForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("TextMakerForm");
    SetCaption("WSIWYG Graphical Font Styles");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 560, 500);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };

    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetAlign(alBottom);
    StatusBar1->SetHeight(19);
    StatusBar1->SetSimplePanel(true);
    StatusBar1->SetSimpleText("Turn off FONT SMOOTHING in <Control Panel><Display><Plus> or <Effects>");

    Panel3 = kit::alignedPanel(this, "Panel3", alRight, 190);
    Label1 = kit::label(Panel3, "Label1", "Type Text Here  -->", 8, 8);
    Label2 = kit::label(Panel3, "Label2", "View only", 120, 8);
    Label3 = groupLabel(this, Panel3, "Label3", "Rotation Angle", 8, 30, 100);
    SpinEdit1 = new TSpinEdit(this, Panel3);
    SpinEdit1->SetName("SpinEdit1");
    SpinEdit1->SetBounds(112, 28, 64, 22);
    SpinEdit1->SetMinValue(0);
    SpinEdit1->SetMaxValue(360);
    SpinEdit1->SetValue(0);
    Label4 = groupLabel(this, Panel3, "Label4", "Shade Offset", 8, 56, 100);
    SpinEdit2 = new TSpinEdit(this, Panel3);
    SpinEdit2->SetName("SpinEdit2");
    SpinEdit2->SetBounds(112, 54, 64, 22);
    SpinEdit2->SetValue(10);
    RadioGroup1 = kit::radios(Panel3, "RadioGroup1", "3D Font Style",
                              {"Normal", "Raised", "Ressessed", "Shadowed"}, 0, 8, 82, 174, 96);
    CheckBox1 = kit::check(Panel3, "CheckBox1", "Shade Left", 8, 182, 84);
    CheckBox2 = kit::check(Panel3, "CheckBox2", "Transparent", 96, 182, 90, true);
    BitBtn1 = kit::bitBtn(Panel3, "BitBtn1", " Font ", 8, 206, 80, 24, TBitmap());
    kit::hint(BitBtn1, "Select font");

    Label5 = groupLabel(this, Panel3, "Label5", "Font Color", 8, 236, 120);
    SpeedButton4 = kit::speedButton(Panel3, "SpeedButton4", 8, 254, 56, 22, TBitmap(), "Font Color");
    SpeedButton4->SetCaption("Font");
    Shape2 = swatch(this, Panel3, "Shape2", 70, 255, clAppWorkSpace);
    Label6 = groupLabel(this, Panel3, "Label6", "Right Bottom Shade", 8, 280, 180);
    SpeedButton2 = kit::speedButton(Panel3, "SpeedButton2", 8, 298, 56, 22, TBitmap(),
                                    "Right bottom shade when raised is selected");
    SpeedButton2->SetCaption("Right");
    Shape1 = swatch(this, Panel3, "Shape1", 70, 299, clWhite);
    Label7 = groupLabel(this, Panel3, "Label7", "Left Top Shade", 8, 324, 180);
    SpeedButton5 = kit::speedButton(Panel3, "SpeedButton5", 8, 342, 56, 22, TBitmap(),
                                    "Left top shade of color when raised is selected");
    SpeedButton5->SetCaption("Left");
    Shape3 = swatch(this, Panel3, "Shape3", 70, 343, clBlack);
    Label8 = groupLabel(this, Panel3, "Label8", "Background if non-transparent", 8, 368, 180);
    SpeedButton3 = kit::speedButton(Panel3, "SpeedButton3", 8, 386, 56, 22, TBitmap(),
                                    "Background when transparent is false");
    Shape4 = swatch(this, Panel3, "Shape4", 70, 387, clBlack);
    SpeedButton1 = kit::speedButton(Panel3, "SpeedButton1", 110, 386, 66, 22, TBitmap(),
                                    "Roughly Match Target Background Color");
    SpeedButton1->SetCaption("Page");
    SpeedButton8 = kit::speedButton(Panel3, "SpeedButton8", 8, 416, 80, 24, TBitmap(),
                                    "Copy the text to the clipboard and paste into paint");
    SpeedButton8->SetCaption("Copy");
    SpeedButton7 = kit::speedButton(Panel3, "SpeedButton7", 96, 416, 80, 24, TBitmap());
    SpeedButton7->SetCaption("Close");

    Panel1 = kit::alignedPanel(this, "Panel1", alClient, 0, bvNone);
    Panel1->SetColor(clWhite);
    Panel4 = kit::alignedPanel(Panel1, "Panel4", alTop, 30);
    Edit1 = kit::edit(Panel4, "Edit1", "Some Text", 6, 4, 200);
    rlabel1 = new TMyLabelRotate(this, Panel1);
    rlabel1->SetName("rlabel1");
    rlabel1->SetAlign(alClient);
    rlabel1->SetCaption("Some Text");
    rlabel1->SetColor(clBlack);
    TFont font = rlabel1->Font();
    font.Color = clAppWorkSpace;
    rlabel1->SetFont(font);
    TLabelStyle& style = rlabel1->LabelStyle();
    style.SetAStyle3D(A3dNormal);
    style.SetAShadeRightBottom(clBlack);
    style.SetAShadeLTSet(false);
    style.SetAHShadeOffSet(10);
    style.SetAVShadeOffSet(10);
    rlabel1->SetMyTransparent(true);

    morfimage1 = kit::picture(this, "morfimage1", 0, 0, 10, 10);
    morfimage1->SetVisible(false);
    clpmap1 = kit::picture(this, "clpmap1", 0, 0, 10, 10);
    clpmap1->SetVisible(false);
    ColorDialog1 = new TColorDialog(this);
    FontDialog1 = new TFontDialog(this);

    Edit1->OnChange = bindMethod(this, &TTextMakerForm::Edit1Change);
    SpinEdit1->OnChange = bindMethod(this, &TTextMakerForm::SpinEdit1Change);
    SpinEdit2->OnChange = bindMethod(this, &TTextMakerForm::SpinEdit2Change);
    RadioGroup1->OnClick = bindMethod(this, &TTextMakerForm::RadioGroup1Click);
    CheckBox1->OnClick = bindMethod(this, &TTextMakerForm::CheckBox1Click);
    CheckBox2->OnClick = bindMethod(this, &TTextMakerForm::CheckBox2Click);
    BitBtn1->OnClick = bindMethod(this, &TTextMakerForm::BitBtn1Click);
    SpeedButton1->OnClick = bindMethod(this, &TTextMakerForm::SpeedButton1Click);
    SpeedButton2->OnClick = bindMethod(this, &TTextMakerForm::SpeedButton2Click);
    SpeedButton3->OnClick = bindMethod(this, &TTextMakerForm::SpeedButton3Click);
    SpeedButton4->OnClick = bindMethod(this, &TTextMakerForm::SpeedButton4Click);
    SpeedButton5->OnClick = bindMethod(this, &TTextMakerForm::SpeedButton5Click);
    SpeedButton7->OnClick = bindMethod(this, &TTextMakerForm::SpeedButton7Click);
    SpeedButton8->OnClick = bindMethod(this, &TTextMakerForm::SpeedButton8Click);
}

void TTextMakerForm::copytexttopaint() {
    Screen->SetCursor(crHourGlass);
    // The label drawn over the preview's colour, never read from the screen, so a window over
    // it cannot get into the picture.
    TBitmap shown(rlabel1->Width(), rlabel1->Height());
    shown.Canvas().Brush.SetColor(Panel1->Color());
    shown.Canvas().FillRect(Rect(0, 0, shown.Width(), shown.Height()));
    rlabel1->drawOn(shown.Canvas());
    const TBitmap clip = textClip(shown);
    ClipboardGuardWrite(clip, reportNoticeNotAvailableOrEmpty);
    Screen->SetCursor(crDefault);
}

void TTextMakerForm::Edit1Change(TObject*) {
    rlabel1->SetCaption(Edit1->Text());
}

void TTextMakerForm::SpinEdit1Change(TObject*) {
    rlabel1->LabelStyle().SetAngle(SpinEdit1->Value());
}

void TTextMakerForm::SpinEdit2Change(TObject*) {
    rlabel1->LabelStyle().SetAHShadeOffSet(SpinEdit2->Value());
}

void TTextMakerForm::RadioGroup1Click(TObject*) {
    static const T3DEffectShort looks[] = {A3dNormal, A3dRaised, A3dResit, A3dShadowed};
    const int i = RadioGroup1->ItemIndex();
    if (i >= 0 && i < 4) rlabel1->LabelStyle().SetAStyle3D(looks[i]);
}

void TTextMakerForm::CheckBox1Click(TObject*) {
    rlabel1->LabelStyle().SetAShadeLTSet(CheckBox1->Checked());
}

void TTextMakerForm::CheckBox2Click(TObject*) {
    rlabel1->SetMyTransparent(CheckBox2->Checked());
}

void TTextMakerForm::BitBtn1Click(TObject*) {
    FontDialog1->SetFont(rlabel1->Font());
    if (FontDialog1->Execute()) rlabel1->SetFont(FontDialog1->Font());
    TFont f = rlabel1->Font();
    f.Color = Shape2->Brush().Color;
    rlabel1->SetFont(f);
}

void TTextMakerForm::SpeedButton4Click(TObject*) {
    if (!ColorDialog1->Execute()) return;
    TFont f = rlabel1->Font();
    f.Color = ColorDialog1->Color();
    rlabel1->SetFont(f);
    setSwatch(Shape2, ColorDialog1->Color());
}

void TTextMakerForm::SpeedButton2Click(TObject*) {
    if (!ColorDialog1->Execute()) return;
    rlabel1->LabelStyle().SetAShadeLeftTop(ColorDialog1->Color());
    setSwatch(Shape1, rlabel1->LabelStyle().AShadeLeftTop());
}

void TTextMakerForm::SpeedButton5Click(TObject*) {
    if (!ColorDialog1->Execute()) return;
    rlabel1->LabelStyle().SetAShadeRightBottom(ColorDialog1->Color());
    setSwatch(Shape3, rlabel1->LabelStyle().AShadeRightBottom());
}

void TTextMakerForm::SpeedButton3Click(TObject*) {
    if (!ColorDialog1->Execute()) return;
    rlabel1->SetColor(ColorDialog1->Color());
    setSwatch(Shape4, ColorDialog1->Color());
}

void TTextMakerForm::SpeedButton1Click(TObject*) {
    if (ColorDialog1->Execute()) Panel1->SetColor(ColorDialog1->Color());
}

void TTextMakerForm::SpeedButton8Click(TObject*) {
    copytexttopaint();
    Application->ProcessMessages();
    Pbook1->doapaste();
    Close();
}

void TTextMakerForm::SpeedButton7Click(TObject*) {
    Close();
}

void TTextMakerForm::FormClose(TObject*, TCloseAction&) {
    Pbook1->donil(morfimage1);
    Pbook1->donil(clpmap1);
}
