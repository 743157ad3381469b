#include "TSpinButton.h"

#include "Application.h"

#include <QToolButton>

TSpinButton::TSpinButton(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new QWidget) {
    clickOnMouseUp_ = false;
    up_ = new QToolButton(widget_);
    down_ = new QToolButton(widget_);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAutoRepeat(true);
    down_->setAutoRepeat(true);
    QObject::connect(up_, &QToolButton::clicked, [this] { Application->Guard([this] { UpClick(); }); });
    QObject::connect(down_, &QToolButton::clicked, [this] { Application->Guard([this] { DownClick(); }); });
    SetDesignSize(20, 25);
    layout();
}

void TSpinButton::layout() {
    int w = Width(), h = Height();
    up_->setGeometry(0, 0, w, h / 2);
    down_->setGeometry(0, h / 2, w, h - h / 2);
}

void TSpinButton::BoundsChanged() {
    TWinControl::BoundsChanged();
    layout();
}

void TSpinButton::UpClick() {
    if (OnUpClick) OnUpClick(this);
}

void TSpinButton::DownClick() {
    if (OnDownClick) OnDownClick(this);
}
