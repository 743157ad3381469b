#pragma once
#include "Forms.h"

namespace quickview {

// The start window: the introduction and the way into the main window.
class Tmn : public TForm {
public:
    explicit Tmn(TComponent* AOwner = nullptr);
};

extern Tmn* mn;

} // namespace quickview
