#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the foreground wizard, step 3.
class Tnewtargetfrm : public TForm {
public:
    explicit Tnewtargetfrm(TComponent* AOwner = nullptr);
};

extern Tnewtargetfrm* newtargetfrm;

} // namespace quickview
