#pragma once
#include "Controls.h"

class QRadioButton;

// A radio button: checking one unchecks the other radio buttons of the same parent. A change of
// Checked to true, by the user or from code, runs OnClick.
class TRadioButton : public TWinControl {
public:
    TRadioButton(TComponent* owner, TWinControl* parent);
    bool Checked() const { return checked_; }
    void SetChecked(bool c);
    QRadioButton* Button() const;

protected:
    void CaptionChanged() override;

private:
    bool checked_ = false;
};
