#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TImage.h"
#include "TListBox.h"
#include "TShape.h"

namespace quickview {

// Screen: the foreground wizard, step 1.
class Tsprform : public TForm {
public:
    explicit Tsprform(TComponent* AOwner = nullptr);

    TImage* Image1;
    TEdit* Editfolder;
    TButton* butbrowse;
    TListBox* ListBox1;
    TImage* Image2; // preview of the chosen sprite
    TShape* Shape1; // the transparent colour
    TCheckBox* CheckBox1;
    TButton* butback;
    TButton* butcancel;
    TButton* butnext;

    void FormCreate(TObject* Sender);
    // "Next >>>": the backgrounds step.
    void butnextClick(TObject* Sender);
};

extern Tsprform* sprform;

} // namespace quickview
