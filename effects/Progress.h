#pragma once
#include "Numbers.h"

// The main window's progress bar as the long pixel passes see it: range 0..100, shown only while
// a pass runs. The main window implements it over its bar; passes without a window use
// TQuietProgress.
class TProgress {
public:
    virtual ~TProgress() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // A position outside 0..100 is held at the nearer end.
    virtual void SetPosition(int pos) = 0;
    virtual int Position() const = 0;
    virtual void StepIt() { SetPosition(Position() + 1); }
    // Lets pending window messages run (other handlers may run in between).
    virtual void ProcessMessages() = 0;
};

// A bar with no window: keeps its state and counts what a pass did with it.
class TQuietProgress : public TProgress {
public:
    void Show() override { visible = true; }
    void Hide() override { visible = false; }
    void SetPosition(int pos) override { position = pos < 0 ? 0 : pos > 100 ? 100 : pos; }
    int Position() const override { return position; }
    void StepIt() override {
        ++steps;
        TProgress::StepIt();
    }
    void ProcessMessages() override { ++pumps; }

    bool visible = false;
    int position = 0;
    int steps = 0;
    int pumps = 0;
};

// Advances the bar by one each time the row index passes the next mark, the marks being one
// hundredth of the rows apart (kept as 6-byte reals, as the bar has always counted). Most passes
// put the first mark one step in; the rotation and the mask start it at 0. The stepper never
// shows the bar nor sets its start, so a pass that keeps the bar where it was simply sets nothing.
class TRowStepper {
public:
    enum TFirstMark { mkStep, mkZero };
    // When messages are pumped: never, at each mark, or before every row (after its mark).
    enum TPump { pmNever, pmAtMark, pmEveryRow };
    TRowStepper(TProgress& bar, int rows, TFirstMark first = mkStep, bool pump = false)
        : TRowStepper(bar, rows, first, pump ? pmAtMark : pmNever) {}
    TRowStepper(TProgress& bar, int rows, TFirstMark first, TPump pump)
        : bar_(bar), step_(Real48(rows * 0.01L)), first_(first == mkStep ? step_ : 0), mark_(first_),
          pump_(pump) {}

    // Call before working on row i (counted from 0); a pass that marks after its rows calls it
    // after row i instead.
    void Row(int i) {
        if (i > mark_) {
            mark_ = Real48(mark_ + step_);
            if (down_)
                bar_.SetPosition(bar_.Position() - 1);
            else
                bar_.StepIt();
            if (pump_ == pmAtMark) bar_.ProcessMessages();
        }
        if (pump_ == pmEveryRow) bar_.ProcessMessages();
    }
    // Starts a further pass over the same rows: the marks begin again from the first.
    void Restart() { mark_ = first_; }
    // From now on each mark moves the bar back by one (a second pass that winds it down).
    void CountDown() { down_ = true; }

private:
    TProgress& bar_;
    long double step_;
    long double first_;
    long double mark_;
    TPump pump_;
    bool down_ = false;
};
