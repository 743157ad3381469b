#include "frameeditfrm.h"

#include "ScreenKit.h"
#include "TCanvas.h"

namespace quickview {

Teditframefrm* editframefrm = nullptr;

Teditframefrm::Teditframefrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("editframefrm");
    SetCaption("Edit Frame");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientWidth(412);
    SetClientHeight(352);

    Panel1 = kit::AlignedPanel(this, "Panel1", alTop, 32);
    struct Def {
        TSpeedButton** field;
        const char* name;
        Glyph glyph;
        const char* hint;
        int left;
    };
    const Def defs[] = {
        {&butprev, "butprev", Glyph::StepBack, "Previous frame", 4},
        {&butnext, "butnext", Glyph::StepForward, "Next frame", 32},
        {&butpencil, "butpencil", Glyph::Pencil, "Touch up the frame", 70},
        {&butzoom, "butzoom", Glyph::Zoom, "Zoom in", 98},
        {&butcopy, "butcopy", Glyph::Copy, "Copy the frame to the clipboard", 136},
        {&butpaste, "butpaste", Glyph::Paste, "Paste onto the frame", 164},
        {&butsave, "butsave", Glyph::Save, "Save the frame", 202},
    };
    for (const Def& d : defs) {
        *d.field = kit::Speed(Panel1, d.name, d.left, 3, 26, 26, d.glyph, d.hint);
        (*d.field)->SetFlat(true);
    }
    kit::Label(Panel1, "Label1", "hillrun000.bmp", 250, 9);

    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetHeight(19);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->AddPanel("Frame 1 of 8", 100);
    StatusBar1->AddPanel("320 x 240", 80);
    StatusBar1->AddPanel("Right-click the frame for more", 200);

    Panel2 = kit::AlignedPanel(this, "Panel2", alClient, 0, bvLowered);
    Panel2->SetColor(clGray);
    Image1 = kit::Picture(Panel2, "Image1", 44, 28, 320, 240);
    TBitmap& frame = Image1->Picture().Bitmap();
    DrawScene(frame, 320, 240, 0);
    TBitmap sprite;
    DrawSprite(sprite, 80, 106, 1);
    frame.Canvas().DrawTransparent(150, 108, sprite, clWhite);
    frame.Changed();

    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    TMenuItem* root = PopupMenu1->Items();
    kit::Item(this, root, "Undo1", "&Undo");
    kit::Separator(this, root);
    kit::Item(this, root, "Copy1", "&Copy frame");
    kit::Item(this, root, "Paste1", "&Paste");
    kit::Item(this, root, "PasteTransparent1", "Paste &transparent");
    kit::Separator(this, root);
    kit::Item(this, root, "Flip1", "&Flip");
    kit::Item(this, root, "Mirror1", "&Mirror");
    kit::Item(this, root, "Lighten1", "&Lighten");
    kit::Item(this, root, "Darken1", "&Darken");
    kit::Separator(this, root);
    kit::Item(this, root, "PreviousFrame1", "P&revious frame");
    kit::Item(this, root, "NextFrame1", "&Next frame");
    kit::Item(this, root, "SaveFrame1", "&Save frame");
    Image1->SetPopupMenu(PopupMenu1);
    Panel2->SetPopupMenu(PopupMenu1);

    OnCreate = [this](TObject* s) { FormCreate(s); };
}

void Teditframefrm::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
