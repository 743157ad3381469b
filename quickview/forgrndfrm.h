#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the foreground wizard, step 1.
class Tsprform : public TForm {
public:
    explicit Tsprform(TComponent* AOwner = nullptr);
};

extern Tsprform* sprform;

} // namespace quickview
