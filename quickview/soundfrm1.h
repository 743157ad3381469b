#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the media player.
class TSoundfrm : public TForm {
public:
    explicit TSoundfrm(TComponent* AOwner = nullptr);
};

extern TSoundfrm* Soundfrm;

} // namespace quickview
