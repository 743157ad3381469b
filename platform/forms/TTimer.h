#pragma once
#include "Controls.h"

class QTimer;

// A window timer on the event loop. It runs while Enabled and Interval > 0; intervals below
// 10 ms run at 10 ms. A tick that arrives while the previous OnTimer is still running (it pumped
// messages) is skipped.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    // The period the timer really runs at (0 when it does not run).
    int EffectiveInterval() const;
    bool Running() const;

    TNotifyEvent OnTimer;

private:
    void update();
    void tick();
    QTimer* timer_;
    bool enabled_ = true;
    int interval_ = 1000;
    bool inTick_ = false;
};
