#pragma once
#include "Forms.h"
#include "Menus.h"
#include "TBitBtn.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TStatusBar.h"

namespace quickview {

// The picture of Velmora's main window: its menus and buttons open the demonstration screens or
// tell what the real button would link to.
class TMainfrm : public TForm {
public:
    explicit TMainfrm(TComponent* AOwner = nullptr);

    // How far one click of the scroll buttons moves the button strip.
    static constexpr int ScrollStep = 89;

    TMainMenu* MainMenu1;
    TMenuItem* File1;
    TMenuItem* NewProjectWizard1;
    TMenuItem* OpenProject1;
    TMenuItem* ViewProjectForm1;
    TMenuItem* Preferences1;
    TMenuItem* PrinterSetup1;
    TMenuItem* Exit1;
    TMenuItem* BrowseMediaFiles1;
    TMenuItem* Movies1;
    TMenuItem* Sounds1;
    TMenuItem* ImageFiles1;
    TMenuItem* WebPageSource1;
    TMenuItem* BrowseTextFiles1;
    TMenuItem* BitmapLists1;
    TMenuItem* Projects1;
    TMenuItem* MovieEdit1;
    TMenuItem* MovieEditor1;
    TMenuItem* SequenceEditor1;
    TMenuItem* FrameEditor1;
    TMenuItem* AnimationManager1;
    TMenuItem* MediaPlayer1;
    TMenuItem* ScreenCapturetodisk1;
    TMenuItem* ScreenCapturetoClipboard1;
    TMenuItem* Sound1;
    TMenuItem* SoundRecorder1;
    TMenuItem* SoundPlayer1;
    TMenuItem* Web1;
    TMenuItem* Howtomakeyourownmovies1;
    TMenuItem* MakingAnimationfortheWeb1;
    TMenuItem* StreamingVideoontheWeb1;
    TMenuItem* ImagesandVideoontheNewsgroups1;
    TMenuItem* SpecialEffects1;
    TMenuItem* TransitionMagic1;
    TMenuItem* Addins1;
    TMenuItem* Orvanta1;
    TMenuItem* UserDefined11;
    TMenuItem* UserDefined21;
    TMenuItem* UserDefined31;
    TMenuItem* UserDefined41;
    TMenuItem* TextandHTML1;
    TMenuItem* HTMLEditor1;
    TMenuItem* WordProcessor1;
    TMenuItem* Wizards1;
    TMenuItem* EditingVideoStreams1;
    TMenuItem* AddingSound1;
    TMenuItem* AddingBitmaps1;
    TMenuItem* AddingAVI1;
    TMenuItem* NewProjectWizard2;
    TMenuItem* AddingForegroundsetstobackgrounds1;
    TMenuItem* Help1;
    TMenuItem* Help2;
    TMenuItem* ColorIssues1;
    TMenuItem* SupportServices1;
    TMenuItem* FileTypes1;
    TMenuItem* About1;

    TStatusBar* StatusBar1;
    TPanel* Panel1;
    TPanel* Panel2; // holds the scroll buttons
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;
    TPanel* panlbut; // the viewport of the button strip
    TPanel* panbut;  // the button strip
    TBitBtn* butmovie;
    TBitBtn* buttrans;
    TBitBtn* butsoundrec;
    TBitBtn* BitBtn5;
    TBitBtn* BitBtn7;
    TBitBtn* but1;
    TBitBtn* but2;
    TBitBtn* but3;
    TBitBtn* but4;
    TPanel* Panel9;
    TImage* Image2;
    TSpeedButton* SpeedButton13;
    TSpeedButton* SpeedButton12;
    TSpeedButton* SpeedButton3;
    TSpeedButton* SpeedButton9;
    TSpeedButton* SpeedButton5;
    TSpeedButton* SpeedButton4;
    TLabel* Label1;
    TImage* Image1;

    void FormCreate(TObject* Sender);
    void butmovieClick(TObject* Sender);
    void buttransClick(TObject* Sender);
    void butsoundrecClick(TObject* Sender);
    void BitBtn5Click(TObject* Sender);
    void BitBtn7Click(TObject* Sender);
    void but1Click(TObject* Sender);
    void SpeedButton13Click(TObject* Sender);
    void SpeedButton12Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton9Click(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);

    void NewProjectWizard1Click(TObject* Sender);
    void OpenProject1Click(TObject* Sender);
    void Preferences1Click(TObject* Sender);
    void MovieEditor1Click(TObject* Sender);
    void SequenceEditor1Click(TObject* Sender);
    void FrameEditor1Click(TObject* Sender);
    void AnimationManager1Click(TObject* Sender);
    void MediaPlayer1Click(TObject* Sender);
    void ScreenCapturetodisk1Click(TObject* Sender);
    void ScreenCapturetoClipboard1Click(TObject* Sender);
    void SoundPlayer1Click(TObject* Sender);
    void HTMLEditor1Click(TObject* Sender);
    void AddingForegroundsetstobackgrounds1Click(TObject* Sender);
    void Help2Click(TObject* Sender);
    void About1Click(TObject* Sender);

private:
    void makeMenu();
    void makeButtonStrip();
    void makeToolBar();
};

extern TMainfrm* Mainfrm;

// Shows a demonstration screen without a modal loop; one already open comes to the front.
void ShowScreen(TCustomForm* screen);

} // namespace quickview
