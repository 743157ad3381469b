#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the image browser.
class Tpicform1 : public TForm {
public:
    explicit Tpicform1(TComponent* AOwner = nullptr);
};

extern Tpicform1* picform1;

} // namespace quickview
