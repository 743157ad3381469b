#include "soundfrm1.h"

TSoundfrm* Soundfrm = nullptr;

TSoundfrm::TSoundfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Soundfrm");
    SetCaption("Mediaplayer 1");
    SetFormStyle(fsStayOnTop);
    SetClientWidth(338);
    SetHeight(88);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
