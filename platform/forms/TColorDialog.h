#pragma once
#include "Controls.h"

// The colour common dialog. Execute shows it through the modal seam and returns whether a colour
// was confirmed; Color is then the colour chosen (and the colour the dialog starts from).
class TColorDialog : public TComponent {
public:
    explicit TColorDialog(TComponent* owner);

    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; }
    bool Execute();

private:
    TColor color_ = clBlack;
};
