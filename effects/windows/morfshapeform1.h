#pragma once
#include "Forms.h"

class TBitBtn;
class TImage;
class TLabel3d;
class TPanel;
class TShape;
class TSpinEdit;

// The shape maker for fitting a picture into a standard shape: a rectangle, a round rectangle, a
// circle or an ellipse of the given size becomes the outline the kept picture is fitted into.
class Tmorfshapeform : public TForm {
public:
    explicit Tmorfshapeform(TComponent* AOwner = nullptr);

    TPanel* Panel1 = nullptr;
    TShape *Shape1 = nullptr, *Shape2 = nullptr, *Shape3 = nullptr, *Shape4 = nullptr; // the four kinds
    TLabel3d *Label3d1 = nullptr, *Label3d2 = nullptr;                                 // "Width", "Height"
    TSpinEdit *SpinEdit1 = nullptr, *SpinEdit2 = nullptr;                              // 10..1000
    TImage* Image1 = nullptr;   // hidden: the shape drawn for the fit
    TBitBtn* BitBtn1 = nullptr; // "OK"
    TBitBtn* BitBtn2 = nullptr; // "Cancel"

    // 1 rectangle, 2 round rectangle, 3 circle, 4 ellipse: the shape OK draws.
    int shapeKind = 1;

    // Draws the shape of `kind` at SpinEdit1 x SpinEdit2 into Image1 and marks its swatch.
    void doshape(int kind);
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void FormShow(TObject* Sender);

private:
    void swatchUp(int kind);
};

extern Tmorfshapeform* morfshapeform;
