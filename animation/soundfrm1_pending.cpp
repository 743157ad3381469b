// Operations of the media player, not built yet.
#include "soundfrm1.h"

// Opens the film in `MediaPlayer1` with `display` as its surface; false when it cannot be opened.
bool TSoundfrm::openFilm(const std::string&, TWinControl*) {
    return false;
}
// Plays the open film from its start.
void TSoundfrm::playFilm() {}
