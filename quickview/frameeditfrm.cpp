#include "frameeditfrm.h"

namespace quickview {

Teditframefrm* editframefrm = nullptr;

Teditframefrm::Teditframefrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("editframefrm");
    SetCaption("Edit Frame");
    SetBounds(0, 0, 500, 400);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
