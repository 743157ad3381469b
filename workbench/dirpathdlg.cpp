#include "dirpathdlg.h"

Tfolderdlg1* folderdlg1 = nullptr;

Tfolderdlg1::Tfolderdlg1(TComponent* AOwner) : TForm(AOwner) {}
