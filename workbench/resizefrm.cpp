#include "resizefrm.h"

TResizeForm* ResizeForm = nullptr;

TResizeForm::TResizeForm(TComponent* AOwner) : TForm(AOwner) {}
