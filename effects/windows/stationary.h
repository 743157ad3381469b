#pragma once
#include "Forms.h"

// The image fader.
class Tstation1 : public TForm {
public:
    explicit Tstation1(TComponent* AOwner = nullptr);
};

extern Tstation1* station1;
