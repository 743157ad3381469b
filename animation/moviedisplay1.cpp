#include "moviedisplay1.h"

TMoviedisplay* Moviedisplay = nullptr;

TMoviedisplay::TMoviedisplay(TComponent* AOwner) : TForm(AOwner) {
    SetName("Moviedisplay");
    SetCaption("Movie display");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 320, 240);
}
