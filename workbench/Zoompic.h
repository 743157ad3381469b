#pragma once
#include "Controls.h"
#include "TBitmap.h"

#include <cstdint>

// The zoom view: a control that owns a bitmap and shows one rectangle of it, the visible
// rectangle, stretched over its whole client area. Zooming in shows a smaller rectangle; panning
// moves it over the bitmap. It knows nothing of pages or tools.
//
// The view's edges are 16-bit unsigned: values from the callers are held in 0..65535, never
// wrapped. While the bitmap holds no picture the control is not live: the view stays as it is,
// zoomValue reads 100 and nothing is painted.
class TZoomImage : public TControl {
public:
    TZoomImage(TComponent* owner, TWinControl* parent);

    // The owned picture. Every change of it (assignment, size, drawing on its canvas) resets the
    // view to the whole picture.
    TBitmap& Bitmap() { return bitmap_; }
    const TBitmap& Bitmap() const { return bitmap_; }
    void SetBitmap(const TBitmap& b) { bitmap_.Assign(b); }

    int zoomValue() const;
    void SetzoomValue(int z);
    int XCenter() const { return (visleft_ + visright_) / 2; }
    void SetXCenter(int c);
    int YCenter() const { return (vistop_ + visbottom_) / 2; }
    void SetYCenter(int c);

    // The visible rectangle in bitmap pixels (right and bottom exclusive).
    int vistop() const { return vistop_; }
    int visleft() const { return visleft_; }
    int visbottom() const { return visbottom_; }
    int visright() const { return visright_; }
    void Setvistop(int v);
    void Setvisleft(int v);
    void Setvisbottom(int v);
    void Setvisright(int v);

    bool Invert() const { return invert_; }
    void SetInvert(bool b);
    // BLACKONWHITE (1) while Invert is false, WHITEONBLACK (2) while it is true.
    int stretchMode() const { return stretchmode_; }

    // The picture is painted only while this is 31.
    int drawmode = 31;

    // The bitmap holds a picture.
    bool live() const { return !bitmap_.Empty(); }
    // The picture covers the control exactly, so no background is erased under it.
    bool isOpaque() const;

protected:
    void Paint(QPainter& p, const QRect& dirty) override;
    bool HandleEvent(QEvent* e) override;

private:
    void bitmapChanged();
    TBitmap bitmap_;
    std::uint16_t vistop_ = 0;
    std::uint16_t visleft_ = 0;
    std::uint16_t visbottom_ = 10;
    std::uint16_t visright_ = 10;
    bool invert_ = false;
    int stretchmode_ = 1;
};
