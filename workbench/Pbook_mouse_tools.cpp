// The point tools (polygons, line, flood fill, spray, the gradient fills and the pixel movers),
// the colour replacer, the gradient globe and the clipboard colour replacer.
#include "Clipboard.h"
#include "ClipboardGuard.h"
#include "Pbook.h"
#include "Pbook_mouse_common.h"
#include "TImage.h"
#include "TListBox.h"
#include "TSpinEdit.h"
#include "ToolCodes.h"
#include "ToolPixels.h"
#include "Toolpal.h"

#include <algorithm>
#include <chrono>
#include <vector>

using namespace drawtools;

namespace {
// The clipboard's picture, once the guard has said there is one. A bitmap only announced, with no
// data behind it, is reported as a clipboard without a picture.
bool clipboardpicture(TBitmap& clip) {
    try {
        Clipboard()->GetBitmap(clip);
        return true;
    } catch (const EClipboardError&) {
        ClipboardReport(reportBoxNotavailableError);
        return false;
    }
}
} // namespace

void TPbook1::pDown(TMouseButton, TShiftState, int X, int Y) {
    int t = Form3->toolcode;
    if (!buttondown) {
        downx = X;
        downy = Y;
        if (polycount == 1) {
            polypoints[1] = Point(X, Y);
            polycount = 2;
        }
    }
    buttondown = true;
    if (t == tools::line) set_t(tools::line);
    if (t == tools::polygon || t == tools::filledPolygon) {
        if (!pensetup) set_t(t);
        pensetup = true;
    }
    if (t == tools::hGradientFill) {
        Hdogradfill(X, Y);
        return;
    }
    if (t == tools::vGradientFill) {
        Vdogradfill(X, Y);
        return;
    }
    if (t == tools::floodFill) {
        set_itback();
        TCanvas& c = ptbox1->Canvas();
        c.Pen.Color = Form3->leftcolor;
        c.Brush.SetColor(Form3->rightcolor);
        fillbrush();
        c.FloodFill(X, Y, c.Pixels(X, Y), fsSurface);
    }
    if (t == tools::spray) do_spray(X, Y);
}

void TPbook1::pve(TShiftState, int X, int Y) {
    if (!buttondown && !pensetup) return;
    int t = Form3->toolcode;
    TCanvas& c = ptbox1->Canvas();
    c.Pen.Color = PaletteRelative(Form3->leftcolor);
    c.Brush.SetColor(PaletteRelative(Form3->rightcolor));
    c.Pen.Width = Form3->penwidth;
    if (t == tools::polygon || t == tools::filledPolygon || t == tools::line) {
        outline = Rect(downx, downy, X, Y);
        c.Pen.Width = 1;
        c.Pen.Color = clBlack;
        c.Pen.Mode = pmNotXor;
        if (t == tools::line) { // polygons show no rubber band
            if (!firstoutline) drawband(11, prevoutline);
            drawband(11, outline);
        }
        prevoutline = outline;
        firstoutline = false;
    }
    if (t == tools::spray) do_spray(X, Y);
}

void TPbook1::pUp(TMouseButton Button, TShiftState, int X, int Y) {
    buttondown = false;
    int t = Form3->toolcode;
    TCanvas& c = ptbox1->Canvas();
    if (tools::isMover(t)) {
        nudgeselection(moverx + 1, movery + 1, t, SpinEdit3->Value(), SpinEdit4->Value());
        return;
    }
    if (t == tools::polygon || t == tools::filledPolygon || t == tools::line) {
        c.Pen.Mode = pmCopy;
        c.Pen.Width = Form3->linewidth;
        c.Pen.Color = Form3->leftcolor;
    }
    if (t == tools::line) {
        c.MoveTo(downx, downy);
        c.LineTo(X, Y);
        return;
    }
    if (t == tools::polygon || t == tools::filledPolygon) {
        downx = X;
        downy = Y;
        mousedown = false;
        c.Pen.Mode = pmCopy;
        c.Pen.Style = psInsideFrame;
        c.Pen.Color = Form3->leftcolor;
        c.Brush.SetColor(Form3->rightcolor);
        polypoints[polycount] = Point(X, Y);
        // A figure whose first press went elsewhere starts at this vertex.
        TPoint from = polycount > 1 ? polypoints[polycount - 1] : polypoints[polycount];
        c.MoveTo(from.x, from.y);
        c.LineTo(X, Y);
        polycount = std::min(polycount + 1, 500);
        if (Button == mbRight) {
            for (int i = polycount; i <= 500; ++i)
                polypoints[i] = polypoints[1];
            std::vector<TPoint> figure;
            figure.reserve(500);
            for (int i = 1; i <= 500; ++i)
                figure.push_back(polypoints[i]);
            if (t == tools::polygon) {
                c.Polyline(figure);
            } else {
                fillbrush();
                c.Polygon(figure);
            }
            polycount = 1;
            pensetup = false;
            mousedown = false;
            return;
        }
    }
    c.Pen.Mode = pmCopy;
    if (t == tools::spray) do_spray(X, Y);
    Repaint();
}

void TPbook1::do_spray(int X, int Y) {
    TCanvas& c = ptbox1->Canvas();
    if (spraymix) c.Pen.Mode = pmNotXor;
    std::mt19937 rng(unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
    spraydots(ptbox1->Picture().Bitmap(), X, Y, Form3->linewidth, PaletteRelative(Form3->leftcolor), rng);
}

void TPbook1::pDownco(TMouseButton, TShiftState, int X, int Y) {
    replacesquare(ptbox1->Picture().Bitmap(), X, Y, Form3->linewidth, Form3->leftcolor,
                  ColorToRGB(Form3->rightcolor));
    buttondown = true;
    Repaint();
}

void TPbook1::pveCo(TShiftState, int X, int Y) {
    if (!buttondown) return;
    replacesquare(ptbox1->Picture().Bitmap(), X, Y, Form3->linewidth, Form3->leftcolor,
                  ColorToRGB(Form3->rightcolor));
    Repaint();
}

void TPbook1::pUpCo(TMouseButton, TShiftState, int, int) {
    mousedown = false;
    buttondown = false;
}

void TPbook1::globe(int X1, int Y1, int X2, int Y2) {
    drawglobe(ptbox1->Canvas(), X1, Y1, X2, Y2, Form3->ListBox1->Items().ToVector());
}

void TPbook1::clipreplace(TColor c) {
    TBitmap scratch(ptbox1->Picture().Bitmap());
    if (!ClipboardGuardRead(reportBoxNotavailableError)) return;
    TBitmap& clip = clpmap1->Picture().Bitmap();
    if (!clipboardpicture(clip)) return;
    replacewithclip(scratch, clip, c, progress());
    ptbox1->Picture().Bitmap().Assign(scratch);
}
