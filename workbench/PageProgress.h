#pragma once
#include "Progress.h"

class TProgressBar;

// The main window's progress bar `bg1` as the long pixel passes see it (range 0..100, shown only
// while a pass runs). Pumping lets other handlers run, the page's mouse handlers included.
class TBarProgress : public TProgress {
public:
    explicit TBarProgress(TProgressBar* bar = nullptr) : bar_(bar) {}
    void SetBar(TProgressBar* bar) { bar_ = bar; }
    void Show() override;
    void Hide() override;
    void SetPosition(int pos) override;
    int Position() const override;
    void ProcessMessages() override;

private:
    TProgressBar* bar_;
};

// One long pass over rows under the bar's convention: the bar is shown at `start` (0 or 1), Row(i)
// is called before row i and steps the bar every hundredth of the rows (pumping messages then
// when `pump` is set), and the end of the pass, normal or by an exception, puts the bar back to
// 0 and hides it.
class TProgressPass {
public:
    TProgressPass(TProgress& bar, int rows, int start = 0, bool pump = false,
                  TRowStepper::TFirstMark first = TRowStepper::mkStep);
    ~TProgressPass();
    TProgressPass(const TProgressPass&) = delete;
    TProgressPass& operator=(const TProgressPass&) = delete;

    void Row(int i) { stepper_.Row(i); }

private:
    TProgress& bar_;
    TRowStepper stepper_;
};
