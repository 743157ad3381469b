#include "bkfrframesfrm.h"

namespace quickview {

Tframecomposerfrm* framecomposerfrm = nullptr;

Tframecomposerfrm::Tframecomposerfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("framecomposerfrm");
    SetCaption("Movie frame composition");
    SetBounds(0, 0, 600, 450);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
