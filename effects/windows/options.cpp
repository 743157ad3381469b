#include "options.h"

Toptions1* options1 = nullptr;

Toptions1::Toptions1(TComponent* AOwner) : TForm(AOwner) {
    SetName("options1");
    SetCaption("Options");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 300, 300);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
