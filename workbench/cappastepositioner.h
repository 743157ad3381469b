#pragma once
#include "Forms.h"

// The paste positioner over the browser picture.
class Tcappastefrm : public TForm {
public:
    explicit Tcappastefrm(TComponent* AOwner = nullptr);
};

extern Tcappastefrm* cappastefrm;
