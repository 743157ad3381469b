// The player's sound: a range of the film's sound stream played through 8 circulating buffers.
#include "AviPlay.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <span>

namespace {
constexpr std::int32_t kMinBuffer = 2048;
// One sample (a block of all channels) of plain PCM is at most this large; anything bigger is
// a broken header, and 8 buffers of it are not worth allocating.
constexpr std::int32_t kMaxSampleSize = 65535;
} // namespace

TAudioPlay::TAudioPlay() = default;

TAudioPlay::~TAudioPlay() {
    Stop();
    buffers_.clear(); // the device is closed: nothing refers to them any more
    alive_.reset();
}

bool TAudioPlay::Play(TQuillAVIPlay*, std::shared_ptr<TAviStream> Stream, std::int32_t FirstSample,
                      std::int32_t EndSample) {
    if (FPlaying) Stop();
    if (!Stream) return false;
    if (FirstSample < 0) FirstSample = Stream->Start();
    if (EndSample < 0)
        EndSample =
            std::int32_t(std::min<std::int64_t>(std::int64_t(Stream->Start()) + Stream->Length(), INT32_MAX));
    if (FirstSample >= EndSample) return false;

    // Open the device for the stream's format.
    FSampleSize = std::int32_t(Stream->Info().dwSampleSize);
    if (FSampleSize <= 0 || FSampleSize > kMaxSampleSize) return false;
    FBufferSize = std::max(FSampleSize, kMinBuffer);
    std::vector<std::uint8_t> format(std::size_t(std::max(Stream->FormatSize(), 0)), 0);
    int size = int(format.size());
    Stream->ReadFormat(format.data(), &size);
    WAVEFORMATEX wf;
    std::memset(static_cast<void*>(&wf), 0, sizeof wf);
    std::memcpy(&wf, format.data(), std::min(format.size(), sizeof wf));
    if (format.size() < 16) return false;
    if (format.size() < sizeof wf) wf.cbSize = 0;
    StopSimpleSound();
    const unsigned generation = ++generation_;
    std::weak_ptr<char> alive = alive_;
    std::unique_ptr<TWaveOut> out;
    // The format record's extra bytes (a compressed format's coefficients) follow its header.
    std::span<const std::uint8_t> extra;
    if (format.size() > sizeof wf)
        extra = std::span<const std::uint8_t>(format).subspan(
            sizeof wf, std::min<std::size_t>(wf.cbSize, format.size() - sizeof wf));
    MMRESULT rc = WaveOutOpen(out, wf, extra, [this, alive, generation](WAVEHDR* hdr) {
        if (alive.lock()) bufferDone(hdr, generation);
    });
    if (rc != MMSYSERR_NOERROR || !out) return false;
    FWaveOut = std::move(out);
    FStream = std::move(Stream);

    FWaveOut->Pause();
    FStartSample = FNextSample = FirstSample;
    FEndSample = EndSample;
    FPlaying = true;
    for (int i = 0; i < kBuffers; ++i)
        queueBuffer();
    FWaveOut->Restart();
    return true;
}

void TAudioPlay::queueBuffer() {
    if (!FWaveOut) return;
    const std::size_t total = sizeof(WAVEHDR) + std::size_t(FBufferSize);
    std::unique_ptr<std::uint8_t[]> block(new (std::nothrow) std::uint8_t[total]);
    if (!block) return;
    auto* hdr = new (block.get()) WAVEHDR();
    hdr->lpData = block.get() + sizeof(WAVEHDR);
    hdr->dwBufferLength = std::uint32_t(FBufferSize);
    hdr->dwUser = reinterpret_cast<std::uintptr_t>(this);
    hdr->dwFlags = WHDR_DONE;
    if (FWaveOut->PrepareHeader(hdr) != MMSYSERR_NOERROR) return;
    bool written = false;
    std::int32_t n = std::min<std::int32_t>(FEndSample - FNextSample, FBufferSize / FSampleSize);
    if (n > 0) {
        std::int32_t bytes = 0, samples = 0;
        FStream->Read(FNextSample, n, hdr->lpData, FBufferSize, &bytes, &samples);
        hdr->dwBufferLength = std::uint32_t(std::max(bytes, 0));
        if (samples == n) {
            FNextSample += n;
            buffers_.emplace(hdr, Buffer{std::move(block), generation_});
            if (FWaveOut->Write(hdr) == MMSYSERR_NOERROR)
                written = true;
            else
                buffers_.erase(hdr); // frees the block
        }
    }
    if (!written && block) // never listed: unprepare, and the block goes with this scope
        FWaveOut->UnprepareHeader(hdr);
    FPlaying = true;
}

// A buffer came back from a device (on the user-interface thread). Buffers of a device that
// has since been closed are only freed: a new device never receives them.
void TAudioPlay::bufferDone(WAVEHDR* hdr, unsigned generation) {
    auto it = buffers_.find(hdr);
    if (it == buffers_.end()) return;
    const bool current = generation == generation_ && it->second.generation == generation_ && FWaveOut;
    if (current) FWaveOut->UnprepareHeader(hdr);
    buffers_.erase(it);
    if (current && FPlaying) queueBuffer();
}

void TAudioPlay::Stop() {
    if (!FWaveOut) return;
    FPlaying = false;
    FWaveOut->Reset(); // every queued buffer comes back as done, later, on this thread
    FWaveOut->Close();
    FWaveOut.reset();
    ++generation_; // the notices still on their way belong to the closed device
}
