#pragma once
#include "Forms.h"
#include "TButton.h"
#include "TEdit.h"
#include "TImage.h"
#include "TListBox.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "TStatusBar.h"
#include "TTrackBar.h"

namespace quickview {

// Screen: the composition of foreground and background frames into a target set.
class Tframecomposerfrm : public TForm {
public:
    explicit Tframecomposerfrm(TComponent* AOwner = nullptr);

    TPanel* Panel1;
    TListBox* ListFore;
    TListBox* ListBack;
    TSpeedButton* SpeedButton7; // frame editor on the foreground frame
    TSpeedButton* SpeedButton8; // frame editor on the background frame
    TImage* Imagefore;
    TImage* Imageback;
    TImage* Imagecomp;
    TSpinEdit* SpinX;
    TSpinEdit* SpinY;
    TTrackBar* TrackBar1;
    TEdit* Edittarget;
    TButton* butcompose;
    TButton* butpreview;
    TButton* butclose;
    TStatusBar* StatusBar1;

    void FormCreate(TObject* Sender);
    // Either "Frame Editor" button: the frame editor screen.
    void SpeedButton7Click(TObject* Sender);
};

extern Tframecomposerfrm* framecomposerfrm;

} // namespace quickview
