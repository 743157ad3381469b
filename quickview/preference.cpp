#include "preference.h"

namespace quickview {

Tpreference1* preference1 = nullptr;

Tpreference1::Tpreference1(TComponent* AOwner) : TForm(AOwner) {
    SetName("preference1");
    SetCaption("Preferences");
    SetBounds(0, 0, 480, 400);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
