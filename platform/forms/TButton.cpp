#include "TButton.h"

#include "Application.h"
#include "Forms.h"

#include <QPushButton>

TButton::TButton(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new QPushButton) {
    clickOnMouseUp_ = false;
    SetTabStop(true);
    SetDesignSize(75, 25);
    QObject::connect(Button(), &QPushButton::clicked, [this] { Application->Guard([this] { Click(); }); });
}

QPushButton* TButton::Button() const {
    return static_cast<QPushButton*>(widget_);
}

void TButton::SetDefault(bool d) {
    default_ = d;
    Button()->setDefault(d);
}

void TButton::CaptionChanged() {
    Button()->setText(ToQString(Caption()));
}

void TButton::Click() {
    if (modalResult_ != 0)
        if (TCustomForm* f = ParentForm()) f->SetModalResult(modalResult_);
    TWinControl::Click();
}
