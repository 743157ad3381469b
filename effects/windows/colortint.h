#pragma once
#include "Forms.h"

// The colour tint window.
class Tcolortint1 : public TForm {
public:
    explicit Tcolortint1(TComponent* AOwner = nullptr);
};

extern Tcolortint1* colortint1;
