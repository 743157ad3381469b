#include "MediaPlayer.h"

#include "UIThread.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace {
TMediaPlayer::TDeviceFactory& deviceFactory() {
    static TMediaPlayer::TDeviceFactory f;
    return f;
}
} // namespace

void TMediaPlayer::SetDeviceFactory(TDeviceFactory f) {
    deviceFactory() = std::move(f);
}

TMediaPlayer::TMediaPlayer(TComponent* owner) : TComponent(owner) {
    PrepareUIThreadPosting();
    SetDevice(deviceFactory() ? deviceFactory()() : MakeMciDevice());
}

void TMediaPlayer::SetDevice(std::unique_ptr<TMciDevice> d) {
    FPlaying = false;
    if (FDevice) FDevice->Close();
    freeSurface();
    FDevice = std::move(d);
    std::weak_ptr<char> alive = FAlive;
    // Frames come from the device's worker; they are painted here, on the user-interface thread.
    FDevice->OnNotify = [this, alive] {
        PostToUIThread([this, alive] {
            if (alive.lock()) frameArrived();
        });
    };
}

TMediaPlayer::~TMediaPlayer() {
    FAlive.reset();
    FDevice->Close();
    freeSurface();
}

void TMediaPlayer::SetDisplay(TWinControl* d) {
    if (d == FDisplay && (FSurface || !d)) {
        placeSurface();
        return;
    }
    freeSurface();
    FDisplay = d;
    if (FDisplay && FDevice->IsOpen() && FDevice->HasVideo()) placeSurface();
}

void TMediaPlayer::SetDisplayRect(const TRect& r) {
    FDisplayRect = r;
    placeSurface();
}

void TMediaPlayer::freeSurface() {
    if (!FSurface) return;
    TMediaDisplaySurface* s = FSurface;
    FSurface = nullptr;
    s->OnGone = nullptr;
    // Hidden first, so the display paints over where the film was.
    s->SetVisible(false);
    if (TWinControl* under = s->Parent()) under->Invalidate();
    delete s;
}

// Puts the surface on the display where the film goes; the device converts to that size.
void TMediaPlayer::placeSurface() {
    if (!FDisplay || !FDevice->IsOpen() || !FDevice->HasVideo()) return;
    if (!FSurface) {
        FSurface = new TMediaDisplaySurface(FDisplay, FDisplay);
        FSurface->SetName("");
        FSurface->OnGone = [this] { FSurface = nullptr; };
    }
    TRect r = FDisplayRect;
    if (r.IsEmpty()) {
        const TMciFrame& f = FSurface->Frame();
        r = Bounds(0, 0, f.width > 0 ? f.width : 1, f.height > 0 ? f.height : 1);
        FDevice->SetDisplaySize(0, 0);
    } else {
        FDevice->SetDisplaySize(r.Right - r.Left, r.Bottom - r.Top);
    }
    if (FSurface->Left() != r.Left || FSurface->Top() != r.Top || FSurface->Width() != r.Right - r.Left ||
        FSurface->Height() != r.Bottom - r.Top)
        FSurface->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    if (!FSurface->Visible()) FSurface->SetVisible(true);
    FSurface->BringToFront();
}

void TMediaPlayer::frameArrived() {
    showFreshFrame();
    if (FPlaying && FDevice->Mode() == mpStopped) {
        FPlaying = false;
        // A copy: the handler may replace itself.
        if (std::function<void()> ended = OnPlayEnd) ended();
    }
}

void TMediaPlayer::showFreshFrame() {
    TMciFrame f;
    if (!FDevice->TakeFrame(f)) return;
    if (!FDisplay) return;
    if (!FSurface) placeSurface();
    if (!FSurface) return;
    if (FDisplayRect.IsEmpty() && (FSurface->Width() != f.width || FSurface->Height() != f.height))
        FSurface->SetBounds(0, 0, f.width, f.height);
    FSurface->ShowFrame(f);
}

void TMediaPlayer::Open() {
    FPlaying = false;
    freeSurface();
    FDevice->Open(FFileName);
    if (FDisplay) placeSurface();
}

void TMediaPlayer::Close() {
    FPlaying = false;
    FDevice->Close();
    freeSurface();
}

void TMediaPlayer::Play() {
    FDevice->Play();
    FPlaying = FDevice->Mode() == mpPlaying;
}

void TMediaPlayer::Pause() {
    if (FDevice->Mode() == mpPaused)
        Resume();
    else
        FDevice->Pause();
}

void TMediaPlayer::Resume() {
    FDevice->Resume();
    if (FDevice->Mode() == mpPlaying) FPlaying = true;
}

void TMediaPlayer::Stop() {
    FPlaying = false;
    FDevice->Stop();
}

void TMediaPlayer::Rewind() {
    FPlaying = false;
    FDevice->Rewind();
    frameArrived();
}

void TMediaPlayer::Step() {
    FPlaying = false;
    FDevice->Step(1);
    frameArrived();
}

void TMediaPlayer::Back() {
    FPlaying = false;
    FDevice->Step(-1);
    frameArrived();
}

std::int64_t TMediaPlayer::Position() const {
    return FDevice->Position();
}

void TMediaPlayer::SetPosition(std::int64_t p) {
    FPlaying = false;
    FDevice->Seek(p);
    frameArrived();
}

std::int64_t TMediaPlayer::Length() const {
    return FDevice->Length();
}

TMPModes TMediaPlayer::Mode() const {
    return FDevice->Mode();
}

bool TMediaPlayer::IsOpen() const {
    return FDevice->IsOpen();
}

// ---- the surface -------------------------------------------------------------------------------

TMediaDisplaySurface::TMediaDisplaySurface(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new TPaintHost) {
    widget_->setAttribute(Qt::WA_OpaquePaintEvent);
}

TMediaDisplaySurface::~TMediaDisplaySurface() {
    if (OnGone) OnGone();
}

void TMediaDisplaySurface::ShowFrame(const TMciFrame& f) {
    FFrame = f;
    Invalidate();
}

void TMediaDisplaySurface::Paint(QPainter& p, const QRect&) {
    ++FPaints;
    if (FFrame.width <= 0 || FFrame.height <= 0) {
        p.fillRect(0, 0, Width(), Height(), Qt::black);
        return;
    }
    QImage view(reinterpret_cast<const uchar*>(FFrame.pixels.data()), FFrame.width, FFrame.height,
                FFrame.width * 4, QImage::Format_RGB32);
    p.drawImage(QRect(0, 0, Width(), Height()), view);
}
