#include "TUpDown.h"

#include "ArrowButtons.h"

TUpDown::TUpDown(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new QWidget) {
    clickOnMouseUp_ = false;
    makeArrowButtons(
        widget_, up_, down_, [this] { Step(btNext); }, [this] { Step(btPrev); });
    SetDesignSize(16, 24);
    layout();
}

void TUpDown::layout() {
    int w = Width(), h = Height();
    if (orientation_ == udVertical) {
        stackArrowButtons(up_, down_, w, h);
    } else {
        down_->setGeometry(0, 0, w / 2, h);
        up_->setGeometry(w / 2, 0, w - w / 2, h);
    }
}

void TUpDown::BoundsChanged() {
    TWinControl::BoundsChanged();
    layout();
}

void TUpDown::SetOrientation(TUDOrientation o) {
    orientation_ = o;
    up_->setArrowType(o == udVertical ? Qt::UpArrow : Qt::RightArrow);
    down_->setArrowType(o == udVertical ? Qt::DownArrow : Qt::LeftArrow);
    layout();
}

void TUpDown::SetPosition(int p) {
    position_ = std::clamp(p, std::min(min_, max_), std::max(min_, max_));
    showInAssociate();
}

void TUpDown::SetAssociate(TWinControl* c) {
    associate_ = c;
    showInAssociate();
}

void TUpDown::showInAssociate() {
    if (associate_) associate_->SetText(std::to_string(position_));
}

void TUpDown::Step(TUDBtnType b) {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return;
    int lo = std::min(min_, max_), hi = std::max(min_, max_);
    int p = position_ + (b == btNext ? increment_ : -increment_);
    if (p > hi) p = wrap_ ? lo : hi;
    if (p < lo) p = wrap_ ? hi : lo;
    SetPosition(p);
    if (OnClickButton) OnClickButton(this, b);
    Click();
}
