#pragma once
#include "Palette.h"
#include "TBitmap.h"

#include <memory>
#include <stdexcept>
#include <string>

// Clipboard formats the program uses.
constexpr unsigned CF_TEXT = 1;
constexpr unsigned CF_BITMAP = 2;
constexpr unsigned CF_DIB = 8;
constexpr unsigned CF_PALETTE = 9;

class EClipboardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The system clipboard as the platform offers it: one program at a time holds it open; the
// holder may empty it and put data (or only announce a format, with no data).
class TClipboardSystem {
public:
    virtual ~TClipboardSystem() = default;
    virtual bool Open() = 0; // false when another program holds it open
    virtual void Close() = 0;
    virtual void Empty() = 0;
    virtual bool IsFormatAvailable(unsigned format) const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetBitmap(const TBitmap& bmp) = 0;
    virtual void SetPalette(const HPALETTE& pal) = 0;
    virtual void Announce(unsigned format) = 0;
    // False when the format is missing or was announced with no data.
    virtual bool GetText(std::string& text) const = 0;
    virtual bool GetBitmap(TBitmap& bmp) const = 0;
    virtual bool GetPalette(HPALETTE& pal) const = 0;
};

// The program's clipboard access object. Open and Close are counted: the system clipboard is
// opened when the count leaves 0 and closed when it returns to 0. The first write after an open
// empties the clipboard once. When another program holds the clipboard, opening has no effect
// (Open returns false) and writes are dropped; reads of missing data raise EClipboardError.
class TClipboard {
public:
    explicit TClipboard(std::shared_ptr<TClipboardSystem> system);
    ~TClipboard(); // closes the system clipboard if this object still holds it
    TClipboard(const TClipboard&) = delete;
    TClipboard& operator=(const TClipboard&) = delete;

    bool Open();
    void Close(); // one step of the count; nothing when not open
    int OpenCount() const { return openCount_; }
    // Open, empty, close.
    void Clear();
    bool HasFormat(unsigned format) const;
    // Offers a format with no data behind it (open, empty once, announce, close).
    void AnnounceFormat(unsigned format);
    // Open, empty once, the bitmap and (when it carries one) its palette, close.
    void Assign(const TBitmap& bmp);
    // The clipboard bitmap (with the palette format's palette when offered); raises
    // EClipboardError when there is no bitmap data.
    void GetBitmap(TBitmap& bmp);
    std::string AsText();
    void SetAsText(const std::string& text);

private:
    void adding();
    std::shared_ptr<TClipboardSystem> system_;
    int openCount_ = 0;
    bool held_ = false; // the system clipboard is really open for us
    bool emptied_ = false;
};

// The program-wide clipboard service.
// The current access object, made on first use (over the current system clipboard).
TClipboard* Clipboard();
// Lets the current access object go; the next Clipboard() makes a fresh one.
void ReleaseClipboard();
// The system clipboard behind the service: the real one over QClipboard unless a test set
// another (null goes back to the real one). Releases the current access object.
void SetClipboardSystem(std::shared_ptr<TClipboardSystem> system);
std::shared_ptr<TClipboardSystem> ClipboardSystem();
