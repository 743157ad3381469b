#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TPageControl.h"

namespace quickview {

// Screen: the preferences with the links of the user-defined buttons and the tool bar.
class Tpreference1 : public TForm {
public:
    explicit Tpreference1(TComponent* AOwner = nullptr);

    TPageControl* PageControl1;
    TTabSheet* TabSheet1; // user-defined buttons
    TTabSheet* TabSheet2; // tool bar
    TTabSheet* TabSheet3; // general
    TButton* OKBtn;
    TButton* CancelBtn;

    void FormCreate(TObject* Sender);
};

extern Tpreference1* preference1;

} // namespace quickview
