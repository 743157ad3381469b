#pragma once
#include "Forms.h"

// The palette colour map window.
class TPaletteColorsfrm : public TForm {
public:
    explicit TPaletteColorsfrm(TComponent* AOwner = nullptr);
};

extern TPaletteColorsfrm* PaletteColorsfrm;
