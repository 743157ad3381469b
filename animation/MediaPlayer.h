#pragma once
// The media player control: an invisible component over the MCI-style device. It opens the file
// named by FileName when told to, runs the device's commands, and paints the film's frames on
// its display surface (any control; none for sound) inside DisplayRect, on the user-interface
// thread.
#include "Controls.h"
#include "MciDevice.h"

#include <functional>
#include <memory>
#include <string>

class TMediaDisplaySurface;

class TMediaPlayer : public TComponent {
public:
    explicit TMediaPlayer(TComponent* owner);
    ~TMediaPlayer() override;

    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& s) { FFileName = s; }
    // The control the film is shown on (null: none); the surface goes with Close.
    TWinControl* Display() const { return FDisplay; }
    void SetDisplay(TWinControl* d);
    // Where on the display the film is shown, stretched (empty: the film's own size at 0, 0).
    TRect DisplayRect() const { return FDisplayRect; }
    void SetDisplayRect(const TRect& r);
    bool Visible() const { return false; }

    // The commands; each raises EMCIDeviceError as the device reports it.
    void Open();
    void Close();
    void Play();
    void Pause(); // pauses a play; resumes a paused one
    void Resume();
    void Stop();
    void Rewind();
    void Step();
    void Back();
    std::int64_t Position() const;
    void SetPosition(std::int64_t p);
    std::int64_t Length() const;
    TMPModes Mode() const;
    bool IsOpen() const;
    TMciDevice& Device() { return *FDevice; }
    // The surface showing the film, when there is one.
    TMediaDisplaySurface* Surface() const { return FSurface; }
    // Runs on the user-interface thread when a play reaches the film's end by itself (not on
    // Stop, Close, a seek or a step).
    std::function<void()> OnPlayEnd;

    // What each new player's device is (tests install a fake; empty: the real device).
    using TDeviceFactory = std::function<std::unique_ptr<TMciDevice>()>;
    static void SetDeviceFactory(TDeviceFactory f);
    // Puts another device in (the old one closed first).
    void SetDevice(std::unique_ptr<TMciDevice> d);

private:
    void requireDevice() const;
    void placeSurface();
    void frameArrived();
    void showFreshFrame();
    void freeSurface();

    std::string FFileName;
    TWinControl* FDisplay = nullptr;
    TRect FDisplayRect{};
    std::unique_ptr<TMciDevice> FDevice;
    TMediaDisplaySurface* FSurface = nullptr;
    bool FPlaying = false; // a play was started and has not ended, stopped or been moved since
    std::shared_ptr<char> FAlive = std::make_shared<char>();
};

// The child control a player paints its film on.
class TMediaDisplaySurface : public TWinControl {
public:
    TMediaDisplaySurface(TComponent* owner, TWinControl* parent);
    void ShowFrame(const TMciFrame& f);
    const TMciFrame& Frame() const { return FFrame; }
    int Paints() const { return FPaints; }
    ~TMediaDisplaySurface() override;
    std::function<void()> OnGone; // the surface is being destroyed (with its display, say)

protected:
    void Paint(QPainter& p, const QRect& dirty) override;

private:
    TMciFrame FFrame;
    int FPaints = 0;
};
