#include "capdlg.h"

Tcapformdlg* capformdlg = nullptr;

Tcapformdlg::Tcapformdlg(TComponent* AOwner) : TComponent(AOwner) {}
