#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the project manager.
class Tseriesfrm2 : public TForm {
public:
    explicit Tseriesfrm2(TComponent* AOwner = nullptr);
};

extern Tseriesfrm2* seriesfrm2;

} // namespace quickview
