#pragma once
#include "FileControls.h"
#include "Forms.h"
#include "JpegImage.h"

#include <memory>
#include <string>

class TBitBtn;
class TCheckBox;
class TComboBox;
class TImage;
class TLabel;
class TListBox;
class TPanel;
class TSaveDialog;
class TScrollBox;
class TShape;
class TSpeedButton;
class TSpinEdit;
class TTimer;

// The image browser: every picture file reaches the page through it. It loads BMP, JPEG, icon
// and metafile pictures into Image1 as a bitmap, and puts that on the page, saves it, shows
// marked files as slides, lays folders out on thumbnail sheets, captures the screen, resizes,
// copies and pastes.
class Tpicform1 : public TForm {
public:
    explicit Tpicform1(TComponent* AOwner = nullptr);
    ~Tpicform1() override;

    // Left pane: folders and files.
    TPanel* Panel1;
    TDriveComboBox* DriveComboBox1;
    TDirectoryListBox* DirectoryListBox1;
    TFileListBox* FileListBox1;
    TSpeedButton* SpeedButton1; // "M": memorize the folder
    TSpeedButton* mrb;          // "MR": recall it
    // JPEG options strip.
    TPanel* Panel3;
    TLabel* Label1;
    TComboBox* Scale; // JPEG decoding scale: "1:1", "1:2", "1:4", "1:8"
    TComboBox* PixelFormat;
    TComboBox* ColorSpace;
    TComboBox* Performance;
    TCheckBox* ProgressiveDisplay;
    TCheckBox* IncrementalDisplay;
    TSpeedButton* SpeedButton8; // help
    TSpeedButton* bd1;          // hides the command strip
    TSpeedButton* bd2;          // shows it again
    // Picture area.
    TScrollBox* ScrollBox1;
    TImage* Image1; // the picture, always a bitmap once loaded
    TShape* capbox;
    TImage* clpmap1;
    TShape* clpshape;
    TCheckBox* chkclip;
    // Command strip.
    TPanel* Panel2;
    TSpeedButton* SpeedButton4; // "Slides"
    TSpeedButton* SpeedButton9; // "Frame Delay"
    TSpeedButton* SpeedButton3; // stop
    TSpeedButton* cancelbut;
    TSpeedButton* SpeedButton15; // minimise
    TPanel* Panel7;
    TSpeedButton* bpleft;
    TSpeedButton* bpright;
    TSpeedButton* butsave;
    TSpeedButton* SpeedButton5;  // load into Paint
    TSpeedButton* SpeedButton6;  // thumbnails
    TSpeedButton* SpeedButton7;  // capture an area
    TSpeedButton* SpeedButton10; // copy
    TSpeedButton* SpeedButton11; // capture screen
    TSpeedButton* SpeedButton12; // resize
    TSpeedButton* SpeedButton13; // explore
    TSpeedButton* SpeedButton14; // animation manager
    TSpeedButton* SpeedButton2;  // paste onto the picture
    // Frame delay.
    TPanel* Panel5;
    TLabel* Label2;
    TSpinEdit* SpinEdit1;
    TBitBtn* BitBtn1;
    // Not shown.
    TSaveDialog* SavePictureDialog1;
    TListBox* ListBox1; // slide-show or thumbnail files
    TListBox* ListBox2; // lines of "dir.fle"
    TTimer* Timer1;

    std::string captionname = "TEMP.BMP";
    std::string picname = "TEMP.BMP";
    bool stopflag = false;
    int slideindex = 0;

    // Loads a picture file into Image1 (an empty name takes the file selected in the file list;
    // a bare name lies in the folder shown). A file that is not a valid picture empties the
    // picture and gives false; other errors are thrown.
    bool openthefile(const std::string& name);
    // Puts the browser's picture on the page.
    void loadpic();
    void saveasjpg(const std::string& fileName);
    void SetJPEGOptions(TObject* Sender = nullptr);
    void cnvtbit();

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormPaint(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FileListBox1Click(TObject* Sender);
    void FileListBox1DblClick(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void mrbClick(TObject* Sender);
    void SpeedButton8Click(TObject* Sender);
    void bd1Click(TObject* Sender);
    void bd2Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void SpeedButton9Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void cancelbutClick(TObject* Sender);
    void SpeedButton15Click(TObject* Sender);
    void bpleftClick(TObject* Sender);
    void bprightClick(TObject* Sender);
    void butsaveClick(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void SpeedButton6Click(TObject* Sender);
    void SpeedButton7Click(TObject* Sender);
    void SpeedButton10Click(TObject* Sender);
    void SpeedButton11Click(TObject* Sender);
    void SpeedButton12Click(TObject* Sender);
    void SpeedButton13Click(TObject* Sender);
    void SpeedButton14Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);

private:
    void createControls();
    void stopRun();
    std::string inShownFolder(const std::string& name) const;
    void jpegProgress(TProgressStage stage, int percent, const TBitmap* partial);
    // The picture while it is still a JPEG: from the load until cnvtbit decodes it.
    std::unique_ptr<TJPEGImage> jpeg_;
    bool refreshing_ = false;
};

extern Tpicform1* picform1;
