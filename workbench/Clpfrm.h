#pragma once
#include "Forms.h"
#include "TBitBtn.h"
#include "TLabel.h"

// The notice shown when a bitmap cannot reach the clipboard. Callers write their line into
// Label1 and show the window without waiting for it; the Window menu opens it as it is, so it
// shows the last line written. "Try and Free it" lets go of the clipboard for whoever holds it
// through this program.
class Tclpform1 : public TForm {
public:
    explicit Tclpform1(TComponent* AOwner = nullptr);

    TLabel* Label1;
    TBitBtn* BitBtn1;
    TBitBtn* BitBtn2;

    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
};

extern Tclpform1* clpform1;
