#include "seriesform.h"

namespace quickview {

Tseriesfrm2* seriesfrm2 = nullptr;

Tseriesfrm2::Tseriesfrm2(TComponent* AOwner) : TForm(AOwner) {
    SetName("seriesfrm2");
    SetCaption("Velmora Project Manager");
    SetBounds(0, 0, 560, 420);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

} // namespace quickview
