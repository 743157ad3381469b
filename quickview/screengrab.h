#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"

namespace quickview {

// Screen: the screen grabber.
class TScreengrabberfrm : public TForm {
public:
    explicit TScreengrabberfrm(TComponent* AOwner = nullptr);

    TRadioGroup* RadioGroup1;
    TSpinEdit* SpinFrames;
    TSpinEdit* SpinDelay;
    TEdit* Edit1;
    TEdit* Edit2;
    TCheckBox* CheckBox1;
    TButton* butprepare;
    TButton* butcancel;

    void FormCreate(TObject* Sender);
};

extern TScreengrabberfrm* Screengrabberfrm;

} // namespace quickview
