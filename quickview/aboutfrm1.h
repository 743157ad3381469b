#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the about box.
class TAboutform : public TForm {
public:
    explicit TAboutform(TComponent* AOwner = nullptr);
};

extern TAboutform* Aboutform;

} // namespace quickview
