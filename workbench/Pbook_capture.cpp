// The page to the clipboard.
#include "Application.h"
#include "ClipboardGuard.h"
#include "Pbook.h"
#include "TImage.h"

bool TPbook1::getcap() {
    TBitmap& page = ptbox1->Picture().Bitmap();
    return ClipboardGuardWrite(page, reportBoxUnavailableClipboardError, [this, &page] {
        SelectPalette(page.Canvas(), page.Palette(), false);
        RealizePalette(page.Canvas());
        ptbox1->Repaint();
        Application->ProcessMessages();
    });
}
