#pragma once
#include "Forms.h"

// The animation manager: play lists of frame files.
class TAnimCap1 : public TForm {
public:
    explicit TAnimCap1(TComponent* AOwner = nullptr);
};

extern TAnimCap1* AnimCap1;
