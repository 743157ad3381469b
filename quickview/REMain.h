#pragma once
#include "Forms.h"
#include "Menus.h"
#include "TComboBox.h"
#include "TListBox.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TRichEdit.h"
#include "TSpeedButton.h"
#include "TStatusBar.h"

namespace quickview {

// Screen: the HTML editor and word processor.
class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* AOwner = nullptr);

    TMainMenu* MainMenu1;
    TPanel* Panel1; // tool bar
    TComboBox* FontName;
    TComboBox* FontSize;
    TPanel* Panel2; // templates
    TListBox* ListBox1;
    TPageControl* PageControl1;
    TTabSheet* TabSheet1;
    TTabSheet* TabSheet2;
    TRichEdit* Editor;
    TRichEdit* RichEdit2;
    TStatusBar* StatusBar;

    void FormCreate(TObject* Sender);

private:
    void makeMenu();
    void fillSource();
    void fillLetter();
};

extern TMainForm* MainForm;

} // namespace quickview
