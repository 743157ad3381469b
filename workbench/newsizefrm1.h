#pragma once
#include "Forms.h"
#include "TBevel.h"
#include "TButton.h"
#include "TImage.h"
#include "TLabel.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"

// The size of a new page. On OK the spins are held within 10..4000 before the dialog closes with
// modal result 1; any other result cancels.
class Tnewsizefrm : public TForm {
public:
    explicit Tnewsizefrm(TComponent* AOwner = nullptr);

    TBevel* Bevel1;
    TImage* Image1;
    TLabel* Label1; // "New Image"
    TLabel* Label2; // "Width"
    TLabel* Label3; // "Height"
    TSpinEdit* SpinEdit1;
    TSpinEdit* SpinEdit2;
    TRadioGroup* RadioButton1;
    TButton* Button1;
    TButton* Button2;

    void FormCreate(TObject* Sender);
    void RadioButton1Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
};

extern Tnewsizefrm* newsizefrm;
