#include "palettecolorsfrm1.h"

TPaletteColorsfrm* PaletteColorsfrm = nullptr;

TPaletteColorsfrm::TPaletteColorsfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("PaletteColorsfrm");
    SetCaption("Selected Colors");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetBounds(0, 0, 300, 380);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
