// The film viewer on the "Add ons" tab: a film of the manual's folder played once, then stepped
// frame by frame. The viewer counts frames from 1; the player's frames count from 0.
#include "Application.h"
#include "AviPlay.h"
#include "BindMethod.h"
#include "FileControls.h"
#include "Pbook.h"
#include "TLabel.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"

#include <stdexcept>

namespace {

void showFrameNumber(TLabel* label, int counter) {
    label->SetCaption("Frame: " + std::to_string(counter));
}

} // namespace

void TPbook1::wireFilmViewer() {
    FileListBox1->OnDblClick = bindMethod(this, &TPbook1::FileListBox1DblClick);
    butanim2play->OnClick = bindMethod(this, &TPbook1::butanim2playClick);
    butanim2pause->OnClick = bindMethod(this, &TPbook1::butanim2pauseClick);
    butanim2rewind->OnClick = bindMethod(this, &TPbook1::butanim2rewindClick);
    butanim2stop->OnClick = bindMethod(this, &TPbook1::butanim2stopClick);
}

void TPbook1::FileListBox1DblClick(TObject*) {
    const std::string name = FileListBox1->FileName();
    if (name.empty()) return;
    Animate2->SetFileName(name);
    if (!Animate2->IsOpen()) {
        // A film the player cannot read goes to the program's error report; the viewer stays
        // as it was.
        Application->HandleException(std::runtime_error("Cannot open AVI \"" + name + "\""));
        return;
    }
    for (TSpeedButton* b : {butanim2play, butanim2pause, butanim2rewind, butanim2stop})
        b->SetEnabled(true);
    Animate2->SetActive(true);
    spanim2count->SetValue(0);
}

void TPbook1::butanim2playClick(TObject*) {
    lframeco->SetCaption("");
    lframeco->Show();
    const int count = Animate2->FFrameCount();
    if (count < 1) return;
    const int counter = spanim2count->Value() > count - 1 ? 1 : spanim2count->Value() + 1;
    spanim2count->SetValue(counter);
    try {
        // A seek to the frame the player is on leaves a running play going: a step stops it.
        Animate2->Stop();
        Animate2->Seek(counter - 1);
        showFrameNumber(lframeco, counter);
    } catch (...) {
        // a frame that cannot be shown is skipped
    }
}

void TPbook1::butanim2pauseClick(TObject*) {
    Animate2->Stop();
    spanim2count->SetValue(1);
    showFrameNumber(lframeco, 1);
}

void TPbook1::butanim2rewindClick(TObject*) {
    Animate2->Seek(0);
    spanim2count->SetValue(1);
    showFrameNumber(lframeco, 1);
}

void TPbook1::butanim2stopClick(TObject*) {
    Animate2->SetActive(false);
    Animate2->SetFileName("");
    for (TSpeedButton* b : {butanim2play, butanim2pause, butanim2rewind, butanim2stop})
        b->SetEnabled(false);
    lframeco->Hide();
}
