#include "wiz1.h"

namespace quickview {

Twizfrm* wizfrm = nullptr;

Twizfrm::Twizfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("wizfrm");
    SetCaption("Editing Video Streams");
    SetBounds(0, 0, 520, 400);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
