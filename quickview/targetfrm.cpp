#include "targetfrm.h"

namespace quickview {

Tnewtargetfrm* newtargetfrm = nullptr;

Tnewtargetfrm::Tnewtargetfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("newtargetfrm");
    SetCaption("Create a target folder and name the new set");
    SetBounds(0, 0, 520, 400);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
