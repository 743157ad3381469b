#include "TSpinEdit.h"

#include "Application.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <climits>
#include <cstdlib>

TSpinEdit::TSpinEdit(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new QSpinBox) {
    clickOnMouseUp_ = false;
    SetTabStop(true);
    SetDesignSize(121, 22);
    applyRange();
    QObject::connect(Spin(), QOverload<int>::of(&QSpinBox::valueChanged),
                     [this](int v) { Application->Guard([this, v] { SetValue(v); }); });
}

QSpinBox* TSpinEdit::Spin() const {
    return static_cast<QSpinBox*>(widget_);
}

int TSpinEdit::CheckValue(int v) const {
    if (max_ != min_) {
        if (v < min_) return min_;
        if (v > max_) return max_;
    }
    return v;
}

void TSpinEdit::applyRange() {
    QSignalBlocker block(Spin());
    if (max_ != min_)
        Spin()->setRange(std::min(min_, max_), std::max(min_, max_));
    else
        Spin()->setRange(INT_MIN, INT_MAX);
    Spin()->setValue(value_);
}

void TSpinEdit::show() {
    QSignalBlocker block(Spin());
    Spin()->setValue(value_);
}

void TSpinEdit::SetValue(int v) {
    v = CheckValue(v);
    if (v == value_) {
        show();
        return;
    }
    value_ = v;
    show();
    FireChange(OnChange);
}

void TSpinEdit::SetMinValue(int v) {
    min_ = v;
    applyRange();
}

void TSpinEdit::SetMaxValue(int v) {
    max_ = v;
    applyRange();
}

void TSpinEdit::SetIncrement(int i) {
    increment_ = i;
    Spin()->setSingleStep(i);
}

bool TSpinEdit::ReadOnly() const {
    return Spin()->isReadOnly();
}
void TSpinEdit::SetReadOnly(bool r) {
    Spin()->setReadOnly(r);
}

std::string TSpinEdit::GetText() const {
    return FromQString(Spin()->text());
}

void TSpinEdit::SetTextValue(const std::string& t) {
    char* end = nullptr;
    long v = std::strtol(t.c_str(), &end, 10);
    if (t.empty() || (end && *end != '\0')) v = min_;
    SetValue(int(std::clamp<long>(v, INT_MIN, INT_MAX)));
}
