#include "TImage.h"

#include "BitmapImage.h"

#include <QPainter>
#include <cmath>

TImage::TImage(TComponent* owner, TWinControl* parent) : TControl(owner, parent, new TPaintHost) {
    SetDesignSize(105, 105);
    picture_.Bitmap().OnChange = [this](const TRect& r) { pictureChanged(r); };
    applyOpaque();
}

TCanvas& TImage::Canvas() {
    TBitmap& b = picture_.Bitmap();
    if (b.Empty()) b.SetSize(std::max(Width(), 1), std::max(Height(), 1));
    return b.Canvas();
}

void TImage::SetStretch(bool s) {
    stretch_ = s;
    applyOpaque();
    Invalidate();
}

void TImage::SetAutoSize(bool a) {
    autoSize_ = a;
    if (a && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

void TImage::SetCenter(bool c) {
    center_ = c;
    applyOpaque();
    Invalidate();
}

void TImage::SetTransparent(bool t) {
    transparent_ = t;
    transparentCopy_ = QImage();
    applyOpaque();
    Invalidate();
}

TRect TImage::DestRect() const {
    int bw = picture_.Width(), bh = picture_.Height();
    if (stretch_) return Rect(0, 0, Width(), Height());
    if (center_) return Bounds((Width() - bw) / 2, (Height() - bh) / 2, bw, bh);
    return Rect(0, 0, bw, bh);
}

TRect TImage::PictureToClient(const TRect& r) const {
    int bw = picture_.Width(), bh = picture_.Height();
    if (bw <= 0 || bh <= 0) return {};
    TRect d = DestRect();
    if (!stretch_) return Rect(d.Left + r.Left, d.Top + r.Top, d.Left + r.Right, d.Top + r.Bottom);
    auto scaleDown = [](int v, int num, int den) { return int(std::floor(double(v) * num / den)); };
    auto scaleUp = [](int v, int num, int den) { return int(std::ceil(double(v) * num / den)); };
    return Rect(scaleDown(r.Left, d.Width(), bw), scaleDown(r.Top, d.Height(), bh),
                scaleUp(r.Right, d.Width(), bw), scaleUp(r.Bottom, d.Height(), bh));
}

bool TImage::wrapperStale() const {
    const TBitmap& b = picture_.Bitmap();
    return b.Bits() != wrappedBits_ || b.Width() != wrapper_.width() || b.Height() != wrapper_.height() ||
           b.PixelFormat() != wrappedFormat_ || (b.Empty() != wrapper_.isNull());
}

void TImage::rebuildWrapper() {
    const TBitmap& b = picture_.Bitmap();
    wrapper_ = WrapBitmap(b);
    wrappedBits_ = b.Bits();
    wrappedFormat_ = b.PixelFormat();
    transparentCopy_ = QImage();
}

void TImage::pictureChanged(const TRect& r) {
    transparentCopy_ = QImage();
    if (wrapperStale()) {
        rebuildWrapper();
        if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
        applyOpaque();
        Invalidate();
        return;
    }
    InvalidateRect(IntersectRect(PictureToClient(r), ClientRect()));
}

void TImage::BoundsChanged() {
    applyOpaque();
}

void TImage::applyOpaque() {
    TRect d = DestRect();
    bool covers =
        !picture_.Empty() && d.Left <= 0 && d.Top <= 0 && d.Right >= Width() && d.Bottom >= Height();
    widget_->setAttribute(Qt::WA_OpaquePaintEvent, covers && !transparent_);
}

void TImage::Paint(QPainter& p, const QRect& dirty) {
    if (picture_.Empty()) return;
    if (wrapperStale()) rebuildWrapper();
    const TBitmap& b = picture_.Bitmap();
    if (b.IsIndexed()) wrapper_.setColorTable(ColorTableOf(b));
    const QImage* img = &wrapper_;
    if (transparent_) {
        if (transparentCopy_.isNull())
            transparentCopy_ = TransparentCopy(wrapper_, wrapper_.pixel(0, wrapper_.height() - 1));
        img = &transparentCopy_;
    }
    TRect d = DestRect();
    QRect dest = ToQRect(d);
    if (!stretch_) {
        QRect part = dirty.intersected(dest);
        if (part.isEmpty()) return;
        p.drawImage(part.topLeft(), *img, part.translated(-dest.topLeft()));
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(dest, *img);
}
