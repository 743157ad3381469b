#pragma once
#include "Forms.h"

namespace quickview {

// The picture of Velmora's main window.
class TMainfrm : public TForm {
public:
    explicit TMainfrm(TComponent* AOwner = nullptr);
};

extern TMainfrm* Mainfrm;

} // namespace quickview
