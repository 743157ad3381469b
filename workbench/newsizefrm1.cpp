#include "newsizefrm1.h"

Tnewsizefrm* newsizefrm = nullptr;

Tnewsizefrm::Tnewsizefrm(TComponent* AOwner) : TForm(AOwner) {}
