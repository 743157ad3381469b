#pragma once
#include "Dialogs.h"
#include "Forms.h"
#include "MediaPlayer.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "TTimer.h"

#include <string>

// The media player for sounds and films: transport buttons, a progress bar that also seeks, a
// remembered position and repeat. Films show on the Movie display.
class TSoundfrm : public TForm {
public:
    explicit TSoundfrm(TComponent* AOwner = nullptr);

    TSpeedButton* SpeedButton1 = nullptr; // "Open a multimedia file"
    TEdit* Edit1 = nullptr;
    TProgressBar* ProgressBar1 = nullptr;
    TSpeedButton *b1 = nullptr, *b2 = nullptr, *b3 = nullptr, *b4 = nullptr, *b5 = nullptr, *b6 = nullptr;
    TSpeedButton* butr = nullptr;         // "Repeat": on while flat
    TSpeedButton* cbut = nullptr;         // hand the film to AVI Capture
    TSpeedButton* SpeedButton4 = nullptr; // "Expand Display"
    TPanel* Panel2 = nullptr;
    TPanel* Panel3 = nullptr; // the lower panel
    TSpinEdit* SpinEdit1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;           // "Mark"
    TSpeedButton* SpeedButton2 = nullptr; // "Seek"
    TBitBtn* BitBtn4 = nullptr;           // "<"
    TBitBtn* BitBtn1 = nullptr;           // ">"
    TBitBtn* BitBtn3 = nullptr;           // ">>"
    TSpeedButton* SpeedButton3 = nullptr; // closes the lower panel
    TLabel* Label1 = nullptr;
    TCheckBox* CheckBox1 = nullptr; // re-apply the display surface
    TCheckBox* stopnow2 = nullptr;  // stop the progress clock
    TTimer* Timer1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TMediaPlayer* MediaPlayer1 = nullptr;

    void SpeedButton1Click(TObject* Sender);
    void b1Click(TObject* Sender);
    void b2Click(TObject* Sender);
    void b3Click(TObject* Sender);
    void b4Click(TObject* Sender);
    void b5MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void b5Click(TObject* Sender);
    void b6MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void b6Click(TObject* Sender);
    void ProgressBar1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SpinEdit1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void BitBtn2Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void Panel2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void butrClick(TObject* Sender);
    void cbutClick(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // The progress tick.
    void outahere();
    // Refreshes the displays: the Preview window's caption, the player's picture, then pumps.
    void mrefresh();
    bool Repeating() const { return butr->Flat(); }
    long double progressstep = 1.0L;
    long double progressmark = 1.0L;

private:
    void replaceBar();
    void expandRest();
    void refreshTimes(int n);
};

extern TSoundfrm* Soundfrm;
