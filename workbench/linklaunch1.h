#pragma once
#include "Forms.h"
#include "TBitBtn.h"
#include "TButton.h"
#include "TLabel.h"

class TQuillAVIPlay;

// Shown before a manual page opens in the browser: "Press OK to begin" (modal result 1) goes
// ahead, "Cancel" (2) does not. A turning globe plays while it is up, when its film is there.
class Tlinkform : public TForm {
public:
    explicit Tlinkform(TComponent* AOwner = nullptr);

    TQuillAVIPlay* Animate1;
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    TBitBtn* BitBtn1;
    TButton* Button1;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BitBtn1Click(TObject* Sender);
    void Button1Click(TObject* Sender);
};

extern Tlinkform* linkform;
