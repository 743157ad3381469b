#pragma once
#include "Forms.h"

// The shape maker for fitting a picture into a standard shape.
class Tmorfshapeform : public TForm {
public:
    explicit Tmorfshapeform(TComponent* AOwner = nullptr);
};

extern Tmorfshapeform* morfshapeform;
