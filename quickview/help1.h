#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the help window.
class THelpfrm : public TForm {
public:
    explicit THelpfrm(TComponent* AOwner = nullptr);
};

extern THelpfrm* Helpfrm;

} // namespace quickview
