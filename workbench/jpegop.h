#pragma once
#include "Controls.h"

class Tjpop1 : public TComponent {
public:
    explicit Tjpop1(TComponent* AOwner = nullptr);
};

extern Tjpop1* jpop1;
