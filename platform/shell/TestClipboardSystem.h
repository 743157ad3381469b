#pragma once
#include "Clipboard.h"

#include <map>
#include <optional>

// An in-memory system clipboard for tests; another program can be made to hold it open.
class TestClipboardSystem : public TClipboardSystem {
public:
    void SetHeldByOtherProgram(bool held) { heldByOther_ = held; }
    bool IsOpen() const { return open_; }
    int OpenCalls() const { return openCalls_; }
    int EmptyCalls() const { return emptyCalls_; }
    // Puts text on the clipboard as another program would.
    void PutTextFromOtherProgram(const std::string& text);

    bool Open() override;
    void Close() override { open_ = false; }
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
    bool writable() const { return open_; }
    bool heldByOther_ = false;
    bool open_ = false;
    int openCalls_ = 0;
    int emptyCalls_ = 0;
    std::map<unsigned, bool> formats_; // format -> has data
    std::string text_;
    std::optional<TBitmap> bitmap_;
    HPALETTE palette_;
};
