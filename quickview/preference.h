#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the preferences.
class Tpreference1 : public TForm {
public:
    explicit Tpreference1(TComponent* AOwner = nullptr);
};

extern Tpreference1* preference1;

} // namespace quickview
