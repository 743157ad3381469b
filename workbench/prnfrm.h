#pragma once
#include "Forms.h"

// The print previewer and fax preparation.
class TPrinfrm : public TForm {
public:
    explicit TPrinfrm(TComponent* AOwner = nullptr);
};

extern TPrinfrm* Prinfrm;
