#pragma once
#include "Forms.h"

// The image browser: every picture file reaches the page through it.
class Tpicform1 : public TForm {
public:
    explicit Tpicform1(TComponent* AOwner = nullptr);
};

extern Tpicform1* picform1;
