#pragma once
#include "Controls.h"

#include <string>

class Tmydialog1 : public TComponent {
public:
    explicit Tmydialog1(TComponent* AOwner = nullptr);
    // Shows the message box modally: 0 for Yes or OK, 2 for No, 3 for Cancel, -1 otherwise.
    int mbox(const std::string& s1, const std::string& s2, const std::string& s3, const std::string& s4,
             const std::string& s5, int buttons);
};

extern Tmydialog1* mydialog1;
