#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"

namespace quickview {

// Screen: the about box.
class TAboutform : public TForm {
public:
    explicit TAboutform(TComponent* AOwner = nullptr);

    TPanel* Panel1;
    TImage* ProgramIcon;
    TLabel* ProductName;
    TLabel* Version;
    TLabel* Copyright;
    TLabel* Comments;
    TButton* OKButton;

    void FormCreate(TObject* Sender);
};

extern TAboutform* Aboutform;

} // namespace quickview
