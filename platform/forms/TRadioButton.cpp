#include "TRadioButton.h"

#include "Application.h"

#include <QRadioButton>
#include <QSignalBlocker>

TRadioButton::TRadioButton(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new QRadioButton) {
    clickOnMouseUp_ = false;
    SetTabStop(true);
    SetDesignSize(113, 17);
    // The layer keeps the exclusivity itself, so that code and clicks behave alike.
    Button()->setAutoExclusive(false);
    QObject::connect(Button(), &QRadioButton::clicked, [this](bool) {
        Application->Guard([this] {
            if (checked_) {
                QSignalBlocker block(Button());
                Button()->setChecked(true);
                return;
            }
            SetChecked(true);
        });
    });
}

QRadioButton* TRadioButton::Button() const {
    return static_cast<QRadioButton*>(widget_);
}

void TRadioButton::SetChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    {
        QSignalBlocker block(Button());
        Button()->setChecked(c);
    }
    if (!c) return;
    if (TWinControl* p = Parent()) {
        for (int i = 0; i < p->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(p->Controls(i)); other && other != this)
                other->SetChecked(false);
    }
    FireChange(OnClick);
}

void TRadioButton::CaptionChanged() {
    Button()->setText(ToQString(Caption()));
}
