// The main window's tool panel: the palette's tools on three pages, the pixel-mover box size and
// the pixel movers' demo film. Its buttons run the palette's handlers, so both places choose a
// tool the same way.
#include "AviPlay.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "ToolCodes.h"
#include "Toolpal.h"
#include "Toolpal_glyphs.h"
#include "colortint.h"
#include "mydialog.h"

namespace {

using Handler = void (TForm3::*)(TObject*);

// The palette's handler, looked up when clicked: the palette is made after the main window.
TNotifyEvent palette(Handler h) {
    return [h](TObject* s) {
        if (Form3) (Form3->*h)(s);
    };
}

} // namespace

void TPbook1::wireTools() {
    for (TSpeedButton* b : {toolpage1, toolpage2, toolpage3})
        b->OnClick = [this](TObject* s) { toolpageClick(s); };

    // Page "1": the drawing tools.
    BitBtn13->OnClick = palette(&TForm3::BitBtn13Click);
    BitBtn5->OnClick = palette(&TForm3::BitBtn5Click);
    BitBtn3->OnClick = palette(&TForm3::BitBtn3Click);
    BitBtn4->OnClick = palette(&TForm3::BitBtn4Click);
    BitBtn32->OnClick = palette(&TForm3::BitBtn32Click);
    BitBtn15->OnClick = palette(&TForm3::BitBtn15Click);
    BitBtn16->OnClick = palette(&TForm3::BitBtn16Click);
    BitBtn12->OnClick = palette(&TForm3::BitBtn12Click);
    BitBtn1->OnClick = palette(&TForm3::BitBtn14Click);
    BitBtn17->OnClick = [this](TObject*) {
        Panel8->Show();
        Panel8->BringToFront();
    };
    BitBtn2->OnClick = palette(&TForm3::BitBtn2Click);
    BitBtn6->OnClick = palette(&TForm3::BitBtn6Click);
    BitBtn7->OnClick = palette(&TForm3::BitBtn7Click);
    BitBtn9->OnClick = palette(&TForm3::BitBtn9Click);
    BitBtn10->OnClick = palette(&TForm3::BitBtn10Click);
    BitBtn11->OnClick = palette(&TForm3::BitBtn11Click);
    BitBtn18->OnClick = palette(&TForm3::BitBtn18Click);
    BitBtn29->OnClick = palette(&TForm3::BitBtn29Click);
    BitBtn30->OnClick = palette(&TForm3::BitBtn30Click);
    BitBtn31->OnClick = palette(&TForm3::BitBtn31Click);
    BitBtn26->OnClick = [this](TObject*) { clearit(); };

    // Page "2": gradients, filters, outlines and captures.
    gradbut2->OnClick = palette(&TForm3::gradbut2Click);
    gradbut3->OnClick = palette(&TForm3::gradbut3Click);
    gradbut8->OnClick = palette(&TForm3::gradbut8Click);
    gradbut5->OnClick = palette(&TForm3::gradbut5Click);
    gradbut6->OnClick = palette(&TForm3::gradbut6Click);
    gradbut4->OnClick = palette(&TForm3::gradbut4Click);
    SpeedButton38->OnClick = palette(&TForm3::SpeedButton7Click);
    SpeedButton35->OnClick = palette(&TForm3::SpeedButton8Click);
    SpeedButton36->OnClick = palette(&TForm3::SpeedButton9Click);
    SpeedButton37->OnClick = [this](TObject* s) { SpeedButton37Click(s); };
    BitBtn8->OnClick = palette(&TForm3::BitBtn19Click);
    BitBtn20->OnClick = palette(&TForm3::BitBtn20Click);
    BitBtn21->OnClick = palette(&TForm3::BitBtn21Click);
    BitBtn28->OnClick = palette(&TForm3::BitBtn28Click);
    BitBtn34->OnClick = palette(&TForm3::BitBtn34Click);
    BitBtn22->OnClick = palette(&TForm3::BitBtn8Click);
    BitBtn24->OnClick = palette(&TForm3::BitBtn23Click);
    BitBtn25->OnClick = palette(&TForm3::BitBtn25Click);
    BitBtn23->OnClick = [this](TObject*) {
        if (colortint1) colortint1->showForPage(ptbox1->Picture());
    };

    // Page "3": the pixel movers, the box size and the demo film.
    for (TSpeedButton* b : {pm1, pm2, pm3, pm4, pm5, pm6, pm7, pm8})
        b->OnClick = [this](TObject* s) { moverClick(s); };
    SpinEdit3->OnChange = [this](TObject* s) { SpinEdit3Change(s); };
    SpinEdit4->OnChange = [this](TObject* s) { SpinEdit3Change(s); };
    SpeedButton10->OnClick = [this](TObject* s) { SpeedButton10Click(s); };
    SpeedButton14->OnClick = [this](TObject* s) { SpeedButton14Click(s); };
    SpeedButton16->OnClick = [this](TObject* s) { SpeedButton16Click(s); };
    shpmov->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { shpmovMouseMove(s, sh, x, y); };

    // The spray choice.
    mixbut1->OnClick = palette(&TForm3::mixbut1Click);
    plainbut1->OnClick = palette(&TForm3::plainbut1Click);
    BitBtn40->OnClick = [this](TObject*) { Panel8->Hide(); };
}

void TPbook1::toolpageClick(TObject* Sender) {
    int tag = static_cast<TComponent*>(Sender)->Tag();
    panelt->SetVisible(tag == 1);
    paneltmore->SetVisible(tag == 2);
    paneltmover->SetVisible(tag == 3);
    Panel8->Hide();
}

void TPbook1::moverClick(TObject* Sender) {
    static const Handler handlers[] = {&TForm3::pm1Click, &TForm3::pm2Click, &TForm3::pm3Click,
                                       &TForm3::pm4Click, &TForm3::pm5Click, &TForm3::pm6Click,
                                       &TForm3::pm7Click, &TForm3::pm8Click};
    int tag = static_cast<TComponent*>(Sender)->Tag();
    shpmov->SetWidth(SpinEdit3->Value() + 2);
    shpmov->SetHeight(SpinEdit4->Value() + 2);
    shpmov->PenRef().Mode = pmCopy;
    shpmov->BrushRef().Color = clWhite;
    shpmov->BrushRef().Style = bsClear;
    shpmov->Changed();
    shpmov->Show();
    if (Form3 && tag >= 1 && tag <= 8) (Form3->*handlers[tag - 1])(Sender);
}

void TPbook1::SpinEdit3Change(TObject*) {
    int w = SpinEdit3->Value(), h = SpinEdit4->Value();
    mask1->SetWidth(w);
    mask1->SetHeight(h);
    mask1->Picture().Bitmap().SetSize(w, h);
    firstoutline = true;
    polycount = 1;
    pensetup = false;
}

void TPbook1::SpeedButton10Click(TObject*) {
    SpinEdit3->SetValue(SpinEdit3->Value() * 2);
    SpinEdit4->SetValue(SpinEdit4->Value() * 2);
}

void TPbook1::SpeedButton14Click(TObject*) {
    if (SpinEdit3->Value() > 10) SpinEdit3->SetValue(SpinEdit3->Value() / 2);
    if (SpinEdit4->Value() > 10) SpinEdit4->SetValue(SpinEdit4->Value() / 2);
}

void TPbook1::SpeedButton16Click(TObject*) {
    doshow2(1);
}

// The marker steps out from under the pointer; the page's mouse-move puts it beside it again.
void TPbook1::shpmovMouseMove(TObject*, TShiftState, int X, int Y) {
    if (!Form3 || !tools::isMover(Form3->toolcode)) return;
    shpmov->SetLeft(X - 300);
    shpmov->SetTop(Y - 300);
}

void TPbook1::doshow2(int) {
    std::string film = Form3->progdir + "User manual\\pixelmovers.avi";
    if (!ProgramFolder::FileExists(film)) {
        mydialog1->mbox("Needed files are missing", "User manual\\pixelmovers.avi",
                        "Download the mini video pack", "", "", 1);
        return;
    }
    Animate1->SetFileName(ProgramFolder::MapPathString(film));
    Animate1->Show();
    Animate1->SetActive(true);
    Chkanimate1->SetChecked(true);
}

void TPbook1::doneanim() {
    Animate1->Hide();
    Animate1->SetActive(false);
    Animate1->SetFileName("");
    Chkanimate1->SetChecked(false);
}
