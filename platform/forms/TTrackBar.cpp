#include "TTrackBar.h"

#include "Application.h"

#include <QSignalBlocker>
#include <QSlider>

TTrackBar::TTrackBar(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new QSlider(Qt::Horizontal)) {
    clickOnMouseUp_ = false;
    SetTabStop(true);
    SetDesignSize(150, 45);
    applyRange();
    applyTicks();
    QObject::connect(Slider(), &QSlider::valueChanged,
                     [this](int v) { Application->Guard([this, v] { SetPosition(v); }); });
}

QSlider* TTrackBar::Slider() const {
    return static_cast<QSlider*>(widget_);
}

void TTrackBar::applyRange() {
    QSignalBlocker block(Slider());
    Slider()->setRange(min_, std::max(min_, max_));
    Slider()->setValue(position_);
}

void TTrackBar::SetMin(int v) {
    min_ = v;
    if (max_ < min_) max_ = min_;
    applyRange();
    SetPosition(position_);
}

void TTrackBar::SetMax(int v) {
    max_ = v;
    if (min_ > max_) min_ = max_;
    applyRange();
    SetPosition(position_);
}

void TTrackBar::SetPosition(int p) {
    p = std::clamp(p, min_, std::max(min_, max_));
    if (p == position_) {
        QSignalBlocker block(Slider());
        Slider()->setValue(p);
        return;
    }
    position_ = p;
    {
        QSignalBlocker block(Slider());
        Slider()->setValue(p);
    }
    FireChange(OnChange);
}

void TTrackBar::SetSelStart(int v) {
    selStart_ = v;
    Invalidate();
}

void TTrackBar::SetSelEnd(int v) {
    selEnd_ = v;
    Invalidate();
}

void TTrackBar::SetFrequency(int f) {
    frequency_ = f;
    applyTicks();
}

void TTrackBar::SetPageSize(int p) {
    pageSize_ = p;
    Slider()->setPageStep(p);
}

void TTrackBar::SetLineSize(int l) {
    lineSize_ = l;
    Slider()->setSingleStep(l);
}

void TTrackBar::SetOrientation(TTrackBarOrientation o) {
    orientation_ = o;
    Slider()->setOrientation(o == trHorizontal ? Qt::Horizontal : Qt::Vertical);
}

void TTrackBar::SetTickStyle(TTickStyle t) {
    tickStyle_ = t;
    applyTicks();
}

void TTrackBar::SetTickMarks(TTickMark t) {
    tickMarks_ = t;
    applyTicks();
}

void TTrackBar::applyTicks() {
    if (tickStyle_ == tsNone || frequency_ <= 0) { // frequency 0: no ticks at all
        Slider()->setTickPosition(QSlider::NoTicks);
        return;
    }
    Slider()->setTickInterval(std::max(frequency_, 1));
    Slider()->setTickPosition(tickMarks_ == tmBoth      ? QSlider::TicksBothSides
                              : tickMarks_ == tmTopLeft ? QSlider::TicksAbove
                                                        : QSlider::TicksBelow);
}
