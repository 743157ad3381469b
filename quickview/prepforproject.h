#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the project wizard, step 1.
class Tprepforproj : public TForm {
public:
    explicit Tprepforproj(TComponent* AOwner = nullptr);
};

extern Tprepforproj* prepforproj;

} // namespace quickview
