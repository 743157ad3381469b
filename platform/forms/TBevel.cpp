#include "TBevel.h"

#include "TPanel.h"

#include <QPainter>

TBevel::TBevel(TComponent* owner, TWinControl* parent) : TControl(owner, parent, new TPaintHost) {
    clickOnMouseUp_ = false;
    SetDesignSize(50, 50);
}

void TBevel::SetShape(TBevelShape s) {
    shape_ = s;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle s) {
    style_ = s;
    Invalidate();
}

void TBevel::Paint(QPainter& p, const QRect&) {
    QColor light = ToQColor(clBtnHighlight), dark = ToQColor(clBtnShadow);
    QColor first = style_ == bsLowered ? dark : light;
    QColor second = style_ == bsLowered ? light : dark;
    QRect r = widget_->rect();
    int w = r.width(), h = r.height();
    switch (shape_) {
    case bsBox: {
        QRect rr = r;
        DrawBevel(p, rr, style_ == bsRaised, 1);
        break;
    }
    case bsFrame:
        p.setPen(first);
        p.drawRect(0, 0, w - 2, h - 2);
        p.setPen(second);
        p.drawRect(1, 1, w - 2, h - 2);
        break;
    case bsTopLine:
        p.setPen(first);
        p.drawLine(0, 0, w, 0);
        p.setPen(second);
        p.drawLine(0, 1, w, 1);
        break;
    case bsBottomLine:
        p.setPen(first);
        p.drawLine(0, h - 2, w, h - 2);
        p.setPen(second);
        p.drawLine(0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        p.setPen(first);
        p.drawLine(0, 0, 0, h);
        p.setPen(second);
        p.drawLine(1, 0, 1, h);
        break;
    case bsRightLine:
        p.setPen(first);
        p.drawLine(w - 2, 0, w - 2, h);
        p.setPen(second);
        p.drawLine(w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}
