#include "animname.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
    SetName("Form1");
    SetCaption("Drag n' Save");
    SetBounds(0, 0, 260, 200);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
