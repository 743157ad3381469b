#include "Clipboard.h"

#include "QtClipboardSystem.h"

TClipboard::TClipboard(std::shared_ptr<TClipboardSystem> system) : system_(std::move(system)) {}

TClipboard::~TClipboard() {
    if (held_) system_->Close();
}

bool TClipboard::Open() {
    if (openCount_ == 0) {
        held_ = system_->Open();
        emptied_ = false;
    }
    ++openCount_;
    return held_;
}

void TClipboard::Close() {
    if (openCount_ == 0) return;
    if (--openCount_ == 0) {
        if (held_) system_->Close();
        held_ = false;
    }
}

namespace {
// Open for the length of one operation.
struct Session {
    TClipboard& c;
    explicit Session(TClipboard& cb) : c(cb) { c.Open(); }
    ~Session() { c.Close(); }
};
} // namespace

void TClipboard::adding() {
    if (held_ && !emptied_) {
        system_->Empty();
        emptied_ = true;
    }
}

void TClipboard::Clear() {
    Session s(*this);
    if (held_) {
        system_->Empty();
        emptied_ = true;
    }
}

bool TClipboard::HasFormat(unsigned format) const {
    return system_->IsFormatAvailable(format);
}

void TClipboard::AnnounceFormat(unsigned format) {
    Session s(*this);
    adding();
    if (held_) system_->Announce(format);
}

void TClipboard::Assign(const TBitmap& bmp) {
    Session s(*this);
    adding();
    if (!held_) return;
    system_->SetBitmap(bmp);
    if (bmp.Palette()) system_->SetPalette(bmp.Palette());
}

void TClipboard::GetBitmap(TBitmap& bmp) {
    Session s(*this);
    TBitmap got;
    if (!held_ || !system_->GetBitmap(got)) throw EClipboardError("Clipboard does not contain a bitmap");
    HPALETTE pal;
    if (!got.IsIndexed() && system_->GetPalette(pal) && pal) got.SetPalette(pal);
    bmp.Assign(got);
}

std::string TClipboard::AsText() {
    Session s(*this);
    std::string t;
    if (held_ && system_->GetText(t)) return t;
    return "";
}

void TClipboard::SetAsText(const std::string& text) {
    Session s(*this);
    adding();
    if (held_) system_->SetText(text);
}

namespace {
std::shared_ptr<TClipboardSystem>& currentSystem() {
    static std::shared_ptr<TClipboardSystem> sys;
    return sys;
}
std::unique_ptr<TClipboard>& currentClipboard() {
    static std::unique_ptr<TClipboard> c;
    return c;
}
} // namespace

std::shared_ptr<TClipboardSystem> ClipboardSystem() {
    auto& s = currentSystem();
    if (!s) s = std::make_shared<QtClipboardSystem>();
    return s;
}

TClipboard* Clipboard() {
    auto& c = currentClipboard();
    if (!c) c = std::make_unique<TClipboard>(ClipboardSystem());
    return c.get();
}

void ReleaseClipboard() {
    currentClipboard().reset();
}

void SetClipboardSystem(std::shared_ptr<TClipboardSystem> system) {
    ReleaseClipboard();
    currentSystem() = std::move(system);
}
