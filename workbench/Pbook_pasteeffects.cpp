// The paste panel's one-click effects on the floating paste (halving and doubling, baking the
// drawn size into the clip, dark and light imprints, the drop shadow, the emboss and the mirror)
// and its three page buttons. Each effect starts again from the undo image, which still holds the
// page from before the paste, so the next move of the paste erases what an effect pressed in.
#include "Application.h"
#include "Blit.h"
#include "Clipboard.h"
#include "ClipboardGuard.h"
#include "Menus.h"
#include "Pbook.h"
#include "TBitBtn.h"
#include "TImage.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "Toolpal.h"
#include "cliprotate.h"
#include "imprint.h"

namespace {

// Marks an effect as running for as long as it lasts, however it ends: it pumps messages, and a
// second panel command in between would replace the clip the first one is reading.
class EffectPass {
public:
    explicit EffectPass(bool& busy) : busy_(busy) { busy_ = true; }
    ~EffectPass() { busy_ = false; }
    EffectPass(const EffectPass&) = delete;
    EffectPass& operator=(const EffectPass&) = delete;

private:
    bool& busy_;
};

} // namespace

void TPbook1::wirePasteEffects() {
    SpeedButton4->OnClick = [this](TObject* s) { SpeedButton4Click(s); };
    SpeedButton5->OnClick = [this](TObject* s) { SpeedButton5Click(s); };
    SpeedButton6->OnClick = [this](TObject* s) { SpeedButton6Click(s); };
    SpeedButton7->OnClick = [this](TObject* s) { SpeedButton7Click(s); };
    BitBtn14->OnClick = [this](TObject* s) { BitBtn14Click(s); };
    BitBtn19->OnClick = [this](TObject* s) { BitBtn19Click(s); };
    flpmirbut->OnClick = [this](TObject* s) { flpmirbutClick(s); };
    SpeedButton28->OnClick = [this](TObject* s) { SpeedButton28Click(s); };
    SpeedButton30->OnClick = [this](TObject* s) { SpeedButton30Click(s); };
    SpeedButton13->OnClick = [this](TObject* s) { SpeedButton13Click(s); };
}

bool TPbook1::pasteCommandReady() {
    return !effectbusy && pasteLive();
}

void TPbook1::resetStrokeState() {
    firstoutline = true;
    polycount = 1;
    pensetup = false;
    morfmode = false;
}

void TPbook1::shiftPasteOffset(int dx, int dy) {
    clpmap1->SetLeft(clpmap1->Left() + dx);
    clpmap1->SetTop(clpmap1->Top() + dy);
}

void TPbook1::pageTakesUndoImage() {
    ptbox1->Picture().Assign(Image2->Picture());
}

// Each press changes the drawn size by a quarter of the clip's own size (never below 10).
void TPbook1::SpeedButton4Click(TObject*) {
    if (!pasteCommandReady()) return;
    const TBitmap& clip = clpmap1->Picture().Bitmap();
    pastesized = true;
    pastewidth -= clip.Width() / 4;
    pasteheight -= clip.Height() / 4;
    updateclipsize();
}

void TPbook1::SpeedButton5Click(TObject*) {
    if (!pasteCommandReady()) return;
    const TBitmap& clip = clpmap1->Picture().Bitmap();
    pastesized = true;
    pastewidth += clip.Width() / 4;
    pasteheight += clip.Height() / 4;
    updateclipsize();
}

void TPbook1::imprintonit(bool small, bool lighten) {
    const int step = small ? 12 : 48;
    const TPoint p = pastePosition();
    TBitmap& page = ptbox1->Picture().Bitmap();
    SelectPalette(page.Canvas(), page.Palette(), false);
    RealizePalette(page.Canvas());
    imprintclip(page, clpmap1->Picture().Bitmap(), p.x, p.y, step, lighten, progress());
    Invalidate();
}

void TPbook1::sizepaste() {
    if (!pastesized) return;
    TBitmap& clip = clpmap1->Picture().Bitmap();
    TBitmap& mask = mask1->Picture().Bitmap();
    TBitmap sized(sizedwidth, sizedheight);
    const bool shrinking = sizedwidth < mask.Width() || sizedheight < mask.Height();
    SetStretchBltMode(sized.Canvas(), shrinking ? COLORONCOLOR : BLACKONWHITE);
    StretchBitmap(sized.Canvas(), 0, 0, sizedwidth, sizedheight, clip, 0, 0, clip.Width(), clip.Height(),
                  SRCAND);
    clip = std::move(sized);
    makeclipmask(clip, mask, progress());
    pastezoom = pastewidth = pasteheight = 0;
    pastesized = false;
}

void TPbook1::imprintCommand(bool lighten) {
    if (!pasteCommandReady()) return;
    EffectPass busy(effectbusy);
    updateclipsize();
    pageTakesUndoImage();
    resetStrokeState();
    Application->ProcessMessages();
    sizepaste();
    imprintonit(false, lighten);
}

void TPbook1::SpeedButton6Click(TObject*) {
    imprintCommand(false);
}

void TPbook1::SpeedButton7Click(TObject*) {
    imprintCommand(true);
}

// Five darkenings by 12 of ever smaller copies of the clip, each one pixel further right and
// down, starting 5 right and 3 down of it; then the clip itself over them.
void TPbook1::shadowit() {
    const TPoint o = pasteOrigin();
    updateclipsize();
    pageTakesUndoImage();
    sizepaste();
    const int w = clpmap1->Picture().Bitmap().Width(), h = clpmap1->Picture().Bitmap().Height();
    resetStrokeState();
    Application->ProcessMessages();
    shiftPasteOffset(5, 3);
    const TBitmap kept = clpmap1->Picture().Bitmap();
    for (int n = 5; n >= 1; --n) {
        TBitmap& clip = clpmap1->Picture().Bitmap();
        clip = stretchedcopy(clip, w + 3 * n, h + 3 * n);
        clpmap1->SetWidth(clip.Width());
        clpmap1->SetHeight(clip.Height());
        imprintonit(true, false);
        shiftPasteOffset(1, 1);
    }
    TBitmap& clip = clpmap1->Picture().Bitmap();
    clip.Assign(kept);
    clpmap1->SetWidth(clip.Width());
    clpmap1->SetHeight(clip.Height());
    shiftPasteOffset(-10, -8); // back at (left, top)
    TBitmap& mask = mask1->Picture().Bitmap();
    TCanvas& c = ptbox1->Picture().Bitmap().Canvas();
    const bool shrinking = sizedwidth < mask.Width() || sizedheight < mask.Height();
    SetStretchBltMode(c, shrinking ? COLORONCOLOR : BLACKONWHITE);
    const int x = o.x + clpmap1->Left(), y = o.y + clpmap1->Top();
    StretchBitmap(c, x, y, sizedwidth, sizedheight, mask, 0, 0, mask.Width(), mask.Height(), MERGEPAINT);
    StretchBitmap(c, x, y, sizedwidth, sizedheight, clip, 0, 0, clip.Width(), clip.Height(), SRCAND);
    Invalidate();
}

void TPbook1::BitBtn14Click(TObject*) {
    if (!pasteCommandReady()) return;
    EffectPass busy(effectbusy);
    shadowit();
}

// The shape pressed in 48 darker, then again 48 lighter one pixel up and left: the page ends
// darker along the shape's lower right edges and lighter along its upper left ones.
void TPbook1::BitBtn19Click(TObject*) {
    if (!pasteCommandReady()) return;
    EffectPass busy(effectbusy);
    // Undo goes back to the page from before the emboss, whatever the pass did to the undo image.
    struct UndoBack {
        TImage* undo;
        TBitmap kept;
        ~UndoBack() { undo->Picture().Assign(kept); }
    } undoBack{Image2, Image2->Picture().Bitmap()};
    updateclipsize();
    pageTakesUndoImage();
    resetStrokeState();
    Application->ProcessMessages();
    const int zoom = pastezoom, width = pastewidth, height = pasteheight;
    sizepaste();
    imprintonit(false, false);
    const int left = clpmap1->Left(), top = clpmap1->Top();
    paste_it();
    if (!pasteLive()) return; // the clipboard gave nothing: the darkening stays, as it was written
    pastezoom = zoom;
    pastewidth = width;
    pasteheight = height;
    updateclipsize();
    sizepaste();
    clpmap1->SetLeft(left - 1);
    clpmap1->SetTop(top - 1);
    pageTakesUndoImage();
    resetStrokeState();
    Application->ProcessMessages();
    imprintonit(false, true);
}

// The mirrored picture stays on the clipboard, so a second press gives the first one back.
void TPbook1::flpmirbutClick(TObject*) {
    if (!pasteCommandReady()) return;
    EffectPass busy(effectbusy);
    TBitmap& page = ptbox1->Picture().Bitmap();
    page.Canvas().CopyMode = SRCCOPY;
    page.Canvas().Draw(0, 0, Image2->Picture().Bitmap());
    TBitmap& clip = clpmap1->Picture().Bitmap();
    Clipboard()->GetBitmap(clip);
    clip = mirrorclip(clip, progress());
    ClipboardGuardWrite(clip, reportNoticeNotAvailableOrEmpty);
    paste_it();
}

void TPbook1::SpeedButton28Click(TObject*) {
    ppanel->Show();
    ppanel2->Hide();
    panco1->Hide();
    panelclip->Hide();
}

void TPbook1::SpeedButton30Click(TObject*) {
    ppanel2->Show();
    ppanel->Hide();
    panco1->Hide();
    panelclip->Hide();
}

void TPbook1::SpeedButton13Click(TObject*) {
    panco1->Show();
    panelclip->Show();
    ppanel2->Hide();
    ppanel->Hide();
    ClipboardHolders1->SetChecked(true);
}
