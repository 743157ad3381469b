#include "WaveOutRecorder.h"

#include <algorithm>

class TWaveOutRecorder::Device : public TWaveOut {
public:
    Device(TWaveOutRecorder& r, const WAVEFORMATEX& f, TWaveDone done) : TWaveOut(f, std::move(done)), r_(r) {
        std::lock_guard lock(r_.m_);
        r_.live_.push_back(this);
        ++r_.opens_;
        r_.calls_.push_back("open " + std::to_string(f.nSamplesPerSec) + "x" + std::to_string(f.nChannels) +
                            "x" + std::to_string(f.wBitsPerSample));
    }
    ~Device() override {
        CloseNow();
        std::lock_guard lock(r_.m_);
        r_.live_.erase(std::remove(r_.live_.begin(), r_.live_.end(), this), r_.live_.end());
    }
    bool CompleteOne() { return CompleteHead(); }

protected:
    void Note(const std::string& what, const WAVEHDR* hdr) override {
        std::lock_guard lock(r_.m_);
        if (what == "write" && hdr) {
            r_.calls_.push_back("write " + std::to_string(hdr->dwBufferLength));
            r_.bytes_.insert(r_.bytes_.end(), Written().begin(), Written().end()); // what would be played
        } else {
            r_.calls_.push_back(what);
            if (what == "close")
                r_.live_.erase(std::remove(r_.live_.begin(), r_.live_.end(), this), r_.live_.end());
        }
    }

private:
    TWaveOutRecorder& r_;
};

TWaveOutRecorder::TWaveOutRecorder() {
    SetWaveOutFactory(
        [this](std::unique_ptr<TWaveOut>& out, const WAVEFORMATEX& f, TWaveDone done) -> MMRESULT {
            out.reset();
            if (FailOpen || !IsPlayableFormat(f)) {
                std::lock_guard lock(m_);
                calls_.push_back("open failed");
                return WAVERR_BADFORMAT;
            }
            out = std::make_unique<Device>(*this, f, std::move(done));
            return MMSYSERR_NOERROR;
        });
}

TWaveOutRecorder::~TWaveOutRecorder() {
    SetWaveOutFactory({});
}

std::vector<std::string> TWaveOutRecorder::Calls() const {
    std::lock_guard lock(m_);
    return calls_;
}

std::vector<std::uint8_t> TWaveOutRecorder::Bytes() const {
    std::lock_guard lock(m_);
    return bytes_;
}

int TWaveOutRecorder::Opens() const {
    std::lock_guard lock(m_);
    return opens_;
}

int TWaveOutRecorder::Live() const {
    std::lock_guard lock(m_);
    return int(live_.size());
}

int TWaveOutRecorder::Queued() const {
    std::vector<Device*> live;
    {
        std::lock_guard lock(m_);
        live = live_;
    }
    int n = 0;
    for (Device* d : live)
        n += d->Queued();
    return n;
}

int TWaveOutRecorder::Complete(int n) {
    Device* d = nullptr;
    {
        std::lock_guard lock(m_);
        if (live_.empty()) return 0;
        d = live_.back();
    }
    int done = 0;
    while (done < n && d->CompleteOne())
        ++done;
    return done;
}

void TWaveOutRecorder::Clear() {
    std::lock_guard lock(m_);
    calls_.clear();
    bytes_.clear();
}
