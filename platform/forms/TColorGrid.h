#pragma once
#include "Controls.h"

// The 16 standard colours in a grid of 4 x 4 (or, with GridOrdering, 16 x 1, 8 x 2, 2 x 8 or
// 1 x 16 columns by rows): the left button picks the foreground colour, the
// right button the background colour; OnChange follows every change, by the user or from code.
class TColorGrid : public TControl {
public:
    TColorGrid(TComponent* owner, TWinControl* parent);
    int ForegroundIndex() const { return fg_; }
    void SetForegroundIndex(int i);
    int BackgroundIndex() const { return bg_; }
    void SetBackgroundIndex(int i);
    bool ForegroundEnabled() const { return fgEnabled_; }
    void SetForegroundEnabled(bool e);
    bool BackgroundEnabled() const { return bgEnabled_; }
    void SetBackgroundEnabled(bool e);
    TColor ForegroundColor() const { return ColorOf(fg_); }
    TColor BackgroundColor() const { return ColorOf(bg_); }
    static TColor ColorOf(int index);
    // Columns of the grid: 1, 2, 4, 8 or 16; the rows take the rest.
    int GridColumns() const { return columns_; }
    void SetGridColumns(int columns);
    // The cell under a client point, or -1.
    int CellAt(int x, int y) const;
    TNotifyEvent OnChange;

protected:
    void Paint(QPainter& p, const QRect& r) override;
    bool HandleEvent(QEvent* e) override;

private:
    int fg_ = 0, bg_ = 15;
    int columns_ = 4;
    bool fgEnabled_ = true, bgEnabled_ = true;
};
