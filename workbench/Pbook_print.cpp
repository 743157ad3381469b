// Printing and fax preparation: the print previewer filled from the page.
#include "Menus.h"
#include "Pbook.h"
#include "TImage.h"
#include "TSpeedButton.h"
#include "prnfrm.h"

void TPbook1::wirePrint() {
    PrintOptions1->OnClick = [this](TObject* s) { PrintOptions1Click(s); };
    SpeedButton50->OnClick = [this](TObject* s) { SpeedButton50Click(s); };
}

void TPbook1::doprint() {
    Prinfrm->fillFrom(ptbox1->Picture().Bitmap());
}

void TPbook1::SpeedButton50Click(TObject*) {
    endmoverpreview();
    doprint();
}

void TPbook1::PrintOptions1Click(TObject*) {
    doprint();
}
