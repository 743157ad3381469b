#pragma once
#include "Dialogs.h"
#include "FileControls.h"
#include "Forms.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TSpinEdit.h"

#include <string>

// Chooses the folder and the name prefix of numbered frame files. Afterwards Label1 holds the
// folder (empty: cancelled) and Edit1 the prefix. Panel5 and its frame range belong to the AVI
// frame dump, which shows, sets and reads them itself.
class Tfolderdlg1 : public TForm {
public:
    explicit Tfolderdlg1(TComponent* AOwner = nullptr);

    TDriveComboBox* DriveComboBox1;
    TDirectoryListBox* DirectoryListBox1;
    TFileListBox* FileListBox1;
    TLabel* Label1; // the chosen folder
    TLabel* Label2; // "Folder name"
    TLabel* Label3; // "Name Prefix"
    TLabel* Label4; // "001.bmp"
    TLabel* Label5; // example
    TEdit* Edit1;
    TBitBtn* BitBtn1;
    TBitBtn* BitBtn2;
    TBitBtn* BitBtn3;
    TOpenPictureDialog* OpenPictureDialog1;
    TPanel* Panel5;
    TLabel* Label6; // "Start Frame"
    TLabel* Label7; // "End Frame"
    TSpinEdit* SpinEdit1;
    TSpinEdit* SpinEdit2;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void DirectoryListBox1Change(TObject* Sender);
    void FileListBox1Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
};

extern Tfolderdlg1* folderdlg1;

// A file name without its folder and without everything from its first "." on.
std::string FramePrefixOf(const std::string& fileName);
// The prefix of the frame files from the dialog's name edit: an empty name, or one still holding
// a wildcard ("*.bmp" as the dialog starts), becomes "temp", written back to the edit; then
// everything from the first "." on is left out.
std::string ChosenFramePrefix(TEdit& edit);
// Folder + "/" (unless the folder ends with one or the prefix starts with one) + prefix, with
// every "\" taken as "/"; a leading "/" of the prefix stays.
std::string frameFileBase(const std::string& folder, const std::string& prefix);
