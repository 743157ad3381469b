#include "velmorafrm.h"

namespace quickview {

TMainfrm* Mainfrm = nullptr;

TMainfrm::TMainfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Mainfrm");
    SetCaption("Velmora ");
    SetBounds(0, 0, 404, 379);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
