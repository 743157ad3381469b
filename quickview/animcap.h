#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the animation manager.
class TAnimCap1 : public TForm {
public:
    explicit TAnimCap1(TComponent* AOwner = nullptr);
};

extern TAnimCap1* AnimCap1;

} // namespace quickview
