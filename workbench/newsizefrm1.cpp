#include "newsizefrm1.h"
#include "BindMethod.h"

Tnewsizefrm* newsizefrm = nullptr;

namespace {

struct StandardSize {
    const char* text;
    int width, height;
};

const StandardSize standardSizes[] = {
    {"352x288   Doubled Real Video Size.", 352, 288},
    {"320x240 Full Screen VGA  or suitable for Web graphics.", 320, 240},
    {"400x400 ", 400, 400},
    {"468x60  Standard Web Ad Banner Size", 468, 60},
    {"640x480 Full Screen SVGA 1 ", 640, 480},
    {"800x600 Full Screen SVGA 2 ", 800, 600},
    {"1024x768 Full Screen SVGA 3", 1024, 768},
    {"850x1100 Standard Letter Size   (64 MB RAM recommended)", 850, 1100},
    {"827x1100 Standard FAX Size  (64 MB RAM recommended)", 827, 1100},
};

// A blank sheet with a folded corner.
void drawSheet(TImage* img) {
    TCanvas& c = img->Canvas();
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, 32, 32));
    c.Pen.Color = clBlack;
    c.Brush.Color = clWhite;
    c.Polygon({{6, 2}, {20, 2}, {26, 8}, {26, 30}, {6, 30}});
    c.Polyline({{20, 2}, {20, 8}, {26, 8}});
}

TSpinEdit* makeSpin(Tnewsizefrm* f, const char* name, int top, int value) {
    auto* s = new TSpinEdit(f, f);
    s->SetName(name);
    s->SetBounds(72, top, 73, 22);
    s->SetMinValue(0);
    s->SetMaxValue(4000);
    s->SetValue(value);
    return s;
}

int held(int v) {
    if (v > 4000) v = 4000;
    if (v < 10) v = 10;
    return v;
}

} // namespace

Tnewsizefrm::Tnewsizefrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("newsizefrm");
    SetCaption("New Image Size");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientWidth(560);
    SetClientHeight(260);

    Bevel1 = new TBevel(this, this);
    Bevel1->SetName("Bevel1");
    Bevel1->SetBounds(8, 8, 152, 200);

    Image1 = new TImage(this, this);
    Image1->SetName("Image1");
    Image1->SetBounds(20, 20, 32, 32);
    drawSheet(Image1);

    Label1 = new TLabel(this, this);
    Label1->SetName("Label1");
    Label1->SetBounds(60, 28, 80, 16);
    Label1->FontRef().Style = fsBold;
    Label1->FontChanged();
    Label1->SetCaption("New Image");

    Label2 = new TLabel(this, this);
    Label2->SetName("Label2");
    Label2->SetBounds(20, 84, 44, 16);
    Label2->SetCaption("Width");
    SpinEdit1 = makeSpin(this, "SpinEdit1", 80, 320);

    Label3 = new TLabel(this, this);
    Label3->SetName("Label3");
    Label3->SetBounds(20, 124, 44, 16);
    Label3->SetCaption("Height");
    SpinEdit2 = makeSpin(this, "SpinEdit2", 120, 240);

    RadioButton1 = new TRadioGroup(this, this);
    RadioButton1->SetName("RadioButton1");
    RadioButton1->SetBounds(168, 8, 384, 200);
    RadioButton1->SetCaption("Standard Image and Movie Frame Sizes");
    for (const StandardSize& s : standardSizes)
        RadioButton1->Items().Add(s.text);
    RadioButton1->SetItemIndex(1);
    RadioButton1->OnClick = bindMethod(this, &Tnewsizefrm::RadioButton1Click);

    Button1 = new TButton(this, this);
    Button1->SetName("Button1");
    Button1->SetBounds(384, 220, 75, 25);
    Button1->SetCaption("OK");
    Button1->SetDefault(true);
    Button1->OnClick = bindMethod(this, &Tnewsizefrm::Button1Click);

    Button2 = new TButton(this, this);
    Button2->SetName("Button2");
    Button2->SetBounds(472, 220, 75, 25);
    Button2->SetCaption("Cancel");
    Button2->SetCancel(true);
    Button2->OnClick = bindMethod(this, &Tnewsizefrm::Button2Click);

    OnCreate = bindMethod(this, &Tnewsizefrm::FormCreate);
}

void Tnewsizefrm::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tnewsizefrm::RadioButton1Click(TObject*) {
    int i = RadioButton1->ItemIndex();
    if (i < 0 || i >= int(std::size(standardSizes))) return;
    SpinEdit1->SetValue(standardSizes[i].width);
    SpinEdit2->SetValue(standardSizes[i].height);
}

void Tnewsizefrm::Button1Click(TObject*) {
    SpinEdit1->SetValue(held(SpinEdit1->Value()));
    SpinEdit2->SetValue(held(SpinEdit2->Value()));
    SetModalResult(mrOk);
}

void Tnewsizefrm::Button2Click(TObject*) {
    SetModalResult(mrCancel);
    Close();
}
