#pragma once
#include "Controls.h"
#include "TBitmap.h"

#include <QImage>
#include <functional>

// The picture of an image control: a bitmap, possibly empty (no picture).
class TPicture {
public:
    TBitmap& Bitmap() { return bitmap_; }
    const TBitmap& Bitmap() const { return bitmap_; }
    bool Empty() const { return bitmap_.Empty(); }
    int Width() const { return bitmap_.Width(); }
    int Height() const { return bitmap_.Height(); }
    void Assign(const TBitmap& b) { bitmap_.Assign(b); }
    void Assign(const TPicture& p) { bitmap_.Assign(p.bitmap_); }
    void Clear() { bitmap_.FreeImage(); }

private:
    TBitmap bitmap_;
};

// Shows its picture bitmap through a QImage over the bitmap's own memory (no copy), opaquely,
// repainting only what the bitmap reports as changed (TBitmap::Changed, which every canvas
// operation calls). Mouse events come in client coordinates with button and shift state.
class TImage : public TControl {
public:
    TImage(TComponent* owner, TWinControl* parent);

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    // The picture bitmap's canvas; an empty picture first becomes a bitmap of the control's size.
    TCanvas& Canvas();

    bool Stretch() const { return stretch_; }
    void SetStretch(bool s);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a);
    bool Center() const { return center_; }
    void SetCenter(bool c);
    // The colour of the picture's bottom-left pixel is left out.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);
    bool IncrementalDisplay() const { return incremental_; }
    void SetIncrementalDisplay(bool i) { incremental_ = i; }

    // Where the picture lies in the control (client coordinates).
    TRect DestRect() const;
    // The client rectangle that a changed picture rectangle covers.
    TRect PictureToClient(const TRect& r) const;

protected:
    void Paint(QPainter& p, const QRect& dirty) override;
    void BoundsChanged() override;

private:
    void pictureChanged(const TRect& r);
    bool wrapperStale() const;
    void rebuildWrapper();
    void applyOpaque();
    TPicture picture_;
    QImage wrapper_;
    QImage transparentCopy_;
    const std::uint8_t* wrappedBits_ = nullptr;
    TPixelFormat wrappedFormat_ = pf24bit;
    bool stretch_ = false;
    bool autoSize_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool incremental_ = false;
};
