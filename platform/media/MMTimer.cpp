#include "MMTimer.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace {
using Clock = std::chrono::steady_clock;

struct TimerThread {
    std::mutex m;
    std::condition_variable cv;
    bool stop = false;
    std::function<void()> callback;
    Clock::duration period{};
    std::thread thread;
};

void runTimer(std::shared_ptr<TimerThread> t) {
    std::unique_lock lock(t->m);
    Clock::time_point next = Clock::now() + t->period;
    while (!t->stop) {
        if (t->cv.wait_until(lock, next, [&] { return t->stop; })) break;
        lock.unlock();
        t->callback();
        lock.lock();
        next += t->period;
        Clock::time_point now = Clock::now();
        if (now >= next) // fell behind by a whole period: drop the missed ticks, keep the grid
            next += t->period * ((now - next) / t->period + 1);
    }
}

class TSystemTimers : public TTimerService {
public:
    ~TSystemTimers() override {
        std::map<unsigned, std::shared_ptr<TimerThread>> left;
        {
            std::lock_guard lock(m_);
            left.swap(timers_);
        }
        for (auto& [id, t] : left)
            stop(t);
    }

    unsigned SetEvent(int periodMs, std::function<void()> callback) override {
        if (periodMs < 1 || !callback) return 0;
        auto t = std::make_shared<TimerThread>();
        t->callback = std::move(callback);
        t->period = std::chrono::milliseconds(periodMs);
        std::lock_guard lock(m_);
        unsigned id = next_++;
        if (next_ == 0) next_ = 1;
        t->thread = std::thread(runTimer, t);
        timers_.emplace(id, t);
        return id;
    }

    bool KillEvent(unsigned id) override {
        std::shared_ptr<TimerThread> t;
        {
            std::lock_guard lock(m_);
            auto it = timers_.find(id);
            if (it == timers_.end()) return false;
            t = std::move(it->second);
            timers_.erase(it);
        }
        stop(t);
        return true;
    }

private:
    static void stop(const std::shared_ptr<TimerThread>& t) {
        {
            std::lock_guard lock(t->m);
            t->stop = true;
        }
        t->cv.notify_all();
        if (t->thread.get_id() == std::this_thread::get_id())
            t->thread.detach(); // killed from its own tick: the loop ends when the tick returns
        else if (t->thread.joinable())
            t->thread.join();
    }

    std::mutex m_;
    std::map<unsigned, std::shared_ptr<TimerThread>> timers_;
    unsigned next_ = 1;
};
} // namespace

TTimerService& SystemTimers() {
    static TSystemTimers timers;
    return timers;
}

struct TFakeTimers::State {
    struct Timer {
        std::int64_t period;
        std::int64_t due;
        std::shared_ptr<std::function<void()>> callback;
    };
    mutable std::mutex m;
    std::int64_t now = 0;
    unsigned next = 1;
    std::map<unsigned, Timer> timers;
};

TFakeTimers::TFakeTimers() : s_(std::make_unique<State>()) {}
TFakeTimers::~TFakeTimers() = default;

unsigned TFakeTimers::SetEvent(int periodMs, std::function<void()> callback) {
    if (periodMs < 1 || !callback) return 0;
    std::lock_guard lock(s_->m);
    unsigned id = s_->next++;
    s_->timers[id] = {periodMs, s_->now + periodMs,
                      std::make_shared<std::function<void()>>(std::move(callback))};
    return id;
}

bool TFakeTimers::KillEvent(unsigned id) {
    std::lock_guard lock(s_->m);
    return s_->timers.erase(id) > 0;
}

void TFakeTimers::Advance(std::int64_t ms) {
    std::unique_lock lock(s_->m);
    const std::int64_t target = s_->now + ms;
    for (;;) {
        auto best = s_->timers.end();
        for (auto it = s_->timers.begin(); it != s_->timers.end(); ++it)
            if (it->second.due <= target && (best == s_->timers.end() || it->second.due < best->second.due))
                best = it;
        if (best == s_->timers.end()) break;
        s_->now = best->second.due;
        best->second.due += best->second.period;
        auto callback = best->second.callback;
        lock.unlock();
        (*callback)();
        lock.lock();
    }
    s_->now = target;
}

std::int64_t TFakeTimers::Now() const {
    std::lock_guard lock(s_->m);
    return s_->now;
}

int TFakeTimers::Running() const {
    std::lock_guard lock(s_->m);
    return int(s_->timers.size());
}
