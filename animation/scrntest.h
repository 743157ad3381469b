#pragma once
#include "Forms.h"

// The animation preview window.
class Tscreentest1 : public TForm {
public:
    explicit Tscreentest1(TComponent* AOwner = nullptr);
};

extern Tscreentest1* screentest1;
