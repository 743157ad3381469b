// Two ways of working on enlarged pixels: the zoom spot, a square of the page magnified into the
// page's own top-left corner where the ordinary tools edit it, and the zoom view, the page shown
// enlarged on the "Zoom" tab.
#include "Application.h"
#include "Blit.h"
#include "Menus.h"
#include "Pbook.h"
#include "Screen.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "ToolCodes.h"
#include "Toolpal.h"
#include "Zoompic.h"
#include "mydialog.h"

namespace {

// Factor d, side of the square (n + 1) and the offset of marker and square from the pointer.
struct SpotSize {
    int factor, side, offset;
};

SpotSize spotSizeOf(int tool) {
    switch (tool) {
    case tools::zoomSpotX8:
        return {8, 32, 34};
    case tools::zoomSpotX4:
        return {4, 64, 66};
    case tools::zoomSpotX2:
        return {2, 128, 130};
    default:
        return {0, 0, 0};
    }
}

constexpr TColor outsidePixel = TColor(0xFFFFFFFF);

} // namespace

void TPbook1::wireZoom() {
    butzoomspot->OnClick = [this](TObject* s) { butzoomspotClick(s); };
    Zoomx81->OnClick = [this](TObject* s) { Zoomx81Click(s); };
    Zoomx41->OnClick = [this](TObject* s) { Zoomx41Click(s); };
    Zoomx21->OnClick = [this](TObject* s) { Zoomx21Click(s); };
    zmshape1->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) {
        zmshape1MouseMove(s, sh, x, y);
    };
    SpeedButton59->OnClick = [this](TObject* s) { SpeedButton59Click(s); };
    SpeedButton60->OnClick = [this](TObject* s) { SpeedButton60Click(s); };
    zmbutoff->OnClick = [this](TObject* s) { zmbutoffClick(s); };
    zm1spin->OnChange = [this](TObject* s) { zm1spinChange(s); };
    spinedit1->OnChange = [this](TObject* s) { SpinEdit1Change(s); };
    SpinEdit2->OnChange = [this](TObject* s) { SpinEdit2Change(s); };
}

// ---- Zoom spot ----

void TPbook1::butzoomspotClick(TObject*) {
    TBitmap& page = ptbox1->Picture().Bitmap();
    if (page.Width() < 256 || page.Height() < 256) {
        if (mydialog1->mbox("Image canvas must be minimum 256x256", "to use this zoom editing facility.",
                            "Enlarge image now?", "", "", 2) != 0)
            return;
        if (page.Width() < 256) page.SetWidth(256);
        if (page.Height() < 256) page.SetHeight(256);
        ptbox1->SetBounds(ptbox1->Left(), ptbox1->Top(), page.Width(), page.Height());
    }
    if (tools::isMover(Form3->toolcode)) donepv();
    PopupMenu2->Popup(butzoomspot->Left() + Left(), butzoomspot->Height() + Top() + butzoomspot->Top() + 50);
}

void TPbook1::choosezoomfactor(TMenuItem* item, int tool) {
    zmbuton->SetEnabled(false);
    for (TMenuItem* m : {Zoomx21, Zoomx41, Zoomx81})
        m->SetChecked(m == item);
    zoomspotimage1->Picture().Bitmap().SetSize(258, 258);
    const int side = spotSizeOf(tool).side;
    if (tool == tools::zoomSpotX2)
        zmshape1->SetBounds(100, 100, side, side);
    else
        zmshape1->SetBounds(zmshape1->Left(), zmshape1->Top(), side, side);
    zmshape1->Show();
    set_t(tool);
    Form3->toolcode = tool;
    Form3->do_tool(std::uint8_t(tool));
    zmshape1->Show();
    butzoomspot->SetEnabled(false);
}

void TPbook1::Zoomx81Click(TObject*) {
    choosezoomfactor(Zoomx81, tools::zoomSpotX8);
}

void TPbook1::Zoomx41Click(TObject*) {
    choosezoomfactor(Zoomx41, tools::zoomSpotX4);
}

void TPbook1::Zoomx21Click(TObject*) {
    choosezoomfactor(Zoomx21, tools::zoomSpotX2);
}

void TPbook1::zoomSpotFollow(int X, int Y) {
    const SpotSize s = spotSizeOf(Form3->toolcode);
    if (!s.factor) return;
    const TPoint at = scrolled(Point(X, Y));
    zmshape1->SetBounds(at.x - s.offset, at.y - s.offset, zmshape1->Width(), zmshape1->Height());
}

void TPbook1::zmshape1MouseMove(TObject*, TShiftState, int X, int Y) {
    // Out from under the pointer, so that the page gets the next move.
    zmshape1->SetBounds(X - 300, Y - 300, zmshape1->Width(), zmshape1->Height());
}

void TPbook1::hideZoomSpotFrame() {
    zmshape1->Hide();
}

void TPbook1::disarmZoomSpot() {
    const bool armed = Zoomx21->Checked() || Zoomx41->Checked() || Zoomx81->Checked();
    // Once the square is magnified, any tool may edit it.
    if (!armed || !spotbefore.Empty()) return;
    zmshape1->Hide();
    zoomspotimage1->Picture().Clear();
    butzoomspot->SetEnabled(true);
    for (TMenuItem* m : {Zoomx21, Zoomx41, Zoomx81})
        m->SetChecked(false);
}

void TPbook1::dozoomspot(int X, int Y, int tool) {
    const SpotSize s = spotSizeOf(tool);
    if (!s.factor) return;
    spotx = X - s.offset;
    spoty = Y - s.offset;
    TBitmap& page = ptbox1->Picture().Bitmap();
    Image2->Picture().Assign(ptbox1->Picture());
    // Kept aside from the zoom view, which the "Zoom" tab and "Normal Size" overwrite.
    spotbefore.Assign(page);
    TabSheet3->SetEnabled(true);

    TBitmap& buffer = zoomspotimage1->Picture().Bitmap();
    if (buffer.Width() < 258 || buffer.Height() < 258) buffer.SetSize(258, 258);
    const int d = s.factor, n = s.side;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            TColor v = page.GetPixel(spotx + c + 1, spoty + r + 1);
            if (v == outsidePixel) v = clWhite; // off the page
            for (int y = d * r; y < d * (r + 1); ++y)
                for (int x = d * c; x < d * (c + 1); ++x)
                    buffer.SetPixel(x, y, v);
        }
    buffer.Changed();

    TCanvas& pc = page.Canvas();
    BlitBitmap(pc, 0, 0, buffer.Width(), buffer.Height(), &buffer, 0, 0, SRCCOPY);
    pc.Pen.Mode = pmCopy;
    pc.Pen.Color = 2;
    pc.Pen.Width = 2;
    pc.Brush.SetStyle(bsClear);
    pc.Rectangle(-2, -2, 258, 258);
    pc.Pen.Color = Form3->leftcolor;
    pc.Brush.SetStyle(bsSolid);

    // The buffer now keeps the page's former corner.
    const TBitmap& before = Image2->Picture().Bitmap();
    BlitBitmap(buffer.Canvas(), 0, 0, before.Width(), before.Height(), &before, 0, 0, SRCCOPY);
    panelzoomspot->Show();
    zmshape1->Hide();
}

void TPbook1::SpeedButton59Click(TObject*) {
    const int e = Zoomx21->Checked() ? 128 : Zoomx41->Checked() ? 64 : Zoomx81->Checked() ? 32 : 31;
    Screen->SetCursor(crHourGlass);
    TBitmap& page = ptbox1->Picture().Bitmap();
    TBitmap scratch(256, 256);
    scratch.Canvas().StretchMode = COLORONCOLOR;
    page.Canvas().StretchMode = COLORONCOLOR;
    BlitBitmap(scratch.Canvas(), 0, 0, 256, 256, &page, 0, 0, SRCCOPY);
    const TBitmap& corner = zoomspotimage1->Picture().Bitmap();
    BlitBitmap(page.Canvas(), 0, 0, corner.Width(), corner.Height(), &corner, 0, 0, SRCCOPY);
    StretchBitmap(page.Canvas(), spotx + 1, spoty + 1, e, e, scratch, 0, 0, 256, 256, SRCCOPY);

    // Undo returns to the page as it was before the square was magnified.
    if (!spotbefore.Empty()) Image2->Picture().Bitmap().Assign(spotbefore);
    spotbefore.FreeImage();
    TabSheet3->SetEnabled(true);
    panelzoomspot->Hide();
    butzoomspot->SetEnabled(true);

    Screen->SetCursor(crDefault);
    zoomspotimage1->Picture().Clear();
    redoptb1->SetEnabled(false);
    for (TMenuItem* m : {Zoomx21, Zoomx41, Zoomx81})
        m->SetChecked(false);
    zmbuton->SetEnabled(true);
}

void TPbook1::SpeedButton60Click(TObject*) {
    panelzoomspot->Hide();
    const TBitmap& corner = zoomspotimage1->Picture().Bitmap();
    BlitBitmap(ptbox1->Picture().Bitmap().Canvas(), 0, 0, corner.Width(), corner.Height(), &corner, 0, 0,
               SRCCOPY);
    zoomspotimage1->Picture().Clear();
    spotbefore.FreeImage();
    butzoomspot->SetEnabled(true);
    for (TMenuItem* m : {Zoomx21, Zoomx41, Zoomx81})
        m->SetChecked(false);
}

// ---- Zoom view ----

void TPbook1::zoom_it() {
    if (!zmpanel1->Visible()) zoomloaded = false;
    zmpanel1->Show();
    hidePastePanel();
    zoomon = true;
    zm1->drawmode = 31;
    Form3->toolcode = tools::zoomViewPaint;
    zoomloaded = true;

    const TBitmap& page = ptbox1->Picture().Bitmap();
    zm1->SetBitmap(page);
    if (page.Palette()) zm1->Bitmap().SetPalette(page.Palette());
    chk1->SetChecked(false);
    ptbox1->SetAlign(alNone);
    zm1->SetAlign(alNone);

    if (page.Width() > 0) {
        spinedit1->SetValue(page.Width() / 2);
        SpinEdit2->SetValue(page.Height() / 2);
    }
    zm1->SetXCenter(spinedit1->Value());
    zm1->SetYCenter(SpinEdit2->Value());

    zm1->Show();
    ptbox1->Show();
    zm1->SetzoomValue(zm1spin->Value());
    zoomrefresh = false;
    zm1->BringToFront();
    raiseZoomBox();
    Repaint();
}

void TPbook1::zmbutoffClick(TObject*) {
    Screen->SetCursor(crDefault);
    zm1->drawmode = 0;
    zmpanel1->Hide();
    Form3->pasteframe = false;
    hidePastePanel();
    ClipboardHolders1->SetChecked(false);
    zoomon = false;
    Repaint();
    zm1->Bitmap().FreeImage();
    ptbox1->Show();
    ptbox1->BringToFront();
    Application->ProcessMessages();
}

void TPbook1::zm1spinChange(TObject*) {
    const TBitmap& page = ptbox1->Picture().Bitmap();
    if (!zoomloaded) {
        zoomloaded = true;
        zm1->SetBitmap(page);
    }
    Form3->toolcode = tools::zoomViewPaint;
    zm1->Show();
    ptbox1->Show();
    zm1->SetzoomValue(zm1spin->Value());
    if (zoomrefresh) {
        zm1->SetBitmap(page);
        zoomrefresh = false;
    }
    zm1->BringToFront();
    raiseZoomBox();
}

void TPbook1::SpinEdit1Change(TObject*) {
    if (spinedit1->Value() < 1) spinedit1->SetValue(1);
    zm1->SetXCenter(spinedit1->Value());
}

void TPbook1::SpinEdit2Change(TObject*) {
    if (SpinEdit2->Value() < 1) SpinEdit2->SetValue(1);
    zm1->SetYCenter(SpinEdit2->Value());
}
