#pragma once
#include "Forms.h"

class TBitBtn;
class TLabel;
class TPanel;
class TRadioGroup;
class TSpinEdit;

// The area options asked after an outline capture: fit a kept picture into a new outline or a
// standard shape, lighten, darken, blend or tint the captured area.
class Toptions1 : public TForm {
public:
    explicit Toptions1(TComponent* AOwner = nullptr);

    TPanel* Panel4 = nullptr;                    // "Options", shown by a capture
    TRadioGroup* RadioGroup1 = nullptr;          // "Polygon Area  Options"
    TPanel* Panel5 = nullptr;                    // the steps
    TSpinEdit* SpinEdit2 = nullptr;              // steps, 1..64
    TLabel *Label1 = nullptr, *Label2 = nullptr; // " Steps ", " 1 to 64 "
    TBitBtn* BitBtn1 = nullptr;                  // "Ok"
    TBitBtn* BitBtn2 = nullptr;                  // "Cancel"

    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void RadioGroup1Click(TObject* Sender);
    void FormShow(TObject* Sender);

private:
    void FormClose(TObject* Sender, TCloseAction& Action);
    bool chosen_ = false; // closing after "Ok": the chosen item decides what is pending
};

extern Toptions1* options1;
