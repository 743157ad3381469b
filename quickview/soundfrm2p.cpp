#include "soundfrm2p.h"

namespace quickview {

TSoundfrm2* Soundfrm2 = nullptr;

TSoundfrm2::TSoundfrm2(TComponent* AOwner) : TSoundfrm(AOwner) {
    SetName("Soundfrm2");
    SetCaption("Playlist player");
    SetBounds(0, 0, 360, 300);
}

} // namespace quickview
