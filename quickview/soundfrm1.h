#pragma once
#include "Forms.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TListBox.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TTrackBar.h"

namespace quickview {

// Screen: the media player.
class TSoundfrm : public TForm {
public:
    explicit TSoundfrm(TComponent* AOwner = nullptr);

    TPanel* Panel1; // the display
    TLabel* Labeltime;
    TLabel* Labelfile;
    TTrackBar* TrackBar1;
    TPanel* Panel2; // transport buttons
    TSpeedButton* butopen;
    TSpeedButton* butplay;
    TSpeedButton* butpause;
    TSpeedButton* butstop;
    TSpeedButton* butprev;
    TSpeedButton* butback;
    TSpeedButton* butstep;
    TSpeedButton* butnext;
    TCheckBox* CheckRepeat;
    TGroupBox* GroupBox1; // recording
    TSpeedButton* butrecord;
    TComboBox* ComboFormat;
    TLabel* Labelrecord;
    TListBox* ListBox1; // the play list

    void FormCreate(TObject* Sender);
};

extern TSoundfrm* Soundfrm;

} // namespace quickview
