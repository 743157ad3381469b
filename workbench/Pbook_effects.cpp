// The main window's effects on the page: blend, soften, lighten and darken, the clip blend, flip
// and mirror, the video filter panel, and the pixel movers' nudge. The pixel work itself is in
// effects/ (blend, filters1, Pmovers); these run it on the page, the clip and the undo copy.
#include "Menus.h"
#include "Pbook.h"
#include "Pmovers.h"
#include "TBitBtn.h"
#include "TImage.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "blend.h"
#include "filters1.h"

namespace {

TBitmap& bitmapOf(TImage* image) {
    return image->Picture().Bitmap();
}

// The filter panel's threshold and amount as they stand whenever a filter asks (before every row).
TFilterSettingsSource filterSettings(TPbook1* w) {
    return [w] { return TFilterSettings{w->t1m->Value(), w->t2m->Value()}; };
}

} // namespace

void TPbook1::doblend() {
    ::doblend(bitmapOf(ptbox1), progress());
}

void TPbook1::doblend2() {
    ::doblend2(bitmapOf(ptbox1), progress());
}

void TPbook1::doblend3(bool lighten) {
    ::doblend3(bitmapOf(ptbox1), lighten, progress());
}

void TPbook1::doclipblend(int steps) {
    // The blend works where the clip was taken from, whichever outline took it.
    ::doclipblend(bitmapOf(ptbox1), bitmapOf(clpmap1), clipOrigin.x, clipOrigin.y, steps, progress());
}

void TPbook1::Flip1Click(TObject*) {
    flipPicture(bitmapOf(ptbox1), bitmapOf(Image2), progress());
}

void TPbook1::Mirror1Click(TObject*) {
    mirrorPicture(bitmapOf(ptbox1), bitmapOf(Image2), progress());
}

void TPbook1::sortfilt() {
    ::sortfilt(bitmapOf(ptbox1), filterSettings(this), progress());
}

void TPbook1::SpeedButton29Click(TObject*) {
    pairfilt(bitmapOf(ptbox1), filterSettings(this), progress());
}

void TPbook1::SpeedButton32Click(TObject*) {
    triplefilt(bitmapOf(ptbox1), filterSettings(this), progress());
}

void TPbook1::SpeedButton31Click(TObject*) {
    sortfilt();
}

void TPbook1::SpeedButton37Click(TObject*) {
    Panelfilt->SetTop(0);
    Panelfilt->Show();
}

void TPbook1::BitBtn45Click(TObject*) {
    Panelfilt->Hide();
    Panelfilt->SetTop(-Panelfilt->Height());
}

void TPbook1::nudgeselection(int X, int Y, int code, int W, int H) {
    ::nudgeselection(bitmapOf(ptbox1), bitmapOf(mask1), X, Y, code, W, H);
}

void TPbook1::wireEffects() {
    Flip1->OnClick = [this](TObject* s) { Flip1Click(s); };
    Mirror1->OnClick = [this](TObject* s) { Mirror1Click(s); };
    SpeedButton37->OnClick = [this](TObject* s) { SpeedButton37Click(s); };
    SpeedButton29->OnClick = [this](TObject* s) { SpeedButton29Click(s); };
    SpeedButton32->OnClick = [this](TObject* s) { SpeedButton32Click(s); };
    SpeedButton31->OnClick = [this](TObject* s) { SpeedButton31Click(s); };
    BitBtn45->OnClick = [this](TObject* s) { BitBtn45Click(s); };
}
