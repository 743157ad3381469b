#pragma once
#include "Controls.h"

class Tcapformdlg : public TComponent {
public:
    explicit Tcapformdlg(TComponent* AOwner = nullptr);
};

extern Tcapformdlg* capformdlg;
