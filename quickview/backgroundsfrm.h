#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TEdit.h"
#include "TImage.h"
#include "TListBox.h"
#include "TRadioGroup.h"

namespace quickview {

// Screen: the foreground wizard, step 2.
class Tbkgfrm : public TForm {
public:
    explicit Tbkgfrm(TComponent* AOwner = nullptr);

    TImage* Image1;
    TRadioGroup* RadioGroup1;
    TEdit* Editfolder;
    TButton* butbrowse;
    TListBox* ListBox1;
    TImage* Image2;
    TButton* butback;
    TButton* butcancel;
    TButton* butnext;

    void FormCreate(TObject* Sender);
    // "Next >>>": the target folder step.
    void butnextClick(TObject* Sender);
};

extern Tbkgfrm* bkgfrm;

} // namespace quickview
