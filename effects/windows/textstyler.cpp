#include "textstyler.h"

TTextMakerForm* TextMakerForm = nullptr;

TTextMakerForm::TTextMakerForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("TextMakerForm");
    SetCaption("WSIWYG Graphical Font Styles");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 520, 400);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
