#include "ClipboardGuard.h"

#include "Clpfrm.h"
#include "MessageBox.h"
#include "mydialog.h"

#include <iterator>
#include <stdexcept>

namespace {

const TClipReportEntry reports[] = {
    {reportNoticeNotAvailableOrEmpty, wayNotice, "Clipboard Not Available or Empty", ""},
    {reportBoxUnavailableClipboardError, waySystemBox, "Clipboard Unavailable.", "Clipboard Error"},
    {reportBoxNotAvailableError, waySystemBox, "Clipboard Not Available", "Error"},
    {reportBoxNotavailableError, waySystemBox, "Clipboard not available", "Error"},
    {reportMboxNotAvailable, wayMbox, "Clipboard Not Available", ""},
    {reportMboxNotavailable, wayMbox, "Clipboard not available", ""},
};

} // namespace

const TClipReportEntry& ClipReportEntry(TClipReport report) {
    for (const TClipReportEntry& e : reports)
        if (e.report == report) return e;
    throw std::out_of_range("unknown clipboard report");
}

void ClipboardReport(TClipReport report) {
    const TClipReportEntry& e = ClipReportEntry(report);
    switch (e.way) {
    case wayNotice:
        clpform1->Label1->SetCaption(e.text);
        clpform1->Show();
        break;
    case waySystemBox:
        MessageBox(e.text, e.caption, MB_OK);
        break;
    case wayMbox:
        mydialog1->mbox(e.text, "", "", "", "", 1);
        break;
    }
}

bool ClipboardGuardWrite(const TBitmap&, TClipReport report, const std::function<void()>&) {
    ClipboardReport(report);
    return false;
}

bool ClipboardGuardRead(TClipReport report) {
    ClipboardReport(report);
    return false;
}

void ClipboardFree() {}
