#include "prepforproject.h"

namespace quickview {

Tprepforproj* prepforproj = nullptr;

Tprepforproj::Tprepforproj(TComponent* AOwner) : TForm(AOwner) {
    SetName("prepforproj");
    SetCaption("Gather necessary items for your new project");
    SetBounds(0, 0, 520, 400);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
