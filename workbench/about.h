#pragma once
#include "Forms.h"

// The about box.
class Taboutfrm1 : public TForm {
public:
    explicit Taboutfrm1(TComponent* AOwner = nullptr);
};

extern Taboutfrm1* aboutfrm1;
