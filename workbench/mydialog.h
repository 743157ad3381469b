#pragma once
#include "Forms.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TSpeedButton.h"

#include <string>

// The program's own message box: up to five lines of bold text and one to three buttons.
class Tmydialog1 : public TForm {
public:
    explicit Tmydialog1(TComponent* AOwner = nullptr);

    TImage* Image1;
    TLabel* l1;
    TLabel* l2;
    TLabel* l3;
    TLabel* l4;
    TLabel* l5;
    TSpeedButton* b1;
    TSpeedButton* b2;
    TSpeedButton* b3;
    // Hidden; unchecked at each call.
    TCheckBox* CheckBox1;

    // Shows the box modally. buttons: 1 OK, 2 Yes/No, 3 Yes/No/Cancel; any other value keeps the
    // buttons of the previous call. Returns 0 for Yes or OK, 2 for No, 3 for Cancel (and the close
    // box), -1 for anything else.
    int mbox(const std::string& s1, const std::string& s2, const std::string& s3, const std::string& s4,
             const std::string& s5, int buttons);
    // Lays the box out for mbox: a line shows only when its text is not empty, and keeps its place
    // when another is hidden.
    void messb(const std::string& s1, const std::string& s2, const std::string& s3, const std::string& s4,
               const std::string& s5, int buttons);

    void b1Click(TObject* Sender);
    void b2Click(TObject* Sender);
    void b3Click(TObject* Sender);
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
};

extern Tmydialog1* mydialog1;
