#include "MyRotate.h"

#include "Numbers.h"
#include "TBitmap.h"

#include <QImage>
#include <QPainter>
#include <numbers>

void TLabelStyle::changed() {
    if (OnChange) OnChange(this);
}

void TLabelStyle::SetAngle(int v) {
    if (v == Angle_) return;
    Angle_ = v < 0 || v > 359 ? 0 : v;
    changed();
}

void TLabelStyle::SetAStyle3D(T3DEffectShort v) {
    if (v == AStyle3D_) return;
    AStyle3D_ = v;
    changed();
}

void TLabelStyle::SetAShadeRightBottom(TColor v) {
    if (v == AShadeRightBottom_) return;
    AShadeRightBottom_ = v;
    changed();
}

void TLabelStyle::SetAShadeLeftTop(TColor v) {
    if (AShadeLTSet_ || v == AShadeLeftTop_) return;
    AShadeLeftTop_ = v;
    changed();
}

void TLabelStyle::SetAShadeLTSet(bool v) {
    if (v != AShadeLTSet_) {
        AShadeLTSet_ = v;
        if (v) {
            keptLeftTop_ = AShadeLeftTop_;
            AShadeLeftTop_ = 0xFFFFFF;
        } else {
            AShadeLeftTop_ = keptLeftTop_;
        }
    }
    if (AShadeLTSet_ && (AStyle3D_ == A3dResit || AStyle3D_ == A3dRaised) && keptLeftTop_ != 0xFFFFFF)
        changed();
}

void TLabelStyle::SetAHShadeOffSet(int v) {
    if (v == AHShadeOffSet_) return;
    AHShadeOffSet_ = v;
    if (AStyle3D_ == A3dShadowed) changed();
}

void TLabelStyle::SetAVShadeOffSet(int v) {
    if (v == AVShadeOffSet_) return;
    AVShadeOffSet_ = v;
    if (AStyle3D_ == A3dShadowed) changed();
}

TMyLabelRotate::TMyLabelRotate(TComponent* owner, TWinControl* parent)
    : TLabel(owner, parent), degToRad_(std::numbers::pi / 180), LabelStyle_(std::make_unique<TLabelStyle>()) {
    SetTransparent(true);
    SetAutoSize(false);
    TFont& f = FontRef();
    f.Name = "Arial";
    f.Style |= fsBold;
    FontChanged();
    LabelStyle_->OnChange = [this](TObject*) { Invalidate(); };
}

void TMyLabelRotate::SetLabelStyle(const TLabelStyle& s) {
    TLabelStyle& o = *LabelStyle_;
    o.SetAngle(s.Angle());
    o.SetAStyle3D(s.AStyle3D());
    o.SetAShadeRightBottom(s.AShadeRightBottom());
    o.SetAShadeLeftTop(s.AShadeLeftTop());
    o.SetAShadeLTSet(s.AShadeLTSet());
    o.SetAHShadeOffSet(s.AHShadeOffSet());
    o.SetAVShadeOffSet(s.AVShadeOffSet());
    o.changed();
    Invalidate();
}

void TMyLabelRotate::SetMyTransparent(bool b) {
    if (b == MyTransparent_) return;
    MyTransparent_ = b;
    if (!b) SetColor(shownColor());
    Invalidate();
}

void TMyLabelRotate::SetParentColor(bool p) {
    parentColor_ = p;
    Invalidate();
}

void TMyLabelRotate::SetColor(TColor c) {
    parentColor_ = false;
    TLabel::SetColor(c);
}

TColor TMyLabelRotate::shownColor() const {
    return parentColor_ && Parent() ? Parent()->Color() : Color();
}

TPoint rotatedTextOrigin(int cx, int cy, int tw, int th, double c, double s) {
    return {int(cx - Trunc(tw * 0.5 * c) - Trunc(th * 0.5 * s)),
            int(cy + Trunc(tw * 0.5 * s) - Trunc(th * 0.5 * c))};
}

std::array<TPoint, 4> rotatedBox(int cx, int cy, int tw, int th, double c, double s) {
    int wc = int(Trunc(tw * 0.5 * c)), ws = int(Trunc(tw * 0.5 * s));
    int hc = int(Trunc(th * 0.5 * c)), hs = int(Trunc(th * 0.5 * s));
    return {TPoint{cx - wc - hs, cy + ws - hc}, TPoint{cx + wc - hs, cy - ws - hc},
            TPoint{cx + wc + hs, cy - ws + hc}, TPoint{cx - wc + hs, cy + ws + hc}};
}

void TMyLabelRotate::drawOn(TCanvas& canvas) {
    TLabelStyle& st = *LabelStyle_;
    cos_ = std::cos(st.Angle() * degToRad_);
    sin_ = std::sin(st.Angle() * degToRad_);
    const TColor textColor = Font().Color;
    // An opaque label never shows shades, and keeps the plain look from then on.
    if (!MyTransparent_) st.AStyle3D_ = A3dNormal;
    int d1 = 0, d2 = 0;
    if (st.AStyle3D_ == A3dRaised) {
        d1 = 1;
        d2 = -1;
    } else if (st.AStyle3D_ == A3dResit) {
        d1 = -1;
        d2 = 1;
    }
    const TFont kept = canvas.Font;
    canvas.Font = Font();
    canvas.Font.Escapement = 0;
    canvas.Brush.Style = bsClear;
    canvas.Brush.Bitmap = nullptr;
    int tw = canvas.TextWidth(Caption()), th = canvas.TextHeight(Caption());
    int cx = Width() / 2, cy = Height() / 2;
    TPoint o = rotatedTextOrigin(cx, cy, tw, th, cos_, sin_);
    if (!MyTransparent_) {
        std::array<TPoint, 4> p = rotatedBox(cx, cy, tw + 10, th + 7, cos_, sin_);
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = shownColor();
        canvas.Polygon({p.begin(), p.end()});
        canvas.Brush.Style = bsClear;
    }
    canvas.Font.Escapement = st.Angle() * 10;
    if (st.AStyle3D_ != A3dNormal) {
        if (st.AStyle3D_ != A3dShadowed) {
            canvas.Font.Color = st.AShadeLeftTop_;
            canvas.TextOut(o.x + d2, o.y + d2, Caption());
        }
        canvas.Font.Color = st.AShadeRightBottom_;
        if (st.AStyle3D_ == A3dShadowed)
            canvas.TextOut(o.x + st.AHShadeOffSet_, o.y + st.AVShadeOffSet_, Caption());
        else
            canvas.TextOut(o.x + d1, o.y + d1, Caption());
    }
    canvas.Font.Color = textColor;
    canvas.TextOut(o.x, o.y, Caption());
    canvas.Font = kept;
}

void TMyLabelRotate::Paint(QPainter& p, const QRect&) {
    if (Width() <= 0 || Height() <= 0) return;
    const TLabelStyle& st = *LabelStyle_;
    QImage img = keyedLabelImage(
        Width(), Height(), {Font().Color, st.AShadeRightBottom(), st.AShadeLeftTop(), shownColor(), clBlack},
        [this](TCanvas& c) { drawOn(c); });
    p.drawImage(QPoint(0, 0), img);
}
