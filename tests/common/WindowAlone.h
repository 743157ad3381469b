#pragma once
// For windows tested on their own, without the program: one plain main form per test binary (so
// that closing a dialog never ends the program) on a fixed 1024 x 768 screen, and each dialog made
// once after it, as the program makes it at start-up.
#include "Application.h"
#include "Forms.h"
#include "Screen.h"

inline TForm* plainMainForm() {
    static TForm* mainForm = nullptr;
    if (!mainForm) {
        Screen->SetSize(1024, 768);
        mainForm = new TForm();
        Application->AdoptForm(mainForm);
    }
    return mainForm;
}

template <class T> T* makeDialog(T*& global) {
    plainMainForm();
    if (!global) Application->CreateForm(global);
    return global;
}
