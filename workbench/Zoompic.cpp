#include "Zoompic.h"

#include "BitmapImage.h"

#include <QPainter>

TZoomImage::TZoomImage(TComponent* owner, TWinControl* parent) : TControl(owner, parent, new TPaintHost) {
    SetDesignSize(160, 160);
    bitmap_.FreeImage();
    bitmap_.OnChange = [this](const TRect&) { Invalidate(); };
}

void TZoomImage::SetzoomValue(int z) {
    if (bitmap_.Empty()) return;
    zoom_ = z;
    Invalidate();
}

void TZoomImage::SetXCenter(int c) {
    if (!bitmap_.Empty()) xcenter_ = c;
}

void TZoomImage::SetYCenter(int c) {
    if (!bitmap_.Empty()) ycenter_ = c;
}

void TZoomImage::Paint(QPainter& p, const QRect&) {
    if (bitmap_.Empty()) return;
    p.drawImage(QRect(0, 0, Width(), Height()), WrapBitmap(bitmap_));
}
