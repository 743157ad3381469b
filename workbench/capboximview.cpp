#include "capboximview.h"

Tcappos2* cappos2 = nullptr;

Tcappos2::Tcappos2(TComponent* AOwner) : TForm(AOwner) {
    SetName("cappos2");
    SetCaption("Capture Box Controls");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 220, 220);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
