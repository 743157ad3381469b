#include "scrntest.h"

Tscreentest1* screentest1 = nullptr;

Tscreentest1::Tscreentest1(TComponent* AOwner) : TForm(AOwner) {
    SetName("screentest1");
    SetCaption("Preview");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 320, 240);
}
