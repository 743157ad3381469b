#pragma once
#include "Dialogs.h"
#include "Forms.h"
#include "TBitBtn.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TGauge.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"

#include <functional>

class TLabel3d;

// The print previewer and fax preparation: a copy of the page on a Letter or fax sheet, moved by
// the margins and shrunk by `sizenum`, turned black and white for faxing, copied to the
// clipboard or printed as one page. The main window fills it (TPbook1::doprint).
class TPrinfrm : public TForm {
public:
    explicit TPrinfrm(TComponent* AOwner = nullptr);

    TShape* Shape1; // the sheet
    TImage* Image1; // the picture on it
    TPanel* Panel2; // tool bar
    TSpeedButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4;
    TBitBtn *BitBtn1, *BitBtn2, *BitBtn3, *BitBtn4, *BitBtn5;
    TLabel3d* Label3d1;
    TSpinEdit* sizenum;
    TComboBox* ComboBox1; // "Fax Prep"
    TComboBox* ComboBox2; // page: "Letter", "FAX", "Landscape"
    TGauge* Gauge1;
    TButton* sbut;  // "Stop"
    TPanel* Panel1; // margins
    TLabel *Label1, *Label2;
    TSpinEdit *SpinEdit1, *SpinEdit2; // "Top", "Left"
    // Hidden state.
    TCheckBox *zoom, *landscape, *stop, *CheckBox1;
    TSpinEdit *pwid, *phit, *pgwid, *pghit;
    TPrintDialog* PrintDialog1;
    TPrinterSetupDialog* PrinterSetupDialog1;

    // Fills the previewer from the page and shows it (the steps of TPbook1::doprint).
    void fillFrom(const TBitmap& page);
    // Places the picture on the sheet for the zoom, size and margins.
    void zoomit();
    // Sizes the sheet and the window for the orientation and zoom, then places the picture.
    void layoutsheet();
    // The fax pass over the picture with kernel `style` (0, 1 or 2).
    void dither(int style);
    // Runs before each row of a fax pass, after its pump.
    std::function<void(int row)> onPassRow;
    bool passRunning() const { return passRunning_; }

    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Image1Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);
    void BitBtn5Click(TObject* Sender);
    void sizenumChange(TObject* Sender);
    void SpinEdit1Change(TObject* Sender);
    void SpinEdit2Change(TObject* Sender);
    void ComboBox1Click(TObject* Sender);
    void ComboBox2Click(TObject* Sender);
    void sbutClick(TObject* Sender);

private:
    int toolbarHeight() const;
    void placeImage(int left, int top, int width, int height);
    bool passRunning_ = false;
    // Counts fillings and closings, so that a fax pass sees its picture replaced under it.
    int fillCount_ = 0;
};

extern TPrinfrm* Prinfrm;
