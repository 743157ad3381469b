// A device that plays nothing but takes the sound at its real rate, for machines without one.
#include "WaveOut.h"

#include <chrono>
#include <condition_variable>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr auto kTick = std::chrono::milliseconds(10);

class TSilentWaveOut : public TWaveOut {
public:
    TSilentWaveOut(const WAVEFORMATEX& f, TWaveDone done) : TWaveOut(f, std::move(done)) {
        std::size_t perTick = f.nAvgBytesPerSec / 100;
        std::size_t block = f.nBlockAlign ? f.nBlockAlign : 1;
        chunk_ = std::max(block, perTick / block * block);
        thread_ = std::thread([this] { run(); });
    }
    ~TSilentWaveOut() override { CloseNow(); }

protected:
    void Changed() override {
        std::lock_guard lock(m_);
        cv_.notify_all();
    }
    void Shutdown() override {
        {
            std::lock_guard lock(m_);
            stop_ = true;
        }
        cv_.notify_all();
        if (thread_.joinable()) thread_.join();
    }

private:
    void run() {
        std::vector<std::uint8_t> sink(chunk_);
        std::unique_lock lock(m_);
        while (!stop_) {
            if (!HasWork()) {
                cv_.wait(lock, [&] { return stop_ || HasWork(); });
                continue;
            }
            // A drift-free grid from the moment sound starts flowing again.
            Clock::time_point next = Clock::now();
            while (!stop_ && HasWork()) {
                lock.unlock();
                Pull(sink.data(), sink.size());
                lock.lock();
                next += kTick;
                cv_.wait_until(lock, next, [&] { return stop_; });
            }
        }
    }

    std::mutex m_;
    std::condition_variable cv_;
    bool stop_ = false;
    std::size_t chunk_ = 1;
    std::thread thread_;
};
} // namespace

MMRESULT OpenSilentWaveOut(std::unique_ptr<TWaveOut>& out, const WAVEFORMATEX& format, TWaveDone done) {
    out.reset();
    if (!IsPlayableFormat(format)) return WAVERR_BADFORMAT;
    out = std::make_unique<TSilentWaveOut>(format, std::move(done));
    return MMSYSERR_NOERROR;
}
