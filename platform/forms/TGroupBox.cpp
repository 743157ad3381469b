#include "TGroupBox.h"

#include <QGroupBox>

TGroupBox::TGroupBox(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new QGroupBox) {
    SetDesignSize(185, 105);
}

QGroupBox* TGroupBox::Box() const {
    return static_cast<QGroupBox*>(widget_);
}

void TGroupBox::CaptionChanged() {
    Box()->setTitle(ToQString(Caption()));
}
