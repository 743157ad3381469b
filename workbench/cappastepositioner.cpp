#include "cappastepositioner.h"

Tcappastefrm* cappastefrm = nullptr;

Tcappastefrm::Tcappastefrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("cappastefrm");
    SetCaption("Paste positioner");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 220, 200);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
