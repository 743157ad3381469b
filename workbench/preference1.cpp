#include "preference1.h"

Tpreference* preference = nullptr;

Tpreference::Tpreference(TComponent* AOwner) : TForm(AOwner) {
    SetName("preference");
    SetCaption("Preferences");
    SetBounds(0, 0, 480, 400);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
