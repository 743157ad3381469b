#pragma once
#include "Controls.h"

class Tfolderdlg1 : public TComponent {
public:
    explicit Tfolderdlg1(TComponent* AOwner = nullptr);
};

extern Tfolderdlg1* folderdlg1;
