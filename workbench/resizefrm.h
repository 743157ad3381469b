#pragma once
#include "Forms.h"
#include "Mylabel.h"
#include "TBitBtn.h"
#include "TLabel.h"
#include "TRadioGroup.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"

#include <functional>

// The resize dialog: a new width and height for the page, the browser's picture or the animation
// frames. Callers show it modally and, on modal result 1, read the spins and RadioGroup2 (0 "Best
// Quality", 1 "Speed"). It does not clamp beyond the spins' range.
class TResizeForm : public TForm {
public:
    explicit TResizeForm(TComponent* AOwner = nullptr);

    TLabel3d* Label1; // "Width", raised
    TLabel3d* Label2; // "Height", raised
    TSpinEdit* SpinEdit1;
    TSpinEdit* SpinEdit2;
    TRadioGroup* RadioGroup1;
    TRadioGroup* RadioGroup2;
    TLabel* Label3;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;
    TBitBtn* BitBtn1;
    TBitBtn* BitBtn2;

    // Sets the spins for the next showing only, which then keeps them instead of taking the page
    // size (the browser and the animation manager resize their own pictures).
    void PresetSize(int width, int height);
    // The size of the page picture; the main window's page unless replaced.
    std::function<TPoint()> PageSize;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void RadioGroup1Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);

private:
    void takePageSize();
    bool preset_ = false;
};

extern TResizeForm* ResizeForm;
