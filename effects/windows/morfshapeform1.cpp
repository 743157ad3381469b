#include "morfshapeform1.h"

#include "BindMethod.h"
#include "Mylabel.h"
#include "Pbook.h"
#include "Screen.h"
#include "TBitBtn.h"
#include "TImage.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpinEdit.h"
#include "ToolCodes.h"
#include "Toolpal.h"

Tmorfshapeform* morfshapeform = nullptr;

namespace {
constexpr TColor maroon = 0x000080;

TShape* swatch(Tmorfshapeform* f, TWinControl* parent, const char* name, TShapeType type, int x, TColor c) {
    TShape* s = new TShape(f, parent);
    s->SetName(name);
    s->SetShape(type);
    s->SetBounds(x, 8, 48, 40);
    s->BrushRef().Color = c;
    s->Changed();
    return s;
}

TSpinEdit* sizeSpin(Tmorfshapeform* f, const char* name, int x, int y) {
    TSpinEdit* s = new TSpinEdit(f, f);
    s->SetName(name);
    s->SetBounds(x, y, 64, 22);
    s->SetMinValue(10);
    s->SetMaxValue(1000);
    s->SetValue(100);
    return s;
}

TLabel3d* label3d(Tmorfshapeform* f, const char* name, const char* caption, int x, int y) {
    TLabel3d* l = new TLabel3d(f, f);
    l->SetName(name);
    l->SetAStyle3D(Raised3d);
    l->SetBounds(x, y, 56, 16);
    l->SetCaption(caption);
    return l;
}
} // namespace

Tmorfshapeform::Tmorfshapeform(TComponent* AOwner) : TForm(AOwner) {
    SetName("morfshapeform");
    SetCaption("Morf Shapes");
    SetFormStyle(fsStayOnTop);
    SetClientWidth(236);
    SetClientHeight(164);
    Panel1 = new TPanel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetCaption("");
    Panel1->SetBounds(8, 8, 220, 56);
    Shape1 = swatch(this, Panel1, "Shape1", stRectangle, 6, maroon);
    Shape2 = swatch(this, Panel1, "Shape2", stRoundRect, 60, clWhite);
    Shape3 = swatch(this, Panel1, "Shape3", stCircle, 114, clWhite);
    Shape4 = swatch(this, Panel1, "Shape4", stEllipse, 168, clWhite);
    int kind = 1;
    for (TShape* s : {Shape1, Shape2, Shape3, Shape4}) {
        s->OnMouseUp = [this, kind](TObject*, TMouseButton, TShiftState, int, int) { swatchUp(kind); };
        ++kind;
    }
    Label3d1 = label3d(this, "Label3d1", "Width", 12, 76);
    SpinEdit1 = sizeSpin(this, "SpinEdit1", 72, 72);
    Label3d2 = label3d(this, "Label3d2", "Height", 12, 104);
    SpinEdit2 = sizeSpin(this, "SpinEdit2", 72, 100);
    Image1 = new TImage(this, this);
    Image1->SetName("Image1");
    Image1->SetBounds(150, 72, 100, 100);
    Image1->Hide();
    BitBtn1 = new TBitBtn(this, this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetCaption("OK");
    BitBtn1->SetBounds(60, 132, 80, 26);
    BitBtn1->SetDefault(true);
    BitBtn1->OnClick = bindMethod(this, &Tmorfshapeform::BitBtn1Click);
    BitBtn2 = new TBitBtn(this, this);
    BitBtn2->SetName("BitBtn2");
    BitBtn2->SetCaption("Cancel");
    BitBtn2->SetBounds(148, 132, 80, 26);
    BitBtn2->SetCancel(true);
    BitBtn2->OnClick = bindMethod(this, &Tmorfshapeform::BitBtn2Click);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
    OnShow = bindMethod(this, &Tmorfshapeform::FormShow);
}

void Tmorfshapeform::doshape(int kind) {
    const int W = SpinEdit1->Value(), H = SpinEdit2->Value();
    Image1->Picture().Assign(TBitmap(W + 4, H + 4));
    TBitmap& b = Image1->Picture().Bitmap();
    int k = 1;
    for (TShape* s : {Shape1, Shape2, Shape3, Shape4}) {
        s->BrushRef().Color = k++ == kind ? maroon : clWhite;
        s->Changed();
    }
    TCanvas& c = b.Canvas();
    c.Brush.SetColor(maroon);
    c.Brush.SetStyle(bsSolid);
    if (kind == 1)
        c.Rectangle(2, 2, W + 2, H + 2);
    else if (kind == 2)
        c.RoundRect(2, 2, W + 2, H + 2, (W + 2) / 5, (H + 2) / 5);
    else
        c.Ellipse(2, 2, W + 2, H + 2);
}

void Tmorfshapeform::swatchUp(int kind) {
    doshape(kind);
    shapeKind = kind;
    // The ellipse is twice as wide as it is high; the shape just drawn keeps the former width.
    if (kind == 4) SpinEdit1->SetValue(2 * SpinEdit2->Value());
}

void Tmorfshapeform::BitBtn1Click(TObject*) {
    Screen->SetCursor(crHourGlass);
    doshape(shapeKind);
    TPbook1& pb = *Pbook1;
    pb.clpmap1->Picture().Assign(Image1->Picture());
    pb.pastewidth = pb.pasteheight = pb.pastezoom = 0;
    pb.pastesized = false;
    Form3->toolcode = tools::specialOutline;
    pb.morfmode = true;
    pb.minirepcolor();
    Screen->SetCursor(crDefault);
    Close();
}

void Tmorfshapeform::BitBtn2Click(TObject*) {
    Close();
}

void Tmorfshapeform::FormShow(TObject*) {
    Image1->Picture().Bitmap().SetSize(100, 100);
}
