#pragma once
#include "Controls.h"

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };

// A drawn progress gauge: Progress in MinValue..MaxValue, shown as a bar (or pie) with the
// percentage.
class TGauge : public TControl {
public:
    TGauge(TComponent* owner, TWinControl* parent);
    int MinValue() const { return min_; }
    void SetMinValue(int v);
    int MaxValue() const { return max_; }
    void SetMaxValue(int v);
    int Progress() const { return progress_; }
    void SetProgress(int p);
    void AddProgress(int d) { SetProgress(progress_ + d); }
    int PercentDone() const;
    TGaugeKind Kind() const { return kind_; }
    void SetKind(TGaugeKind k);
    TColor ForeColor() const { return fore_; }
    void SetForeColor(TColor c);
    TColor BackColor() const { return back_; }
    void SetBackColor(TColor c);
    bool ShowText() const { return showText_; }
    void SetShowText(bool s);

protected:
    void Paint(QPainter& p, const QRect& r) override;

private:
    int min_ = 0, max_ = 100, progress_ = 0;
    TGaugeKind kind_ = gkHorizontalBar;
    TColor fore_ = clBlack, back_ = clWhite;
    bool showText_ = true;
};
