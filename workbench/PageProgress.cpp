#include "PageProgress.h"

#include "Application.h"
#include "TProgressBar.h"

void TBarProgress::Show() {
    if (bar_) bar_->Show();
}

void TBarProgress::Hide() {
    if (bar_) bar_->Hide();
}

void TBarProgress::SetPosition(int pos) {
    if (bar_) bar_->SetPosition(pos < 0 ? 0 : pos > 100 ? 100 : pos);
}

int TBarProgress::Position() const {
    return bar_ ? bar_->Position() : 0;
}

void TBarProgress::ProcessMessages() {
    Application->ProcessMessages();
}

TProgressPass::TProgressPass(TProgress& bar, int rows, int start, bool pump, TRowStepper::TFirstMark first)
    : bar_(bar), stepper_(bar, rows, first, pump) {
    bar_.Show();
    bar_.SetPosition(start);
}

TProgressPass::~TProgressPass() {
    bar_.SetPosition(0);
    bar_.Hide();
}
