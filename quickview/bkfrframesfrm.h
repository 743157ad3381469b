#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the movie frame composition.
class Tframecomposerfrm : public TForm {
public:
    explicit Tframecomposerfrm(TComponent* AOwner = nullptr);
};

extern Tframecomposerfrm* framecomposerfrm;

} // namespace quickview
