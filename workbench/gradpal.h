#pragma once
#include "Forms.h"
#include "TColor.h"

class TImage;
class TLabel;
class TPanel;
class TSpeedButton;
class TTrackBar;

// The gradient colour list maker: a stretch of 256 colour bands from the palette's left colour
// towards full brightness, and two markers between which the palette's gradient colour list is
// taken.
class Tgradform1 : public TForm {
public:
    explicit Tgradform1(TComponent* AOwner = nullptr);

    TImage* Image1; // the stretch, 515 x 25
    TLabel* Label1; // "L": its left edge is the left marker
    TLabel* Label2; // "R": the right marker
    TPanel* Panel4;
    TTrackBar* TrackBar2;                                     // the stretch, 1..512
    TSpeedButton *SpeedButton6, *SpeedButton7, *SpeedButton8; // "R+", "G+", "B+"
    TSpeedButton *SpeedButton1, *SpeedButton2, *SpeedButton3; // "R-", "G-", "B-"
    TSpeedButton* SpeedButton4;                               // every channel up
    TSpeedButton* SpeedButton5;                               // every channel down
    TSpeedButton* SpeedButton10;                              // "Close"

    int offsetr = 0; // added to the left colour's red at the start of the stretch
    int offsetg = 0;
    int offsetb = 0;
    int stretch = 20; // steps over each colour's range

    // Paints the stretch into Image1.
    void stretchcolor();
    // Repaints the stretch and rebuilds the palette's gradient colour list from it.
    void setcolorstretch();

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void TrackBar2Change(TObject* Sender);
    void Image1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void offsetClick(TObject* Sender); // "R+" .. "B-": the tag names channel and direction
    void SpeedButton4Click(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void SpeedButton10Click(TObject* Sender);
};

extern Tgradform1* gradform1;
