#pragma once
#include "Forms.h"

#include <string>

// The media player for sounds and films.
class TSoundfrm : public TForm {
public:
    explicit TSoundfrm(TComponent* AOwner = nullptr);

    // Opens a film with `display` as its surface (false when it cannot be opened), then plays it.
    bool openFilm(const std::string& fileName, TWinControl* display);
    void playFilm();
};

extern TSoundfrm* Soundfrm;
