#include "TProgressBar.h"

#include <QProgressBar>

TProgressBar::TProgressBar(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new QProgressBar) {
    Bar()->setTextVisible(false);
    SetDesignSize(150, 16);
    apply();
}

QProgressBar* TProgressBar::Bar() const {
    return static_cast<QProgressBar*>(widget_);
}

void TProgressBar::apply() {
    Bar()->setRange(min_, std::max(min_, max_));
    Bar()->setValue(position_);
}

void TProgressBar::SetMin(int v) {
    min_ = v;
    SetPosition(position_);
    apply();
}

void TProgressBar::SetMax(int v) {
    max_ = v;
    SetPosition(position_);
    apply();
}

void TProgressBar::SetPosition(int p) {
    position_ = std::clamp(p, min_, std::max(min_, max_));
    Bar()->setValue(position_);
}
