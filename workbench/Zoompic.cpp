#include "Zoompic.h"

#include "BitmapImage.h"
#include "Blit.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// The edges are 16-bit unsigned; a value outside is held at the nearer end, never wrapped.
std::uint16_t word(long long v) {
    return std::uint16_t(std::clamp<long long>(v, 0, 65535));
}
} // namespace

TZoomImage::TZoomImage(TComponent* owner, TWinControl* parent) : TControl(owner, parent, new TPaintHost) {
    SetDesignSize(160, 160);
    bitmap_.OnChange = [this](const TRect&) { bitmapChanged(); };
}

bool TZoomImage::isOpaque() const {
    return widget_->testAttribute(Qt::WA_OpaquePaintEvent);
}

void TZoomImage::bitmapChanged() {
    widget_->setAttribute(Qt::WA_OpaquePaintEvent,
                          bitmap_.Width() == Width() && bitmap_.Height() == Height());
    vistop_ = 0;
    visleft_ = 0;
    if (live()) {
        visbottom_ = word(bitmap_.Height());
        visright_ = word(bitmap_.Width());
    } else {
        visbottom_ = 10;
        visright_ = 10;
    }
    Invalidate();
}

int TZoomImage::zoomValue() const {
    if (!live()) return 100;
    const double w = visright_ - visleft_, h = visbottom_ - vistop_;
    if (w <= 0 || h <= 0) return 100;
    return int(std::trunc((Width() / w + Height() / h) * 0.5 * 100));
}

void TZoomImage::SetzoomValue(int value) {
    if (!live()) return;
    const int z = word(value);
    const int W = bitmap_.Width(), H = bitmap_.Height();
    if (z == 0) {
        vistop_ = 0;
        visleft_ = 0;
        visbottom_ = word(H);
        visright_ = word(W);
        Invalidate();
        return;
    }
    int cx = XCenter();
    int w = int(std::trunc(Width() / (z * 0.01)));
    if (w > W) w = W;
    if (w < 10) w = 10;
    const int hw = w / 2;
    if (cx - hw < 0) cx = hw;
    if (cx + hw > W) cx = W - hw;
    if (cx - hw < 0) cx = hw; // a picture narrower than the view: the view starts at its left edge
    visleft_ = word(cx - hw);
    visright_ = word(cx + hw);

    int cy = YCenter();
    int h = int(std::trunc(Height() / (z * 0.01)));
    if (h < 10) h = 10;
    if (h > H) h = H;
    const int hh = h / 2;
    if (cy - hh < 0) cy = hh;
    if (cy + hh > H) cy = H - hh;
    if (cy - hh < 0) cy = hh;
    vistop_ = word(cy - hh);
    visbottom_ = word(cy + hh);
    Invalidate();
}

void TZoomImage::SetXCenter(int c) {
    if (!live()) return;
    int d = int(word(c)) - XCenter();
    d = std::min(d, bitmap_.Width() - int(visright_));
    d = std::max(d, -int(visleft_)); // the left limit wins
    visleft_ = word(visleft_ + d);
    visright_ = word(visright_ + d);
    Invalidate();
}

void TZoomImage::SetYCenter(int c) {
    if (!live()) return;
    int d = int(word(c)) - YCenter();
    d = std::min(d, bitmap_.Height() - int(visbottom_));
    d = std::max(d, -int(vistop_));
    vistop_ = word(vistop_ + d);
    visbottom_ = word(visbottom_ + d);
    Invalidate();
}

void TZoomImage::Setvistop(int value) {
    const std::uint16_t v = word(value);
    if (!live() || v == vistop_) return;
    vistop_ = v;
    if (visbottom_ - vistop_ < 10) vistop_ = word(visbottom_ - 10);
    Invalidate();
}

void TZoomImage::Setvisleft(int value) {
    const std::uint16_t v = word(value);
    if (!live() || v == visleft_) return;
    visleft_ = v;
    if (visright_ - visleft_ < 10) visleft_ = word(visright_ - 10);
    Invalidate();
}

void TZoomImage::Setvisbottom(int value) {
    const std::uint16_t v = word(value);
    if (!live() || v == visbottom_) return;
    visbottom_ = std::min<std::uint16_t>(v, word(bitmap_.Height()));
    if (visbottom_ - vistop_ < 10) visbottom_ = word(vistop_ + 10);
    Invalidate();
}

void TZoomImage::Setvisright(int value) {
    const std::uint16_t v = word(value);
    if (!live() || v == visright_) return;
    visright_ = std::min<std::uint16_t>(v, word(bitmap_.Width()));
    if (visright_ - visleft_ < 10) visright_ = word(visleft_ + 10);
    Invalidate();
}

void TZoomImage::SetInvert(bool b) {
    if (b == invert_) return;
    invert_ = b;
    stretchmode_ = b ? WHITEONBLACK : BLACKONWHITE;
}

void TZoomImage::Paint(QPainter& p, const QRect& dirty) {
    if (!live() || drawmode != 31) return;
    const QRect part = dirty.intersected(QRect(0, 0, Width(), Height()));
    if (part.isEmpty()) return;
    // Only the part being repainted is stretched, each of its pixels from the source block the
    // whole stretch would give it, so a large zoomed page costs what is on the screen.
    const bool inside = visright_ <= bitmap_.Width() && visbottom_ <= bitmap_.Height();
    // Past the picture (a view wider than a tiny bitmap) the view shows white.
    TBitmap shown = inside ? TBitmap::unfilled(part.width(), part.height(), pf32bit)
                           : TBitmap(part.width(), part.height(), pf32bit);
    TCanvas& c = shown.Canvas();
    c.StretchMode = stretchmode_;
    StretchBitmap(c, -part.x(), -part.y(), Width(), Height(), bitmap_, visleft_, vistop_,
                  visright_ - visleft_, visbottom_ - vistop_, SRCCOPY);
    p.drawImage(part.topLeft(), WrapBitmap(shown));
}

bool TZoomImage::HandleEvent(QEvent* e) {
    const bool consumed = TControl::HandleEvent(e);
    if (e->type() == QEvent::MouseButtonRelease) Invalidate();
    return consumed;
}
