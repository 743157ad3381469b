#pragma once
#include "Forms.h"

class TBitBtn;
class TImage;
class TLabel;
class TOpenDialog;
class TPanel;
class TSaveDialog;
class TShape;
class TSpeedButton;
class TSpinEdit;

// The palette colour map: which colours a picture uses, as a 256 x 256 map with red down and
// green across; picks colours for the palette and builds the main window's palette strip.
class TPaletteColorsfrm : public TForm {
public:
    explicit TPaletteColorsfrm(TComponent* AOwner = nullptr);

    TLabel* Label1;
    TPanel* Panel1;
    TImage* Image1;             // the map
    TSpinEdit* SpinEdit1;       // the number of colours
    TShape* Shape1;             // the colour under the pointer
    TBitBtn* butpalmake;        // "Create Palette"
    TBitBtn* BitBtn2;           // "Close"
    TSpeedButton* SpeedButton1; // map to the clipboard
    TSpeedButton* SpeedButton2; // save the map
    TSpeedButton* SpeedButton3; // open a picture and map it
    TSaveDialog* SavePictureDialog1;
    TOpenDialog* OpenPictureDialog1;

    // Maps the picture now in Image1, counts its colours and shows the window.
    void cocount();
    void butpalmakeClick(TObject* Sender);
    void Image1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Image1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormShow(TObject* Sender);

private:
    void sizeMap();
};

extern TPaletteColorsfrm* PaletteColorsfrm;
