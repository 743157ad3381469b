#pragma once
#include "Forms.h"

// The area options asked after an outline capture.
class Toptions1 : public TForm {
public:
    explicit Toptions1(TComponent* AOwner = nullptr);

    void hideStepsForMorph();
};

extern Toptions1* options1;
