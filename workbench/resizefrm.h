#pragma once
#include "Controls.h"

class TResizeForm : public TComponent {
public:
    explicit TResizeForm(TComponent* AOwner = nullptr);
};

extern TResizeForm* ResizeForm;
