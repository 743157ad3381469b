#include "backgroundsfrm.h"

namespace quickview {

Tbkgfrm* bkgfrm = nullptr;

Tbkgfrm::Tbkgfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("bkgfrm");
    SetCaption("Identifying the background image(s)");
    SetBounds(0, 0, 520, 400);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
