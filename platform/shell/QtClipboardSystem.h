#pragma once
#include "Clipboard.h"

#include <set>

// The system clipboard over QClipboard. Qt has no open/close lock, so opening always succeeds;
// an announced format is remembered beside the clipboard's data until it is emptied or another
// program replaces the data. Bitmaps go out as images (readable by other programs) and as an
// exact copy with pixel format and palette for this program.
class QtClipboardSystem : public TClipboardSystem {
public:
    bool Open() override { return true; }
    void Close() override {}
    void Empty() override;
    bool IsFormatAvailable(unsigned format) const override;
    void SetText(const std::string& text) override;
    void SetBitmap(const TBitmap& bmp) override;
    void SetPalette(const HPALETTE& pal) override;
    void Announce(unsigned format) override;
    bool GetText(std::string& text) const override;
    bool GetBitmap(TBitmap& bmp) const override;
    bool GetPalette(HPALETTE& pal) const override;

private:
    bool ours() const;
    std::set<unsigned> announced_;
    const void* announcedFor_ = nullptr;
};
