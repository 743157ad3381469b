#include "TPaintBox.h"

#include "Application.h"
#include "BitmapImage.h"

#include <QEvent>
#include <QPainter>

TPaintBox::TPaintBox(TComponent* owner, TWinControl* parent) : TControl(owner, parent, new TPaintHost) {
    SetDesignSize(105, 105);
}

TCanvas& TPaintBox::Canvas() {
    if (!bitmap_) {
        bitmap_ = std::make_unique<TBitmap>(std::max(Width(), 1), std::max(Height(), 1), pf32bit);
        fillBitmap(*bitmap_, Color());
        bitmap_->OnChange = [this](const TRect& r) {
            if (Application->PaintDepth() == 0) InvalidateRect(r);
        };
    }
    return bitmap_->Canvas();
}

void TPaintBox::Invalidate() {
    paintPending_ = true;
    TControl::Invalidate();
}

void TPaintBox::Repaint() {
    paintPending_ = true;
    TControl::Repaint();
}

void TPaintBox::BoundsChanged() {
    if (bitmap_) bitmap_->SetSize(std::max(Width(), 1), std::max(Height(), 1));
    paintPending_ = true;
}

bool TPaintBox::HandleEvent(QEvent* e) {
    if (e->type() == QEvent::Show) paintPending_ = true;
    return TControl::HandleEvent(e);
}

void TPaintBox::Paint(QPainter& p, const QRect&) {
    if (paintPending_) {
        paintPending_ = false;
        if (bitmap_) fillBitmap(*bitmap_, Color());
        if (OnPaint) OnPaint(this);
    }
    if (bitmap_) p.drawImage(QPoint(0, 0), WrapBitmap(*bitmap_));
}
