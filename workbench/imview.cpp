#include "imview.h"

Tpicform1* picform1 = nullptr;

Tpicform1::Tpicform1(TComponent* AOwner) : TForm(AOwner) {
    SetName("picform1");
    SetCaption("Image Browser");
    SetBounds(0, 0, 600, 450);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
