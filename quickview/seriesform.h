#pragma once
#include "Forms.h"
#include "Menus.h"
#include "TButton.h"
#include "TEdit.h"
#include "TImage.h"
#include "TListBox.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TStatusBar.h"

namespace quickview {

// Screen: the project manager.
class Tseriesfrm2 : public TForm {
public:
    explicit Tseriesfrm2(TComponent* AOwner = nullptr);

    TMainMenu* MainMenu1;
    TEdit* Editproject;
    TListBox* ListBox1; // the project's bitmaps in order
    TButton* butup;
    TButton* butdown;
    TButton* butadd;
    TButton* butremove;
    TPanel* Panel1;
    TImage* Image1;
    TMemo* Memo1; // notes
    TButton* butpreview;
    TButton* butmakeavi;
    TStatusBar* StatusBar1;

    void FormCreate(TObject* Sender);
};

extern Tseriesfrm2* seriesfrm2;

} // namespace quickview
