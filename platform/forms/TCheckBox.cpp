#include "TCheckBox.h"

#include "Application.h"

#include <QCheckBox>
#include <QSignalBlocker>

TCheckBox::TCheckBox(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new QCheckBox) {
    clickOnMouseUp_ = false;
    SetTabStop(true);
    SetDesignSize(97, 17);
    QObject::connect(Box(), &QCheckBox::stateChanged, [this](int st) {
        TCheckBoxState s = st == Qt::Checked            ? cbChecked
                           : st == Qt::PartiallyChecked ? cbGrayed
                                                        : cbUnchecked;
        Application->Guard([this, s] { SetState(s); });
    });
}

QCheckBox* TCheckBox::Box() const {
    return static_cast<QCheckBox*>(widget_);
}

void TCheckBox::SetState(TCheckBoxState s) {
    if (s == state_) return;
    state_ = s;
    {
        QSignalBlocker block(Box());
        Box()->setCheckState(s == cbChecked  ? Qt::Checked
                             : s == cbGrayed ? Qt::PartiallyChecked
                                             : Qt::Unchecked);
    }
    FireChange(OnClick);
}

void TCheckBox::SetAllowGrayed(bool a) {
    allowGrayed_ = a;
    Box()->setTristate(a);
}

void TCheckBox::SetAlignment(TAlignment a) {
    alignment_ = a;
    Box()->setLayoutDirection(a == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
}

void TCheckBox::CaptionChanged() {
    Box()->setText(ToQString(Caption()));
}
