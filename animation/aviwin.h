#pragma once
#include "Forms.h"

// A window made at start-up and never shown.
class Taviwin : public TForm {
public:
    explicit Taviwin(TComponent* AOwner = nullptr);
};

extern Taviwin* aviwin;
