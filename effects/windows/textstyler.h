#pragma once
#include "Forms.h"

class TBitBtn;
class TCheckBox;
class TColorDialog;
class TEdit;
class TFontDialog;
class TImage;
class TLabel;
class TLabel3d;
class TMyLabelRotate;
class TPanel;
class TRadioGroup;
class TShape;
class TSpeedButton;
class TSpinEdit;
class TStatusBar;

// The styled-text maker: a line of text as a rotated 3D label with live preview, turned into a
// bitmap on white that goes to the clipboard and floats onto the page.
class TTextMakerForm : public TForm {
public:
    explicit TTextMakerForm(TComponent* AOwner = nullptr);

    TStatusBar* StatusBar1;
    TPanel* Panel1; // the preview, behind the label
    TPanel* Panel4;
    TEdit* Edit1;
    TMyLabelRotate* rlabel1;
    TPanel* Panel3;   // the side panel
    TLabel* Label1;   // "Type Text Here  -->"
    TLabel* Label2;   // "View only"
    TLabel3d* Label3; // "Rotation Angle"
    TSpinEdit* SpinEdit1;
    TLabel3d* Label4; // "Shade Offset"
    TSpinEdit* SpinEdit2;
    TRadioGroup* RadioGroup1;
    TCheckBox* CheckBox1; // "Shade Left"
    TCheckBox* CheckBox2; // "Transparent"
    TBitBtn* BitBtn1;     // " Font "
    TLabel3d* Label5;     // "Font Color"
    TSpeedButton* SpeedButton4;
    TShape* Shape2;
    TLabel3d* Label6; // "Right Bottom Shade"
    TSpeedButton* SpeedButton2;
    TShape* Shape1;
    TLabel3d* Label7; // "Left Top Shade"
    TSpeedButton* SpeedButton5;
    TShape* Shape3;
    TLabel3d* Label8; // "Background if non-transparent"
    TSpeedButton* SpeedButton3;
    TShape* Shape4;
    TSpeedButton* SpeedButton1; // "Page"
    TSpeedButton* SpeedButton8; // "Copy"
    TSpeedButton* SpeedButton7; // "Close"
    TImage* morfimage1;
    TImage* clpmap1;
    TColorDialog* ColorDialog1;
    TFontDialog* FontDialog1;

    // The label's look as a bitmap on white, text at (20, 20), onto the clipboard.
    void copytexttopaint();

    void Edit1Change(TObject* Sender);
    void SpinEdit1Change(TObject* Sender);
    void SpinEdit2Change(TObject* Sender);
    void RadioGroup1Click(TObject* Sender);
    void CheckBox1Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void SpeedButton7Click(TObject* Sender);
    void SpeedButton8Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
};

extern TTextMakerForm* TextMakerForm;
