#include "forgrndfrm.h"

#include "ScreenKit.h"
#include "backgroundsfrm.h"
#include "velmorafrm.h"

namespace quickview {

Tsprform* sprform = nullptr;

Tsprform::Tsprform(TComponent* AOwner) : TForm(AOwner) {
    SetName("sprform");
    SetCaption("Identifying the foreground image(s)");
    SetBorderStyle(bsDialog);
    SetClientWidth(536);
    SetClientHeight(356);

    WizardParts w = wizard(this, 2, "butback", "butcancel", "butnext", "Next >>>");
    Image1 = w.side;
    butback = w.back;
    butcancel = w.cancel;
    butnext = w.next;
    butback->SetEnabled(false);
    int x = w.contentLeft;
    int y = wizardTitle(this, x, "Step 1 of 3", "The foreground images",
                        "Foreground images are the figures that move over the background: a set of "
                        "numbered bitmaps drawn on one plain colour. Pick the first frame of the set.",
                        42);

    kit::label(this, "Label4", "Foreground folder:", x, y + 4);
    Editfolder = kit::edit(this, "Editfolder", "C:\\Velmora\\Sprites\\Runner\\", x + 104, y, 182);
    butbrowse = kit::button(this, "butbrowse", "Browse...", x + 292, y - 2, 75, 25);
    y += 30;
    ListBox1 = kit::list(this, "ListBox1",
                         {"run000.bmp", "run001.bmp", "run002.bmp", "run003.bmp", "run004.bmp", "run005.bmp",
                          "run006.bmp", "run007.bmp"},
                         x, y, 150, 150);
    ListBox1->SetItemIndex(0);
    TPanel* frame = kit::panel(this, "Panel1", x + 160, y, 118, 150, bvLowered);
    Image2 = kit::picture(frame, "Image2", 2, 2, 114, 146);
    DrawSprite(Image2->Picture().Bitmap(), 114, 146, 1);
    int rx = x + 288;
    kit::label(this, "Label5", "Transparent colour:", rx, y);
    Shape1 = new TShape(this, this);
    Shape1->SetName("Shape1");
    Shape1->SetBounds(rx, y + 18, 40, 24);
    Shape1->BrushRef().Color = clWhite;
    Shape1->Changed();
    kit::label(this, "Label6", "White", rx + 46, y + 24);
    CheckBox1 = kit::check(this, "CheckBox1", "Take it from the", rx, y + 56, 110, true);
    kit::label(this, "Label7", "bottom-left pixel", rx + 16, y + 74);
    kit::label(this, "Label8", "Frames: 8", rx, y + 104);
    kit::label(this, "Label9", "Size: 114 x 146", rx, y + 122);

    butnext->OnClick = bindMethod(this, &Tsprform::butnextClick);
    OnCreate = bindMethod(this, &Tsprform::FormCreate);
}

void Tsprform::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tsprform::butnextClick(TObject*) {
    ShowScreen(bkgfrm);
}

} // namespace quickview
