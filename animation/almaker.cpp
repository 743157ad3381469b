#include "almaker.h"

TALmaker* ALmaker = nullptr;

TALmaker::TALmaker(TComponent* AOwner) : TForm(AOwner) {
    SetName("ALmaker");
    SetCaption("ALmaker");
    SetBounds(0, 0, 300, 200);
}
