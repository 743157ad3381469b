#include "Clpfrm.h"
#include "BindMethod.h"

#include "ClipboardGuard.h"

Tclpform1* clpform1 = nullptr;

Tclpform1::Tclpform1(TComponent* AOwner) : TForm(AOwner) {
    SetName("clpform1");
    SetCaption("Clipboard unavailable");
    SetBorderStyle(bsDialog);
    SetBounds(220, 399, 398, 121);

    Label1 = new TLabel(this, this);
    Label1->SetName("Label1");
    Label1->FontRef().Name = "Arial";
    Label1->FontRef().SetHeight(-16);
    Label1->FontChanged();
    Label1->SetBounds(16, 16, 357, 20);
    Label1->SetCaption("Clipboard in use or Clipboard Format Not availilable");

    BitBtn1 = new TBitBtn(this, this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetBounds(64, 48, 105, 33);
    BitBtn1->SetCaption("Close");
    BitBtn1->SetDefault(true);
    BitBtn1->SetModalResult(mrOk);
    BitBtn1->OnClick = bindMethod(this, &Tclpform1::BitBtn1Click);

    BitBtn2 = new TBitBtn(this, this);
    BitBtn2->SetName("BitBtn2");
    BitBtn2->SetBounds(200, 48, 145, 33);
    BitBtn2->SetCaption("Try and Free it");
    BitBtn2->OnClick = bindMethod(this, &Tclpform1::BitBtn2Click);
}

void Tclpform1::BitBtn1Click(TObject*) {
    Close();
}

// The notice stays open so the user can try the copy again from here.
void Tclpform1::BitBtn2Click(TObject*) {
    ClipboardFree();
}
