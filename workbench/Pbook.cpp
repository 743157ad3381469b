#include "Pbook.h"

TPbook1* Pbook1 = nullptr;

TPbook1::TPbook1(TComponent* AOwner) : TForm(AOwner) {
    SetName("Pbook1");
    SetCaption("TEMP.BMP");
    SetBounds(10, 43, 640, 480);
}
