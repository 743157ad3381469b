#include "AviPlay.h"

#include "AviPlayHook.h"
#include "UIThread.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {
// a * b / c rounded to the nearest, halves away from zero; -1 when c is 0.
std::int32_t MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0) return -1;
    __int128 n = __int128(a) * b;
    __int128 q = n / c, r = n % c;
    if (2 * (r < 0 ? -r : r) >= (c < 0 ? -c : c)) q += ((n < 0) != (c < 0)) ? -1 : 1;
    if (q > INT32_MAX || q < INT32_MIN) return -1;
    return std::int32_t(q);
}

// A side no film frame needs; the decoders refuse larger frames anyway.
constexpr int kMaxFrameSide = 8192;
} // namespace

TQuillAVIPlay::TQuillAVIPlay(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new TPaintHost), FTimers(&SystemTimers()) {
    // Every pixel is painted from the composed picture, so nothing beneath is painted first.
    widget_->setAttribute(Qt::WA_OpaquePaintEvent);
    PrepareUIThreadPosting();
    SetBounds(Left(), Top(), 100, 50);
    FAudio = std::make_unique<TAudioPlay>();
    TAviPlayerHook::Add(this);
    FDrawDib = DrawDibOpen();
}

TQuillAVIPlay::~TQuillAVIPlay() {
    Stop();
    TAviPlayerHook::Remove(this);
    FDrawDib.reset();
    FSnapshotBitmap.FreeImage();
    FHaveSnapshot = false;
    Close();
    FAudio.reset();
    FAlive.reset(); // posted draws and stops find the control gone
}

// ---- properties ------------------------------------------------------------------------------

void TQuillAVIPlay::SetActive(bool v) {
    if (v == FActive) return;
    FActive = v;
    if (FLoading) return;
    if (v)
        Play(FStartFrame, FStopFrame, FRepetitions);
    else
        Stop();
}

void TQuillAVIPlay::SetAutoSize(bool v) {
    FAutoSize = v;
    applyAutoSize();
}

void TQuillAVIPlay::SetCenter(bool v) {
    FCenter = v;
    if (!FTransparent) Invalidate();
    DrawFrame();
}

void TQuillAVIPlay::SetFileName(const std::string& s) {
    if (s == FFileName) return;
    FFileName = s;
    if (FLoading) return;
    bool wasActive = FActive;
    Close();
    Open();
    Invalidate();
    DrawFrame();
    if (s.empty()) {
        FNeedSnapshot = true;
        if (Parent()) Parent()->Repaint();
    }
    if (wasActive) SetActive(true);
}

void TQuillAVIPlay::SetRepetitions(int v) {
    FRepetitions = v;
}

std::int32_t TQuillAVIPlay::clampFrame(std::int32_t v) const {
    if (!FOpen) return v;
    std::int32_t hi = FCount - 1;
    if (v > hi) v = hi;
    return v < 0 ? 0 : v;
}

void TQuillAVIPlay::SetStartFrame(std::int32_t v) {
    if (v != FStartFrame) FStartFrame = clampFrame(v);
}

void TQuillAVIPlay::SetStopFrame(std::int32_t v) {
    if (v != FStopFrame) FStopFrame = clampFrame(v);
}

void TQuillAVIPlay::SetTransparent(bool v) {
    FTransparent = v;
    FNeedSnapshot = true;
    Invalidate();
    DrawFrame();
}

void TQuillAVIPlay::SetStretch(bool v) {
    FStretch = v;
    if (FLoading) return;
    if (!v) Invalidate();
    if (!FActive) DrawFrame();
}

void TQuillAVIPlay::SetPlaySound(bool v) {
    FPlaySound = v;
    if (!FActive) return;
    if (v)
        startSound(FCurrent, FStopFrame);
    else
        FAudio->Stop();
}

void TQuillAVIPlay::SetParentColor(bool v) {
    FParentColor = v;
    DrawFrame();
}

void TQuillAVIPlay::ColorChanged() {
    Invalidate();
    DrawFrame();
}

// ---- events ----------------------------------------------------------------------------------

void TQuillAVIPlay::doOpen() {
    if (OnOpen) OnOpen(this);
}
void TQuillAVIPlay::doClose() {
    if (OnClose) OnClose(this);
}
void TQuillAVIPlay::doStart() {
    if (OnStart) OnStart(this);
}
void TQuillAVIPlay::doStop() {
    if (OnStop) OnStop(this);
}

// ---- files -----------------------------------------------------------------------------------

void TQuillAVIPlay::Loaded() {
    FLoading = false;
    std::int32_t first = FStartFrame, last = FStopFrame;
    if (!FFileName.empty()) {
        FReady = false;
        Open();
        FReady = true;
        FStartFrame = first;
        FStopFrame = last;
    }
    if (FActive) {
        if (FOpen)
            Play(first, last, FRepetitions);
        else
            FActive = false;
    }
}

void TQuillAVIPlay::Open() {
    if (FFileName.empty()) return;
    FAVIFile = TAviFile::Open(FFileName);
    if (!FAVIFile) return;
    FVideoStream = FAVIFile->GetStream(streamtypeVIDEO);
    if (!FVideoStream) {
        FAVIFile.reset();
        return;
    }
    FGetFrame = TGetFrame::Open(FVideoStream);
    if (!FGetFrame) {
        FVideoStream.reset();
        FAVIFile.reset();
        return;
    }
    FAudioStream = FAVIFile->GetStream(streamtypeAUDIO);
    const AVISTREAMINFO& info = FVideoStream->Info();
    FCount = std::int32_t(info.dwLength);
    // A frame rectangle larger than the frames themselves is a broken header: the control
    // never grows past what the decoder can fill.
    const BITMAPINFOHEADER bi = FVideoStream->BitmapHeader();
    const int biHeight = bi.biHeight == INT32_MIN ? 0 : std::abs(bi.biHeight);
    FFrameWidth = std::clamp(info.rcFrame().Width(), 0, std::clamp(bi.biWidth, 0, kMaxFrameSide));
    FFrameHeight = std::clamp(info.rcFrame().Height(), 0, std::min(biHeight, kMaxFrameSide));
    FStartFrame = std::int32_t(info.dwStart);
    FStopFrame = FCount - 1;
    FCurrent = std::int32_t(info.dwStart);
    FOpen = true;
    applyAutoSize();
    FNeedSnapshot = true;
    DrawFrame();
    if (Parent()) Parent()->Invalidate();
    doOpen();
}

void TQuillAVIPlay::Close() {
    if (!FOpen) return;
    if (FActive) Stop();
    FGetFrame.reset();
    FAudioStream.reset();
    FVideoStream.reset();
    FAVIFile.reset();
    FOpen = false;
    FCount = 0;
    doClose();
}

void TQuillAVIPlay::Reopen() {
    Close();
    Open();
}

void TQuillAVIPlay::applyAutoSize() {
    if (!FAutoSize || !FOpen) return;
    const TRect old = BoundsRect();
    SetBounds(Left(), Top(), FFrameWidth, FFrameHeight);
    if (FReady && Parent()) {
        // The part of the old bounds the control no longer covers shows the parent again.
        if (old.Width() > FFrameWidth)
            Parent()->InvalidateRect(Rect(old.Left + FFrameWidth, old.Top, old.Right, old.Bottom));
        if (old.Height() > FFrameHeight)
            Parent()->InvalidateRect(Rect(old.Left, old.Top + FFrameHeight, old.Right, old.Bottom));
    }
}

// ---- playing ---------------------------------------------------------------------------------

void TQuillAVIPlay::Play(std::int32_t First, std::int32_t Last, std::int32_t Repetitions) {
    Stop();
    if (!FVideoStream) return;
    const AVISTREAMINFO& info = FVideoStream->Info();
    // A stream without a frame rate (or one too fast to pace) has no period to play at: its
    // frames can be shown, but it does not play.
    if (info.dwRate == 0 || MulDiv(info.dwScale, 1000, info.dwRate) <= 0) return;
    FCurrent = First;
    FStartFrame = First;
    FStopFrame = Last;
    FRepetitionsLeft = Repetitions;
    FPeriod = MulDiv(info.dwScale, 1000, info.dwRate);
    unsigned generation = ++FPlayGeneration;
    FEndPending = false;
    doStart();
    FActive = true;
    if (FAudioStream && FPlaySound) startSound(First, Last);
    FTimerID = FTimers->SetEvent(FPeriod, [this, generation] { tick(generation); });
}

void TQuillAVIPlay::Stop() {
    if (FTimerID) {
        FTimers->KillEvent(FTimerID); // waits for a tick in flight
        FTimerID = 0;
    }
    ++FPlayGeneration; // what the old play posted is now stale
    FEndPending = false;
    // The sound stops with the play even when Active was switched off first.
    FAudio->Stop();
    if (FActive) {
        FActive = false;
        doStop();
        DrawFrame();
    }
}

void TQuillAVIPlay::Seek(std::int32_t Frame) {
    if (Frame == FCurrent) return;
    Stop();
    FCurrent = clampFrame(Frame);
    Invalidate();
}

void TQuillAVIPlay::startSound(std::int32_t first, std::int32_t last) {
    if (!FAudioStream || !FPlaySound || !FVideoStream) return;
    std::int32_t firstSample = FAudioStream->TimeToSample(FVideoStream->SampleToTime(first));
    std::int32_t endSample = FAudioStream->TimeToSample(FVideoStream->SampleToTime(last));
    FAudio->Play(this, FAudioStream, firstSample, endSample);
}

// Runs on the timer's thread: it only moves the counters and posts; the stop at the end of the
// play and the sound's restart for another pass run on the user-interface thread.
void TQuillAVIPlay::tick(unsigned generation) {
    if (generation != FPlayGeneration || FEndPending) return;
    std::int64_t current = FCurrent;
    if (current >= FStopFrame) {
        std::int32_t left = FRepetitionsLeft;
        if (left > 0) {
            FRepetitionsLeft = --left;
            if (left == 0) {
                FEndPending = true; // later ticks must not take the 0 left for endless play
                postToSelf(&TQuillAVIPlay::endOfPlay, generation);
                return;
            }
        }
        current = std::int64_t(FStartFrame) - 1;
        postToSelf(&TQuillAVIPlay::passRestart, generation);
    }
    FCurrent = std::int32_t(std::min<std::int64_t>(current + 1, INT32_MAX));
    if (!FDrawing && !FDrawPosted.exchange(true)) {
        std::weak_ptr<char> alive = FAlive;
        PostToUIThread([this, alive] {
            if (!alive.lock()) return;
            FDrawPosted = false;
            DrawFrame();
        });
    }
}

void TQuillAVIPlay::postToSelf(void (TQuillAVIPlay::*fn)(unsigned), unsigned generation) {
    std::weak_ptr<char> alive = FAlive;
    PostToUIThread([this, alive, fn, generation] {
        if (alive.lock()) (this->*fn)(generation);
    });
}

void TQuillAVIPlay::endOfPlay(unsigned generation) {
    if (generation == FPlayGeneration && FActive) Stop();
}

void TQuillAVIPlay::passRestart(unsigned generation) {
    if (generation == FPlayGeneration && FActive) startSound(FStartFrame, FStopFrame);
}
