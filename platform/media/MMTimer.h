#pragma once
#include <cstdint>
#include <functional>
#include <memory>

// Periodic timers in the manner of the multimedia timer: each tick calls back off the
// user-interface thread. Ticks follow a fixed grid from the start (a late tick does not push
// the next one back); a tick that falls more than a period behind is dropped, not queued.
class TTimerService {
public:
    virtual ~TTimerService() = default;
    // Starts a periodic timer; 0 when it cannot (period below 1 ms, or no callback).
    virtual unsigned SetEvent(int periodMs, std::function<void()> callback) = 0;
    // Stops the timer. When it returns, no callback of the timer runs or will run; called from
    // the timer's own callback it stops the timer without waiting for itself. False for an
    // unknown id.
    virtual bool KillEvent(unsigned id) = 0;
};

// Real timers: one thread each, on the steady clock.
TTimerService& SystemTimers();

// A clock for tests: time moves only by Advance, which runs every due tick on the calling
// thread, in time order.
class TFakeTimers : public TTimerService {
public:
    TFakeTimers();
    ~TFakeTimers() override;
    unsigned SetEvent(int periodMs, std::function<void()> callback) override;
    bool KillEvent(unsigned id) override;
    void Advance(std::int64_t ms);
    std::int64_t Now() const;
    int Running() const; // timers started and not killed

private:
    struct State;
    std::unique_ptr<State> s_;
};
