#include "capbox.h"

Tcappos1* cappos1 = nullptr;

Tcappos1::Tcappos1(TComponent* AOwner) : TForm(AOwner) {
    SetName("cappos1");
    SetCaption("Capture Box");
    SetBounds(0, 0, 260, 240);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
