#pragma once
#include "Forms.h"

class Tnewsizefrm : public TForm {
public:
    explicit Tnewsizefrm(TComponent* AOwner = nullptr);
};

extern Tnewsizefrm* newsizefrm;
