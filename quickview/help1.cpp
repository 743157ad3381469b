#include "help1.h"

namespace quickview {

THelpfrm* Helpfrm = nullptr;

THelpfrm::THelpfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Helpfrm");
    SetCaption("Devir Ovidaro Help");
    SetBounds(0, 0, 290, 380);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
