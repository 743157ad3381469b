#pragma once
#include "Forms.h"

class Tjpop1 : public TForm {
public:
    explicit Tjpop1(TComponent* AOwner = nullptr);
};

extern Tjpop1* jpop1;
