#include "WaveOut.h"

#include "UIThread.h"
#include "WaveConvert.h"

#include <algorithm>
#include <cstring>

TWaveOut::TWaveOut(const WAVEFORMATEX& format, TWaveDone done) : format_(format), done_(std::move(done)) {
    PrepareUIThreadPosting();
}

TWaveOut::~TWaveOut() {
    CloseNow();
}

void TWaveOut::CloseNow() {
    std::unique_lock lock(m_);
    if (closed_) return;
    closed_ = true;
    lock.unlock();
    Shutdown();
    lock.lock();
    while (!queue_.empty()) {
        finish(queue_.front().hdr);
        queue_.pop_front();
    }
}

const std::uint8_t* TWaveOut::data(const Entry& q) const {
    return converter_ ? q.pcm.data() : q.hdr->lpData;
}

std::size_t TWaveOut::size(const Entry& q) const {
    return converter_ ? q.pcm.size() : q.hdr->dwBufferLength;
}

void TWaveOut::ConvertWith(std::unique_ptr<TWaveConverter> converter) {
    std::lock_guard lock(m_);
    converter_ = std::move(converter);
}

void TWaveOut::finish(WAVEHDR* hdr) {
    hdr->dwFlags = (hdr->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
    if (done_) PostToUIThread([done = done_, hdr] { done(hdr); });
}

MMRESULT TWaveOut::PrepareHeader(WAVEHDR* hdr) {
    if (!hdr || (!hdr->lpData && hdr->dwBufferLength)) return MMSYSERR_INVALPARAM;
    std::lock_guard lock(m_);
    if (closed_) return MMSYSERR_INVALHANDLE;
    hdr->dwFlags |= WHDR_PREPARED;
    Note("prepare", hdr);
    return MMSYSERR_NOERROR;
}

MMRESULT TWaveOut::UnprepareHeader(WAVEHDR* hdr) {
    if (!hdr) return MMSYSERR_INVALPARAM;
    std::lock_guard lock(m_);
    if (hdr->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
    hdr->dwFlags &= ~WHDR_PREPARED;
    Note("unprepare", hdr);
    return MMSYSERR_NOERROR;
}

MMRESULT TWaveOut::Write(WAVEHDR* hdr) {
    if (!hdr) return MMSYSERR_INVALPARAM;
    {
        std::lock_guard lock(m_);
        if (closed_) return MMSYSERR_INVALHANDLE;
        if (!(hdr->dwFlags & WHDR_PREPARED)) return WAVERR_UNPREPARED;
        if (hdr->dwFlags & WHDR_INQUEUE) return MMSYSERR_INVALPARAM;
        hdr->dwFlags = (hdr->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
        Entry e{hdr, {}};
        if (converter_) converter_->Convert(hdr->lpData, hdr->dwBufferLength, e.pcm);
        queue_.push_back(std::move(e));
        written_ = {data(queue_.back()), size(queue_.back())};
        Note("write", hdr);
        written_ = {};
    }
    Changed();
    return MMSYSERR_NOERROR;
}

MMRESULT TWaveOut::Pause() {
    {
        std::lock_guard lock(m_);
        if (closed_) return MMSYSERR_INVALHANDLE;
        paused_ = true;
        Note("pause", nullptr);
    }
    Changed();
    return MMSYSERR_NOERROR;
}

MMRESULT TWaveOut::Restart() {
    {
        std::lock_guard lock(m_);
        if (closed_) return MMSYSERR_INVALHANDLE;
        paused_ = false;
        Note("restart", nullptr);
    }
    Changed();
    return MMSYSERR_NOERROR;
}

MMRESULT TWaveOut::Reset() {
    {
        std::lock_guard lock(m_);
        if (closed_) return MMSYSERR_INVALHANDLE;
        Note("reset", nullptr);
        while (!queue_.empty()) {
            finish(queue_.front().hdr);
            queue_.pop_front();
        }
        headUsed_ = 0;
        if (converter_) converter_->Reset();
    }
    Changed();
    return MMSYSERR_NOERROR;
}

MMRESULT TWaveOut::Close() {
    {
        std::lock_guard lock(m_);
        if (closed_) return MMSYSERR_INVALHANDLE;
        if (!queue_.empty()) return WAVERR_STILLPLAYING;
        Note("close", nullptr);
    }
    CloseNow();
    return MMSYSERR_NOERROR;
}

bool TWaveOut::Paused() const {
    std::lock_guard lock(m_);
    return paused_;
}

int TWaveOut::Queued() const {
    std::lock_guard lock(m_);
    return int(queue_.size());
}

bool TWaveOut::HasWork() const {
    std::lock_guard lock(m_);
    return !paused_ && !queue_.empty() && !closed_;
}

std::size_t TWaveOut::Pull(std::uint8_t* dst, std::size_t n) {
    std::lock_guard lock(m_);
    std::size_t got = 0;
    while (!paused_ && got < n && !queue_.empty()) {
        const Entry& e = queue_.front();
        const std::size_t length = size(e);
        std::size_t left = length - std::min<std::size_t>(headUsed_, length);
        std::size_t take = std::min(left, n - got);
        if (take && dst) std::memcpy(dst + got, data(e) + headUsed_, take);
        got += take;
        headUsed_ += take;
        if (headUsed_ >= length) {
            WAVEHDR* h = e.hdr;
            queue_.pop_front();
            headUsed_ = 0;
            finish(h);
        }
    }
    return got;
}

bool TWaveOut::CompleteHead() {
    std::lock_guard lock(m_);
    if (queue_.empty()) return false;
    WAVEHDR* h = queue_.front().hdr;
    queue_.pop_front();
    headUsed_ = 0;
    finish(h);
    return true;
}

bool IsPlayableFormat(const WAVEFORMATEX& f) {
    bool pcm = f.wFormatTag == WAVE_FORMAT_PCM &&
               (f.wBitsPerSample == 8 || f.wBitsPerSample == 16 || f.wBitsPerSample == 32);
    bool flt = f.wFormatTag == WAVE_FORMAT_IEEE_FLOAT && f.wBitsPerSample == 32;
    return (pcm || flt) && f.nChannels >= 1 && f.nChannels <= 8 && f.nSamplesPerSec >= 1000 &&
           f.nSamplesPerSec <= 384000 && f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8;
}

namespace {
std::mutex factoryLock;
TWaveOutFactory& factory() {
    static TWaveOutFactory f;
    return f;
}
} // namespace

void SetWaveOutFactory(TWaveOutFactory f) {
    std::lock_guard lock(factoryLock);
    factory() = std::move(f);
}

MMRESULT WaveOutOpen(std::unique_ptr<TWaveOut>& out, const WAVEFORMATEX& format, TWaveDone done) {
    return WaveOutOpen(out, format, {}, std::move(done));
}

MMRESULT WaveOutOpen(std::unique_ptr<TWaveOut>& out, const WAVEFORMATEX& format,
                     std::span<const std::uint8_t> extra, TWaveDone done) {
    out.reset();
    // A compressed format plays through a device for the PCM it decodes to.
    WAVEFORMATEX played = format;
    std::unique_ptr<TWaveConverter> converter;
    if (!IsPlayableFormat(format)) {
        converter = TWaveConverter::Make(format, extra, played);
        if (!converter) return WAVERR_BADFORMAT;
    }
    TWaveOutFactory f;
    {
        std::lock_guard lock(factoryLock);
        f = factory();
    }
    MMRESULT rc;
    if (f) {
        rc = f(out, played, std::move(done));
    } else {
        rc = OpenSdlWaveOut(out, played, done);
        if (rc != MMSYSERR_NOERROR) rc = OpenSilentWaveOut(out, played, std::move(done));
    }
    if (rc == MMSYSERR_NOERROR && out && converter) out->ConvertWith(std::move(converter));
    return rc;
}

void StopSimpleSound() {} // the layer's simple sound player plays nothing of its own
