#include "Toolpal.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* AOwner) : TForm(AOwner) {
    SetName("Form3");
    SetCaption("Tools");
    SetBorderStyle(bsToolWindow);
    SetFormStyle(fsStayOnTop);
    SetClientWidth(128);
    SetClientHeight(386);
}
