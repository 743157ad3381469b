#pragma once
#include "Forms.h"
#include "TBitmap.h"

#include <initializer_list>

class TBitBtn;
class TCheckBox;
class TEdit;
class TLabel;
class TPanel;
class TSaveDialog;
class TSpinEdit;

// The capture box controls over the image browser's picture: the spins move and size the
// browser's dotted frame `capbox`, and the picture inside it goes to a numbered frame file or
// to the clipboard (capture, move, capture again: animation frames).
class Tcappos2 : public TForm {
public:
    explicit Tcappos2(TComponent* AOwner = nullptr);

    // Client coordinates of the browser's scroll box, and the captured size.
    TSpinEdit *spwid = nullptr, *sphit = nullptr, *sptop = nullptr, *spleft = nullptr;
    TLabel *Label1 = nullptr, *Label2 = nullptr;          // "Top", "Left"
    TCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr; // "X 2", "X 10"
    TLabel* Label3 = nullptr;                             // "Filename Prefix"
    TEdit* Edit1 = nullptr;
    TLabel *Label4 = nullptr, *Label5 = nullptr; // ".BMP", "Frame number"
    TSpinEdit* SpinEdit5 = nullptr;              // the next frame number
    TPanel* Panel1 = nullptr;                    // the two info lines
    TLabel *Label6 = nullptr, *Label7 = nullptr;
    TBitBtn *BitBtn1 = nullptr, *BitBtn3 = nullptr, *BitBtn4 = nullptr; // "Close", "Disk", "Clipboard"
    TSaveDialog* SavePictureDialog1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void spinChange(TObject* Sender); // all four spins: the frame follows
    void CheckBox1Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);

    // The browser picture inside the box, `spwid` x `sphit`, white where the box lies outside
    // the picture; empty when either side is below 1.
    TBitmap capturebox();

private:
    void applyStep();
};

extern Tcappos2* cappos2;

// Both browser tool windows stand at the screen's right edge, 100 pixels down, never minimised.
void placeAtRightEdge(TForm& form);
// The arrow step of the four spins: 10 with "X 10", else 2 with "X 2", else 1.
void applySpinStep(TCheckBox* x2, TCheckBox* x10, std::initializer_list<TSpinEdit*> spins);
// A position or size spin of the two windows: arrows only, at most five characters.
TSpinEdit* positionSpin(TForm* form, const char* name, int left, int top, int lo, int hi);
