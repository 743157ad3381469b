#pragma once
#include "Forms.h"

// The display window of the media player's films.
class TMoviedisplay : public TForm {
public:
    explicit TMoviedisplay(TComponent* AOwner = nullptr);
};

extern TMoviedisplay* Moviedisplay;
