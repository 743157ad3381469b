#pragma once
#include "Forms.h"
#include "Menus.h"
#include "TImage.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TStatusBar.h"

namespace quickview {

// Screen: the frame editor with its right-click menu.
class Teditframefrm : public TForm {
public:
    explicit Teditframefrm(TComponent* AOwner = nullptr);

    TPanel* Panel1; // tool strip
    TSpeedButton* butprev;
    TSpeedButton* butnext;
    TSpeedButton* butpencil;
    TSpeedButton* butzoom;
    TSpeedButton* butcopy;
    TSpeedButton* butpaste;
    TSpeedButton* butsave;
    TPanel* Panel2;
    TImage* Image1;
    TStatusBar* StatusBar1;
    TPopupMenu* PopupMenu1;

    void FormCreate(TObject* Sender);
};

extern Teditframefrm* editframefrm;

} // namespace quickview
