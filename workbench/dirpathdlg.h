#pragma once
#include "Forms.h"

class Tfolderdlg1 : public TForm {
public:
    explicit Tfolderdlg1(TComponent* AOwner = nullptr);
};

extern Tfolderdlg1* folderdlg1;
