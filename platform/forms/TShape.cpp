#include "TShape.h"

#include <QPainter>

QPen ToQPen(const TPen& p) {
    if (p.Style == psClear) return QPen(Qt::NoPen);
    QPen q(ToQColor(p.Color));
    q.setWidth(std::max(p.Width, 1));
    switch (p.Style) {
    case psDash:
        q.setStyle(Qt::DashLine);
        break;
    case psDot:
        q.setStyle(Qt::DotLine);
        break;
    case psDashDot:
        q.setStyle(Qt::DashDotLine);
        break;
    case psDashDotDot:
        q.setStyle(Qt::DashDotDotLine);
        break;
    default:
        q.setStyle(Qt::SolidLine);
        break;
    }
    q.setJoinStyle(Qt::MiterJoin);
    return q;
}

QBrush ToQBrush(const TBrush& b) {
    QColor c = ToQColor(b.Color);
    switch (b.Style) {
    case bsClear:
        return QBrush(Qt::NoBrush);
    case bsHorizontal:
        return QBrush(c, Qt::HorPattern);
    case bsVertical:
        return QBrush(c, Qt::VerPattern);
    case bsFDiagonal:
        return QBrush(c, Qt::FDiagPattern);
    case bsBDiagonal:
        return QBrush(c, Qt::BDiagPattern);
    case bsCross:
        return QBrush(c, Qt::CrossPattern);
    case bsDiagCross:
        return QBrush(c, Qt::DiagCrossPattern);
    default:
        return QBrush(c);
    }
}

TShape::TShape(TComponent* owner, TWinControl* parent) : TControl(owner, parent, new TPaintHost) {
    SetDesignSize(65, 65);
}

void TShape::SetShape(TShapeType s) {
    shape_ = s;
    Invalidate();
}

void TShape::SetPen(const TPen& p) {
    pen_ = p;
    Invalidate();
}

void TShape::SetBrush(const TBrush& b) {
    brush_ = b;
    Invalidate();
}

void TShape::Paint(QPainter& p, const QRect&) {
    int pw = pen_.Style == psClear ? 0 : std::max(pen_.Width, 1);
    int x = pw / 2, y = pw / 2;
    int w = Width() - pw, h = Height() - pw;
    if (pw == 0) {
        w = Width();
        h = Height();
    }
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        int s = std::min(w, h);
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    switch (pen_.Mode) {
    case pmXor:
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case pmNotXor:
        p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    case pmNot:
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    default:
        break;
    }
    p.setPen(ToQPen(pen_));
    p.setBrush(ToQBrush(brush_));
    if (brush_.Style != bsSolid && brush_.Style != bsClear) p.setBackgroundMode(Qt::TransparentMode);
    QRect r(x, y, std::max(w - (pw ? 1 : 0), 0), std::max(h - (pw ? 1 : 0), 0));
    switch (shape_) {
    case stRoundRect:
    case stRoundSquare: {
        int c = std::min(w, h) / 4;
        p.drawRoundedRect(r, c, c);
        break;
    }
    case stEllipse:
    case stCircle:
        p.drawEllipse(r);
        break;
    default:
        p.drawRect(r);
        break;
    }
}
