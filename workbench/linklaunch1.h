#pragma once
#include "Forms.h"

// The window that precedes a manual page.
class Tlinkform : public TForm {
public:
    explicit Tlinkform(TComponent* AOwner = nullptr);
};

extern Tlinkform* linkform;
