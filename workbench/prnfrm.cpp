#include "prnfrm.h"

TPrinfrm* Prinfrm = nullptr;

TPrinfrm::TPrinfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Prinfrm");
    SetCaption("Print Previewer");
    SetBounds(0, 0, 600, 500);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
