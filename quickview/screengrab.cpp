#include "screengrab.h"

namespace quickview {

TScreengrabberfrm* Screengrabberfrm = nullptr;

TScreengrabberfrm::TScreengrabberfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Screengrabberfrm");
    SetCaption("Screen Grabber");
    SetBounds(0, 0, 360, 240);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
