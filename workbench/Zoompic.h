#pragma once
#include "Controls.h"
#include "TBitmap.h"

// The zoom view: a control that owns a bitmap and shows a rectangle of it stretched over its
// whole client area. This first form shows the whole picture; zoom and centre are kept for the
// callers that set them.
class TZoomImage : public TControl {
public:
    TZoomImage(TComponent* owner, TWinControl* parent);

    TBitmap& Bitmap() { return bitmap_; }
    void SetBitmap(const TBitmap& b) { bitmap_.Assign(b); }

    // 100 while no picture is held.
    int zoomValue() const { return bitmap_.Empty() ? 100 : zoom_; }
    void SetzoomValue(int z);
    int XCenter() const { return xcenter_; }
    void SetXCenter(int c);
    int YCenter() const { return ycenter_; }
    void SetYCenter(int c);
    bool Invert() const { return invert_; }
    // The rectangle of the bitmap the view shows, in bitmap pixels.
    int visleft() const;
    int vistop() const;
    int visright() const;
    int visbottom() const;
    void SetInvert(bool b) { invert_ = b; }

protected:
    void Paint(QPainter& p, const QRect& dirty) override;

private:
    TBitmap bitmap_;
    int zoom_ = 100;
    int xcenter_ = 5;
    int ycenter_ = 5;
    bool invert_ = false;
};
