#pragma once
#include "Mylabel.h"

#include <array>
#include <memory>

// The looks of a rotated label, in the same order as T3DEffect.
enum T3DEffectShort : std::uint8_t { A3dNormal, A3dResit, A3dRaised, A3dShadowed };

// The look of a rotated label: its angle and shades. Every writer that changes something the
// label shows tells OnChange (the label repaints).
class TLabelStyle : public TObject {
public:
    TLabelStyle() = default;
    TLabelStyle(const TLabelStyle&) = delete;
    TLabelStyle& operator=(const TLabelStyle&) = delete;

    TNotifyEvent OnChange;

    // Degrees; a value below 0 or above 359 is stored as 0.
    int Angle() const { return Angle_; }
    void SetAngle(int v);
    T3DEffectShort AStyle3D() const { return AStyle3D_; }
    void SetAStyle3D(T3DEffectShort v);
    TColor AShadeRightBottom() const { return AShadeRightBottom_; }
    void SetAShadeRightBottom(TColor v);
    // Ignored while AShadeLTSet holds the shade at white.
    TColor AShadeLeftTop() const { return AShadeLeftTop_; }
    void SetAShadeLeftTop(TColor v);
    // On: the left-top shade is kept aside and becomes white; off: the kept shade comes back.
    // Only a change that shows (a raised or recessed look whose kept shade was not white) is
    // told.
    bool AShadeLTSet() const { return AShadeLTSet_; }
    void SetAShadeLTSet(bool v);
    // The shadow's offsets; told only while the look is A3dShadowed.
    int AHShadeOffSet() const { return AHShadeOffSet_; }
    void SetAHShadeOffSet(int v);
    int AVShadeOffSet() const { return AVShadeOffSet_; }
    void SetAVShadeOffSet(int v);

private:
    friend class TMyLabelRotate;
    void changed();
    int Angle_ = 0;
    T3DEffectShort AStyle3D_ = A3dRaised;
    int AHShadeOffSet_ = 5;
    int AVShadeOffSet_ = -5;
    TColor AShadeRightBottom_ = 0x808080;
    TColor AShadeLeftTop_ = 0xFFFFFF;
    TColor keptLeftTop_ = 0xFFFFFF;
    bool AShadeLTSet_ = false;
};

// A label whose caption is turned about the control's centre, with the shades of its style and,
// when not MyTransparent, on a turned box of its colour. Only what it draws reaches the window.
class TMyLabelRotate : public TLabel {
public:
    TMyLabelRotate(TComponent* owner, TWinControl* parent);

    TLabelStyle& LabelStyle() { return *LabelStyle_; }
    const TLabelStyle& LabelStyle() const { return *LabelStyle_; }
    // Copies s through the style's own writers, then tells the change once more and repaints.
    void SetLabelStyle(const TLabelStyle& s);
    bool MyTransparent() const { return MyTransparent_; }
    // Off: the box takes the label's colour as it is now, which then stays the label's own.
    void SetMyTransparent(bool b);
    // The colour follows the parent's until it is set (or MyTransparent turns off).
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool p);
    void SetColor(TColor c) override;
    // The colour the box is filled with.
    TColor shownColor() const;

    // Draws the label's look on a canvas of the label's size (client coordinates); pixels the
    // label does not draw keep their colour. Turning MyTransparent off makes the look plain.
    void drawOn(TCanvas& canvas);

protected:
    void Paint(QPainter& p, const QRect& r) override;

private:
    const double degToRad_;
    double cos_ = 1.0;
    double sin_ = 0.0;
    std::unique_ptr<TLabelStyle> LabelStyle_;
    bool MyTransparent_ = true;
    bool parentColor_ = true;
};

// Where a tw x th text starts when turned by the angle whose cosine and sine are c and s so that
// its centre lies on (cx, cy); each product truncated toward zero.
TPoint rotatedTextOrigin(int cx, int cy, int tw, int th, double c, double s);
// The corners P1..P4 of a tw x th box turned likewise about (cx, cy).
std::array<TPoint, 4> rotatedBox(int cx, int cy, int tw, int th, double c, double s);
