#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the frame editor.
class Teditframefrm : public TForm {
public:
    explicit Teditframefrm(TComponent* AOwner = nullptr);
};

extern Teditframefrm* editframefrm;

} // namespace quickview
