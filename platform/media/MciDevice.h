#pragma once
// The MCI-style multimedia device behind the media player control: one open file at a time
// (sound or film, whatever libavformat opens), played from its position, paused, stopped,
// sought and stepped. Positions and lengths are in the device's time format: frames for AVI
// films, milliseconds for everything else.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

// An MCI command that failed; its text is what the error report shows.
class EMCIDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decoded picture at the display size: rows top-down, one 0xFFRRGGBB word a pixel.
struct TMciFrame {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

class TMciDevice {
public:
    virtual ~TMciDevice();

    // Closes the file before and opens this one; throws EMCIDeviceError when it cannot.
    virtual void Open(const std::string& fileName) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // Plays from the position to the end. Every command below throws EMCIDeviceError when no
    // file is open or the command does not apply.
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void Stop() = 0;
    // Stops, then goes to pos (0 .. Length; beyond is an error) and shows the frame there.
    virtual void Seek(std::int64_t pos) = 0;
    virtual void Rewind() { Seek(0); }
    // Stops, then shows the next (frames > 0) or an earlier frame; an error without video.
    virtual void Step(int frames) = 0;
    virtual std::int64_t Position() const = 0;
    virtual std::int64_t Length() const = 0;
    virtual TMPModes Mode() const = 0;
    virtual bool HasVideo() const = 0;

    // The size frames are converted to (0 x 0: the film's own size).
    virtual void SetDisplaySize(int w, int h) = 0;
    // The newest frame, when one came since the last call.
    virtual bool TakeFrame(TMciFrame& out) = 0;
    // Runs on any thread when a new frame or the end of a play is there; the owner posts the
    // work to its own thread. Set before opening.
    std::function<void()> OnNotify;
};

// Seconds of a steady clock; the device paces silent films by it (sound paces the rest).
using TMciClock = std::function<double()>;

// The device over libavformat, libavcodec, libswscale and libswresample, its sound going to
// WaveOutOpen. A null clock is the system's steady clock.
std::unique_ptr<TMciDevice> MakeMciDevice(TMciClock clock = nullptr);
