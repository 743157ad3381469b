#pragma once
#include "Forms.h"

// The tool palette: the tool code, colours, line width and fill style of the page.
class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* AOwner = nullptr);
};

extern TForm3* Form3;
