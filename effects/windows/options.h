#pragma once
#include "Forms.h"

class TPanel;
class TRadioGroup;

// The area options asked after an outline capture.
class Toptions1 : public TForm {
public:
    explicit Toptions1(TComponent* AOwner = nullptr);

    TPanel* Panel4 = nullptr;           // "Options", shown by a capture
    TRadioGroup* RadioGroup1 = nullptr; // "Polygon Area  Options"
    TPanel* Panel5 = nullptr;           // the steps

    void hideStepsForMorph();
};

extern Toptions1* options1;
