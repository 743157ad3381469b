// Drawing of the player: the frame laid out in the control, drawn opaquely with the bands
// around it erased, or composed over a snapshot of the parent's background with the frame's
// own key colour left out.
#include "AviPlay.h"

#include "AviPlayHook.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstring>

bool TQuillAVIPlay::canDraw() const {
    return !FDrawing && !FLoading && Parent() && Visible() && Width() > 0 && Height() > 0;
}

TColor TQuillAVIPlay::drawColour() const {
    return ColorToRGB(FParentColor && Parent() ? Parent()->Color() : Color());
}

void TQuillAVIPlay::layout() {
    FOffsetX = FOffsetY = 0;
    int fw = FOpen ? FFrameWidth : Width();
    int fh = FOpen ? FFrameHeight : Height();
    if (!FStretch && FCenter) {
        FOffsetX = (Width() - fw) / 2;
        FOffsetY = (Height() - fh) / 2;
    }
    FDrawWidth = FStretch ? Width() : fw;
    FDrawHeight = FStretch ? Height() : fh;
}

namespace {
void fill(TBitmap& b, const TRect& r, TColor c) {
    TRect clip = IntersectRect(r, Rect(0, 0, b.Width(), b.Height()));
    if (clip.IsEmpty()) return;
    const std::uint32_t word = TBitmap::ToWord(c);
    for (int y = clip.Top; y < clip.Bottom; ++y)
        std::fill(b.Row32(y) + clip.Left, b.Row32(y) + clip.Right, word);
}
} // namespace

void TQuillAVIPlay::eraseBands(TColor c) {
    const int x = FOffsetX, y = FOffsetY, w = FDrawWidth, h = FDrawHeight;
    const int cw = Width(), ch = Height();
    fill(FScreen, Rect(0, 0, cw, y), c);
    fill(FScreen, Rect(0, y, x, ch), c);
    fill(FScreen, Rect(x, y + h, cw, ch), c);
    fill(FScreen, Rect(x + w, y, cw, y + h), c);
}

void TQuillAVIPlay::DrawFrame() {
    if (!canDraw()) return;
    compose();
    FComposed = true;
    Invalidate();
}

void TQuillAVIPlay::compose() {
    if (FScreen.Width() != Width() || FScreen.Height() != Height() || FScreen.PixelFormat() != pf32bit) {
        FScreen = TBitmap(Width(), Height(), pf32bit);
        fill(FScreen, Rect(0, 0, Width(), Height()), drawColour());
    }
    layout();
    if (!FTransparent && !FOpen) {
        fill(FScreen, Rect(0, 0, Width(), Height()), drawColour());
        return;
    }
    if (FTransparent && (FNeedSnapshot || !FActive || !FHaveSnapshot)) {
        takeSnapshot();
        FNeedSnapshot = false;
    }
    FDrawing = true;
    const BITMAPINFOHEADER* dib = FGetFrame ? FGetFrame->GetFrame(FCurrent) : nullptr;
    if (FTransparent) {
        if (FHaveSnapshot)
            std::memcpy(FScreen.Bits(), FSnapshotBitmap.Bits(),
                        std::size_t(FScreen.BytesPerLine()) * FScreen.Height());
        else
            fill(FScreen, Rect(0, 0, Width(), Height()), drawColour());
        if (dib && FDrawWidth > 0 && FDrawHeight > 0) {
            TBitmap frame(FDrawWidth, FDrawHeight, pf32bit);
            DrawDibDraw(frame, 0, 0, FDrawWidth, FDrawHeight, dib, TGetFrame::Bits(dib), 0, 0, -1, -1,
                        DDF_HALFTONE);
            const std::uint32_t key = frame.Row32(FDrawHeight - 1)[0];
            const TRect clip = IntersectRect(Bounds(FOffsetX, FOffsetY, FDrawWidth, FDrawHeight),
                                             Rect(0, 0, Width(), Height()));
            for (int y = clip.Top; y < clip.Bottom; ++y) {
                const std::uint32_t* src = frame.Row32(y - FOffsetY) - FOffsetX;
                std::uint32_t* dst = FScreen.Row32(y);
                for (int x = clip.Left; x < clip.Right; ++x)
                    if (src[x] != key) dst[x] = src[x];
            }
        }
    } else {
        if (!FStretch) eraseBands(drawColour());
        if (dib)
            DrawDibDraw(FScreen, FOffsetX, FOffsetY, FDrawWidth, FDrawHeight, dib, TGetFrame::Bits(dib), 0, 0,
                        -1, -1, DDF_HALFTONE);
    }
    FScreen.Changed();
    FDrawing = false;
}

// The parent painted into a picture as large as the control: the parent itself, then its other
// children beneath the control (players are left out; they paint nothing of their own there).
void TQuillAVIPlay::takeSnapshot() {
    FDrawing = true;
    TAviPlayerHook::Quiet quiet; // the paints of the snapshot are not changes to watch
    if (FSnapshotBitmap.Width() != Width() || FSnapshotBitmap.Height() != Height() ||
        FSnapshotBitmap.PixelFormat() != pf32bit)
        FSnapshotBitmap = TBitmap(Width(), Height(), pf32bit);
    QWidget* parent = widget_->parentWidget();
    // Painted straight into the kept snapshot's own pixels: no picture of its own to allocate
    // and copy at every frame.
    QImage image(FSnapshotBitmap.Bits(), Width(), Height(), FSnapshotBitmap.BytesPerLine(),
                 QImage::Format_RGB32);
    image.fill(ToQColor(drawColour()));
    if (parent) {
        const QRect area = widget_->geometry();
        parent->render(&image, QPoint(0, 0), QRegion(area), QWidget::DrawWindowBackground);
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w == widget_) break; // the rest lie above the control
            if (!w || w->isHidden() || w->isWindow() || dynamic_cast<TQuillAVIPlay*>(TControl::FromWidget(w)))
                continue;
            QRect part = w->geometry().intersected(area);
            if (part.isEmpty()) continue;
            w->render(&image, part.topLeft() - area.topLeft(), QRegion(part.translated(-w->pos())),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
        }
    }
    FSnapshotBitmap.Changed();
    FHaveSnapshot = true;
    FDrawing = false;
}

void TQuillAVIPlay::Paint(QPainter& p, const QRect&) {
    if (FDrawing) return;
    if (!FComposed && canDraw()) compose();
    FComposed = false;
    if (FScreen.Width() != Width() || FScreen.Height() != Height()) {
        p.fillRect(0, 0, Width(), Height(), ToQColor(drawColour()));
        return;
    }
    QImage view(FScreen.Bits(), FScreen.Width(), FScreen.Height(), FScreen.BytesPerLine(),
                QImage::Format_RGB32);
    p.drawImage(0, 0, view);
}

void TQuillAVIPlay::BoundsChanged() {
    TWinControl::BoundsChanged();
    const bool resized = FSnapshotBitmap.Width() != Width() || FSnapshotBitmap.Height() != Height();
    FNeedSnapshot = true;
    if (resized) {
        FSnapshotBitmap.FreeImage();
        FHaveSnapshot = false;
        applyAutoSize();
        if (!FActive) DrawFrame();
    } else {
        DrawFrame();
    }
}
