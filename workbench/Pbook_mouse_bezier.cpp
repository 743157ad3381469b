// The Bezier tool: a drag places the curve with four handles, clicks on the handles move its
// points, a right-button release draws it for good.
#include "Pbook.h"
#include "Pbook_mouse_common.h"
#include "TImage.h"
#include "TShape.h"
#include "ToolCodes.h"
#include "ToolPixels.h"
#include "Toolpal.h"
#include "bez.h"

#include <algorithm>

using namespace drawtools;

namespace {
void bezcurve(TCanvas& c, const std::array<TPoint, 4>& p) {
    drawbezier(c, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y, 30);
}
} // namespace

std::array<TPoint, 4> TPbook1::bezpoints() const {
    return {bezstart, bezctl1, bezctl2, bezend};
}

TPoint TPbook1::scrolled(TPoint p) const {
    return Point(p.x + std::min(ptbox1->Left(), 0), p.y + std::min(ptbox1->Top(), 0));
}

void TPbook1::placehandle(int i) {
    TShape* shapes[] = {s1, s2, s3, s4};
    const TPoint points[] = {bezstart, bezend, bezctl1, bezctl2};
    bezhandle[size_t(i)] = scrolled(points[i]);
    shapes[i]->SetBounds(bezhandle[size_t(i)].x - 8, bezhandle[size_t(i)].y - 8, 16, 16);
}

void TPbook1::erasebezline() {
    if (firstoutline) return;
    drawband(11, prevoutline);
    firstoutline = true;
}

void TPbook1::pDownbez(TMouseButton, TShiftState, int X, int Y) {
    if (!buttondown) {
        downx = X;
        downy = Y;
    }
    buttondown = !buttondown;
    set_t(tools::bezier);
    Repaint();
}

void TPbook1::pvebez(TShiftState, int X, int Y) {
    TCanvas& c = ptbox1->Canvas();
    bool grabbed = bezgrab1 || bezgrab2 || bezgrab3 || bezgrab4;
    // The pen is set again each time, so what is erased is drawn exactly as it was.
    if (buttondown && !grabbed && !bezplaced) {
        set_t(tools::bezier);
        outline = Rect(downx, downy, X, Y);
        if (!firstoutline) drawband(11, prevoutline);
        drawband(11, outline);
        prevoutline = outline;
        firstoutline = false;
    }
    if (bezplaced && mousedown && (!buttondown || bezdragging)) {
        set_t(tools::bezier);
        if (!firstoutline) bezcurve(c, bezshown);
        TPoint at = Point(X, Y);
        if (bezgrab1) bezstart = at;
        if (bezgrab2) bezend = at;
        if (bezgrab3) bezctl1 = at;
        if (bezgrab4) bezctl2 = at;
        if (bezgrab1) bezhandle[0] = scrolled(at);
        if (bezgrab2) bezhandle[1] = scrolled(at);
        if (bezgrab3) bezhandle[2] = scrolled(at);
        if (bezgrab4) bezhandle[3] = scrolled(at);
        bezshown = bezpoints();
        bezcurve(c, bezshown);
        firstoutline = false;
    }
}

void TPbook1::pUpbez(TMouseButton Button, TShiftState, int X, int Y) {
    buttondown = false;
    auto after = [this] {
        bezgrab1 = bezgrab2 = bezgrab3 = bezgrab4 = false;
        Repaint();
    };
    if (!bezplaced) {
        // A click, or a short drag up-left or down-right, places nothing; its line goes.
        if (beznodrag(X, Y, downx, downy)) {
            erasebezline();
            after();
            return;
        }
        TPoint start = Point(downx, downy), end = Point(X, Y);
        bezstart = start;
        bezend = end;
        if (!bezcontrols(start, end, bezctl1, bezctl2)) {
            erasebezline();
            after();
            return;
        }
        set_t(tools::bezier);
        for (int i = 0; i < 4; ++i)
            placehandle(i);
        for (TShape* s : {s1, s2, s3, s4}) {
            s->Show();
            s->BringToFront();
        }
        bezplaced = true;
        bezshown = bezpoints();
        erasebezline();
        firstoutline = true;
        bezhandles = true;
        after();
        return;
    }
    if (Button == mbRight) {
        for (TShape* s : {s1, s2, s3, s4})
            s->Hide();
        TCanvas& c = ptbox1->Canvas();
        c.Pen.Mode = pmCopy;
        c.Pen.Style = psSolid;
        c.Pen.Width = Form3->linewidth;
        c.Pen.Color = Form3->leftcolor;
        c.Brush.SetColor(Form3->rightcolor);
        bezcurve(c, bezpoints());
        firstoutline = true;
        bezplaced = false;
        bezgrab1 = bezgrab2 = bezgrab3 = bezgrab4 = false;
        bezdragging = false;
        buttondown = false;
        set_t(tools::bezier);
        bezstart = bezend = bezctl1 = bezctl2 = TPoint{};
        bezshown = {};
        mousedown = false;
        after();
        return;
    }
    // The click that ends a handle move puts each moved handle where its point now is.
    bool* grabs[] = {&bezgrab1, &bezgrab2, &bezgrab3, &bezgrab4};
    for (int i = 0; i < 4; ++i)
        if (*grabs[i]) {
            set_t(tools::bezier);
            *grabs[i] = false;
            placehandle(i);
        }
    after();
}

void TPbook1::remove_boxes() {
    set_t(tools::bezier);
    for (TShape* s : {s1, s2, s3, s4})
        s->Hide();
    // Only a curve that is on the page is drawn again, which takes it off.
    if (!firstoutline) bezcurve(ptbox1->Canvas(), bezshown);
    firstoutline = true;
    set_itback();
}

void TPbook1::s1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    bezgrab1 = true;
    bezdragging = true;
}

void TPbook1::s2MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    bezgrab2 = true;
    bezdragging = true;
}

void TPbook1::s3MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    bezgrab3 = true;
    bezdragging = true;
}

void TPbook1::s4MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    bezgrab4 = true;
    bezdragging = true;
}
