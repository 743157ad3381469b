#pragma once
#include "MediaTypes.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

class TWaveConverter;

using MMRESULT = unsigned;
constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NODRIVER = 6;
constexpr MMRESULT MMSYSERR_NOMEM = 7;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT WAVERR_BADFORMAT = 32;
constexpr MMRESULT WAVERR_STILLPLAYING = 33;
constexpr MMRESULT WAVERR_UNPREPARED = 34;

constexpr std::uint32_t WHDR_DONE = 0x01;
constexpr std::uint32_t WHDR_PREPARED = 0x02;
constexpr std::uint32_t WHDR_INQUEUE = 0x10;

// A sound buffer handed to the device.
struct WAVEHDR {
    std::uint8_t* lpData = nullptr;
    std::uint32_t dwBufferLength = 0;
    std::uint32_t dwBytesRecorded = 0;
    std::uintptr_t dwUser = 0;
    std::uint32_t dwFlags = 0;
    std::uint32_t dwLoops = 0;
    WAVEHDR* lpNext = nullptr;
    std::uintptr_t reserved = 0;
};

// "Done" notice of a buffer the device has played or given back; always runs on the
// user-interface thread, in the order the buffers were written, also after the device closed.
using TWaveDone = std::function<void(WAVEHDR*)>;

// An open waveform output device. Buffers play in the order written; Reset gives every queued
// buffer back as done; Close refuses while buffers are queued. The calls come from the
// user-interface thread; a device may consume the queue on a thread of its own.
class TWaveOut {
public:
    virtual ~TWaveOut();
    TWaveOut(const TWaveOut&) = delete;
    TWaveOut& operator=(const TWaveOut&) = delete;

    MMRESULT PrepareHeader(WAVEHDR* hdr);
    MMRESULT UnprepareHeader(WAVEHDR* hdr);
    MMRESULT Write(WAVEHDR* hdr);
    MMRESULT Pause();
    MMRESULT Restart();
    MMRESULT Reset();
    MMRESULT Close();

    const WAVEFORMATEX& Format() const { return format_; }
    bool Paused() const;
    int Queued() const;

    // From now on every buffer written is converted to this device's PCM format as it is
    // written (WaveOutOpen does this for compressed formats).
    void ConvertWith(std::unique_ptr<TWaveConverter> converter);

protected:
    TWaveOut(const WAVEFORMATEX& format, TWaveDone done);
    // Takes up to n bytes of the queue into dst (nothing while paused), giving back buffers as
    // they are used up. Returns the bytes taken.
    std::size_t Pull(std::uint8_t* dst, std::size_t n);
    // Gives back the oldest queued buffer as done (for devices that play whole buffers).
    bool CompleteHead();
    bool HasWork() const;
    virtual void Changed() {}  // the queue or the pause state changed
    virtual void Shutdown() {} // stop consuming; nothing may call Pull afterwards
    virtual void Note(const std::string&, const WAVEHDR*) {}
    // Inside Note("write"): the bytes the device will play for that buffer.
    std::span<const std::uint8_t> Written() const { return written_; }
    // Subclasses call this first in their destructor.
    void CloseNow();

private:
    void finish(WAVEHDR* hdr); // with m_ held
    struct Entry {
        WAVEHDR* hdr;
        std::vector<std::uint8_t> pcm; // the buffer converted, when the device converts
    };
    const std::uint8_t* data(const Entry& q) const;
    std::size_t size(const Entry& q) const;
    mutable std::mutex m_;
    std::deque<Entry> queue_;
    std::unique_ptr<TWaveConverter> converter_;
    std::span<const std::uint8_t> written_;
    std::size_t headUsed_ = 0;
    bool paused_ = false;
    bool closed_ = false;
    WAVEFORMATEX format_;
    TWaveDone done_;
};

// Whether a format is plain PCM the devices can play exactly (8-bit unsigned, 16- or 32-bit
// signed, 32-bit float; 1 to 8 channels; block align matching).
bool IsPlayableFormat(const WAVEFORMATEX& f);

// Opens the wave mapper for this format: plain PCM plays as it is; a compressed format that
// libavcodec decodes (ADPCM, MP3, A-law, mu-law, ...) opens a device for 16-bit PCM of the same
// rate and channels that converts each buffer as it is written. `extra` holds the format
// record's cbSize bytes that follow the header. Fails with WAVERR_BADFORMAT for a format no
// device plays. When no sound device can be opened, the device is a silent one that consumes
// the sound in real time, so playing goes on paced as it would be.
MMRESULT WaveOutOpen(std::unique_ptr<TWaveOut>& out, const WAVEFORMATEX& format, TWaveDone done);
MMRESULT WaveOutOpen(std::unique_ptr<TWaveOut>& out, const WAVEFORMATEX& format,
                     std::span<const std::uint8_t> extra, TWaveDone done);

// What WaveOutOpen opens; an empty factory restores the system's devices (tests install a recorder).
using TWaveOutFactory = std::function<MMRESULT(std::unique_ptr<TWaveOut>&, const WAVEFORMATEX&, TWaveDone)>;
void SetWaveOutFactory(TWaveOutFactory factory);

// The two system devices: SDL's audio output, and the silent real-time one.
MMRESULT OpenSdlWaveOut(std::unique_ptr<TWaveOut>& out, const WAVEFORMATEX& format, TWaveDone done);
MMRESULT OpenSilentWaveOut(std::unique_ptr<TWaveOut>& out, const WAVEFORMATEX& format, TWaveDone done);

// Stops a sound the simple sound player is playing (the control stops it before streaming).
void StopSimpleSound();
