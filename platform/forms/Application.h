#pragma once
#include "Controls.h"

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class TForm;
class TCustomForm;

// The silent exception: it unwinds a handler without an error report.
class EAbort : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
[[noreturn]] void Abort();

// The application object (one per program): title, main form, message pumping, the default
// error report and the loop.
class TApplication {
public:
    TApplication();

    // Makes sure Qt's application object exists (a program's main normally makes it itself).
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& t);
    std::string ExeName() const;

    // Constructs a form, sets the caller's reference to it, then runs its OnCreate, so the
    // creation handler may already use the form's global. The first form created becomes the
    // main form: closing it ends the program.
    template <class T> void CreateForm(T*& ref) {
        T* f = new T();
        ref = f;
        formCreated(f);
    }
    // For forms constructed elsewhere: register and run OnCreate as CreateForm does.
    void AdoptForm(TCustomForm* f) { formCreated(f); }
    TCustomForm* MainForm() const { return mainForm_; }

    // Handles pending events, then returns. Re-entrant; does nothing while a paint runs.
    void ProcessMessages();
    // Shows the main form and runs the loop until Terminate (or the main form closes).
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void Minimize();
    void Restore();
    bool Minimized() const { return minimized_; }
    void BringToFront();
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool s) { showMainForm_ = s; }

    // The default error report: OnException if set, else a message box with the error's text
    // (captioned with the title); the program goes on.
    void HandleException(const std::exception& e);
    void ShowException(const std::exception& e);
    std::function<void(const std::exception&)> OnException;
    // Runs an event handler raised by Qt; an exception escaping it goes to HandleException.
    void Guard(const std::function<void()>& handler);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h) { hint_ = h; }
    int HintPause() const { return hintPause_; }
    void SetHintPause(int ms) { hintPause_ = ms; }

    // Depth of paints in progress (ProcessMessages refuses to pump inside a paint).
    int PaintDepth() const { return paintDepth_; }
    struct PaintScope {
        PaintScope();
        ~PaintScope();
    };

    // Forgets the main form and the terminated state (for tests that build several programs).
    void Reset();

    // Forms created through the layer, in creation order (TForm keeps this list).
    const std::vector<TCustomForm*>& Forms() const { return forms_; }

private:
    friend class TCustomForm;
    void formCreated(TCustomForm* f);
    void formDestroyed(TCustomForm* f);
    std::string title_;
    TCustomForm* mainForm_ = nullptr;
    std::vector<TCustomForm*> forms_;
    bool terminated_ = false;
    bool running_ = false;
    bool minimized_ = false;
    bool showMainForm_ = true;
    std::string hint_;
    int hintPause_ = 500;
    int paintDepth_ = 0;
};

extern TApplication* Application;
