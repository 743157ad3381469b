#pragma once
#include "Forms.h"

class TPicture;

// The colour tint window.
class Tcolortint1 : public TForm {
public:
    explicit Tcolortint1(TComponent* AOwner = nullptr);

    void showForPage(const TPicture& page);
};

extern Tcolortint1* colortint1;
