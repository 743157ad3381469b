#pragma once
#include "Forms.h"
#include "Progress.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TSpinEdit.h"

// The page-rotation dialog: turns the page by whole degrees about its centre, from the undo
// copy, optionally on a square large enough to keep the corners.
class Trotateform : public TForm {
public:
    explicit Trotateform(TComponent* AOwner = nullptr);

    TLabel* Rlabel1;
    TLabel* Label1;
    TSpinEdit* rotedit1;
    TCheckBox* CheckBox1;
    TBitBtn* BitBtn1;
    TBitBtn* BitBtn2;

    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    // Before a turn: a page that is not square becomes a square that holds it in any turn, the
    // picture centred in the undo copy; the main window grows to show it.
    void resizeit();

    // What the dialog turns. The main window's page, undo copy, bar and frame unless a caller
    // (a test) gives others; a null window or tool bar leaves the window as it is.
    struct TRotateDocument {
        TImage* page = nullptr;
        TImage* undo = nullptr;
        TProgress* bar = nullptr;
        TCustomForm* window = nullptr;
        TControl* toolbar = nullptr;
    };
    void SetDocument(const TRotateDocument& d) { document_ = d; }

private:
    TRotateDocument document() const;
    TRotateDocument document_;
};

extern Trotateform* rotateform;
