#include "avicapper.h"

TAVICAP* AVICAP = nullptr;

TAVICAP::TAVICAP(TComponent* AOwner) : TForm(AOwner) {
    SetName("AVICAP");
    SetCaption("AVI Capture");
    SetBounds(0, 0, 500, 420);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
