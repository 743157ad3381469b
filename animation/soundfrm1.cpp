#include "soundfrm1.h"

#include <stdexcept>

TSoundfrm* Soundfrm = nullptr;

TSoundfrm::TSoundfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Soundfrm");
    SetCaption("Mediaplayer 1");
    SetFormStyle(fsStayOnTop);
    SetClientWidth(338);
    SetHeight(88);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

void TSoundfrm::openfilm(const std::string&, TWinControl*) {
    throw std::runtime_error("No media player");
}

void TSoundfrm::playfilm() {
    throw std::runtime_error("No media player");
}
