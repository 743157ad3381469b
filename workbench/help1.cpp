#include "help1.h"

THelpfrm* Helpfrm = nullptr;

THelpfrm::THelpfrm(TComponent* AOwner) : TForm(AOwner) {}
