#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TImage.h"
#include "TSpinEdit.h"

namespace quickview {

// Screen: the foreground wizard, step 3.
class Tnewtargetfrm : public TForm {
public:
    explicit Tnewtargetfrm(TComponent* AOwner = nullptr);

    TImage* Image1;
    TEdit* Editfolder;
    TButton* butbrowse;
    TEdit* Editname;
    TSpinEdit* SpinEdit1;
    TCheckBox* CheckBox1;
    TCheckBox* CheckBox2;
    TButton* butback;
    TButton* butcancel;
    TButton* butnext;

    void FormCreate(TObject* Sender);
    // "Next >>>": the frame composition screen.
    void butnextClick(TObject* Sender);
};

extern Tnewtargetfrm* newtargetfrm;

} // namespace quickview
