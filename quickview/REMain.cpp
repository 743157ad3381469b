#include "REMain.h"

namespace quickview {

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("MainForm");
    SetCaption("INDEX.HTML");
    SetBounds(0, 0, 600, 450);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
