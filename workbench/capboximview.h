#pragma once
#include "Forms.h"

// The capture box controls over the browser picture.
class Tcappos2 : public TForm {
public:
    explicit Tcappos2(TComponent* AOwner = nullptr);
};

extern Tcappos2* cappos2;
