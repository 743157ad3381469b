#pragma once
#include "Forms.h"

// The AVI frame capture window.
class TAVICAP : public TForm {
public:
    explicit TAVICAP(TComponent* AOwner = nullptr);
};

extern TAVICAP* AVICAP;
