#pragma once
#include "Forms.h"

// The styled-text maker.
class TTextMakerForm : public TForm {
public:
    explicit TTextMakerForm(TComponent* AOwner = nullptr);
};

extern TTextMakerForm* TextMakerForm;
