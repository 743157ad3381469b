#include "ModalSeam.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

namespace {
const char* kindName(TModalKind k) {
    switch (k) {
    case TModalKind::Form:
        return "form";
    case TModalKind::MessageBox:
        return "message box";
    case TModalKind::OpenDialog:
        return "open dialog";
    case TModalKind::SaveDialog:
        return "save dialog";
    case TModalKind::ColorDialog:
        return "colour dialog";
    case TModalKind::FontDialog:
        return "font dialog";
    case TModalKind::PrintDialog:
        return "print dialog";
    }
    return "modal";
}

bool fits(TModalKind k, TModalAnswer::Kind a) {
    if (a == TModalAnswer::Cancel) return true;
    switch (k) {
    case TModalKind::Form:
        return a == TModalAnswer::Script || a == TModalAnswer::Result;
    case TModalKind::MessageBox:
        return a == TModalAnswer::Result;
    case TModalKind::PrintDialog:
        return a == TModalAnswer::Result || a == TModalAnswer::FileName || a == TModalAnswer::PrinterScript;
    case TModalKind::OpenDialog:
    case TModalKind::SaveDialog:
        return a == TModalAnswer::FileName;
    case TModalKind::ColorDialog:
        return a == TModalAnswer::Color;
    case TModalKind::FontDialog:
        return a == TModalAnswer::Font;
    }
    return false;
}
} // namespace

void TModalSeam::QueueScript(std::function<void(TCustomForm&)> script, const std::string& expect) {
    TModalAnswer a;
    a.kind = TModalAnswer::Script;
    a.script = std::move(script);
    a.expect = expect;
    answers_.push_back(std::move(a));
}

void TModalSeam::QueueResult(int result, const std::string& expect) {
    TModalAnswer a;
    a.kind = TModalAnswer::Result;
    a.result = result;
    a.expect = expect;
    answers_.push_back(std::move(a));
}

void TModalSeam::QueueFileName(const std::string& name) {
    TModalAnswer a;
    a.kind = TModalAnswer::FileName;
    a.fileName = name;
    answers_.push_back(std::move(a));
}

void TModalSeam::QueueCancel() {
    answers_.push_back(TModalAnswer{});
}

void TModalSeam::QueueColor(TColor c) {
    TModalAnswer a;
    a.kind = TModalAnswer::Color;
    a.color = c;
    answers_.push_back(std::move(a));
}

void TModalSeam::QueueFont(const TFont& f) {
    TModalAnswer a;
    a.kind = TModalAnswer::Font;
    a.font = f;
    answers_.push_back(std::move(a));
}

void TModalSeam::QueuePrinter(std::function<void(TPrinter&)> edit, const std::string& expect) {
    TModalAnswer a;
    a.kind = TModalAnswer::PrinterScript;
    a.printer = std::move(edit);
    a.expect = expect;
    answers_.push_back(std::move(a));
}

bool TModalSeam::Headless() const {
    if (headless_ >= 0) return headless_ == 1;
    if (QGuiApplication::instance() && QGuiApplication::platformName() == "offscreen") return true;
    const char* p = std::getenv("QT_QPA_PLATFORM");
    return p && std::strcmp(p, "offscreen") == 0;
}

void TModalSeam::Fail(const std::string& what) {
    failures_.push_back(what);
    if (OnFailure) OnFailure(what);
}

void TModalSeam::Reset() {
    answers_.clear();
    failures_.clear();
    log_.clear();
}

TModalAnswer TModalSeam::Take(TModalKind kind, const std::string& name, const std::string& text) {
    log_.push_back({kind, name, text});
    if (answers_.empty()) {
        if (!Headless()) {
            TModalAnswer real;
            real.kind = TModalAnswer::Real;
            return real;
        }
        std::string what = std::string(kindName(kind)) + " \"" + name + "\"";
        if (!text.empty()) what += " (" + text + ")";
        Fail(what + " shown with no queued answer");
        return TModalAnswer{};
    }
    TModalAnswer a = std::move(answers_.front());
    answers_.pop_front();
    if (!a.expect.empty() && a.expect != name) {
        Fail("queued answer for \"" + a.expect + "\" given to " + kindName(kind) + " \"" + name + "\"");
        return TModalAnswer{};
    }
    if (!fits(kind, a.kind)) {
        Fail(std::string("queued answer does not fit the ") + kindName(kind) + " \"" + name + "\"");
        return TModalAnswer{};
    }
    return a;
}

TModalSeam& ModalSeam() {
    static TModalSeam seam;
    return seam;
}
