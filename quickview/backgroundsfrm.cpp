#include "backgroundsfrm.h"

#include "ScreenKit.h"
#include "targetfrm.h"
#include "velmorafrm.h"

namespace quickview {

Tbkgfrm* bkgfrm = nullptr;

Tbkgfrm::Tbkgfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("bkgfrm");
    SetCaption("Identifying the background image(s)");
    SetBorderStyle(bsDialog);
    SetClientWidth(536);
    SetClientHeight(356);

    WizardParts w = wizard(this, 3, "butback", "butcancel", "butnext", "Next >>>");
    Image1 = w.side;
    butback = w.back;
    butcancel = w.cancel;
    butnext = w.next;
    int x = w.contentLeft;
    int y = wizardTitle(this, x, "Step 2 of 3", "The background images",
                        "The foreground figures are laid over these pictures: one still picture behind "
                        "every frame, or a series of frames that play along.",
                        30);

    RadioGroup1 = kit::radios(this, "RadioGroup1", "Background",
                              {"One still picture behind every frame", "A series of background frames"}, 1, x,
                              y, 380, 62);
    y += 70;
    kit::label(this, "Label4", "Background folder:", x, y + 4);
    Editfolder = kit::edit(this, "Editfolder", "C:\\Velmora\\Backgrounds\\Hills\\", x + 100, y, 190);
    butbrowse = kit::button(this, "butbrowse", "Browse...", x + 296, y - 2, 75, 25);
    y += 30;
    ListBox1 = kit::list(
        this, "ListBox1",
        {"hills000.bmp", "hills001.bmp", "hills002.bmp", "hills003.bmp", "hills004.bmp", "hills005.bmp"}, x,
        y, 150, 106);
    ListBox1->SetItemIndex(0);
    TPanel* frame = kit::panel(this, "Panel1", x + 160, y, 144, 106, bvLowered);
    Image2 = kit::picture(frame, "Image2", 2, 2, 140, 102);
    DrawScene(Image2->Picture().Bitmap(), 140, 102, 0);
    kit::label(this, "Label5", "Frames: 6", x + 314, y);
    kit::label(this, "Label6", "320 x 240", x + 314, y + 18);
    kit::label(this, "Label7", "24-bit colour", x + 314, y + 36);

    butnext->OnClick = bindMethod(this, &Tbkgfrm::butnextClick);
    OnCreate = bindMethod(this, &Tbkgfrm::FormCreate);
}

void Tbkgfrm::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tbkgfrm::butnextClick(TObject*) {
    ShowScreen(newtargetfrm);
}

} // namespace quickview
