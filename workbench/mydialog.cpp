#include "mydialog.h"

Tmydialog1* mydialog1 = nullptr;

Tmydialog1::Tmydialog1(TComponent* AOwner) : TComponent(AOwner) {}

int Tmydialog1::mbox(const std::string&, const std::string&, const std::string&, const std::string&,
                     const std::string&, int) {
    return -1;
}
