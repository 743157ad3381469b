#include "animcap.h"

namespace quickview {

TAnimCap1* AnimCap1 = nullptr;

TAnimCap1::TAnimCap1(TComponent* AOwner) : TForm(AOwner) {
    SetName("AnimCap1");
    SetCaption("Animation Manager");
    SetBounds(0, 0, 600, 450);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
