#include "TSpinEdit.h"

#include "Application.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>

// The Qt box takes any number (its own range would refuse a keystroke that leaves the range);
// the control keeps the value, its limits and the arrows' steps.
class SpinEditBox : public QSpinBox {
public:
    explicit SpinEditBox(TSpinEdit* owner) : owner_(owner) { setRange(INT_MIN, INT_MAX); }
    QLineEdit* edit() const { return lineEdit(); }
    void stepBy(int steps) override {
        Application->Guard([this, steps] { owner_->stepped(steps); });
    }

protected:
    StepEnabled stepEnabled() const override {
        return isReadOnly() ? StepNone : StepEnabled(StepUpEnabled | StepDownEnabled);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QSpinBox::focusOutEvent(e);
        owner_->show();
    }

private:
    TSpinEdit* owner_;
};

TSpinEdit::TSpinEdit(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new SpinEditBox(this)) {
    clickOnMouseUp_ = false;
    SetTabStop(true);
    SetDesignSize(121, 22);
    applyRange();
    QObject::connect(static_cast<SpinEditBox*>(Spin())->edit(), &QLineEdit::textEdited,
                     [this](const QString& t) { Application->Guard([this, t] { typed(FromQString(t)); }); });
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
    show();
}

void TSpinEdit::show() {
    QSignalBlocker block(Spin());
    Spin()->setValue(value_);
    // setValue leaves the text alone when the box's value was already this one.
    QString text = QString::number(value_);
    if (static_cast<SpinEditBox*>(Spin())->edit()->text() != text)
        static_cast<SpinEditBox*>(Spin())->edit()->setText(text);
}

namespace {
// The typed number, or nothing when the text is not one.
std::optional<int> parseNumber(const std::string& t) {
    if (t.empty()) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(t.c_str(), &end, 10);
    if (end == t.c_str() || *end != '\0' || errno == ERANGE) return std::nullopt;
    return int(std::clamp<long>(v, INT_MIN, INT_MAX));
}
} // namespace

void TSpinEdit::typed(const std::string& text) {
    // The text stays as typed while the box has the focus; the value is already clamped.
    int v = CheckValue(parseNumber(text).value_or(min_));
    if (v == value_) return;
    value_ = v;
    FireChange(OnChange);
}

void TSpinEdit::stepped(int steps) {
    if (ReadOnly()) return;
    long long v = (long long)value_ + (long long)steps * increment_;
    SetValue(int(std::clamp<long long>(v, INT_MIN, INT_MAX)));
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
    SetValue(parseNumber(t).value_or(min_));
}

bool TSpinEdit::EditorEnabled() const {
    return !static_cast<SpinEditBox*>(widget_)->edit()->isReadOnly();
}

void TSpinEdit::SetEditorEnabled(bool e) {
    static_cast<SpinEditBox*>(widget_)->edit()->setReadOnly(!e);
}

int TSpinEdit::MaxLength() const {
    const int n = static_cast<SpinEditBox*>(widget_)->edit()->maxLength();
    return n == 32767 ? 0 : n;
}

void TSpinEdit::SetMaxLength(int n) {
    static_cast<SpinEditBox*>(widget_)->edit()->setMaxLength(n > 0 ? n : 32767);
}
