#include "mydialog.h"
#include "BindMethod.h"

#include <algorithm>

Tmydialog1* mydialog1 = nullptr;

namespace {

// The background: a pale vertical wash with a blue information sign in the left margin.
void drawBackground(TBitmap& bmp, int w, int h) {
    bmp.SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        int shade = 255 - (y * 40) / std::max(1, h - 1);
        std::uint32_t word = TBitmap::ToWord(RGB(shade, shade, 255));
        std::uint32_t* row = bmp.Row32(y);
        std::fill(row, row + w, word);
    }
    TCanvas& c = bmp.Canvas();
    c.Pen.Color = clNavy;
    c.Brush.Color = clBlue;
    c.Ellipse(14, 16, 46, 48);
    c.Pen.Color = clWhite;
    c.Brush.Color = clWhite;
    c.Rectangle(28, 21, 32, 25);
    c.Rectangle(28, 28, 32, 43);
    bmp.Changed();
}

TLabel* makeLine(Tmydialog1* f, const char* name, int top) {
    auto* l = new TLabel(f, f);
    l->SetName(name);
    l->SetAutoSize(false);
    l->SetTransparent(true);
    l->SetBounds(62, top, 250, 16);
    TFont& font = l->FontRef();
    font.Name = "MS Sans Serif";
    font.SetHeight(-11);
    font.Style = fsBold;
    l->FontChanged();
    return l;
}

TSpeedButton* makeButton(Tmydialog1* f, const char* name, int top, const char* caption) {
    auto* b = new TSpeedButton(f, f);
    b->SetName(name);
    b->SetBounds(328, top, 56, 24);
    b->SetCaption(caption);
    TFont& font = b->FontRef();
    font.Name = "Arial";
    font.SetHeight(-13);
    font.Style = fsBold;
    b->FontChanged();
    return b;
}

} // namespace

Tmydialog1::Tmydialog1(TComponent* AOwner) : TForm(AOwner) {
    SetName("mydialog1");
    SetCaption("INFORMATION");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetFormStyle(fsStayOnTop);
    SetClientWidth(389);
    SetClientHeight(167);

    Image1 = new TImage(this, this);
    Image1->SetName("Image1");
    Image1->SetAlign(alClient);
    drawBackground(Image1->Picture().Bitmap(), 389, 167);

    l1 = makeLine(this, "l1", 16);
    l2 = makeLine(this, "l2", 32);
    l3 = makeLine(this, "l3", 48);
    l4 = makeLine(this, "l4", 64);
    l5 = makeLine(this, "l5", 80);

    b1 = makeButton(this, "b1", 16, "Yes");
    b2 = makeButton(this, "b2", 44, "No");
    b3 = makeButton(this, "b3", 72, "Cancel");
    b1->OnClick = bindMethod(this, &Tmydialog1::b1Click);
    b2->OnClick = bindMethod(this, &Tmydialog1::b2Click);
    b3->OnClick = bindMethod(this, &Tmydialog1::b3Click);

    CheckBox1 = new TCheckBox(this, this);
    CheckBox1->SetName("CheckBox1");
    CheckBox1->SetVisible(false);

    OnCreate = bindMethod(this, &Tmydialog1::FormCreate);
    OnShow = bindMethod(this, &Tmydialog1::FormShow);
}

void Tmydialog1::messb(const std::string& s1, const std::string& s2, const std::string& s3,
                       const std::string& s4, const std::string& s5, int buttons) {
    const std::string* texts[] = {&s1, &s2, &s3, &s4, &s5};
    TLabel* lines[] = {l1, l2, l3, l4, l5};
    for (int i = 0; i < 5; ++i) {
        lines[i]->SetCaption(*texts[i]);
        lines[i]->SetVisible(!texts[i]->empty());
    }
    switch (buttons) {
    case 1:
        b1->SetCaption("OK");
        b1->SetVisible(true);
        b2->SetVisible(false);
        b3->SetVisible(false);
        break;
    case 2:
        b1->SetCaption("Yes");
        b2->SetCaption("No");
        b1->SetVisible(true);
        b2->SetVisible(true);
        b3->SetVisible(false);
        break;
    case 3:
        b1->SetCaption("Yes");
        b2->SetCaption("No");
        b3->SetCaption("Cancel");
        b1->SetVisible(true);
        b2->SetVisible(true);
        b3->SetVisible(true);
        break;
    default:
        break;
    }
}

int Tmydialog1::mbox(const std::string& s1, const std::string& s2, const std::string& s3,
                     const std::string& s4, const std::string& s5, int buttons) {
    CheckBox1->SetChecked(false);
    messb(s1, s2, s3, s4, s5, buttons);
    switch (ShowModal()) {
    case mrYes:
        return 0;
    case mrNo:
        return 2;
    case mrCancel:
        return 3;
    default:
        return -1;
    }
}

void Tmydialog1::b1Click(TObject*) {
    SetModalResult(mrYes);
}

void Tmydialog1::b2Click(TObject*) {
    SetModalResult(mrNo);
}

void Tmydialog1::b3Click(TObject*) {
    SetModalResult(mrCancel);
}

void Tmydialog1::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tmydialog1::FormShow(TObject*) {
    CenterOnScreen();
}
