#pragma once
#include "Forms.h"

// The main window: the page and its document images.
class TPbook1 : public TForm {
public:
    explicit TPbook1(TComponent* AOwner = nullptr);
};

extern TPbook1* Pbook1;
