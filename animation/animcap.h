#pragma once
#include "Forms.h"

#include <string>
#include <vector>

class TListBox;
class TFileListBox;
class TDirectoryListBox;
class TDriveComboBox;
class TCheckBox;
class TSpinEdit;
class TTimer;
class TTrackBar;
class TLabel;
class TImage;
class TProgressBar;
class TStatusBar;
class TBitBtn;
class TButton;
class TSpeedButton;
class TSaveDialog;
class TOpenDialog;

// The animation manager: play lists of frame files, previewed as timed animation in the Preview
// window, saved and loaded as ".lst" files, resized as a batch and handed to the clipboard one
// frame at a time. Its state lives in its controls: a name's selection in ListBox1 is its mark.
class TAnimCap1 : public TForm {
public:
    explicit TAnimCap1(TComponent* AOwner = nullptr);

    // The frame folder.
    TDriveComboBox* DriveComboBox1;
    TDirectoryListBox* DirectoryListBox1;
    TFileListBox* FileListBox1;
    TSpeedButton* SpeedButton3; // "M"
    TSpeedButton* mrbut;        // "MR"
    TImage* Image3;             // thumbnail, and the loader of clipboard copies and resizing
    TCheckBox* chkmin;

    // The play list and its commands.
    TListBox* ListBox1;
    TBitBtn* BitBtn3;           // "UnMarked"
    TBitBtn* BitBtn5;           // "Marked"
    TBitBtn* BitBtn15;          // "Insert"
    TBitBtn* BitBtn13;          // "Select All"
    TButton* Button2;           // "Deselect All"
    TBitBtn* BitBtn4;           // "Remove"
    TButton* Button1;           // "Reverse order"
    TSpeedButton* SpeedButton5; // "1/2"
    TBitBtn* BitBtn14;          // "Resize"
    TBitBtn* copybut;           // "Top Down"
    TBitBtn* BitBtn8;           // "Bottom Up"
    TBitBtn* BitBtn6;           // "Save Play List"
    TBitBtn* BitBtn7;           // "Load Play List"

    // The preview.
    TBitBtn* BitBtn10; // "Preview"
    TBitBtn* BitBtn11; // "Stop"
    TSpinEdit* spanim;
    TTrackBar* TrackBar1;
    TSpinEdit* SpinEdit4;
    TLabel* Label3;
    TSpeedButton* SpeedButton4; // zero delay
    TTimer* Timer1;

    // Links into the main window, and closing.
    TSpeedButton* SpeedButton1; // help
    TSpeedButton* SpeedButton2; // file browser
    TButton* hbutonline;        // "Making Movies (on-line help)"
    TBitBtn* BitBtn9;           // "&Close"

    TProgressBar* Pb1;
    TStatusBar* StatusBar1;

    // Hidden.
    TListBox* ListBox2;
    TCheckBox* chksaved;
    TCheckBox* stopanimation;
    TSaveDialog* SaveDialog1;
    TOpenDialog* OpenDialog1;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormPaint(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // The closing steps (stop, save prompt, empty the list, restore the image browser); also run
    // at the program's exit, which closes no other window.
    void closeSteps();

    void FileListBox1Click(TObject* Sender);
    void FileListBox1DblClick(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void BitBtn5Click(TObject* Sender);
    void BitBtn15Click(TObject* Sender);
    void ListBox1DragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept);
    void ListBox1DragDrop(TObject* Sender, TObject* Source, int X, int Y);
    void ListBox1DblClick(TObject* Sender);
    void ListBox1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void BitBtn4Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void BitBtn13Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void BitBtn10Click(TObject* Sender);
    void BitBtn11Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void doshow2();
    void TrackBar1Change(TObject* Sender);
    void SpinEdit4Change(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void spanimChange(TObject* Sender);
    void copybutClick(TObject* Sender);
    void BitBtn8Click(TObject* Sender);
    void putclip(const std::string& fileName);
    void BitBtn14Click(TObject* Sender);
    void resize_it();
    void BitBtn6Click(TObject* Sender);
    void BitBtn7Click(TObject* Sender);
    // Saves the play list through the save dialog; true once it is written.
    bool listsave();
    void checksave();
    void SpeedButton3Click(TObject* Sender);
    void mrbutClick(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void hbutonlineClick(TObject* Sender);
    void BitBtn9Click(TObject* Sender);

private:
    void createControls();
    void setInterval();
    // The full paths of the files selected in the file list, in its order.
    std::vector<std::string> chosenFiles() const;
    void addNames(bool mark);
    // Stops the clock and sets the stop request; true when the clock was on.
    bool haltClock();
    void rearm(bool clockWasOn);
    void rebuild(const std::vector<std::string>& names);
};

extern TAnimCap1* AnimCap1;
