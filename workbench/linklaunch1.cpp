#include "linklaunch1.h"

Tlinkform* linkform = nullptr;

Tlinkform::Tlinkform(TComponent* AOwner) : TForm(AOwner) {
    SetName("linkform");
    SetCaption("Finding Link. Press OK to begin...");
    SetBounds(0, 0, 300, 120);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
