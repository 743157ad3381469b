#include "jpegop.h"

Tjpop1* jpop1 = nullptr;

Tjpop1::Tjpop1(TComponent* AOwner) : TForm(AOwner) {}
