#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TPanel.h"
#include "TRichEdit.h"

namespace quickview {

// Screen: the help window.
class THelpfrm : public TForm {
public:
    explicit THelpfrm(TComponent* AOwner = nullptr);

    TPanel* Panel1;
    TRichEdit* RichEdit1;
    TButton* bmm;
    TButton* Button1;

    void FormCreate(TObject* Sender);
};

extern THelpfrm* Helpfrm;

} // namespace quickview
