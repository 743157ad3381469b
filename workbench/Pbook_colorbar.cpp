// The colour bar along the bottom of the Paint page, the small swatch panel on the tool panel and
// the palette strip on the side panel: each reads and writes the palette's two button colours.
#include "BindMethod.h"
#include "BmpCodec.h"
#include "Dialogs.h"
#include "Menus.h"
#include "Pbook.h"
#include "TCheckBox.h"
#include "TColorGrid.h"
#include "TCoolBar.h"
#include "TImage.h"
#include "TPaintBox.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TTimer.h"
#include "Toolpal.h"
#include "gradpal.h"
#include "mydialog.h"
#include "palettecolorsfrm1.h"
#include "preference1.h"

#include <algorithm>
#include <cctype>

void TPbook1::wireColours() {
    imgrad->OnClick = bindMethod(this, &TPbook1::imgradClick);
    SpeedButton11->OnClick = bindMethod(this, &TPbook1::SpeedButton11Click);
    SpeedButton12->OnClick = bindMethod(this, &TPbook1::SpeedButton12Click);
    Image12->OnMouseUp = bindMethod(this, &TPbook1::Image12MouseUp);
    cogrid->OnChange = bindMethod(this, &TPbook1::cogridChange);
    cogrid->OnClick = bindMethod(this, &TPbook1::cogridChange);
    SpeedButton45->OnClick = bindMethod(this, &TPbook1::SpeedButton45Click);
    Panel4->OnClick = bindMethod(this, &TPbook1::SpeedButton45Click);
    SpeedButton47->OnClick = bindMethod(this, &TPbook1::SpeedButton47Click);
    for (int k = 1; k <= 16; ++k)
        barSwatch(k)->OnMouseUp = bindMethod(this, &TPbook1::barSwatchMouseUp);
    for (int k = 1; k <= 9; ++k)
        smallSwatch(k)->OnMouseUp = bindMethod(this, &TPbook1::smallSwatchMouseUp);
    SpeedButton56->OnClick = bindMethod(this, &TPbook1::SpeedButton56Click);
    SpeedButton62->OnClick = bindMethod(this, &TPbook1::SpeedButton62Click);
    SpeedButton61->OnClick = bindMethod(this, &TPbook1::SpeedButton61Click);
    SpeedButton63->OnClick = bindMethod(this, &TPbook1::SpeedButton63Click);
    Image6->OnMouseMove = bindMethod(this, &TPbook1::Image6MouseMove);
    Image6->OnMouseUp = bindMethod(this, &TPbook1::Image6MouseUp);
    LoadBitmapPalette1->OnClick = bindMethod(this, &TPbook1::LoadBitmapPalette1Click);
    SpeedButton9->OnClick = bindMethod(this, &TPbook1::SpeedButton9Click);
    butpfrm->OnClick = bindMethod(this, &TPbook1::butpfrmClick);
    InnerToolbars1->OnClick = bindMethod(this, &TPbook1::InnerToolbars1Click);
    InnerColorbar1->OnClick = bindMethod(this, &TPbook1::InnerColorbar1Click);
    SidePanel1->OnClick = bindMethod(this, &TPbook1::SidePanel1Click);
    Preferences1->OnClick = bindMethod(this, &TPbook1::Preferences1Click);
    Timer2->OnTimer = bindMethod(this, &TPbook1::Timer2Timer);
    showbarcolors();
}

TShape* TPbook1::barSwatch(int k) const {
    TShape* const swatches[] = {Sh1e2, sh2e2,  sh3e2,  sh4e2,  sh5e2,  sh6e2,  sh7e2,  sh8e2,
                                sh9e2, sh10e2, sh11e2, sh12e2, sh13e2, sh14e2, sh15e2, sh16e2};
    return k >= 1 && k <= 16 ? swatches[k - 1] : nullptr;
}

TShape* TPbook1::smallSwatch(int k) const {
    TShape* const swatches[] = {Sh1e, sh2e, Sh3e, Sh4e, Sh5e, Sh6e, Sh7e, Sh8e, Sh9e};
    return k >= 1 && k <= 9 ? swatches[k - 1] : nullptr;
}

void TPbook1::showbarcolors() {
    for (int k = 1; k <= 16; ++k)
        if (TShape* s = barSwatch(k)) {
            s->BrushRef().Color = barcolors[size_t(k - 1)];
            s->Changed();
        }
}

void TPbook1::imgradClick(TObject*) {
    if (!gradform1 || !Form3) return;
    gradform1->Show();
    gradform1->Invalidate();
    gradform1->Update();
    gradform1->offsetr = gradform1->offsetg = gradform1->offsetb = 0;
    gradform1->setcolorstretch();
    gradform1->stretchcolor();
    Form3->showgrad();
    Form3->Panel7->Show();
}

// "L" sets the right colour and "R" the left, as the buttons have always done.
void TPbook1::SpeedButton11Click(TObject*) {
    if (!Form3->ColorDialog1->Execute()) return;
    Form3->rightcolor = Form3->ColorDialog1->Color();
    Form3->showcfcb();
}

void TPbook1::SpeedButton12Click(TObject*) {
    if (!Form3->ColorDialog1->Execute()) return;
    Form3->leftcolor = Form3->ColorDialog1->Color();
    Form3->showcfcb();
}

void TPbook1::Image12MouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
    Form3->colourboxclick(Button, X, Y);
}

void TPbook1::cogridChange(TObject*) {
    Form3->leftcolor = cogrid->ForegroundColor();
    Form3->rightcolor = cogrid->BackgroundColor();
    Form3->showcfcb();
}

void TPbook1::SpeedButton45Click(TObject*) {
    Panel4->Hide();
}

void TPbook1::SpeedButton47Click(TObject*) {
    Panel4->Show();
}

void TPbook1::barSwatchMouseUp(TObject* Sender, TMouseButton Button, TShiftState, int, int) {
    auto* swatch = dynamic_cast<TShape*>(Sender);
    const int k = swatch ? swatch->Tag() : 0;
    if (k >= 1 && k <= 16 && (Button == mbLeft || Button == mbRight)) {
        TColor& own = barcolors[size_t(k - 1)];
        TColor& button = Button == mbRight ? Form3->rightcolor : Form3->leftcolor;
        if (chkshe2->Checked())
            own = button;
        else
            button = own;
        showbarcolors();
    }
    Form3->showcfcb();
}

void TPbook1::smallSwatchMouseUp(TObject* Sender, TMouseButton Button, TShiftState, int, int) {
    auto* swatch = dynamic_cast<TShape*>(Sender);
    if (swatch && (Button == mbLeft || Button == mbRight)) {
        TColor& button = Button == mbRight ? Form3->rightcolor : Form3->leftcolor;
        if (chkshe->Checked()) {
            swatch->BrushRef().Color = button;
            swatch->Changed();
        } else {
            button = swatch->Brush().Color;
        }
    }
    Form3->showcfcb();
}

void TPbook1::SpeedButton56Click(TObject*) {
    SaveDialog1->SetFileName("colors2.clrs");
    SaveDialog1->SetDefaultExt("clrs");
    if (SaveDialog1->Execute()) savecolors(SaveDialog1->FileName());
}

void TPbook1::SpeedButton62Click(TObject*) {
    OpenDialog1->SetFileName("colors2.clrs");
    OpenDialog1->SetDefaultExt("clrs");
    if (OpenDialog1->Execute()) loadcolors(OpenDialog1->FileName());
}

void TPbook1::Image6MouseMove(TObject*, TShiftState, int X, int Y) {
    Form3->colorunder = Image6->Picture().Bitmap().Canvas().Pixels(X, Y);
}

void TPbook1::Image6MouseUp(TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == mbRight)
        Form3->rightcolor = Form3->colorunder;
    else if (Button == mbLeft)
        Form3->leftcolor = Form3->colorunder;
    Form3->showcfcb();
    gradform1->offsetr = gradform1->offsetg = gradform1->offsetb = 0;
    gradform1->setcolorstretch();
    Form3->showgrad();
    Form3->Invalidate();
}

void TPbook1::LoadBitmapPalette1Click(TObject*) {
    OpenPictureDialog2->SetFileName("palette2.bmp");
    if (!OpenPictureDialog2->Execute()) return;
    const std::string name = OpenPictureDialog2->FileName();
    const size_t slash = name.find_last_of("\\/:"), dot = name.find_last_of('.');
    std::string ext =
        dot == std::string::npos || (slash != std::string::npos && dot < slash) ? "" : name.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    if (ext != ".BMP") {
        mydialog1->mbox("Palettes must be in bitmap form.", "", "", "", "", 1);
        return;
    }
    // A file that is no bitmap goes to the default error report; the strip keeps its picture.
    LoadBmpFromFile(Image6->Picture().Bitmap(), name);
    Image6->SetBounds(0, 0, Image6->Picture().Width(), Image6->Picture().Height());
}

void TPbook1::SpeedButton9Click(TObject* Sender) {
    copcolors->SetChecked(true);
    Form3->BitBtn20Click(Sender);
}

void TPbook1::butpfrmClick(TObject*) {
    if (PaletteColorsfrm) PaletteColorsfrm->Show();
}

void TPbook1::InnerToolbars1Click(TObject*) {
    InnerToolbars1->SetChecked(!InnerToolbars1->Checked());
    paneltools->SetVisible(InnerToolbars1->Checked());
}

void TPbook1::InnerColorbar1Click(TObject*) {
    InnerColorbar1->SetChecked(!InnerColorbar1->Checked());
    panelcolor->SetVisible(InnerColorbar1->Checked());
}

void TPbook1::SidePanel1Click(TObject*) {
    SidePanel1->SetChecked(!SidePanel1->Checked());
    CoolBar1->SetVisible(SidePanel1->Checked());
}

void TPbook1::Preferences1Click(TObject*) {
    if (preference) preference->Show();
}

void TPbook1::Timer2Timer(TObject*) {
    TCanvas& c = ptbox1->Canvas();
    SelectPalette(c, GetPalette(), false);
    RealizePalette(c);
}
