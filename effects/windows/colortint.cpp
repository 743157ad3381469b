#include "colortint.h"

Tcolortint1* colortint1 = nullptr;

Tcolortint1::Tcolortint1(TComponent* AOwner) : TForm(AOwner) {
    SetName("colortint1");
    SetCaption("colortint1");
    SetBorderStyle(bsToolWindow);
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 260, 280);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
