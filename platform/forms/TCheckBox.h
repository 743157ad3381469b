#pragma once
#include "Controls.h"

class QCheckBox;

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box. A change of Checked, by the user or from code, runs OnClick, as the windowing
// library does.
class TCheckBox : public TWinControl {
public:
    TCheckBox(TComponent* owner, TWinControl* parent);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool c) { SetState(c ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState s);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool a);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    QCheckBox* Box() const;

protected:
    void CaptionChanged() override;

private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
};
