#pragma once
#include "Forms.h"

#include <string>

// The media player for sounds and films.
class TSoundfrm : public TForm {
public:
    explicit TSoundfrm(TComponent* AOwner = nullptr);

    // Opens a film with `display` as its surface, then plays it. Until the player exists both
    // raise, and the callers that treat a film as optional (the intro film) go on without it.
    void openfilm(const std::string& fileName, TWinControl* display);
    void playfilm();
};

extern TSoundfrm* Soundfrm;
