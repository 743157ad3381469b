#include "listcopier.h"

namespace quickview {

Tlistcpy2* listcpy2 = nullptr;

Tlistcpy2::Tlistcpy2(TComponent* AOwner) : TForm(AOwner) {
    SetName("listcpy2");
    SetCaption("Prepare a list of bitmap file names and copy them to your new project folder");
    SetBounds(0, 0, 520, 400);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
