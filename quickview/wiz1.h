#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the movie wizard.
class Twizfrm : public TForm {
public:
    explicit Twizfrm(TComponent* AOwner = nullptr);
};

extern Twizfrm* wizfrm;

} // namespace quickview
