#pragma once
#include "Forms.h"

// The gradient colour list maker.
class Tgradform1 : public TForm {
public:
    explicit Tgradform1(TComponent* AOwner = nullptr);

    void showWindow();
    void setcolorstretch();
    void zeroOffsets();
};

extern Tgradform1* gradform1;
