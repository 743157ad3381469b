#include "aviwin.h"

Taviwin* aviwin = nullptr;

Taviwin::Taviwin(TComponent* AOwner) : TForm(AOwner) {
    SetName("aviwin");
    SetCaption("aviwin");
    SetBounds(0, 0, 300, 200);
}
