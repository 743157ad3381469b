#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the screen grabber.
class TScreengrabberfrm : public TForm {
public:
    explicit TScreengrabberfrm(TComponent* AOwner = nullptr);
};

extern TScreengrabberfrm* Screengrabberfrm;

} // namespace quickview
