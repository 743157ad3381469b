// Region capture: the lasso, box and ellipse outlines cut a region of the page into the clip,
// with white marking everything outside it, and put the clip on the clipboard; Cut, the colour
// replacer, the colour count and the template capture end there. The page itself changes only
// for Cut and the colour replacer.
#include "Application.h"
#include "ClipboardGuard.h"
#include "MessageBox.h"
#include "Pbook.h"
#include "Screen.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TRadioGroup.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "ToolCodes.h"
#include "Toolpal.h"
#include "colormap.h"
#include "morfshape.h"
#include "options.h"
#include "palettecolorsfrm1.h"

#include <algorithm>

bool TPbook1::getcap() {
    TBitmap& page = ptbox1->Picture().Bitmap();
    return ClipboardGuardWrite(page, reportBoxUnavailableClipboardError, [this, &page] {
        SelectPalette(page.Canvas(), page.Palette(), false);
        RealizePalette(page.Canvas());
        ptbox1->Repaint();
        Application->ProcessMessages();
    });
}

// ---- Lasso: tools 19, 21, 109 ----

void TPbook1::polycopyDown(TMouseButton, int X, int Y) {
    if (!buttondown) {
        downx = X;
        downy = Y;
        if (polycount == 1) {
            polypoints[1] = TPoint{X, Y};
            polycount = 2;
            polyfull_ = false;
        }
    }
    buttondown = true;
    if (!pensetup) {
        set_t(Form3->toolcode);
        pensetup = true;
    }
    Invalidate();
}

void TPbook1::polycopypve(TShiftState, int, int) {}

void TPbook1::polycopyUp(TMouseButton Button, int X, int Y) {
    buttondown = false;
    set_t(Form3->toolcode);
    downx = X;
    downy = Y;
    TCanvas& c = ptbox1->Picture().Bitmap().Canvas();
    c.Pen.Width = capturewidth;
    c.Pen.Color = clBlack;
    c.Pen.Mode = pmNotXor;
    auto segment = [&c, this](int i, int j) {
        c.MoveTo(polypoints[i].x, polypoints[i].y);
        c.LineTo(polypoints[j].x, polypoints[j].y);
    };
    // A full list replaces its last vertex: its segment comes off the page first.
    if (polycount == 500 && polyfull_) segment(499, 500);
    polypoints[polycount] = TPoint{X, Y};
    segment(polycount - 1, polycount);
    if (polycount == 500) polyfull_ = true;
    polycount = std::min(polycount + 1, 500);
    if (Button != mbRight) {
        Invalidate();
        return;
    }
    if (polycount == 500 && polyfull_) segment(499, 500);
    for (int i = polycount; i <= 500; ++i)
        polypoints[i] = polypoints[1];
    segment(polycount - 1, polycount);
    for (int i = 1; i <= polycount - 1; ++i)
        segment(i, i + 1);
    Invalidate();
    repcolor(polycount);
    buttondown = false;
    polycount = 1;
    polyfull_ = false;
    pensetup = false;
    mousedown = false;
}

// ---- Box: tools 22, 23, 229 ----

void TPbook1::capboxMouseDown(int X, int Y) {
    mousedown = true;
    if (!buttondown) {
        downx = X;
        downy = Y;
    }
    buttondown = true;
    ptbox1->Picture().Bitmap().Canvas().MoveTo(X, Y);
    set_t(Form3->toolcode);
}

void TPbook1::capboxMouseMove(int X, int Y) {
    if (!mousedown || !buttondown) return;
    TCanvas& c = ptbox1->Picture().Bitmap().Canvas();
    c.Pen.Width = 1;
    c.Pen.Color = clBlack;
    c.Pen.Mode = pmNotXor;
    c.Brush.SetStyle(bsClear);
    if (!firstoutline) c.Rectangle(prevoutline);
    outline = Rect(downx, downy, X, Y);
    c.Rectangle(outline);
    prevoutline = outline;
    firstoutline = false;
}

void TPbook1::capboxMouseUp(int X, int Y) {
    buttondown = false;
    set_t(Form3->toolcode);
    TCanvas& c = ptbox1->Picture().Bitmap().Canvas();
    c.Rectangle(downx, downy, X, Y);
    int R = std::max(downx, X), L = std::min(downx, X);
    if (downx == X) {
        R = X;
        L = X + 10;
    }
    int B = std::max(downy, Y), T = std::min(downy, Y);
    if (downy == Y) {
        B = Y;
        T = Y + 10;
    }
    polypoints[1] = TPoint{R, B};
    polypoints[2] = TPoint{L, B};
    polypoints[3] = TPoint{L, T};
    polypoints[4] = TPoint{R, T};
    polypoints[5] = TPoint{R, B};
    for (int i = 6; i <= 500; ++i)
        polypoints[i] = polypoints[5];
    const bool captured = recrepcolor(5);
    if (Form3->toolcode == tools::cut && captured) {
        c.Pen.Color = Form3->rightcolor;
        c.Brush.SetColor(Form3->rightcolor);
        c.Pen.Width = 1;
        c.Brush.SetStyle(bsSolid);
        c.Pen.Style = psInsideFrame;
        c.Pen.Mode = pmCopy;
        c.Rectangle(downx, downy, X, Y);
    }
    polycount = 1;
    pensetup = false;
    mousedown = false;
    buttondown = false;
    Invalidate();
}

// ---- The common ending ----

bool TPbook1::recrepcolor(int count) {
    return captureregion(captureBox, count, TRect{});
}

bool TPbook1::repcolor(int count) {
    return captureregion(captureLasso, count, TRect{});
}

void TPbook1::capcircle(int X1, int Y1, int X2, int Y2) {
    captureregion(captureEllipse, 0, Rect(X1, Y1, X2, Y2));
}

bool TPbook1::captureregion(TCaptureShape shape, int count, TRect drag) {
    TBitmap kept = Image2->Picture().Bitmap();
    Image2->Picture().Assign(ptbox1->Picture());
    TBitmap& work = Image2->Picture().Bitmap();
    const int pw = work.Width(), ph = work.Height();

    int minX = pw, minY = ph, maxX = 1, maxY = 1;
    auto widen = [&](TPoint p) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    };
    if (shape == captureEllipse) {
        widen({drag.Left, drag.Top});
        widen({drag.Right, drag.Bottom});
    } else {
        for (int i = 1; i <= count; ++i)
            widen(polypoints[i]);
        if (maxX - minX < 1 || maxY - minY < 1) return false;
    }
    if (shape != captureBox) {
        minX -= 2;
        minY -= 2;
        maxX += 2;
        maxY += 2;
    }
    // The outside is whitened on a scratch of the unclamped bounds, white beyond the page, so the
    // page edge neither eats the margin around the outline nor cuts the outside apart.
    TBitmap scratch;
    const TPoint at{minX, minY};
    if (shape != captureBox) {
        scratch = TBitmap(maxX - minX + 1, maxY - minY + 1, work.PixelFormat());
        if (work.Palette()) scratch.SetPalette(work.Palette());
        scratch.Canvas().Brush.SetColor(clWhite);
        scratch.Canvas().FillRect(Rect(0, 0, scratch.Width(), scratch.Height()));
        BitBlt(scratch.Canvas(), 0, 0, scratch.Width(), scratch.Height(), &work.Canvas(), minX, minY,
               SRCCOPY);
        TCanvas& s = scratch.Canvas();
        s.Pen = TPen{clWhite, capturewidth, psSolid, pmCopy};
        s.Brush.SetColor(clWhite);
        s.Brush.SetStyle(bsClear);
        s.Rectangle(0, 0, maxX - minX, maxY - minY);
        const TColor border = 0x010101;
        std::vector<TPoint> outlinepts;
        if (shape == captureLasso)
            for (int i = 1; i <= 500; ++i)
                outlinepts.push_back({polypoints[i].x - at.x, polypoints[i].y - at.y});
        TRect e = Rect(drag.Left - at.x, drag.Top - at.y, drag.Right - at.x, drag.Bottom - at.y);
        s.Pen.Color = border;
        if (shape == captureLasso) {
            s.Brush.SetColor(clWhite);
            s.Polyline(outlinepts);
        } else {
            s.Ellipse(e);
            s.Brush.SetColor(clWhite);
        }
        s.Brush.SetStyle(bsSolid);
        s.FloodFill(1, 1, border, fsBorder);
        s.Pen.Color = clWhite;
        if (shape == captureLasso) {
            s.Polyline(outlinepts);
        } else {
            s.Brush.SetStyle(bsClear);
            s.Ellipse(e);
        }
    }
    minX = std::max(minX, 0);
    minY = std::max(minY, 0);
    maxX = std::min(maxX, pw);
    maxY = std::min(maxY, ph);
    TRect cliprect =
        shape == captureBox ? Rect(minX + 1, minY + 1, maxX, maxY) : Rect(minX, minY, maxX, maxY);
    // A region dragged off the page, or corners one pixel apart, leave nothing to capture.
    if (cliprect.Width() < 1 || cliprect.Height() < 1) return false;

    polycount = 1;
    polyfull_ = false;
    pensetup = false;
    mousedown = false;
    buttondown = false;

    TBitmap& clip = clpmap1->Picture().Bitmap();
    clip.SetPalette(work.Palette());
    clipx = minX + 1;
    clipy = minY + 1;
    clipOrigin = TPoint{cliprect.Left, cliprect.Top};
    clpmap1->SetWidth(cliprect.Width());
    clpmap1->SetHeight(cliprect.Height());
    clip.SetSize(cliprect.Width(), cliprect.Height());
    const TBitmap& from = shape == captureBox ? work : scratch;
    const TPoint off = shape == captureBox ? TPoint{0, 0} : at;
    BitBlt(clip.Canvas(), 0, 0, cliprect.Width(), cliprect.Height(), &const_cast<TBitmap&>(from).Canvas(),
           cliprect.Left - off.x, cliprect.Top - off.y, SRCCOPY);
    Invalidate();
    clpmap1->Hide();

    if (Form3->toolcode == tools::colorReplacerPolygon) {
        docoreplace();
        ptbox1->Picture().Bitmap().Canvas().DrawTransparent(cliprect.Left, cliprect.Top, clip, clWhite);
        Image2->Picture().Assign(kept);
        return true;
    }
    if (captureending(shape == captureBox, false)) {
        Image2->Picture().Assign(kept);
        return true;
    }
    PageControl1->SetActivePage(TabSheet1);
    Invalidate();
    Image2->Picture().Assign(kept);
    return true;
}

// Steps shared with the standard-shape fitting: fit a kept picture into the clip's shape, put the
// clip on the clipboard, then either paste the fitted picture or keep this clip for fitting.
// True when the fitted picture became the floating paste.
bool TPbook1::captureending(bool box, bool standardshape) {
    TBitmap& clip = clpmap1->Picture().Bitmap();
    if (morfmode) {
        bg1->Show();
        morfimage1->SetStretch(false);
        morfimage1->SetAutoSize(true);
        TBitmap silhouette = clip;
        morphtoshape(morfimage1->Picture().Bitmap(), silhouette, progress());
        clip.Assign(silhouette);
        TCanvas& c = clip.Canvas();
        c.Brush.SetColor(clWhite);
        c.Brush.SetStyle(bsSolid);
        c.CopyMode = SRCCOPY;
        c.FloodFill(1, 1, c.Pixels(1, 1), fsSurface);
        bg1->Hide();
    }
    if (ClipboardGuardWrite(clip, reportNoticeNotAvailableOrEmpty)) {
        if (box && copcolors->Checked()) {
            docolorcount();
            copcolors->SetChecked(false);
        }
        pbpastetobut1->SetEnabled(true);
    }
    const int t = Form3->toolcode;
    if (t == tools::specialOutlineCircle || t == tools::specialOutline || t == tools::specialRectangle) {
        if (morfmode) {
            morfmode = false;
            paste_it();
            pastepanel1->Show();
            Form3->toolcode = 0;
            if (standardshape) {
                morfimage1->SetStretch(true);
                morfimage1->SetAutoSize(false);
            }
            return true;
        }
        morfimage1->Picture().Assign(clpmap1->Picture());
        options1->Panel4->Show();
        options1->Panel5->SetVisible(options1->RadioGroup1->ItemIndex() >= 2);
        options1->Show();
        morfmode = true;
    }
    return false;
}

void TPbook1::minirepcolor() {
    if (captureending(false, true)) return;
    PageControl1->SetActivePage(TabSheet1);
    Invalidate();
}

void TPbook1::docoreplace() {
    if (Form3->leftcolor == clWhite) {
        MessageBox("Cannot replace with white using this tool.", "error", MB_OK);
        return;
    }
    TBitmap& clip = clpmap1->Picture().Bitmap();
    for (int y = 0; y < clip.Height(); ++y)
        for (int x = 0; x < clip.Width(); ++x) {
            const TColor p = clip.GetPixel(x, y);
            if (p != clWhite && p == Form3->leftcolor) clip.SetPixel(x, y, Form3->rightcolor);
        }
}

void TPbook1::docolorcount() {
    TImage* map = PaletteColorsfrm->Image1;
    map->Picture().Clear();
    const TBitmap& clip = clpmap1->Picture().Bitmap();
    TProgress& bar = progress();
    int count = 0;
    {
        // The bar is put back at 1 and hidden however the passes end.
        struct BarAway {
            TProgress& bar;
            ~BarAway() {
                bar.SetPosition(1);
                bar.Hide();
            }
        } away{bar};
        bar.SetPosition(1);
        bar.Show();
        Refresh();
        for (int i = 0; i < 50; ++i)
            Application->ProcessMessages();
        // The same map as the colour map window's own: white pixels leave no trace.
        plotColourMap(clip, map->Picture().Bitmap(), bar);
        count = countMapColours(map->Picture().Bitmap(), bar);
    }
    PaletteColorsfrm->SpinEdit1->SetValue(count);
    PaletteColorsfrm->butpalmake->SetEnabled(true);
    PaletteColorsfrm->Show();
    clpmap1->SetWidth(ptbox1->Width());
    clpmap1->SetHeight(ptbox1->Height());
    clpmap1->Picture().Bitmap().SetSize(2, 2);
    Screen->SetCursor(crDefault);
}

// ---- Template capture ----

void TPbook1::pastecap() {
    cappaste = true;
    modified = true;
    pastezoom = pastewidth = pasteheight = 0;
    pastesized = false;
    Form3->pasteframe = false;
    Form3->toolcode = 0;
    pastepanel1->Show();
    paste_it();
    chk1->SetEnabled(true);
    undoptb1->SetEnabled(true);
    redoptb1->SetEnabled(true);
}

void TPbook1::endcappingpaste() {
    ptbox1->Picture().Assign(Image2->Picture());
    cappaste = false;
    TBitmap& clip = clpmap1->Picture().Bitmap();
    TBitmap taken(clip.Width(), clip.Height(), clip.PixelFormat());
    if (clip.Palette()) taken.SetPalette(clip.Palette());
    const TBitmap& page = ptbox1->Picture().Bitmap();
    const TPoint p = pastePosition();
    {
        TProgressPass pass(progress(), clip.Height());
        for (int y = 0; y < clip.Height(); ++y) {
            pass.Row(y);
            for (int x = 0; x < clip.Width(); ++x) {
                if (clip.GetPixel(x, y) == clWhite) continue;
                // Past the page's edge the region stays white.
                const TColor under = page.GetPixel(p.x + x, p.y + y);
                if (under != TColor(0xFFFFFFFF)) taken.SetPixel(x, y, under);
            }
        }
    }
    clip.Assign(taken);
    if (ClipboardGuardWrite(clip, reportNoticeNotAvailableOrEmpty)) pbpastetobut1->SetEnabled(true);
    doapaste();
    Screen->SetCursor(crDefault);
}
