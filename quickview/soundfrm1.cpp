#include "soundfrm1.h"

namespace quickview {

TSoundfrm* Soundfrm = nullptr;

TSoundfrm::TSoundfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Soundfrm");
    SetCaption("Mediaplayer 1");
    SetClientWidth(338);
    SetHeight(140);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
