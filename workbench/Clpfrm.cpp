#include "Clpfrm.h"

Tclpform1* clpform1 = nullptr;

Tclpform1::Tclpform1(TComponent* AOwner) : TForm(AOwner) {
    SetName("clpform1");
    SetCaption("Clipboard unavailable");
    SetBounds(220, 399, 398, 121);
}
