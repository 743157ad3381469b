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

void TColorGrid::SetGridColumns(int columns) {
    if (columns != 1 && columns != 2 && columns != 4 && columns != 8 && columns != 16) return;
    columns_ = columns;
    Invalidate();
}

int TColorGrid::CellAt(int x, int y) const {
    const int rows = 16 / columns_;
    if (x < 0 || y < 0 || x >= Width() || y >= Height() || Width() < columns_ || Height() < rows) return -1;
    int col = x * columns_ / Width(), row = y * rows / Height();
    return row * columns_ + col;
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
    const int rows = 16 / columns_;
    int cw = Width() / columns_, ch = Height() / rows;
    p.setFont(widget_->font());
    for (int i = 0; i < 16; ++i) {
        QRect c((i % columns_) * cw, (i / columns_) * ch, cw, ch);
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
