#include "aboutfrm1.h"

namespace quickview {

TAboutform* Aboutform = nullptr;

TAboutform::TAboutform(TComponent* AOwner) : TForm(AOwner) {
    SetName("Aboutform");
    SetCaption("About Velmora");
    SetBounds(0, 0, 320, 220);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
