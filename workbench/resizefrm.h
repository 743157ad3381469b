#pragma once
#include "Forms.h"

class TResizeForm : public TForm {
public:
    explicit TResizeForm(TComponent* AOwner = nullptr);
};

extern TResizeForm* ResizeForm;
