#pragma once
#include "TBitmap.h"

#include <functional>
#include <string>

// Every bitmap that goes to the clipboard goes through ClipboardGuardWrite; every reader of a
// clipboard bitmap asks ClipboardGuardRead first. Each caller names how a refusal is reported;
// the texts below are the program's own and differ from caller to caller on purpose.
enum TClipReport {
    // The clipboard notice clpform1, shown without waiting: floating paste, capture endings,
    // template capture, holder copy, text page, zoom page, "Paste to file", paste from file,
    // styled-text maker and image fader copies.
    reportNoticeNotAvailableOrEmpty,
    // System message box "Clipboard Unavailable." captioned "Clipboard Error": page to
    // clipboard, capture box, print previewer, AVI frame grab, palette colour map.
    reportBoxUnavailableClipboardError,
    // System message box "Clipboard Not Available" captioned "Error": animation manager
    // first/last frame, image browser copy.
    reportBoxNotAvailableError,
    // System message box "Clipboard not available" captioned "Error": the clipboard colour
    // replacer.
    reportBoxNotavailableError,
    // The program's own message box with OK, "Clipboard Not Available": browser capture box.
    reportMboxNotAvailable,
    // The program's own message box with OK, "Clipboard not available": image browser paste.
    reportMboxNotavailable,
};

enum TClipReportWay { wayNotice, waySystemBox, wayMbox };

struct TClipReportEntry {
    TClipReport report;
    TClipReportWay way;
    const char* text;
    const char* caption; // system message boxes only
};

const TClipReportEntry& ClipReportEntry(TClipReport report);

// Shows the caller's report of a clipboard that refused (never waits for the notice).
void ClipboardReport(TClipReport report);

// Puts `bmp` on the clipboard, with its palette when it carries one. When the clipboard does
// not offer a bitmap, it is first emptied and a bitmap announced there, which fails only when
// another program holds it open; then `report` is shown and nothing is written. `prepare` runs
// just before the transfer (callers realise a palette or repaint there). Returns whether the
// bitmap was written. Errors of the transfer itself are the caller's to catch.
bool ClipboardGuardWrite(const TBitmap& bmp, TClipReport report, const std::function<void()>& prepare = {});

// Whether the clipboard offers a bitmap to read; when it does not, `report` is shown. It never
// changes the clipboard, so text or other data on it stay where they are.
bool ClipboardGuardRead(TClipReport report);

// "Try and Free it": drops one level of this program's hold on the clipboard, empties it and
// lets go of the clipboard access, so the next operation starts as if the program were new.
void ClipboardFree();
