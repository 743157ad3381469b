#pragma once
#include "Forms.h"
#include "PageProgress.h"

class TBitBtn;
class TCheckBox;
class TImage;
class TLabel;
class TPicture;
class TProgressBar;
class TSpinEdit;

// The colour tint window: scales the three channels of every non-white pixel of the page (or,
// with Check1 ticked, of the clip) by a percentage each, then shifts all three by the luminosity.
class Tcolortint1 : public TForm {
public:
    explicit Tcolortint1(TComponent* AOwner = nullptr);

    TLabel* Label1;                               // "Color Tint"
    TLabel* Label5;                               // "Luminousity"
    TSpinEdit* SpinEdit4;                         // the luminosity offset, unlimited
    TLabel *Label2, *Label3, *Label4;             // the rows' channel names
    TSpinEdit *SpinEdit1, *SpinEdit2, *SpinEdit3; // red, green, blue percentages, -100..100
    TLabel *Label6, *Label7, *Label8;             // "%"
    TImage* Image1;                               // the 110 x 90 preview
    TBitBtn* BitBtn3;                             // "Test"
    TBitBtn* BitBtn1;                             // "OK"
    TBitBtn* BitBtn2;                             // "Cancel"
    TProgressBar* bg;
    TCheckBox* Check1; // hidden: ticked, the tint works on the clip

    // The page into the preview, then the window shows.
    void showForPage(const TPicture& page);
    // The tint of the page or the clip; the clip's tinted copy then floats as a paste.
    void docolortint(int R, int G, int B);
    // The tint of the preview only.
    void docolortinttry(int R, int G, int B);

    void BitBtn1Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    TBarProgress bar_; // over bg
};

extern Tcolortint1* colortint1;
