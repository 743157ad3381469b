#pragma once
#include "Forms.h"

class TPanel;
class TImage;
class TLabel;
class TEdit;
class TSpinEdit;
class TBitBtn;
class TSaveDialog;

// "Drag n' Save": a picture dragged from any image control onto the drop site is saved as the
// next numbered frame file; "Preview" opens the animation manager to play the frames.
class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* AOwner = nullptr);

    TPanel* Panel3 = nullptr;                       // "Drag n' Save Drop Site"
    TImage* Image1 = nullptr;                       // the drop site; shows the last saved frame
    TLabel *label1 = nullptr, *Label2 = nullptr;    // "Width", "Height"
    TLabel* Label3 = nullptr;                       // "Filename "
    TEdit* Edit1 = nullptr;                         // frame file prefix
    TLabel* Label4 = nullptr;                       // "Frame number"
    TSpinEdit* SpinEdit3 = nullptr;                 // next frame number
    TLabel* Label5 = nullptr;                       // ".BMP"
    TBitBtn *BitBtn1 = nullptr, *BitBtn2 = nullptr; // "Preview", "Close"
    TSaveDialog* SavePictureDialog1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Image1DragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept);
    void Image1DragDrop(TObject* Sender, TObject* Source, int X, int Y);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
};

extern TForm1* Form1;
