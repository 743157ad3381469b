#pragma once
#include "Controls.h"

class QProgressBar;

// A progress bar: Position in Min..Max, StepIt adds Step.
class TProgressBar : public TWinControl {
public:
    TProgressBar(TComponent* owner, TWinControl* parent);
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int p);
    int Step() const { return step_; }
    void SetStep(int s) { step_ = s; }
    void StepIt() { SetPosition(position_ + step_); }
    void StepBy(int d) { SetPosition(position_ + d); }
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool s) { smooth_ = s; }
    QProgressBar* Bar() const;

private:
    void apply();
    int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
    bool smooth_ = false;
};
