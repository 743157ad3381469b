#include "morfshapeform1.h"

Tmorfshapeform* morfshapeform = nullptr;

Tmorfshapeform::Tmorfshapeform(TComponent* AOwner) : TForm(AOwner) {
    SetName("morfshapeform");
    SetCaption("Morf Shapes");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 300, 260);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
