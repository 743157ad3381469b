#pragma once
#include "Forms.h"

// The page-rotation dialog.
class Trotateform : public TForm {
public:
    explicit Trotateform(TComponent* AOwner = nullptr);
};

extern Trotateform* rotateform;
