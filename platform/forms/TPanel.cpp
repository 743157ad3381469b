#include "TPanel.h"

#include "Menus.h"

#include <QPainter>

void DrawBevel(QPainter& p, QRect& r, bool raised, int width) {
    QColor light = ToQColor(clBtnHighlight);
    QColor dark = ToQColor(clBtnShadow);
    QColor tl = raised ? light : dark;
    QColor br = raised ? dark : light;
    for (int i = 0; i < width && r.width() > 1 && r.height() > 1; ++i) {
        p.setPen(tl);
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(br);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

TPanel::TPanel(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new TPaintHost) {
    SetDesignSize(185, 41);
}

void TPanel::SetBevelOuter(TBevelCut b) {
    bevelOuter_ = b;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut b) {
    bevelInner_ = b;
    Invalidate();
}

void TPanel::SetBevelWidth(int w) {
    bevelWidth_ = w;
    Invalidate();
}

void TPanel::SetBorderWidth(int w) {
    borderWidth_ = w;
    Invalidate();
}

void TPanel::SetBorderStyle(TBorderStyle b) {
    borderStyle_ = b;
    Invalidate();
}

void TPanel::SetAlignment(TAlignment a) {
    alignment_ = a;
    Invalidate();
}

void TPanel::Paint(QPainter& p, const QRect&) {
    QRect r = widget_->rect();
    p.fillRect(r, ToQColor(Color()));
    if (borderStyle_ == bsSingle) {
        p.setPen(ToQColor(clWindowFrame));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    if (bevelOuter_ == bvRaised || bevelOuter_ == bvLowered)
        DrawBevel(p, r, bevelOuter_ == bvRaised, bevelWidth_);
    r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    if (bevelInner_ == bvRaised || bevelInner_ == bvLowered)
        DrawBevel(p, r, bevelInner_ == bvRaised, bevelWidth_);
    if (!Caption().empty()) {
        p.setPen(ToQColor(Font().Color));
        p.setFont(widget_->font());
        int flags = Qt::AlignVCenter | Qt::TextSingleLine;
        flags |= alignment_ == taLeftJustify    ? Qt::AlignLeft
                 : alignment_ == taRightJustify ? Qt::AlignRight
                                                : Qt::AlignHCenter;
        p.drawText(r, flags, ToQString(StripHotkey(Caption())));
    }
}
