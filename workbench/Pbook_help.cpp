#include "Pbook.h"
#include "help1.h"

void TPbook1::dohelp(const std::string&) {
    if (Helpfrm) Helpfrm->Show();
}
