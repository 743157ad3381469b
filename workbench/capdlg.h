#pragma once
#include "Forms.h"
#include "TBitBtn.h"
#include "TImage.h"
#include "TLabel.h"

// Asks before the screen is captured: OK (modal result 1) goes ahead, Cancel (2) does not.
class Tcapformdlg : public TForm {
public:
    explicit Tcapformdlg(TComponent* AOwner = nullptr);

    TImage* Image1;
    TLabel* Label1;
    TLabel* Label2;
    TBitBtn* BitBtn1;
    TBitBtn* BitBtn2;

    void FormCreate(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
};

extern Tcapformdlg* capformdlg;
