#include "prnfrm.h"

#include "Application.h"
#include "ClipboardGuard.h"
#include "Mylabel.h"
#include "Numbers.h"
#include "Pbook.h"
#include "Progress.h"
#include "Screen.h"
#include "dither.h"

TPrinfrm* Prinfrm = nullptr;

namespace {

// The gauge as the fax pass's progress bar.
class TGaugeProgress : public TProgress {
public:
    explicit TGaugeProgress(TGauge* g) : gauge_(g) {}
    void Show() override { gauge_->Show(); }
    void Hide() override { gauge_->Hide(); }
    void SetPosition(int pos) override { gauge_->SetProgress(pos < 0 ? 0 : pos > 100 ? 100 : pos); }
    int Position() const override { return gauge_->Progress(); }
    void ProcessMessages() override { Application->ProcessMessages(); }

private:
    TGauge* gauge_;
};

TSpinEdit* hiddenSpin(TPrinfrm* f, const char* name, int value) {
    auto* s = new TSpinEdit(f, f);
    s->SetName(name);
    s->SetMinValue(-10000);
    s->SetMaxValue(10000);
    s->SetValue(value);
    s->SetVisible(false);
    return s;
}

TCheckBox* hiddenCheck(TPrinfrm* f, const char* name, const char* caption) {
    auto* c = new TCheckBox(f, f);
    c->SetName(name);
    c->SetCaption(caption);
    c->SetVisible(false);
    return c;
}

} // namespace

TPrinfrm::TPrinfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Prinfrm");
    SetCaption("Print Previewer");
    SetBorderStyle(bsSingle);
    SetBounds(0, 0, 445, 645);

    Panel2 = new TPanel(this, this);
    Panel2->SetName("Panel2");
    Panel2->SetCaption("");
    Panel2->SetBounds(0, 0, 437, 65);
    Panel2->SetAlign(alTop);

    // The sheet below the tool bar, the picture over it.
    Shape1 = new TShape(this, this);
    Shape1->SetName("Shape1");
    Shape1->PenRef().Color = clWhite;
    Shape1->Changed();
    Shape1->SetBounds(0, 65, 425, 550);
    Image1 = new TImage(this, this);
    Image1->SetName("Image1");
    Image1->SetStretch(true);
    Image1->SetHint("Zoom");
    Image1->SetShowHint(true);
    Image1->SetBounds(100, 165, 105, 105);
    Image1->OnClick = [this](TObject* s) { Image1Click(s); };

    auto speed = [this](const char* name, int left, const char* caption, const char* hint,
                        void (TPrinfrm::*handler)(TObject*)) {
        auto* b = new TSpeedButton(this, Panel2);
        b->SetName(name);
        b->SetBounds(left, 4, 25, 25);
        b->SetCaption(caption);
        b->SetHint(hint);
        b->SetShowHint(true);
        b->OnClick = [this, handler](TObject* s) { (this->*handler)(s); };
        return b;
    };
    SpeedButton1 = speed("SpeedButton1", 4, "C", "Copy image to clipboard", &TPrinfrm::SpeedButton1Click);
    SpeedButton2 = speed("SpeedButton2", 30, "?", "Help", &TPrinfrm::SpeedButton2Click);
    SpeedButton3 = speed("SpeedButton3", 56, "W", "WYSIWYG and half", &TPrinfrm::SpeedButton3Click);
    SpeedButton4 = speed("SpeedButton4", 82, "S", "Stretch and Normal", &TPrinfrm::SpeedButton4Click);

    Label3d1 = new TLabel3d(this, Panel2);
    Label3d1->SetName("Label3d1");
    Label3d1->SetAStyle3D(Raised3d);
    Label3d1->SetAShadeLTSet(false);
    Label3d1->SetBounds(112, 9, 26, 16);
    Label3d1->SetCaption("Size");
    sizenum = new TSpinEdit(this, Panel2);
    sizenum->SetName("sizenum");
    sizenum->SetBounds(142, 5, 58, 22);
    sizenum->SetMinValue(-1000);
    sizenum->SetMaxValue(1000);
    sizenum->SetValue(0);
    sizenum->SetHint("Resize");
    sizenum->SetShowHint(true);
    sizenum->OnChange = [this](TObject* s) { sizenumChange(s); };

    ComboBox1 = new TComboBox(this, Panel2);
    ComboBox1->SetName("ComboBox1");
    ComboBox1->SetBounds(206, 5, 104, 22);
    for (const char* item : {"Dither Style 1", "Dither Style 2", "Dither Style 3"})
        ComboBox1->Items().Add(item);
    ComboBox1->SetText("Fax Prep");
    ComboBox1->SetHint("Prepare image for better FAX ");
    ComboBox1->SetShowHint(true);
    ComboBox1->OnClick = [this](TObject* s) { ComboBox1Click(s); };
    ComboBox2 = new TComboBox(this, Panel2);
    ComboBox2->SetName("ComboBox2");
    ComboBox2->SetBounds(314, 5, 96, 22);
    for (const char* item : {"Letter", "FAX", "Landscape"})
        ComboBox2->Items().Add(item);
    ComboBox2->SetText("Letter");
    ComboBox2->OnClick = [this](TObject* s) { ComboBox2Click(s); };

    Gauge1 = new TGauge(this, Panel2);
    Gauge1->SetName("Gauge1");
    Gauge1->SetBounds(440, 6, 150, 20);
    Gauge1->SetVisible(false);
    sbut = new TButton(this, Panel2);
    sbut->SetName("sbut");
    sbut->SetCaption("Stop");
    sbut->SetBounds(596, 4, 56, 24);
    sbut->SetVisible(false);
    sbut->OnClick = [this](TObject* s) { sbutClick(s); };

    auto bitbtn = [this](const char* name, int left, int width, const char* caption,
                         void (TPrinfrm::*handler)(TObject*)) {
        auto* b = new TBitBtn(this, Panel2);
        b->SetName(name);
        b->SetBounds(left, 34, width, 26);
        b->SetCaption(caption);
        b->OnClick = [this, handler](TObject* s) { (this->*handler)(s); };
        return b;
    };
    BitBtn1 = bitbtn("BitBtn1", 4, 50, "Done", &TPrinfrm::BitBtn1Click);
    BitBtn2 = bitbtn("BitBtn2", 56, 56, "Cancel", &TPrinfrm::BitBtn2Click);
    BitBtn3 = bitbtn("BitBtn3", 114, 78, "Print Setup", &TPrinfrm::BitBtn3Click);
    BitBtn4 = bitbtn("BitBtn4", 194, 48, "Print", &TPrinfrm::BitBtn4Click);
    BitBtn5 = bitbtn("BitBtn5", 244, 58, "Normal", &TPrinfrm::BitBtn5Click);

    Panel1 = new TPanel(this, Panel2);
    Panel1->SetName("Panel1");
    Panel1->SetCaption("");
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetBounds(306, 33, 128, 28);
    Panel1->SetVisible(false);
    Label1 = new TLabel(this, Panel1);
    Label1->SetName("Label1");
    Label1->SetCaption("Top");
    Label1->SetBounds(0, 7, 20, 13);
    SpinEdit1 = new TSpinEdit(this, Panel1);
    SpinEdit1->SetName("SpinEdit1");
    SpinEdit1->SetBounds(21, 3, 42, 22);
    SpinEdit1->SetMinValue(-2000);
    SpinEdit1->SetMaxValue(2000);
    SpinEdit1->SetValue(100);
    SpinEdit1->OnChange = [this](TObject* s) { SpinEdit1Change(s); };
    Label2 = new TLabel(this, Panel1);
    Label2->SetName("Label2");
    Label2->SetCaption("Left");
    Label2->SetBounds(64, 7, 20, 13);
    SpinEdit2 = new TSpinEdit(this, Panel1);
    SpinEdit2->SetName("SpinEdit2");
    SpinEdit2->SetBounds(86, 3, 42, 22);
    SpinEdit2->SetMinValue(-2000);
    SpinEdit2->SetMaxValue(2000);
    SpinEdit2->SetValue(100);
    SpinEdit2->OnChange = [this](TObject* s) { SpinEdit2Change(s); };

    zoom = hiddenCheck(this, "zoom", "Zoom");
    landscape = hiddenCheck(this, "landscape", "Landscape");
    stop = hiddenCheck(this, "stop", "stop");
    CheckBox1 = hiddenCheck(this, "CheckBox1", "Stretch");
    zoom->OnClick = [this](TObject*) { layoutsheet(); };
    landscape->OnClick = [this](TObject*) { layoutsheet(); };
    pwid = hiddenSpin(this, "pwid", 0);
    phit = hiddenSpin(this, "phit", 0);
    pgwid = hiddenSpin(this, "pgwid", 850);
    pghit = hiddenSpin(this, "pghit", 1100);

    PrintDialog1 = new TPrintDialog(this);
    PrintDialog1->SetName("PrintDialog1");
    PrinterSetupDialog1 = new TPrinterSetupDialog(this);
    PrinterSetupDialog1->SetName("PrinterSetupDialog1");

    OnShow = [this](TObject* s) { FormShow(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

int TPrinfrm::toolbarHeight() const {
    return Panel2->Height();
}

void TPrinfrm::placeImage(int left, int top, int width, int height) {
    // A size driven to 0 or below shows no picture rather than reaching the control.
    Image1->SetBounds(left, top, std::max(width, 0), std::max(height, 0));
}

void TPrinfrm::layoutsheet() {
    const int h = toolbarHeight();
    const int sw = pgwid->Value(), sh = pghit->Value();
    Shape1->SetTop(h);
    Shape1->SetLeft(0);
    if (!landscape->Checked()) {
        if (zoom->Checked()) {
            Shape1->SetWidth(sw);
            Shape1->SetHeight(sh);
            SetBounds(Left(), Top(), sw + 20, sh + h + 30);
        } else {
            Shape1->SetWidth(425);
            Shape1->SetHeight(550);
            SetBounds(Left(), Top(), 445, h + 580);
        }
    } else {
        if (zoom->Checked()) {
            Shape1->SetWidth(sh);
            Shape1->SetHeight(sw);
            SetBounds(Left(), Top(), sh + 20, sw + h + 30);
        } else {
            Shape1->SetWidth(550);
            Shape1->SetHeight(425);
            SetBounds(Left(), Top(), 570, h + 455);
        }
    }
    zoomit();
}

void TPrinfrm::zoomit() {
    const int h = toolbarHeight();
    const int w = pwid->Value() + sizenum->Value(), ht = phit->Value() + sizenum->Value();
    if (zoom->Checked()) {
        placeImage(SpinEdit2->Value(), SpinEdit1->Value() + h, w, ht);
        return;
    }
    int width = Image1->Width(), height = Image1->Height();
    if (width > 0) {
        width = Div(w, 2);
        height = Div(ht, 2);
    }
    int top = SpinEdit1->Value() <= 0 ? h : Div(SpinEdit1->Value(), 2) + h;
    int left = SpinEdit2->Value() <= 0 ? 0 : Div(SpinEdit2->Value(), 2);
    placeImage(left, top, width, height);
}

void TPrinfrm::sizenumChange(TObject*) {
    const int w = pwid->Value() + sizenum->Value(), ht = phit->Value() + sizenum->Value();
    if (zoom->Checked()) {
        placeImage(Image1->Left(), Image1->Top(), w, ht);
    } else if (Image1->Width() > 0) {
        placeImage(Image1->Left(), Image1->Top(), int(Round(w / 2.0)), int(Round(ht / 2.0)));
    }
}

void TPrinfrm::fillFrom(const TBitmap& page) {
    ++fillCount_;
    const int h = toolbarHeight();
    Image1->Picture().Assign(page);
    SetLeft(0);
    SetTop(0);
    zoom->SetChecked(false);
    sizenum->SetValue(0);
    placeImage(100, h + 100, page.Width(), page.Height());
    pwid->SetValue(page.Width());
    phit->SetValue(page.Height());
    Application->ProcessMessages();

    // The same number of pixels comes off both sides: no proportional scale.
    const bool across = landscape->Checked();
    const int limitW = across ? 900 : 650, limitH = across ? 650 : 900;
    int w = Image1->Width(), ht = Image1->Height(), steps = 0;
    while ((w > limitW || ht > limitH) && w > 10 && ht > 10 && steps < 1000) {
        --w;
        --ht;
        ++steps;
    }
    placeImage(Image1->Left(), Image1->Top(), w, ht);
    sizenum->SetValue(-steps);

    if (Image1->Width() > 0 && Image1->Height() > 0)
        placeImage(Image1->Left(), Image1->Top(), Image1->Width() / 2, Image1->Height() / 2);
    SpinEdit1->SetValue(100);
    SpinEdit2->SetValue(100);
    Panel2->Show();
    Panel1->Show();
    SetBorderStyle(bsSizeable);
    Application->ProcessMessages();

    pgwid->SetValue(page.Width() == 827 ? 827 : 850);
    pghit->SetValue(1100);
    // A previewer already showing gets no show event, but its sheet is laid out all the same.
    if (Visible()) layoutsheet();
    Show();
}

void TPrinfrm::FormShow(TObject*) {
    layoutsheet();
}

void TPrinfrm::FormClose(TObject*, TCloseAction&) {
    // Closing ends a fax pass that is still running.
    stop->SetChecked(true);
    ++fillCount_;
    sizenum->SetValue(0);
    if (Pbook1) Pbook1->donil(Image1);
}

void TPrinfrm::Image1Click(TObject*) {
    zoom->SetChecked(!zoom->Checked());
}

void TPrinfrm::SpeedButton3Click(TObject*) {
    zoom->SetChecked(!zoom->Checked());
    SpeedButton3->SetFlat(zoom->Checked());
}

void TPrinfrm::SpeedButton4Click(TObject*) {
    CheckBox1->SetChecked(!CheckBox1->Checked());
    if (CheckBox1->Checked()) {
        Image1->SetAlign(alClient);
        sizenum->SetEnabled(false);
        Panel1->Hide();
    } else {
        sizenum->SetEnabled(true);
        Image1->SetAlign(alNone);
        Panel1->Show();
        zoomit();
    }
    SpeedButton4->SetFlat(CheckBox1->Checked());
}

void TPrinfrm::BitBtn5Click(TObject*) {
    sizenum->SetValue(0);
    zoomit();
}

void TPrinfrm::SpinEdit1Change(TObject*) {
    zoomit();
}

void TPrinfrm::SpinEdit2Change(TObject*) {
    zoomit();
}

void TPrinfrm::ComboBox2Click(TObject*) {
    switch (ComboBox2->ItemIndex()) {
    case 0:
        landscape->SetChecked(false);
        pgwid->SetValue(850);
        pghit->SetValue(1100);
        layoutsheet();
        break;
    case 1:
        pgwid->SetValue(827);
        pghit->SetValue(1100);
        layoutsheet();
        break;
    case 2:
        landscape->SetChecked(true);
        layoutsheet();
        break;
    default:
        break;
    }
}

void TPrinfrm::ComboBox1Click(TObject*) {
    // One pass at a time: a second choice while one runs is not taken.
    if (passRunning_) return;
    zoom->SetChecked(true);
    zoomit();
    stop->SetChecked(false);
    Application->ProcessMessages();
    Gauge1->SetProgress(0);
    Gauge1->Show();
    sbut->Show();
    if (ComboBox1->ItemIndex() >= 0) dither(ComboBox1->ItemIndex());
    Gauge1->Hide();
    sbut->Hide();
}

void TPrinfrm::sbutClick(TObject*) {
    stop->SetChecked(true);
}

void TPrinfrm::dither(int style) {
    if (passRunning_) return;
    TBitmap& bmp = Image1->Picture().Bitmap();
    const int w = Image1->Width(), h = Image1->Height();
    if (w <= 0 || h <= 0 || bmp.Empty()) return;
    if (bmp.Width() != w || bmp.Height() != h) {
        TBitmap sized(w, h, pf24bit);
        TCanvas& c = sized.Canvas();
        c.StretchMode = w < bmp.Width() || h < bmp.Height() ? COLORONCOLOR : BLACKONWHITE;
        StretchBlt(c, 0, 0, w, h, bmp.Canvas(), 0, 0, bmp.Width(), bmp.Height(), SRCCOPY);
        bmp.Assign(sized);
    }
    Image1->Hide();
    Screen->SetCursor(crHourGlass);
    passRunning_ = true;
    struct Restore {
        TPrinfrm* f;
        ~Restore() {
            f->passRunning_ = false;
            Screen->SetCursor(crDefault);
            f->Image1->Show();
        }
    } restore{this};

    TGaugeProgress gauge(Gauge1);
    TRowStepper stepper(gauge, h);
    const int filled = fillCount_;
    ::dither(bmp, style, [&](int y) {
        if (stop->Checked()) return false;
        Application->ProcessMessages();
        // Closed, refilled or resized meanwhile: this pass's picture is gone.
        if (fillCount_ != filled || stop->Checked() || bmp.Width() != w || bmp.Height() != h) return false;
        stepper.Row(y);
        if (onPassRow) onPassRow(y);
        return fillCount_ == filled && bmp.Width() == w && bmp.Height() == h;
    });
}

void TPrinfrm::SpeedButton1Click(TObject*) {
    TBitmap& b = Image1->Picture().Bitmap();
    ClipboardGuardWrite(b, reportBoxUnavailableClipboardError, [this, &b] {
        SelectPalette(b.Canvas(), b.Palette(), false);
        RealizePalette(b.Canvas());
        Image1->Repaint();
        Application->ProcessMessages();
    });
}

void TPrinfrm::SpeedButton2Click(TObject*) {
    Pbook1->dohelp("Print and FAX.RTF");
    Pbook1->Show();
}

void TPrinfrm::BitBtn1Click(TObject*) {
    Close();
}

void TPrinfrm::BitBtn2Click(TObject*) {
    Close();
}

void TPrinfrm::BitBtn3Click(TObject*) {
    PrinterSetupDialog1->Execute();
}

void TPrinfrm::BitBtn4Click(TObject*) {
    SetBorderStyle(bsNone);
    Shape1->SetTop(0);
    const int sw = pgwid->Value(), sh = pghit->Value();
    if (!landscape->Checked()) {
        SetBounds(Left(), Top(), sw, sh);
        Shape1->SetWidth(sw);
        Shape1->SetHeight(sh);
    } else {
        SetBounds(Left(), Top(), sh, sw);
        Shape1->SetWidth(sh);
        Shape1->SetHeight(sw);
    }
    Application->ProcessMessages();

    Panel2->Hide();
    placeImage(SpinEdit2->Value(), SpinEdit1->Value(), pwid->Value() + sizenum->Value(),
               phit->Value() + sizenum->Value());
    SetTop(0);
    Application->ProcessMessages();

    PrintDialog1->SetOptions(poPageNums | poSelection);
    PrintDialog1->SetMinPage(1);
    PrintDialog1->SetMaxPage(1);
    PrintDialog1->SetFromPage(1);
    PrintDialog1->SetToPage(1);
    try {
        if (PrintDialog1->Execute()) Print();
    } catch (...) {
        Close();
        throw;
    }
    Close();
}
