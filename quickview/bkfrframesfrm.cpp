#include "bkfrframesfrm.h"

#include "ScreenKit.h"
#include "TCanvas.h"
#include "frameeditfrm.h"
#include "velmorafrm.h"

namespace quickview {

Tframecomposerfrm* framecomposerfrm = nullptr;

namespace {

// The composed frame: the runner stamped over the hills, leaving out the sprite's white.
void drawComposite(TBitmap& out, int w, int h) {
    DrawScene(out, w, h, 0);
    TBitmap sprite;
    DrawSprite(sprite, w / 3, h * 2 / 3, 1);
    out.Canvas().DrawTransparent(w / 2 - sprite.Width() / 2, h - sprite.Height() - h / 12, sprite, clWhite);
    out.Changed();
}

TSpinEdit* spin(TForm* f, TWinControl* parent, const char* name, int value, int x, int y) {
    auto* s = new TSpinEdit(f, parent);
    s->SetName(name);
    s->SetBounds(x, y, 56, 22);
    s->SetMinValue(-999);
    s->SetMaxValue(999);
    s->SetValue(value);
    return s;
}

} // namespace

Tframecomposerfrm::Tframecomposerfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("framecomposerfrm");
    SetCaption("Movie frame composition");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientWidth(632);
    SetClientHeight(420);

    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetHeight(19);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->AddPanel("Frame 1 of 8", 120);
    StatusBar1->AddPanel("Foreground run000.bmp over hills000.bmp", 300);

    // Foreground column.
    kit::label(this, "Label1", "Foreground frames", 8, 8);
    ListFore = kit::list(this, "ListFore",
                         {"run000.bmp", "run001.bmp", "run002.bmp", "run003.bmp", "run004.bmp", "run005.bmp",
                          "run006.bmp", "run007.bmp"},
                         8, 24, 120, 150);
    ListFore->SetItemIndex(0);
    TPanel* pf = kit::panel(this, "Panel2", 136, 24, 84, 110, bvLowered);
    Imagefore = kit::picture(pf, "Imagefore", 2, 2, 80, 106);
    DrawSprite(Imagefore->Picture().Bitmap(), 80, 106, 1);
    SpeedButton7 =
        kit::speedButton(this, "SpeedButton7", 136, 142, 84, 30, glyph(Glyph::Pencil), "Frame Editor");
    SpeedButton7->SetCaption("Edit");

    // Background column.
    kit::label(this, "Label2", "Background frames", 8, 186);
    ListBack = kit::list(
        this, "ListBack",
        {"hills000.bmp", "hills001.bmp", "hills002.bmp", "hills003.bmp", "hills004.bmp", "hills005.bmp"}, 8,
        202, 120, 150);
    ListBack->SetItemIndex(0);
    TPanel* pb = kit::panel(this, "Panel3", 136, 202, 84, 110, bvLowered);
    Imageback = kit::picture(pb, "Imageback", 2, 2, 80, 106);
    DrawScene(Imageback->Picture().Bitmap(), 80, 106, 0);
    SpeedButton8 =
        kit::speedButton(this, "SpeedButton8", 136, 320, 84, 30, glyph(Glyph::Pencil), "Frame Editor");
    SpeedButton8->SetCaption("Edit");

    // The composed frame.
    kit::label(this, "Label3", "Composed frame", 232, 8);
    Panel1 = kit::panel(this, "Panel1", 232, 24, 392, 294, bvLowered);
    Panel1->SetColor(clBlack);
    Imagecomp = kit::picture(Panel1, "Imagecomp", 6, 3, 380, 288);
    drawComposite(Imagecomp->Picture().Bitmap(), 380, 288);

    kit::label(this, "Label4", "Foreground at X:", 232, 330);
    SpinX = spin(this, this, "SpinX", 150, 330, 326);
    kit::label(this, "Label5", "Y:", 388, 330);
    SpinY = spin(this, this, "SpinY", 96, 402, 326);
    kit::label(this, "Label6", "Speed:", 470, 330);
    TrackBar1 = new TTrackBar(this, this);
    TrackBar1->SetName("TrackBar1");
    TrackBar1->SetBounds(510, 324, 114, 26);
    TrackBar1->SetPosition(5);

    kit::label(this, "Label7", "Target set:", 232, 366);
    Edittarget =
        kit::edit(this, "Edittarget", "C:\\Velmora\\Sets\\Runner on the hills\\hillrun", 292, 362, 150);
    butpreview = kit::button(this, "butpreview", "Preview", 450, 360, 56, 25);
    butcompose = kit::button(this, "butcompose", "Compose", 510, 360, 56, 25);
    butclose = kit::button(this, "butclose", "Close", 570, 360, 54, 25);

    SpeedButton7->OnClick = bindMethod(this, &Tframecomposerfrm::SpeedButton7Click);
    SpeedButton8->OnClick = bindMethod(this, &Tframecomposerfrm::SpeedButton7Click);
    OnCreate = bindMethod(this, &Tframecomposerfrm::FormCreate);
}

void Tframecomposerfrm::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tframecomposerfrm::SpeedButton7Click(TObject*) {
    ShowScreen(editframefrm);
}

} // namespace quickview
