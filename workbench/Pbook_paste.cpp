// The floating paste: a clipboard picture drawn over the page with its white left transparent,
// dragged, nudged and scaled from the paste panel until "Done" leaves it where it is. Every
// redraw starts again from the undo image, which holds the page from before the paste.
#include "Application.h"
#include "Clipboard.h"
#include "ClipboardGuard.h"
#include "Mapper.h"
#include "Pbook.h"
#include "Screen.h"
#include "TBevel.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinButton.h"
#include "TSpinEdit.h"
#include "Toolpal.h"
#include "cliprotate.h"
#include "mydialog.h"

#include <algorithm>

void TPbook1::wirePaste() {
    butpaste->OnClick = [this](TObject* s) { butpasteClick(s); };
    SpeedButton3->OnClick = [this](TObject* s) { SpeedButton3Click(s); };
    SpeedButton1->OnClick = [this](TObject* s) { SpeedButton1Click(s); };
    pastezoomedit1->OnDownClick = [this](TObject* s) { pastezoomedit1DownClick(s); };
    pastezoomedit1->OnUpClick = [this](TObject* s) { pastezoomedit1UpClick(s); };
    pwedit1->OnDownClick = [this](TObject* s) { pwedit1DownClick(s); };
    pwedit1->OnUpClick = [this](TObject* s) { pwedit1UpClick(s); };
    phedit1->OnDownClick = [this](TObject* s) { phedit1DownClick(s); };
    phedit1->OnUpClick = [this](TObject* s) { phedit1UpClick(s); };
    UDedit1->OnDownClick = [this](TObject* s) { UDedit1DownClick(s); };
    UDedit1->OnUpClick = [this](TObject* s) { UDedit1UpClick(s); };
    LRedit1->OnDownClick = [this](TObject* s) { LRedit1DownClick(s); };
    LRedit1->OnUpClick = [this](TObject* s) { LRedit1UpClick(s); };
    paste1left->OnClick = [this](TObject* s) { paste1leftClick(s); };
    paste1right->OnClick = [this](TObject* s) { paste1rightClick(s); };
    paste1up->OnClick = [this](TObject* s) { paste1upClick(s); };
    paste1dn->OnClick = [this](TObject* s) { paste1dnClick(s); };
    SpeedButton18->OnClick = [this](TObject* s) { SpeedButton18Click(s); };
    wirePasteEffects();
}

TPoint TPbook1::pasteOrigin() const {
    return ptbox1->ScreenToClient(ClientToScreen(TPoint{7, 74}));
}

void TPbook1::placePageCorner() {
    const TPoint page = ScreenToClient(ptbox1->ClientToScreen(TPoint{0, 0}));
    const TPoint corner{page.x - ptbox1->Left(), page.y - ptbox1->Top()};
    if (corner.y != 74) Panel3->SetHeight(std::max(Panel3->Height() + 74 - corner.y, 1));
    if (corner.x != 7) pageSpacer->SetWidth(std::max(pageSpacer->Width() + 7 - corner.x, 0));
}

TPoint TPbook1::pastePosition() const {
    TPoint o = pasteOrigin();
    return {o.x + clpmap1->Left(), o.y + clpmap1->Top()};
}

bool TPbook1::pasteLive() {
    if (!pastepanel1->Visible()) pastelive_ = false;
    return pastelive_;
}

void TPbook1::hidePastePanel() {
    pastelive_ = false;
    hidePasteFrame();
    pastepanel1->Hide();
    panco1->Show();
}

void TPbook1::showPasteFrame(TPoint at) {
    const TBitmap& clip = clpmap1->Picture().Bitmap();
    pasteFrameShape->SetBounds(ptbox1->Left() + at.x - 1, ptbox1->Top() + at.y - 1, clip.Width() + 2,
                               clip.Height() + 2);
    pasteFrameShape->Show();
    pasteFrameShape->BringToFront();
}

void TPbook1::hidePasteFrame() {
    pasteFrameShape->Hide();
}

void TPbook1::drawPasteAt(TPoint at) {
    TBitmap& clip = clpmap1->Picture().Bitmap();
    TBitmap& mask = mask1->Picture().Bitmap();
    TCanvas& c = ptbox1->Picture().Bitmap().Canvas();
    if (!pastesized) {
        BitBlt(c, at.x, at.y, clip.Width(), clip.Height(), &mask.Canvas(), 0, 0, MERGEPAINT);
        BitBlt(c, at.x, at.y, clip.Width(), clip.Height(), &clip.Canvas(), 0, 0, SRCAND);
        return;
    }
    const bool shrinking = sizedwidth < mask.Width() || sizedheight < mask.Height();
    SetStretchBltMode(c, shrinking ? COLORONCOLOR : BLACKONWHITE);
    StretchBlt(c, at.x, at.y, sizedwidth, sizedheight, mask.Canvas(), 0, 0, mask.Width(), mask.Height(),
               MERGEPAINT);
    StretchBlt(c, at.x, at.y, sizedwidth, sizedheight, clip.Canvas(), 0, 0, clip.Width(), clip.Height(),
               SRCAND);
}

void TPbook1::doapaste() {
    if (effectbusy) return; // a paste effect is pumping messages and reads the clip and undo image
    Screen->SetCursor(crHourGlass);
    modified = true;
    pastezoom = pastewidth = pasteheight = 0;
    pastesized = false;
    Form3->pasteframe = false;
    Form3->toolcode = 0;
    // A template capture abandoned by choosing a tool must not capture under this paste.
    cappaste = false;
    pastepanel1->Show();
    paste_it();
    chk1->SetEnabled(true);
    undoptb1->SetEnabled(true);
    redoptb1->SetEnabled(true);
    Screen->SetCursor(crDefault);
    ppanel->Show();
    SpeedButton28->SetDown(true);
    ppanel2->Hide();
    panco1->Hide();
    panelclip->Hide();
    zmpanel1->Hide();
}

void TPbook1::paste_it() {
    modified = true;
    pastelive_ = false;
    TBitmap& page = ptbox1->Picture().Bitmap();
    TBitmap& clip = clpmap1->Picture().Bitmap();
    if (!morfmode) {
        if (!ClipboardGuardRead(reportNoticeNotAvailableOrEmpty)) return;
        SelectPalette(page.Canvas(), page.Palette(), false);
        RealizePalette(page.Canvas());
        ptbox1->Repaint();
        Invalidate();
        Update();
        Application->ProcessMessages();
        try {
            Clipboard()->GetBitmap(clip);
        } catch (const EClipboardError&) {
            mydialog1->mbox("Clipboard empty or unavailable", "", "", "", "", 1);
            Screen->SetCursor(crDefault);
            Abort();
        }
        // Messages were pumped: the page may be another bitmap's now.
        const HPALETTE pagepal = ptbox1->Picture().Bitmap().Palette();
        const HPALETTE clippal = clip.Palette();
        std::vector<PALETTEENTRY> a(256), b(256);
        if (GetPaletteEntries(pagepal, 0, 256, a.data()) == 256 &&
            GetPaletteEntries(clippal, 0, 256, b.data()) == 256) {
            bool differ = false;
            for (int i = 0; i < 256 && !differ; ++i)
                differ =
                    a[i].peRed != b[i].peRed || a[i].peGreen != b[i].peGreen || a[i].peBlue != b[i].peBlue;
            if (differ) maptopalette(pagepal, clip, progress());
        }
    }
    clpmap1->SetWidth(clip.Width());
    clpmap1->SetHeight(clip.Height());
    const TPoint o = pasteOrigin();
    clpmap1->SetLeft(1);
    clpmap1->SetTop(1);
    mask1->SetWidth(clpmap1->Width());
    mask1->SetHeight(clpmap1->Height());

    TBitmap& mask = mask1->Picture().Bitmap();
    mask.Assign(clip);
    Image2->Picture().Assign(ptbox1->Picture());
    mask1->Hide();
    mask.Canvas().Brush.SetColor(clBlack);
    mask.Canvas().Brush.SetStyle(bsSolid);
    makeclipmask(clip, mask, progress());

    TCanvas& c = ptbox1->Picture().Bitmap().Canvas();
    StretchBlt(c, o.x, o.y, clip.Width(), clip.Height(), mask.Canvas(), 0, 0, mask.Width(), mask.Height(),
               MERGEPAINT);
    StretchBlt(c, o.x, o.y, clip.Width(), clip.Height(), clip.Canvas(), 0, 0, clip.Width(), clip.Height(),
               SRCAND);
    showPasteFrame(o);

    Form3->pasteframe = true;
    clpmap1->Hide();
    ptbox1->Invalidate();
    ptbox1->Repaint();
    ptbox1->Update();
    pastelive_ = true;
}

void TPbook1::put_paste() {
    if (!pasteLive()) return;
    const TPoint p = pastePosition();
    Form3->pasteframe = true;
    hidePasteFrame();
    TBitmap& page = ptbox1->Picture().Bitmap();
    if (!dragbox1->Checked()) {
        page.Canvas().CopyMode = SRCCOPY;
        page.Canvas().Draw(0, 0, Image2->Picture().Bitmap());
    }
    drawPasteAt(p);
    Invalidate();
    ptbox1->Invalidate();
}

void TPbook1::updateclipsize() {
    if (!pasteLive()) return;
    const TBitmap& clip = clpmap1->Picture().Bitmap();
    const int w = clip.Width(), h = clip.Height();
    if (w + pastezoom < 10) pastezoom = 10 - w;
    if (h + pastezoom < 10) pastezoom = 10 - h;
    const int w1 = w + pastezoom;
    if (w1 + pastewidth < 10) pastewidth = 10 - w1;
    const int h1 = h + pastezoom;
    if (h1 + pasteheight < 10) pasteheight = 10 - h1;
    sizedwidth = w1 + pastewidth;
    sizedheight = h1 + pasteheight;
    pastesized = true;
    Form3->pasteframe = true;
    put_paste();
}

void TPbook1::butpasteClick(TObject*) {
    endmoverpreview();
    doapaste();
    Screen->SetCursor(crDefault);
}

void TPbook1::mask1MDown(TMouseButton, TShiftState, int X, int Y) {
    if (effectbusy) return;
    const TPoint p = pastePosition();
    const TBitmap& clip = clpmap1->Picture().Bitmap();
    const int left = p.x, top = p.y;
    if (pasteLive() && left < X && X < left + clip.Width() && top < Y && Y < top + clip.Height()) {
        showPasteFrame(p);
        draganchor = TPoint{X, Y};
        Screen->SetCursor(crDrag);
        pastedragging = true;
        Form3->pasteframe = true;
        return;
    }
    pastedragging = false;
    Form3->pasteframe = false;
    hidePasteFrame();
}

void TPbook1::mask1MMove(TShiftState, int X, int Y) {
    if (Form3->pasteframe && pastedragging && pasteLive()) {
        SetCursor(crDrag);
        hidePasteFrame();
        TBitmap& page = ptbox1->Picture().Bitmap();
        page.Canvas().CopyMode = SRCCOPY;
        page.Canvas().Draw(0, 0, Image2->Picture().Bitmap());
        const int dx = X - draganchor.x, dy = Y - draganchor.y;
        draganchor = TPoint{X, Y};
        clpmap1->SetLeft(clpmap1->Left() + dx);
        clpmap1->SetTop(clpmap1->Top() + dy);
        drawPasteAt(pastePosition());
        Invalidate();
        ptbox1->Invalidate();
    }
    coord1->SetCaption(std::to_string(X) + ":" + std::to_string(Y));
    coord1->Show();
}

void TPbook1::mask1MUp(TMouseButton, TShiftState, int, int) {
    Invalidate();
    Update();
    pastedragging = false;
}

void TPbook1::SpeedButton3Click(TObject*) {
    if (effectbusy) return;
    const bool live = pasteLive();
    Form3->pasteframe = false;
    hidePastePanel();
    if (cappaste) {
        // Over a paste that never started, the undo image is stale: capture nothing.
        if (live)
            endcappingpaste();
        else
            cappaste = false;
    }
}

void TPbook1::SpeedButton1Click(TObject*) {
    if (!pasteCommandReady()) return;
    pastewidth = pasteheight = pastezoom = 0;
    pastesized = false;
    put_paste();
}

void TPbook1::stepPasteSize(int& delta, int by) {
    if (!pasteCommandReady()) return;
    delta += by;
    updateclipsize();
}

void TPbook1::pastezoomedit1DownClick(TObject*) {
    stepPasteSize(pastezoom, -1);
}
void TPbook1::pastezoomedit1UpClick(TObject*) {
    stepPasteSize(pastezoom, 1);
}
void TPbook1::pwedit1DownClick(TObject*) {
    stepPasteSize(pastewidth, -1);
}
void TPbook1::pwedit1UpClick(TObject*) {
    stepPasteSize(pastewidth, 1);
}
void TPbook1::phedit1DownClick(TObject*) {
    stepPasteSize(pasteheight, -1);
}
void TPbook1::phedit1UpClick(TObject*) {
    stepPasteSize(pasteheight, 1);
}

void TPbook1::movePaste(int dx, int dy) {
    if (!pasteCommandReady()) return;
    clpmap1->SetLeft(clpmap1->Left() + dx);
    clpmap1->SetTop(clpmap1->Top() + dy);
    put_paste();
}

void TPbook1::UDedit1DownClick(TObject*) {
    movePaste(0, 10);
}
void TPbook1::UDedit1UpClick(TObject*) {
    movePaste(0, -10);
}
void TPbook1::LRedit1DownClick(TObject*) {
    movePaste(10, 0);
}
void TPbook1::LRedit1UpClick(TObject*) {
    movePaste(-10, 0);
}
void TPbook1::paste1leftClick(TObject*) {
    movePaste(-1, 0);
}
void TPbook1::paste1rightClick(TObject*) {
    movePaste(1, 0);
}
void TPbook1::paste1upClick(TObject*) {
    movePaste(0, -1);
}
void TPbook1::paste1dnClick(TObject*) {
    movePaste(0, 1);
}

// Each press turns the clipboard's own picture by the current angle, so turns do not add up.
void TPbook1::SpeedButton18Click(TObject*) {
    if (!pasteCommandReady()) return;
    TBitmap& page = ptbox1->Picture().Bitmap();
    page.Canvas().CopyMode = SRCCOPY;
    page.Canvas().Draw(0, 0, Image2->Picture().Bitmap());
    TBitmap& clip = clpmap1->Picture().Bitmap();
    Clipboard()->GetBitmap(clip);
    const TBitmap kept = clip;
    rotateclip(clip, pasterotedit1->Value(), progress());
    ClipboardGuardWrite(clip, reportNoticeNotAvailableOrEmpty);
    paste_it();
    ClipboardGuardWrite(kept, reportNoticeNotAvailableOrEmpty);
}
