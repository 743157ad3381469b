#pragma once
#include "Forms.h"

class THelpfrm : public TForm {
public:
    explicit THelpfrm(TComponent* AOwner = nullptr);
};

extern THelpfrm* Helpfrm;
