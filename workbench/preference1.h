#pragma once
#include "Forms.h"

// The preferences and linked programs.
class Tpreference : public TForm {
public:
    explicit Tpreference(TComponent* AOwner = nullptr);
};

extern Tpreference* preference;
