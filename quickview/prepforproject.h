#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TImage.h"

namespace quickview {

// Screen: the project wizard, step 1.
class Tprepforproj : public TForm {
public:
    explicit Tprepforproj(TComponent* AOwner = nullptr);

    TImage* Image1;
    TGroupBox* GroupBox1;
    TCheckBox* CheckBitmaps;
    TCheckBox* CheckSprites;
    TCheckBox* CheckSound;
    TCheckBox* CheckAvi;
    TEdit* Editname;
    TEdit* Editfolder;
    TButton* butbrowse;
    TButton* butback;
    TButton* butcancel;
    TButton* bcont;

    void FormCreate(TObject* Sender);
    // "Next >>>": the second step of the wizard.
    void bcontClick(TObject* Sender);
};

extern Tprepforproj* prepforproj;

} // namespace quickview
