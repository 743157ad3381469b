#pragma once
#include "Forms.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImage.h"
#include "TPanel.h"
#include "TTimer.h"
#include "TTrackBar.h"

#include <string>

class TQuillAVIPlay;

// The AVI frame capture window: plays a film in its player and captures the frame on screen
// into Image2, onto the clipboard, or frame after frame into numbered frame files.
class TAVICAP : public TForm {
public:
    explicit TAVICAP(TComponent* AOwner = nullptr);
    TPanel* Panel2 = nullptr;
    TQuillAVIPlay* AVI = nullptr; // the film being viewed; its frames are what gets captured
    TImage* Image2 = nullptr;
    TEdit* Edit1 = nullptr;
    TCheckBox *CheckSound = nullptr, *CheckTransparent = nullptr, *CheckCenter = nullptr;
    TBitBtn* BitBtn1 = nullptr; // capture to the clipboard
    TBitBtn *BitBtn2 = nullptr, *BitBtn3 = nullptr, *BitBtn5 = nullptr, *BitBtn4 = nullptr;
    TBitBtn *BitBtn6 = nullptr, *stopbut = nullptr; // "Dump", "Abort"
    TCheckBox* stop = nullptr;                      // abort request of the dump
    TTrackBar* tb = nullptr;
    TCheckBox* tim = nullptr; // "On Timer"
    TTimer* Timer1 = nullptr;
    TBitBtn *fbut = nullptr, *sbut = nullptr; // "Faster", "Slower"
    TComboBox* ComboBox1 = nullptr;

    void CheckSoundClick(TObject* Sender);
    void CheckTransparentClick(TObject* Sender);
    void CheckCenterClick(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void BitBtn5Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
    void tbChange(TObject* Sender);
    void timClick(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void fbutClick(TObject* Sender);
    void sbutClick(TObject* Sender);
    void ComboBox1Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn6Click(TObject* Sender);
    void stopbutClick(TObject* Sender);
    void Image2DragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept);
    void Image2DragDrop(TObject* Sender, TObject* Source, int X, int Y);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // Copies the screen pixels under the player into Image2.
    void capit();
    bool Dumping() const { return dumping_; }

private:
    void oneToOne();
    void showSlider();
    bool dumping_ = false;
};

extern TAVICAP* AVICAP;
