#pragma once
#include "soundfrm1.h"

namespace quickview {

// Screen: the play-list player, the media player screen in another layout.
class TSoundfrm2 : public TSoundfrm {
public:
    explicit TSoundfrm2(TComponent* AOwner = nullptr);
};

extern TSoundfrm2* Soundfrm2;

} // namespace quickview
