#pragma once
#include "Forms.h"
#include "TBitmap.h"

class TSpinEdit;
class TCheckBox;
class TEdit;
class TLabel;
class TBitBtn;
class TSpeedButton;
class TSaveDialog;

// The "Capture Box": places the main window's capture frame `TPbook1::capbox` over the page by
// numbers and copies the page inside it, scaled to the chosen size, to the clipboard or to a
// numbered frame file.
class Tcappos1 : public TForm {
public:
    explicit Tcappos1(TComponent* AOwner = nullptr);

    TLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr,
           *Label4 = nullptr; // Left, Top, Width, Height
    TSpinEdit *spleft = nullptr, *sptop = nullptr, *spwid = nullptr, *sphit = nullptr;
    TCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr; // "X 2", "X 10"
    TLabel* Label5 = nullptr;                             // "Filename Prefix"
    TEdit* Edit1 = nullptr;
    TLabel *Label6 = nullptr, *Label7 = nullptr;                        // "frame ", ".bmp"
    TSpinEdit* SpinEdit5 = nullptr;                                     // next frame number
    TBitBtn *BitBtn1 = nullptr, *BitBtn3 = nullptr, *BitBtn2 = nullptr; // copy, save, "Close"
    TSpeedButton *SpeedButton1 = nullptr, *SpeedButton8 = nullptr;
    TSaveDialog* SavePictureDialog1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void spleftChange(TObject* Sender);
    void sptopChange(TObject* Sender);
    void spwidChange(TObject* Sender);
    void sphitChange(TObject* Sender);
    void CheckBox1Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton8Click(TObject* Sender);

    // The page inside the box, stretched to `spwid` x `sphit`; empty when either is below 1.
    TBitmap grab();

private:
    void setIncrements(int step);
};

extern Tcappos1* cappos1;
