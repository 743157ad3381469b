#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the foreground wizard, step 2.
class Tbkgfrm : public TForm {
public:
    explicit Tbkgfrm(TComponent* AOwner = nullptr);
};

extern Tbkgfrm* bkgfrm;

} // namespace quickview
