#pragma once
#include "Forms.h"

namespace quickview {

// Screen: the HTML editor and word processor.
class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* AOwner = nullptr);
};

extern TMainForm* MainForm;

} // namespace quickview
