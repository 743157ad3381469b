#include "capdlg.h"
#include "BindMethod.h"

Tcapformdlg* capformdlg = nullptr;

namespace {

// A small monitor with a frame around its screen, the sign of a screen grab.
void drawScreenIcon(TImage* img) {
    TCanvas& c = img->Canvas();
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, 32, 32));
    c.Pen.Color = clBlack;
    c.Brush.Color = clGray;
    c.Rectangle(2, 3, 30, 23);
    c.Brush.Color = clNavy;
    c.Rectangle(5, 6, 27, 20);
    c.Brush.Color = clGray;
    c.Rectangle(12, 23, 20, 27);
    c.Rectangle(7, 27, 25, 30);
    c.Pen.Color = clYellow;
    c.MoveTo(8, 9);
    c.LineTo(14, 9);
    c.MoveTo(8, 9);
    c.LineTo(8, 14);
}

} // namespace

Tcapformdlg::Tcapformdlg(TComponent* AOwner) : TForm(AOwner) {
    SetName("capformdlg");
    SetCaption("Capture screen");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu);
    SetFormStyle(fsStayOnTop);
    SetClientWidth(300);
    SetClientHeight(132);

    Image1 = new TImage(this, this);
    Image1->SetName("Image1");
    Image1->SetBounds(16, 16, 32, 32);
    drawScreenIcon(Image1);

    Label1 = new TLabel(this, this);
    Label1->SetName("Label1");
    Label1->SetBounds(64, 24, 220, 16);
    Label1->FontRef().Style = fsBold;
    Label1->FontChanged();
    Label1->SetCaption("Press OK to capture screen.");

    BitBtn1 = new TBitBtn(this, this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetBounds(64, 64, 75, 25);
    BitBtn1->SetKind(bkOK);
    BitBtn1->SetDefault(true);
    BitBtn1->OnClick = bindMethod(this, &Tcapformdlg::BitBtn1Click);

    BitBtn2 = new TBitBtn(this, this);
    BitBtn2->SetName("BitBtn2");
    BitBtn2->SetBounds(160, 64, 75, 25);
    BitBtn2->SetKind(bkCancel);
    BitBtn2->SetCancel(true);
    BitBtn2->OnClick = bindMethod(this, &Tcapformdlg::BitBtn2Click);

    Label2 = new TLabel(this, this);
    Label2->SetName("Label2");
    Label2->SetAutoSize(false);
    Label2->SetAlign(alBottom);
    Label2->SetHeight(20);
    Label2->SetAlignment(taCenter);
    Label2->SetLayout(tlCenter);
    Label2->SetColor(clInfoBk);
    Label2->SetCaption("Program will be minimized prior to capture.");

    OnCreate = bindMethod(this, &Tcapformdlg::FormCreate);
}

void Tcapformdlg::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tcapformdlg::BitBtn1Click(TObject*) {
    SetModalResult(mrOk);
}

void Tcapformdlg::BitBtn2Click(TObject*) {
    SetModalResult(mrCancel);
    Close();
}
