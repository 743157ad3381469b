#pragma once
#include "Forms.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TGroupBox.h"
#include "TImage.h"
#include "TListBox.h"
#include "TPanel.h"
#include "TScrollBox.h"
#include "TSpeedButton.h"
#include "TStatusBar.h"
#include "TTrackBar.h"

namespace quickview {

// Screen: the image browser.
class Tpicform1 : public TForm {
public:
    explicit Tpicform1(TComponent* AOwner = nullptr);

    TPanel* Panel1; // tool bar
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;
    TSpeedButton* SpeedButton3;
    TSpeedButton* SpeedButton4;
    TSpeedButton* SpeedButton5;
    TSpeedButton* SpeedButton6;
    TSpeedButton* SpeedButton14; // the animation manager
    TPanel* Panel2;              // folders and files
    TComboBox* DriveComboBox1;
    TListBox* DirectoryListBox1;
    TListBox* FileListBox1;
    TComboBox* FilterComboBox1;
    TSpeedButton* butremember;
    TSpeedButton* butrecall;
    TGroupBox* GroupBox1; // JPEG options
    TComboBox* ComboScale;
    TCheckBox* CheckGrey;
    TTrackBar* TrackQuality;
    TScrollBox* ScrollBox1;
    TImage* Image1;
    TStatusBar* StatusBar1;

    void FormCreate(TObject* Sender);
    // The animation manager button.
    void SpeedButton14Click(TObject* Sender);
};

extern Tpicform1* picform1;

} // namespace quickview
