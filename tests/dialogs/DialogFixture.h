#pragma once
#include "Application.h"
#include "Forms.h"
#include "ModalTesting.h"
#include "Screen.h"

// Dialogs are made once, as the program makes them at start-up, after a plain main form (so that
// closing a dialog never ends the program). The screen is a fixed 1024 x 768.
template <class T> T* MakeDialog(T*& global) {
    static TForm* mainForm = nullptr;
    if (!mainForm) {
        Screen->SetSize(1024, 768);
        mainForm = new TForm();
        Application->AdoptForm(mainForm);
    }
    if (!global) Application->CreateForm(global);
    return global;
}
