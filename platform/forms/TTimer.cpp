#include "TTimer.h"

#include "Application.h"

#include <QTimer>

TTimer::TTimer(TComponent* owner) : TComponent(owner), timer_(new QTimer) {
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, [this] { tick(); });
    update();
}

TTimer::~TTimer() {
    delete timer_;
}

void TTimer::SetEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    update();
}

void TTimer::SetInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    update();
}

int TTimer::EffectiveInterval() const {
    if (!enabled_ || interval_ <= 0) return 0;
    return interval_ < 10 ? 10 : interval_;
}

bool TTimer::Running() const {
    return timer_->isActive();
}

void TTimer::update() {
    timer_->stop();
    int period = EffectiveInterval();
    if (period > 0) timer_->start(period);
}

void TTimer::tick() {
    if (inTick_ || !OnTimer || EffectiveInterval() == 0) return;
    inTick_ = true;
    Application->Guard([this] { OnTimer(this); });
    inTick_ = false;
}
