#pragma once
#include "Controls.h"

class THelpfrm : public TComponent {
public:
    explicit THelpfrm(TComponent* AOwner = nullptr);
};

extern THelpfrm* Helpfrm;
