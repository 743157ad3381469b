#include "Pbook.h"

#include "Menus.h"
#include "TPageControl.h"
#include "TSpeedButton.h"

TPbook1* Pbook1 = nullptr;

TPbook1::TPbook1(TComponent* AOwner) : TForm(AOwner) {
    SetName("Pbook1");
    SetCaption("Temp.bmp");
    SetBounds(10, 43, 639, 522);
    SetCursor(crHandPoint);
    barcolors = {clWhite, clWhite, clRed,   clGreen, clBlue, clBlack, clWhite, clRed,
                 clGreen, clBlue,  clBlack, clWhite, clRed,  clGreen, clBlue,  clBlack};
    createControls();
    wirePage();
    wireDrawing();
    wireTools();
    wireFiles();
    wireClipboard();
    wireEffects();
    wirePrint();
    wireZoom();
    wireZoomPage();
    wireColours();
    wirePaste();
    wireLinks();
    wireTransfer();
    wireText();
    wireCommands();
    wireFilmViewer();
    wireHolders();
    placePageCorner();
    bgprogress.SetBar(bg1);
    SetAcceptFiles(true);

    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnResize = [this](TObject* s) { FormResize(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    OnDropFiles = [this](TObject*, const std::vector<std::string>& files) { onDropFiles(files); };
}

// New, undo and redo, resize and exit: the menu items and the buttons that share them.
void TPbook1::wirePage() {
    New1->OnClick = [this](TObject* s) { New1Click(s); };
    Exit1->OnClick = [this](TObject* s) { Exit1Click(s); };
    Undo1->OnClick = [this](TObject* s) { undoptb1Click(s); };
    Repeatcommand1->OnClick = [this](TObject* s) { redoptb1Click(s); };
    Cut1->OnClick = [this](TObject* s) { Cut1Click(s); };
    Resize1->OnClick = [this](TObject* s) { Resize1Click(s); };
    SpeedButton2->OnClick = [this](TObject* s) { SpeedButton2Click(s); };
    SpeedButton54->OnClick = [this](TObject* s) { Resize1Click(s); };
    SpeedButton53->OnClick = [this](TObject* s) { SpeedButton53Click(s); };
    undoptb1->OnClick = [this](TObject* s) { undoptb1Click(s); };
    redoptb1->OnClick = [this](TObject* s) { redoptb1Click(s); };
    SpeedButton52->OnClick = [this](TObject* s) { SpeedButton52Click(s); };
}
