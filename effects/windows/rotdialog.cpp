#include "rotdialog.h"

Trotateform* rotateform = nullptr;

Trotateform::Trotateform(TComponent* AOwner) : TForm(AOwner) {
    SetName("rotateform");
    SetCaption("Rotate image");
}
