#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the project wizard, step 2.
class Tlistcpy2 : public TForm {
public:
    explicit Tlistcpy2(TComponent* AOwner = nullptr);
};

extern Tlistcpy2* listcpy2;

} // namespace quickview
