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

    Panel1 = kit::alignedPanel(this, "Panel1", alTop, 32);
    kit::speedButtonRow(Panel1, 3, 26, 26, true,
                        {
                            {&butprev, "butprev", 4, glyph(Glyph::StepBack), "Previous frame"},
                            {&butnext, "butnext", 32, glyph(Glyph::StepForward), "Next frame"},
                            {&butpencil, "butpencil", 70, glyph(Glyph::Pencil), "Touch up the frame"},
                            {&butzoom, "butzoom", 98, glyph(Glyph::Zoom), "Zoom in"},
                            {&butcopy, "butcopy", 136, glyph(Glyph::Copy), "Copy the frame to the clipboard"},
                            {&butpaste, "butpaste", 164, glyph(Glyph::Paste), "Paste onto the frame"},
                            {&butsave, "butsave", 202, glyph(Glyph::Save), "Save the frame"},
                        });
    kit::label(Panel1, "Label1", "hillrun000.bmp", 250, 9);

    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetHeight(19);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->AddPanel("Frame 1 of 8", 100);
    StatusBar1->AddPanel("320 x 240", 80);
    StatusBar1->AddPanel("Right-click the frame for more", 200);

    Panel2 = kit::alignedPanel(this, "Panel2", alClient, 0, bvLowered);
    Panel2->SetColor(clGray);
    Image1 = kit::picture(Panel2, "Image1", 44, 28, 320, 240);
    TBitmap& frame = Image1->Picture().Bitmap();
    DrawScene(frame, 320, 240, 0);
    TBitmap sprite;
    DrawSprite(sprite, 80, 106, 1);
    frame.Canvas().DrawTransparent(150, 108, sprite, clWhite);
    frame.Changed();

    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");
    TMenuItem* root = PopupMenu1->Items();
    kit::item(this, root, "Undo1", "&Undo");
    kit::separator(this, root);
    kit::item(this, root, "Copy1", "&Copy frame");
    kit::item(this, root, "Paste1", "&Paste");
    kit::item(this, root, "PasteTransparent1", "Paste &transparent");
    kit::separator(this, root);
    kit::item(this, root, "Flip1", "&Flip");
    kit::item(this, root, "Mirror1", "&Mirror");
    kit::item(this, root, "Lighten1", "&Lighten");
    kit::item(this, root, "Darken1", "&Darken");
    kit::separator(this, root);
    kit::item(this, root, "PreviousFrame1", "P&revious frame");
    kit::item(this, root, "NextFrame1", "&Next frame");
    kit::item(this, root, "SaveFrame1", "&Save frame");
    Image1->SetPopupMenu(PopupMenu1);
    Panel2->SetPopupMenu(PopupMenu1);

    OnCreate = bindMethod(this, &Teditframefrm::FormCreate);
}

void Teditframefrm::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
