#pragma once
#include "Controls.h"

class QSlider;

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

// A slider. Position stays in Min..Max; OnChange runs when it changes, by the user or from code.
class TTrackBar : public TWinControl {
public:
    TTrackBar(TComponent* owner, TWinControl* parent);

    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int p);
    int Frequency() const { return frequency_; }
    void SetFrequency(int f);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int p);
    int LineSize() const { return lineSize_; }
    void SetLineSize(int l);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation o);
    TTickStyle TickStyle() const { return tickStyle_; }
    void SetTickStyle(TTickStyle t);
    TTickMark TickMarks() const { return tickMarks_; }
    void SetTickMarks(TTickMark t);

    // The selected range, marked along the bar (kept as set; 0 to 0 is no selection).
    int SelStart() const { return selStart_; }
    void SetSelStart(int v);
    int SelEnd() const { return selEnd_; }
    void SetSelEnd(int v);

    TNotifyEvent OnChange;
    QSlider* Slider() const;

private:
    void applyTicks();
    void applyRange();
    int min_ = 0, max_ = 10, position_ = 0, frequency_ = 1, pageSize_ = 2, lineSize_ = 1;
    int selStart_ = 0, selEnd_ = 0;
    TTrackBarOrientation orientation_ = trHorizontal;
    TTickStyle tickStyle_ = tsAuto;
    TTickMark tickMarks_ = tmBottomRight;
};
