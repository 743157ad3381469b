#pragma once
// The AVI player control: plays the video stream of an AVI film on a form, paced by a periodic
// timer, drawn opaquely or composed over its parent's background, with the film's sound
// streamed through the waveform device.
#include "AviFile.h"
#include "AviGetFrame.h"
#include "Controls.h"
#include "DrawDib.h"
#include "MMTimer.h"
#include "TBitmap.h"
#include "WaveOut.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

class TQuillAVIPlay;

// Streams a range of a sound stream through the waveform device in 8 buffers, each refilled
// as the device gives it back.
class TAudioPlay : public TObject {
public:
    TAudioPlay();
    ~TAudioPlay() override;

    // Plays samples [FirstSample, EndSample) (negative: the stream's start / end). False when
    // the range is empty, the stream has no fixed sample size, or no device plays its format.
    bool Play(TQuillAVIPlay* Window, std::shared_ptr<TAviStream> Stream, std::int32_t FirstSample,
              std::int32_t EndSample);
    void Stop();

    static constexpr int kBuffers = 8;

    std::int32_t FBufferSize = 0;
    std::shared_ptr<TAviStream> FStream;
    std::int32_t FSampleSize = 0;
    std::int32_t FEndSample = 0;
    bool FPlaying = false;
    std::unique_ptr<TWaveOut> FWaveOut;
    std::int32_t FStartSample = 0;
    std::int32_t FNextSample = 0;

    // Buffers allocated and not yet given back and freed.
    int BuffersOut() const { return int(buffers_.size()); }

private:
    void queueBuffer();
    void bufferDone(WAVEHDR* hdr, unsigned generation);
    struct Buffer {
        std::unique_ptr<std::uint8_t[]> block; // the header, then the sample data
        unsigned generation;
    };
    std::map<WAVEHDR*, Buffer> buffers_;
    unsigned generation_ = 0; // of the open device: notices of older devices only free
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};

class TQuillAVIPlay : public TWinControl {
public:
    TQuillAVIPlay(TComponent* owner, TWinControl* parent);
    ~TQuillAVIPlay() override;

    // Properties.
    bool Active() const { return FActive; }
    virtual void SetActive(bool v);
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool v);
    bool Center() const { return FCenter; }
    virtual void SetCenter(bool v);
    const std::string& FileName() const { return FFileName; }
    virtual void SetFileName(const std::string& s);
    int Repetitions() const { return FRepetitions; }
    virtual void SetRepetitions(int v);
    std::int32_t StartFrame() const { return FStartFrame; }
    virtual void SetStartFrame(std::int32_t v);
    std::int32_t StopFrame() const { return FStopFrame; }
    virtual void SetStopFrame(std::int32_t v);
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool v);
    bool Stretch() const { return FStretch; }
    virtual void SetStretch(bool v);
    bool PlaySound() const { return FPlaySound; }
    virtual void SetPlaySound(bool v);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool v) { FParentShowHint = v; }

    TNotifyEvent OnOpen;
    TNotifyEvent OnClose;
    TNotifyEvent OnStart;
    TNotifyEvent OnStop;

    // Operations.
    virtual void Open();
    virtual void Close();
    void Play(std::int32_t First, std::int32_t Last, std::int32_t Repetitions);
    void Stop();
    void Seek(std::int32_t Frame);
    void Reopen();

    // A form that sets the control up property by property brackets it with these, so the file
    // opens once, with the start and stop frames and the play state it was given.
    void BeginLoading() { FLoading = true; }
    virtual void Loaded();
    bool Loading() const { return FLoading; }

    // The frame shown and the length of the film.
    std::int32_t FCurrentFrame() const { return FCurrent.load(); }
    std::int32_t FFrameCount() const { return FCount; }
    bool IsOpen() const { return FOpen; }
    int FrameWidth() const { return FFrameWidth; }
    int FrameHeight() const { return FFrameHeight; }
    TRect DrawRect() const { return Bounds(FOffsetX, FOffsetY, FDrawWidth, FDrawHeight); }
    int Period() const { return FPeriod; }
    TAudioPlay& Audio() { return *FAudio; }
    const TBitmap& Screen() const { return FScreen; } // what the control shows
    bool HasSoundStream() const { return bool(FAudioStream); }

    // Where the ticks come from (the system's timer threads unless a test gives a fake clock).
    void SetTimerService(TTimerService* t) { FTimers = t ? t : &SystemTimers(); }

    // The program's live players, and whether the watch on other windows' paints is installed.
    static int PlayerCount();
    static bool HookInstalled();

    // Draws the current frame now (the posted draw message's work).
    void DrawFrame();

protected:
    void Paint(QPainter& p, const QRect& dirty) override;
    void BoundsChanged() override;
    void ColorChanged() override;

private:
    friend class TAudioPlay;
    friend class TAviPlayerHook;

    void doOpen();
    void doClose();
    void doStart();
    void doStop();
    void applyAutoSize();
    void startSound(std::int32_t first, std::int32_t last);
    void tick(unsigned generation);
    void endOfPlay(unsigned generation);
    void passRestart(unsigned generation);
    void postToSelf(void (TQuillAVIPlay::*fn)(unsigned), unsigned generation);
    bool canDraw() const;
    void compose();
    void takeSnapshot();
    void eraseBands(TColor colour);
    void layout();
    TColor drawColour() const;
    std::int32_t clampFrame(std::int32_t v) const;

    bool FActive = false;
    bool FAutoSize = true;
    bool FCenter = true;
    std::string FFileName;
    int FRepetitions = 0;
    std::atomic<std::int32_t> FStartFrame{1};
    std::atomic<std::int32_t> FStopFrame{0};
    bool FTransparent = true;
    bool FStretch = false;
    bool FPlaySound = true;
    bool FParentColor = false;
    bool FParentShowHint = true;

    bool FOpen = false;
    std::int32_t FCount = 0;
    int FFrameWidth = 0;
    int FFrameHeight = 0;
    std::shared_ptr<TAviFile> FAVIFile;
    std::shared_ptr<TAviStream> FAudioStream;
    std::shared_ptr<TAviStream> FVideoStream;
    std::atomic<std::int32_t> FCurrent{0};
    unsigned FTimerID = 0;
    std::unique_ptr<TGetFrame> FGetFrame;
    std::atomic<bool> FDrawing{false};
    TBitmap FSnapshotBitmap;
    bool FHaveSnapshot = false;
    std::atomic<std::int32_t> FRepetitionsLeft{0};
    std::int32_t FPeriod = 0;
    bool FNeedSnapshot = true;
    bool FReady = true;
    std::unique_ptr<TAudioPlay> FAudio;
    std::unique_ptr<TDrawDib> FDrawDib;
    int FOffsetX = 0, FOffsetY = 0, FDrawWidth = 0, FDrawHeight = 0;

    bool FLoading = false;
    TTimerService* FTimers;
    // Tags of the running play: posts made for an earlier play are ignored when they arrive.
    std::atomic<unsigned> FPlayGeneration{0};
    std::atomic<bool> FEndPending{false}; // the last pass ended; the stop is on its way
    std::atomic<bool> FDrawPosted{false}; // a draw is queued: ticks meanwhile queue no more
    TBitmap FScreen;                      // the composed picture the widget shows
    bool FComposed = false;               // FScreen is fresh: the next paint only shows it
    std::shared_ptr<char> FAlive = std::make_shared<char>();
};
