#include "ClipboardGuard.h"

#include "Clipboard.h"
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

bool ClipboardGuardWrite(const TBitmap& bmp, TClipReport report, const std::function<void()>& prepare) {
    // A clipboard with other data (or none) is emptied and made to offer a bitmap; a clipboard
    // that another program holds open refuses both, and the second test tells.
    if (!Clipboard()->HasFormat(CF_BITMAP)) Clipboard()->AnnounceFormat(CF_BITMAP);
    if (!Clipboard()->HasFormat(CF_BITMAP)) {
        ClipboardReport(report);
        return false;
    }
    // A bitmap already on the clipboard passes both tests even while another program holds it,
    // and the write would then be dropped without a word: keep it open from here to the write.
    // The preparation may pump messages, and "Try and Free it" may then let go of the access
    // object: it is looked up afresh each time.
    struct Hold {
        bool held = Clipboard()->Open();
        ~Hold() { Clipboard()->Close(); }
    } hold;
    if (!hold.held) {
        ClipboardReport(report);
        return false;
    }
    if (prepare) prepare();
    Clipboard()->Assign(bmp);
    return true;
}

bool ClipboardGuardRead(TClipReport report) {
    if (Clipboard()->HasFormat(CF_BITMAP)) return true;
    ClipboardReport(report);
    return false;
}

void ClipboardFree() {
    Clipboard()->Close();
    Clipboard()->Clear();
    ReleaseClipboard();
}
