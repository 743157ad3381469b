#include "stationary.h"

Tstation1* station1 = nullptr;

Tstation1::Tstation1(TComponent* AOwner) : TForm(AOwner) {
    SetName("station1");
    SetCaption("Image Fader and Transitioner");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 560, 420);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
