#include "gradpal.h"

Tgradform1* gradform1 = nullptr;

Tgradform1::Tgradform1(TComponent* AOwner) : TForm(AOwner) {
    SetName("gradform1");
    SetCaption("Use a stretch of gradient color ");
    SetBounds(0, 0, 300, 200);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
