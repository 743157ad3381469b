#include "targetfrm.h"

#include "ScreenKit.h"
#include "bkfrframesfrm.h"
#include "velmorafrm.h"

namespace quickview {

Tnewtargetfrm* newtargetfrm = nullptr;

Tnewtargetfrm::Tnewtargetfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("newtargetfrm");
    SetCaption("Create a target folder and name the new set");
    SetBorderStyle(bsDialog);
    SetClientWidth(536);
    SetClientHeight(330);

    WizardParts w = wizard(this, 1, "butback", "butcancel", "butnext", "Next >>>");
    Image1 = w.side;
    butback = w.back;
    butcancel = w.cancel;
    butnext = w.next;
    int x = w.contentLeft;
    int y = wizardTitle(this, x, "Step 3 of 3", "The target set",
                        "The composed frames are written as a new numbered set. Choose a folder of its "
                        "own for the set and a name for its frames.",
                        30);

    kit::label(this, "Label4", "Target folder:", x, y + 4);
    Editfolder = kit::edit(this, "Editfolder", "C:\\Velmora\\Sets\\Runner on the hills\\", x + 98, y, 192);
    butbrowse = kit::button(this, "butbrowse", "Browse...", x + 296, y - 2, 75, 25);
    y += 32;
    kit::label(this, "Label5", "Name of the set:", x, y + 4);
    Editname = kit::edit(this, "Editname", "hillrun", x + 98, y, 120);
    y += 32;
    kit::label(this, "Label6", "First number:", x, y + 4);
    SpinEdit1 = new TSpinEdit(this, this);
    SpinEdit1->SetName("SpinEdit1");
    SpinEdit1->SetBounds(x + 98, y, 60, 22);
    SpinEdit1->SetMinValue(0);
    SpinEdit1->SetMaxValue(999);
    kit::label(this, "Label7", "The frames will be hillrun000.bmp, hillrun001.bmp ...", x, y + 32);
    y += 60;
    CheckBox1 = kit::check(this, "CheckBox1", "Make the folder when it does not exist", x, y, 300, true);
    CheckBox2 = kit::check(this, "CheckBox2", "Overwrite frames already in the folder", x, y + 22, 300);

    butnext->OnClick = bindMethod(this, &Tnewtargetfrm::butnextClick);
    OnCreate = bindMethod(this, &Tnewtargetfrm::FormCreate);
}

void Tnewtargetfrm::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tnewtargetfrm::butnextClick(TObject*) {
    ShowScreen(framecomposerfrm);
}

} // namespace quickview
