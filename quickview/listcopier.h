#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImage.h"
#include "TListBox.h"
#include "TProgressBar.h"

namespace quickview {

// Screen: the project wizard, step 2.
class Tlistcpy2 : public TForm {
public:
    explicit Tlistcpy2(TComponent* AOwner = nullptr);

    TImage* Image1;
    TComboBox* ComboFolder;
    TListBox* FileListBox1;
    TListBox* ListBox1;
    TButton* butadd;
    TButton* butaddall;
    TButton* butremove;
    TButton* butclear;
    TEdit* Edittarget;
    TCheckBox* CheckBox1;
    TProgressBar* ProgressBar1;
    TButton* butcopy;
    TButton* butback;
    TButton* butcancel;
    TButton* Buttonnext;

    void FormCreate(TObject* Sender);
    // "Next >>": the project manager.
    void ButtonnextClick(TObject* Sender);
};

extern Tlistcpy2* listcpy2;

} // namespace quickview
