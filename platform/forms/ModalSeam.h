#pragma once
// The one seam every modal goes through: TForm::ShowModal, the message boxes and the common
// dialogs ask it first. A test queues the answers in the order the modals will appear; the code
// under test runs unchanged.
//
//   ModalSeam().QueueScript<Tnewsizefrm>([](Tnewsizefrm& d) {   // runs against the shown form:
//       d.SpinEdit1->SetValue(300);                             // its OnShow has run, and
//       d.OKBtn->Click();                                       // pressing a button with a
//   });                                                         // modal result closes it
//   ModalSeam().QueueResult(mrCancel);   // a form: press its button with that modal result
//   ModalSeam().QueueButton(IDYES);      // a message box: that button
//   ModalSeam().QueueFileName("a.bmp");  // an open or save dialog: that name, confirmed
//   ModalSeam().QueueCancel();           // any dialog: cancelled
//   ModalSeam().QueueColor(clRed); ModalSeam().QueueFont(font);
//   ModalSeam().QueueFileName("out.pdf"); // a print dialog: print to that PDF file, confirmed
//   ModalSeam().QueuePrinter([](TPrinter& p) { p.SetOrientation(poLandscape); });
//                                         // a print or set-up dialog: edit the printer, confirmed
//
// A modal shown with no queued answer in a headless run (QT_QPA_PLATFORM=offscreen, or
// SetHeadless(true)) records a failure naming the form or dialog and returns Cancel at once.
// Tests check Failures() (the tests' TModalTest does it for every test).
#include "Printer.h"
#include "TCanvas.h"
#include "TColor.h"

#include <deque>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

class TCustomForm;

struct TModalAnswer {
    enum Kind { Script, Result, FileName, Color, Font, Cancel, Real, PrinterScript };
    Kind kind = Cancel;
    std::function<void(TCustomForm&)> script;
    int result = 0;
    std::string fileName;
    TColor color = 0;
    TFont font;
    std::function<void(TPrinter&)> printer;
    std::string expect; // the name the modal must have (form name or dialog kind); empty: any
};

enum class TModalKind { Form, MessageBox, OpenDialog, SaveDialog, ColorDialog, FontDialog, PrintDialog };

class TModalSeam {
public:
    void QueueScript(std::function<void(TCustomForm&)> script, const std::string& expect = "");
    template <class T> void QueueScript(std::function<void(T&)> script) {
        QueueScript([this, script](TCustomForm& f) {
            if (T* t = dynamic_cast<T*>(&f))
                script(*t);
            else
                Fail(std::string("scripted answer for ") + typeid(T).name() + " got another form");
        });
    }
    void QueueResult(int result, const std::string& expect = "");
    void QueueButton(int id, const std::string& expect = "") { QueueResult(id, expect); }
    void QueueFileName(const std::string& name);
    void QueueCancel();
    void QueueColor(TColor c);
    void QueueFont(const TFont& f);
    void QueuePrinter(std::function<void(TPrinter&)> edit, const std::string& expect = "");
    size_t Pending() const { return answers_.size(); }

    bool Headless() const;
    void SetHeadless(bool h) { headless_ = h ? 1 : 0; }

    const std::vector<std::string>& Failures() const { return failures_; }
    void Fail(const std::string& what);
    // Called on every failure as well (a test fixture turns it into a test failure).
    std::function<void(const std::string&)> OnFailure;

    // Every modal shown, in order: what it was, its name (form name or caption) and its text.
    struct Shown {
        TModalKind kind;
        std::string name;
        std::string text;
    };
    const std::vector<Shown>& Log() const { return log_; }

    // Forgets queued answers, failures and the log.
    void Reset();

    // For the layer: the answer for a modal being shown. Real means "no answer queued, show
    // the real dialog"; a headless run without an answer gets Cancel and a recorded failure.
    TModalAnswer Take(TModalKind kind, const std::string& name, const std::string& text = "");

private:
    std::deque<TModalAnswer> answers_;
    std::vector<std::string> failures_;
    std::vector<Shown> log_;
    int headless_ = -1;
};

TModalSeam& ModalSeam();
