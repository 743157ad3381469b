#pragma once
#include "Forms.h"

// The drop site that saves dragged pictures as numbered frames.
class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* AOwner = nullptr);
};

extern TForm1* Form1;
