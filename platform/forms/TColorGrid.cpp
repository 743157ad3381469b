#include "TColorGrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const TColor kColors[16] = {clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
                            clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
}

TColorGrid::TColorGrid(TComponent* owner, TWinControl* parent) : TControl(owner, parent, new TPaintHost) {
    clickOnMouseUp_ = true;
    SetDesignSize(100, 100);
}

TColor TColorGrid::ColorOf(int index) {
    return index >= 0 && index < 16 ? kColors[index] : clNone;
}

void TColorGrid::SetForegroundIndex(int i) {
    if (i < 0 || i > 15 || i == fg_) return;
    fg_ = i;
    Invalidate();
    FireChange(OnChange);
}

void TColorGrid::SetBackgroundIndex(int i) {
    if (i < 0 || i > 15 || i == bg_) return;
    bg_ = i;
    Invalidate();
    FireChange(OnChange);
}

void TColorGrid::SetForegroundEnabled(bool e) {
    fgEnabled_ = e;
    Invalidate();
}

void TColorGrid::SetBackgroundEnabled(bool e) {
    bgEnabled_ = e;
    Invalidate();
}

int TColorGrid::CellAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height() || Width() < 4 || Height() < 4) return -1;
    int col = x * 4 / Width(), row = y * 4 / Height();
    return row * 4 + col;
}

bool TColorGrid::HandleEvent(QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(e);
        QPoint p = me->position().toPoint();
        int cell = CellAt(p.x(), p.y());
        if (cell >= 0) {
            if (me->button() == Qt::LeftButton && fgEnabled_)
                SetForegroundIndex(cell);
            else if (me->button() == Qt::RightButton && bgEnabled_)
                SetBackgroundIndex(cell);
        }
    }
    return TControl::HandleEvent(e);
}

void TColorGrid::Paint(QPainter& p, const QRect&) {
    int cw = Width() / 4, ch = Height() / 4;
    p.setFont(widget_->font());
    for (int i = 0; i < 16; ++i) {
        QRect c((i % 4) * cw, (i / 4) * ch, cw, ch);
        p.fillRect(c, ToQColor(kColors[i]));
        p.setPen(ToQColor(clBtnShadow));
        p.drawRect(c.adjusted(0, 0, -1, -1));
        QString mark;
        if (fgEnabled_ && i == fg_) mark += "FG";
        if (bgEnabled_ && i == bg_) mark += mark.isEmpty() ? "BG" : "/BG";
        if (!mark.isEmpty()) {
            TColor rgb = kColors[i];
            bool dark = GetRValue(rgb) + GetGValue(rgb) + GetBValue(rgb) < 384;
            p.setPen(dark ? Qt::white : Qt::black);
            p.drawText(c, Qt::AlignCenter, mark);
        }
    }
}
