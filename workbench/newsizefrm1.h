#pragma once
#include "Controls.h"

class Tnewsizefrm : public TComponent {
public:
    explicit Tnewsizefrm(TComponent* AOwner = nullptr);
};

extern Tnewsizefrm* newsizefrm;
