#pragma once
#include "Controls.h"

class QScrollBar;

enum TScrollBarKind { sbHorizontal, sbVertical };

// A scroll bar control: Position in Min..Max; OnChange when it changes, by the user or from code.
class TScrollBar : public TWinControl {
public:
    TScrollBar(TComponent* owner, TWinControl* parent);
    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind k);
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int p);
    int SmallChange() const { return small_; }
    void SetSmallChange(int s);
    int LargeChange() const { return large_; }
    void SetLargeChange(int l);
    TNotifyEvent OnChange;
    QScrollBar* Bar() const;

private:
    void apply();
    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0, max_ = 100, position_ = 0, small_ = 1, large_ = 1;
};
