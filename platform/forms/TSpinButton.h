#pragma once
#include "Controls.h"

class QToolButton;

// Two arrow buttons, up above down, with no value of their own: each press only runs
// OnUpClick or OnDownClick, and holding an arrow repeats it.
class TSpinButton : public TWinControl {
public:
    TSpinButton(TComponent* owner, TWinControl* parent);

    // A press of the arrow, as the user's click gives it.
    void UpClick();
    void DownClick();

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void BoundsChanged() override;

private:
    void layout();
    QToolButton* up_;
    QToolButton* down_;
};
