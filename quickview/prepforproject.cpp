#include "prepforproject.h"

#include "ScreenKit.h"
#include "listcopier.h"
#include "velmorafrm.h"

namespace quickview {

Tprepforproj* prepforproj = nullptr;

Tprepforproj::Tprepforproj(TComponent* AOwner) : TForm(AOwner) {
    SetName("prepforproj");
    SetCaption("Gather necessary items for your new project");
    SetBorderStyle(bsDialog);
    SetClientWidth(506);
    SetClientHeight(346);

    WizardParts w = wizard(this, 0, "butback", "butcancel", "bcont", "Next >>>");
    Image1 = w.side;
    butback = w.back;
    butcancel = w.cancel;
    bcont = w.next;
    butback->SetEnabled(false);
    int x = w.contentLeft;
    int y = wizardTitle(this, x, "Step 1 of 3", "Gather the items for your project",
                        "A Velmora project is a folder holding everything a movie needs. Tick the kinds "
                        "of file your movie will use, name the project and choose its folder.",
                        42);

    GroupBox1 = kit::group(this, "GroupBox1", "Your movie will use", x, y, 356, 98);
    CheckBitmaps = kit::check(GroupBox1, "CheckBitmaps", "Background bitmaps", 12, 20, 160, true);
    CheckSprites = kit::check(GroupBox1, "CheckSprites", "Foreground sprites", 12, 44, 160, true);
    CheckSound = kit::check(GroupBox1, "CheckSound", "A sound track (WAV or MID)", 180, 20, 170, true);
    CheckAvi = kit::check(GroupBox1, "CheckAvi", "AVI clips", 180, 44, 160);
    kit::label(GroupBox1, "Label4", "You can add more items later in the Project Manager.", 12, 72);

    y += 108;
    kit::label(this, "Label5", "Project name:", x, y + 4);
    Editname = kit::edit(this, "Editname", "MyMovie", x + 80, y, 160);
    y += 30;
    kit::label(this, "Label6", "Project folder:", x, y + 4);
    Editfolder = kit::edit(this, "Editfolder", "C:\\Velmora\\Projects\\MyMovie\\", x + 80, y, 196);
    butbrowse = kit::button(this, "butbrowse", "Browse...", x + 282, y - 2, 75, 25);

    bcont->OnClick = bindMethod(this, &Tprepforproj::bcontClick);
    OnCreate = bindMethod(this, &Tprepforproj::FormCreate);
}

void Tprepforproj::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tprepforproj::bcontClick(TObject*) {
    ShowScreen(listcpy2);
}

} // namespace quickview
