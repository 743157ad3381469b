#pragma once
#include "Forms.h"

// The media player for sounds and films.
class TSoundfrm : public TForm {
public:
    explicit TSoundfrm(TComponent* AOwner = nullptr);
};

extern TSoundfrm* Soundfrm;
