#include "TestClipboardSystem.h"

bool TestClipboardSystem::Open() {
    ++openCalls_;
    if (heldByOther_ || open_) return false;
    open_ = true;
    return true;
}

void TestClipboardSystem::Empty() {
    if (!writable()) return;
    ++emptyCalls_;
    formats_.clear();
    text_.clear();
    bitmap_.reset();
    palette_.reset();
}

void TestClipboardSystem::PutTextFromOtherProgram(const std::string& text) {
    formats_.clear();
    bitmap_.reset();
    palette_.reset();
    text_ = text;
    formats_[CF_TEXT] = true;
}

bool TestClipboardSystem::IsFormatAvailable(unsigned format) const {
    return formats_.count(format) > 0;
}

void TestClipboardSystem::SetText(const std::string& text) {
    if (!writable()) return;
    text_ = text;
    formats_[CF_TEXT] = true;
}

void TestClipboardSystem::SetBitmap(const TBitmap& bmp) {
    if (!writable()) return;
    bitmap_.emplace(bmp);
    formats_[CF_BITMAP] = true;
}

void TestClipboardSystem::SetPalette(const HPALETTE& pal) {
    if (!writable() || !pal) return;
    palette_ = CreatePalette(pal->entries);
    formats_[CF_PALETTE] = true;
}

void TestClipboardSystem::Announce(unsigned format) {
    if (!writable()) return;
    formats_[format] = false;
    if (format == CF_BITMAP) bitmap_.reset();
}

bool TestClipboardSystem::GetText(std::string& text) const {
    auto it = formats_.find(CF_TEXT);
    if (it == formats_.end() || !it->second) return false;
    text = text_;
    return true;
}

bool TestClipboardSystem::GetBitmap(TBitmap& bmp) const {
    auto it = formats_.find(CF_BITMAP);
    if (it == formats_.end() || !it->second || !bitmap_) return false;
    bmp.Assign(*bitmap_);
    return true;
}

bool TestClipboardSystem::GetPalette(HPALETTE& pal) const {
    auto it = formats_.find(CF_PALETTE);
    if (it == formats_.end() || !it->second || !palette_) return false;
    pal = CreatePalette(palette_->entries);
    return true;
}
