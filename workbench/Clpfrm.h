#pragma once
#include "Forms.h"

// The notice shown when a bitmap cannot reach the clipboard, with a button that frees it.
class Tclpform1 : public TForm {
public:
    explicit Tclpform1(TComponent* AOwner = nullptr);
};

extern Tclpform1* clpform1;
