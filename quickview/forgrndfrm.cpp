#include "forgrndfrm.h"

namespace quickview {

Tsprform* sprform = nullptr;

Tsprform::Tsprform(TComponent* AOwner) : TForm(AOwner) {
    SetName("sprform");
    SetCaption("Identifying the foreground image(s)");
    SetBounds(0, 0, 520, 400);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
