#include "Toolpal.h"

#include "ProgramFolder.h"
#include "TSpinEdit.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* AOwner) : TForm(AOwner) {
    SetName("Form3");
    SetCaption("Tools");
    SetBorderStyle(bsToolWindow);
    SetFormStyle(fsStayOnTop);
    SetClientWidth(128);
    SetClientHeight(386);
    progdir = ProgramFolder::RootWithSlash();

    SpinEdit1 = new TSpinEdit(this, this);
    SpinEdit1->SetName("SpinEdit1");
    SpinEdit1->SetBounds(80, 4, 44, 22);
    SpinEdit1->SetMinValue(1);
    SpinEdit1->SetMaxValue(90);
    SpinEdit1->SetValue(1);
}
