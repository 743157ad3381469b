#include "TEdit.h"

#include "Application.h"

#include <QLineEdit>
#include <QSignalBlocker>

TEdit::TEdit(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new QLineEdit) {
    clickOnMouseUp_ = false;
    SetTabStop(true);
    SetColor(clWindow);
    SetDesignSize(121, 21);
    QObject::connect(Edit(), &QLineEdit::textEdited,
                     [this](const QString&) { Application->Guard([this] { FireChange(OnChange); }); });
}

QLineEdit* TEdit::Edit() const {
    return static_cast<QLineEdit*>(widget_);
}

std::string TEdit::GetText() const {
    return FromQString(Edit()->text());
}

void TEdit::SetTextValue(const std::string& t) {
    std::string v = maxLength_ > 0 && int(t.size()) > maxLength_ ? t.substr(0, size_t(maxLength_)) : t;
    if (v == GetText()) return;
    {
        QSignalBlocker block(Edit());
        Edit()->setText(ToQString(v));
    }
    FireChange(OnChange);
}

void TEdit::SetMaxLength(int n) {
    maxLength_ = n;
    Edit()->setMaxLength(n > 0 ? n : 32767);
}

bool TEdit::ReadOnly() const {
    return Edit()->isReadOnly();
}
void TEdit::SetReadOnly(bool r) {
    Edit()->setReadOnly(r);
}

void TEdit::SetPasswordChar(char c) {
    passwordChar_ = c;
    Edit()->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

void TEdit::SetBorderStyle(TBorderStyle b) {
    borderStyle_ = b;
    Edit()->setFrame(b != bsNone);
}

int TEdit::SelStart() const {
    return Edit()->hasSelectedText() ? Edit()->selectionStart() : Edit()->cursorPosition();
}

void TEdit::SetSelStart(int s) {
    Edit()->setCursorPosition(s);
}

int TEdit::SelLength() const {
    return int(Edit()->selectedText().size());
}

void TEdit::SetSelLength(int n) {
    Edit()->setSelection(SelStart(), n);
}

std::string TEdit::SelText() const {
    return FromQString(Edit()->selectedText());
}

void TEdit::SelectAll() {
    Edit()->selectAll();
}

void TEdit::ColorChanged() {
    QPalette pal = Edit()->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    Edit()->setPalette(pal);
}
