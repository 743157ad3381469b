#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TImage.h"
#include "TListBox.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "TStatusBar.h"

namespace quickview {

// Screen: the animation manager.
class TAnimCap1 : public TForm {
public:
    explicit TAnimCap1(TComponent* AOwner = nullptr);

    TComboBox* ComboFolder;
    TListBox* FileListBox1;
    TListBox* ListBox1; // the play list
    TButton* butadd;
    TButton* butaddall;
    TButton* butremove;
    TButton* butclear;
    TButton* butload;
    TButton* butsave;
    TButton* butmake;
    TButton* butresize;
    TPanel* Panel1;
    TImage* Image1;
    TSpeedButton* butplay;
    TSpeedButton* butstop;
    TSpeedButton* butback;
    TSpeedButton* butfwd;
    TSpinEdit* SpinEdit1;
    TCheckBox* CheckBox1;
    TStatusBar* StatusBar1;

    void FormCreate(TObject* Sender);
};

extern TAnimCap1* AnimCap1;

} // namespace quickview
