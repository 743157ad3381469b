#include "TSpinButton.h"

#include "ArrowButtons.h"

TSpinButton::TSpinButton(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new QWidget) {
    clickOnMouseUp_ = false;
    makeArrowButtons(
        widget_, up_, down_, [this] { UpClick(); }, [this] { DownClick(); });
    SetDesignSize(20, 25);
    layout();
}

void TSpinButton::layout() {
    stackArrowButtons(up_, down_, Width(), Height());
}

void TSpinButton::BoundsChanged() {
    TWinControl::BoundsChanged();
    layout();
}

void TSpinButton::UpClick() {
    if (OnUpClick) OnUpClick(this);
}

void TSpinButton::DownClick() {
    if (OnDownClick) OnDownClick(this);
}
