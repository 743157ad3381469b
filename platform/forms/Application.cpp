#include "Application.h"

#include "Forms.h"
#include "MessageBox.h"

#include <QApplication>
#include <algorithm>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
TApplication theApplication;
int fakeArgc = 1;
char fakeName[] = "orvanta";
char* fakeArgv[] = {fakeName, nullptr};
} // namespace

TApplication* Application = &theApplication;

TApplication::TApplication() = default;

void TApplication::Initialize() {
#if defined(__GLIBC__)
    // Frame-sized buffers (a decoded film frame, a screen copy, a frame file's pixels) come and
    // go at every frame. By default the allocator hands such memory back to the kernel as soon
    // as it is freed, and the next frame faults it in again page by page, which cost more than
    // the frame's own work; keep up to 64 MiB of freed memory for the next one. Pictures of
    // 16 MiB and more keep their own mappings, returned as soon as they are freed.
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
    if (!QCoreApplication::instance()) new QApplication(fakeArgc, fakeArgv);
    qApp->setQuitOnLastWindowClosed(false);
}

// The title names the program on message boxes only: Qt appends an application display name to
// every window title, and each window's title bar shows its caption alone.
void TApplication::SetTitle(const std::string& t) {
    title_ = t;
}

std::string TApplication::ExeName() const {
    if (QCoreApplication::instance()) return FromQString(QCoreApplication::applicationFilePath());
    return {};
}

void TApplication::formCreated(TCustomForm* f) {
    if (std::find(forms_.begin(), forms_.end(), f) == forms_.end()) forms_.push_back(f);
    if (f->OnCreate) f->OnCreate(f);
    if (!mainForm_) mainForm_ = f;
}

void TApplication::formDestroyed(TCustomForm* f) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
    if (mainForm_ == f) mainForm_ = nullptr;
}

void TApplication::ProcessMessages() {
    if (paintDepth_ > 0 || !QCoreApplication::instance()) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Run() {
    Initialize();
    running_ = true;
    if (mainForm_ && showMainForm_ && !terminated_) Guard([this] { mainForm_->Show(); });
    if (!terminated_) QApplication::exec();
    running_ = false;
}

void TApplication::Terminate() {
    terminated_ = true;
    if (QCoreApplication::instance()) QCoreApplication::exit(0);
}

void TApplication::Minimize() {
    minimized_ = true;
    for (TCustomForm* f : forms_)
        if (f->Visible()) f->Window()->showMinimized();
}

void TApplication::Restore() {
    minimized_ = false;
    for (TCustomForm* f : forms_)
        if (f->Visible()) f->Window()->showNormal();
}

void TApplication::BringToFront() {
    if (mainForm_ && mainForm_->Visible()) mainForm_->BringToFront();
}

void TApplication::HandleException(const std::exception& e) {
    if (dynamic_cast<const EAbort*>(&e)) return;
    if (OnException)
        OnException(e);
    else
        ShowException(e);
}

void TApplication::ShowException(const std::exception& e) {
    MessageBox(e.what(), title_, MB_OK | MB_ICONSTOP);
}

void TApplication::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        HandleException(e);
    } catch (...) {
        HandleException(std::runtime_error("Unknown error"));
    }
}

TApplication::PaintScope::PaintScope() {
    ++Application->paintDepth_;
}
TApplication::PaintScope::~PaintScope() {
    --Application->paintDepth_;
}

void TApplication::Reset() {
    mainForm_ = nullptr;
    terminated_ = false;
    minimized_ = false;
    title_.clear();
}

void Abort() {
    throw EAbort("Operation aborted");
}
