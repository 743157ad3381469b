#include "aboutfrm1.h"

#include "ScreenKit.h"

namespace quickview {

TAboutform* Aboutform = nullptr;

TAboutform::TAboutform(TComponent* AOwner) : TForm(AOwner) {
    SetName("Aboutform");
    SetCaption("About Velmora");
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 338, 248);

    Panel1 = kit::panel(this, "Panel1", 8, 8, 316, 166, bvLowered, bvRaised);
    ProgramIcon = kit::picture(Panel1, "ProgramIcon", 10, 10, 64, 64);
    DrawProgramIcon(ProgramIcon->Picture().Bitmap(), 64);
    ProductName = kit::label(Panel1, "ProductName", "Velmora Quickview", 88, 14);
    kit::heading(ProductName, 18, clNavy);
    Version = kit::label(Panel1, "Version", "Ver.  5.3", 88, 44);
    Copyright = kit::label(Panel1, "Copyright", "Copyright \xC2\xA9 1999 Velmora Software", 10, 92);
    Comments = kit::textBlock(Panel1, "Comments",
                              "A film-project workbench for Windows 95, 98 and NT: projects, "
                              "sprites over backgrounds, frame editing, sound and movies for the web.",
                              10, 112, 296, 44);
    OKButton = kit::button(this, "OKButton", "OK", 131, 184, 75, 25);

    OnCreate = bindMethod(this, &TAboutform::FormCreate);
}

void TAboutform::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
