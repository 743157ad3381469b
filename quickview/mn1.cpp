#include "mn1.h"

namespace quickview {

Tmn* mn = nullptr;

Tmn::Tmn(TComponent* AOwner) : TForm(AOwner) {
    SetName("mn");
    SetCaption("Velmora Quick View");
    SetBounds(0, 0, 466, 307);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
