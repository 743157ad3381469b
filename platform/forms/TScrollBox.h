#pragma once
#include "Controls.h"

class QScrollBar;

// One scroll bar of a scroll box: Range is the scrolled extent (with AutoScroll the extent of
// the children), Position the scrolled offset.
class TControlScrollBar {
public:
    int Position() const { return position_; }
    void SetPosition(int p);
    int Range() const { return range_; }
    void SetRange(int r);
    int Increment() const { return increment_; }
    void SetIncrement(int i) { increment_ = i; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    // Highest position: range minus the visible extent, at least 0.
    int MaxPosition() const;

private:
    friend class TScrollBox;
    class TScrollBox* box_ = nullptr;
    bool horizontal_ = false;
    int position_ = 0;
    int range_ = 0;
    int increment_ = 8;
    bool visible_ = true;
};

// A container that scrolls its children. Scrolling moves the children: scrolled down by 100,
// a child placed at top 0 has Top -100, as the program relies on.
class TScrollBox : public TWinControl {
public:
    TScrollBox(TComponent* owner, TWinControl* parent);

    QWidget* ClientWidget() const override { return viewport_; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    TControlScrollBar& HorzScrollBar() { return hbar_; }
    TControlScrollBar& VertScrollBar() { return vbar_; }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool a);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle b);
    void ScrollBy(int dx, int dy); // moves the children by (dx, dy)
    void ScrollInView(TControl* c);

protected:
    void BoundsChanged() override;
    void ChildChanged(TControl* c) override;
    void ColorChanged() override { Invalidate(); }
    void Paint(QPainter& p, const QRect& r) override;
    bool HandleEvent(QEvent* e) override;

private:
    friend class TControlScrollBar;
    void positionChanged(TControlScrollBar& bar, int oldPos);
    void updateRanges();
    void layoutBars();
    QWidget* viewport_;
    QScrollBar* hwidget_;
    QScrollBar* vwidget_;
    TControlScrollBar hbar_;
    TControlScrollBar vbar_;
    bool autoScroll_ = true;
    bool scrolling_ = false;
    bool updating_ = false;
    TBorderStyle borderStyle_ = bsSingle;
};
