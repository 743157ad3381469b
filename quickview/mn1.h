#pragma once
#include "Forms.h"
#include "TBitBtn.h"
#include "TImage.h"
#include "TPanel.h"
#include "TRichEdit.h"
#include "TSpeedButton.h"

namespace quickview {

// The start window: the introduction and the way into the main window. It is the application's
// main form, so closing it ends the program.
class Tmn : public TForm {
public:
    explicit Tmn(TComponent* AOwner = nullptr);

    TPanel* Panel1;
    TImage* Image1;
    TSpeedButton* SpeedButton1;
    TBitBtn* BitBtn1;
    TRichEdit* RichEdit1;

    void FormCreate(TObject* Sender);
    // Puts the readme beside the program in place of the built-in introduction, when there is one.
    void FormShow(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);

private:
    void builtinText();
};

extern Tmn* mn;

} // namespace quickview
