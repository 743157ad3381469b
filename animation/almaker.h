#pragma once
#include "Forms.h"

// A window made at start-up and never shown.
class TALmaker : public TForm {
public:
    explicit TALmaker(TComponent* AOwner = nullptr);
};

extern TALmaker* ALmaker;
