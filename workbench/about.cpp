#include "about.h"

Taboutfrm1* aboutfrm1 = nullptr;

Taboutfrm1::Taboutfrm1(TComponent* AOwner) : TForm(AOwner) {
    SetName("aboutfrm1");
    SetCaption("About Orvanta");
    SetBounds(0, 0, 320, 220);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
