#pragma once
#include "Forms.h"

#include <string>

class TBitBtn;
class TButton;
class TColorDialog;
class TImage;
class TLabel;
class TMemo;
class TMyLabelRotate;
class TOpenDialog;
class TPanel;
class TProgressBar;
class TSaveDialog;
class TShape;
class TSpeedButton;
class TStatusBar;
class TTrackBar;

// The image fader: blends the page into a colour or a second picture, with a weight that falls
// off away from two edges, and hands the result to the page, the clipboard or a file.
class Tstation1 : public TForm {
public:
    explicit Tstation1(TComponent* AOwner = nullptr);

    TImage* Image1;
    TShape* Shape1;
    TShape* Shape4;
    TTrackBar* TrackBar1;           // area, vertical
    TTrackBar* TrackBar2;           // darkness
    TMyLabelRotate* MyLabelRotate1; // "Smaller Area =>"
    TLabel* Label1;                 // "Darker Area ===>"
    TLabel* Label2;                 // the info line
    TSpeedButton* SpeedButton1;     // Choose fade color
    TSpeedButton* SpeedButton2;     // help panel
    TSpeedButton* SpeedButton3;     // Alternate fade
    TSpeedButton* SpeedButton4;     // Fade image
    TSpeedButton* SpeedButton5;     // Load image
    TSpeedButton* SpeedButton6;     // New page
    TSpeedButton* SpeedButton7;     // capture to clipboard
    TSpeedButton* SpeedButton8;     // Save to disk
    TBitBtn* BitBtn3;               // OK
    TBitBtn* BitBtn4;               // Cancel
    TProgressBar* bg1;
    TStatusBar* StatusBar1;
    TPanel* Panel3; // help
    TImage* Image2;
    TLabel* Label3;
    TMemo* Memo1;
    TButton* Button1;
    TOpenDialog* OpenPictureDialog1;
    TSaveDialog* SavePictureDialog1;
    TColorDialog* ColorDialog1;

    // Fade into Shape1's colour (true) or into the picture in Image1 (false).
    bool colourTarget = true;

    void dosoften(int k, int mode);
    void opit();

    void Image1Click(TObject* Sender);
    void Shape1Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void SpeedButton6Click(TObject* Sender);
    void SpeedButton7Click(TObject* Sender);
    void SpeedButton8Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
    void Button1Click(TObject* Sender);

private:
    void clearPicture();
};

extern Tstation1* station1;
