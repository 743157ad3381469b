#pragma once
#include "Forms.h"

class TBitBtn;
class TCheckBox;
class TLabel;
class TSaveDialog;
class TSpinEdit;

// The paste positioner: moves and sizes the clip pasted over the image browser's picture
// (`clpmap1` in its frame `clpshape`) and stamps it into the picture, as often as wanted.
class Tcappastefrm : public TForm {
public:
    explicit Tcappastefrm(TComponent* AOwner = nullptr);

    // Client coordinates of the browser's scroll box, and the clip's size.
    TSpinEdit *spwid = nullptr, *sphit = nullptr, *sptop = nullptr, *spleft = nullptr;
    TLabel *Label1 = nullptr, *Label2 = nullptr;          // "Top", "Left"
    TCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr; // "X 2", "X 10"
    TCheckBox* chktransp = nullptr;                       // "Transparent"
    TLabel *Label3 = nullptr, *Label4 = nullptr;          // "Bottom left pixel ", "is transparent color"
    TCheckBox* chkpasted = nullptr;                       // hidden: stamped since the window was shown
    TBitBtn *BitBtn1 = nullptr, *BitBtn2 = nullptr;       // "Stamp it", "Done"
    TSaveDialog* SavePictureDialog1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void spinChange(TObject* Sender); // all four spins: the clip and its frame follow
    void CheckBox1Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    void chktranspClick(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);

private:
    void applyStep();
};

extern Tcappastefrm* cappastefrm;
