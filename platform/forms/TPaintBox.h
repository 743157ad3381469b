#pragma once
#include "Controls.h"
#include "TBitmap.h"

#include <memory>

// A drawing surface: OnPaint draws on Canvas() when the box has been invalidated, shown or
// resized; drawing outside OnPaint shows at once and lasts until the next invalidation.
class TPaintBox : public TControl {
public:
    TPaintBox(TComponent* owner, TWinControl* parent);
    TCanvas& Canvas();
    TNotifyEvent OnPaint;
    void Invalidate() override;
    void Repaint() override;

protected:
    void Paint(QPainter& p, const QRect& r) override;
    void BoundsChanged() override;
    bool HandleEvent(QEvent* e) override;

private:
    std::unique_ptr<TBitmap> bitmap_;
    bool paintPending_ = true;
};
