#pragma once
#include "Forms.h"

// The capture box window over the page.
class Tcappos1 : public TForm {
public:
    explicit Tcappos1(TComponent* AOwner = nullptr);
};

extern Tcappos1* cappos1;
