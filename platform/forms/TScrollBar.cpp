#include "TScrollBar.h"

#include "Application.h"

#include <QScrollBar>
#include <QSignalBlocker>

TScrollBar::TScrollBar(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new QScrollBar(Qt::Horizontal)) {
    clickOnMouseUp_ = false;
    SetDesignSize(121, 16);
    apply();
    QObject::connect(Bar(), &QScrollBar::valueChanged,
                     [this](int v) { Application->Guard([this, v] { SetPosition(v); }); });
}

QScrollBar* TScrollBar::Bar() const {
    return static_cast<QScrollBar*>(widget_);
}

void TScrollBar::apply() {
    QSignalBlocker block(Bar());
    Bar()->setRange(min_, std::max(min_, max_));
    Bar()->setSingleStep(small_);
    Bar()->setPageStep(large_);
    Bar()->setValue(position_);
}

void TScrollBar::SetKind(TScrollBarKind k) {
    kind_ = k;
    Bar()->setOrientation(k == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
}

void TScrollBar::SetMin(int v) {
    min_ = v;
    apply();
    SetPosition(position_);
}

void TScrollBar::SetMax(int v) {
    max_ = v;
    apply();
    SetPosition(position_);
}

void TScrollBar::SetPosition(int p) {
    p = std::clamp(p, min_, std::max(min_, max_));
    if (p == position_) return;
    position_ = p;
    apply();
    FireChange(OnChange);
}

void TScrollBar::SetSmallChange(int s) {
    small_ = s;
    apply();
}

void TScrollBar::SetLargeChange(int l) {
    large_ = l;
    apply();
}
