// The page's mouse dispatch: each event reads the palette's tool code and goes to the handler of
// that tool family. Rubber bands are drawn with a NOT-XOR pen and erased by drawing them again;
// nothing of the page is kept aside while a stroke runs.
#include "Pbook.h"
#include "Pbook_mouse_common.h"
#include "Screen.h"
#include "TImage.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpinEdit.h"
#include "TTimer.h"
#include "Toolpal.h"

#include <algorithm>

using namespace drawtools;

void TPbook1::wireDrawing() {
    ptbox1->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        ptbox1MouseDown(s, b, sh, x, y);
    };
    ptbox1->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { ptbox1MouseMove(s, sh, x, y); };
    ptbox1->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        ptbox1MouseUp(s, b, sh, x, y);
    };
    s1->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        s1MouseDown(s, b, sh, x, y);
    };
    s2->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        s2MouseDown(s, b, sh, x, y);
    };
    s3->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        s3MouseDown(s, b, sh, x, y);
    };
    s4->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        s4MouseDown(s, b, sh, x, y);
    };
    spinpen->OnChange = [this](TObject* s) { spinpenChange(s); };
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };
}

void TPbook1::Timer1Timer(TObject*) {
    set_t(Form3->toolcode);
}

void TPbook1::set_t(int t) {
    TCanvas& c = ptbox1->Canvas();
    if (t < 5 || t == 20) c.Pen.Mode = pmCopy;
    if (t == 1) { // Eraser
        Form3->leftcolor = clWhite;
        Form3->linewidth = std::max(Form3->linewidth, 10);
        Form3->do_colbox();
        c.Pen.Style = psSolid;
        brushstyle(c.Brush, bsSolid);
    }
    if (t == 3) { // Pencil
        Form3->leftcolor = 0x808080;
        if (Form3->SpinEdit1->Value() > 2) Form3->SpinEdit1->SetValue(2);
        Form3->do_colbox();
        c.Pen.Style = psSolid;
    }
    if (t == 4) { // Pen
        Form3->leftcolor = 0xFF0000;
        if (Form3->SpinEdit1->Value() > 2) Form3->SpinEdit1->SetValue(1);
        Form3->do_colbox();
        c.Pen.Style = psSolid;
    }
    if (t == 199) { // whole-page fill
        c.Pen.Width = 1;
        brushstyle(c.Brush, bsSolid);
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmCopy;
        c.Pen.Color = Form3->rightcolor;
        brushcolor(c.Brush, Form3->rightcolor);
    }
    if (xortools.has(t)) {
        c.Pen.Width = 2;
        brushstyle(c.Brush, bsClear);
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmNotXor;
        c.Pen.Color = clBlack;
        firstoutline = true;
        pensetup = false;
    }
    if (t == 22 || t == 23 || t == 229) {
        c.Pen.Width = 1;
        brushstyle(c.Brush, bsClear);
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmNotXor;
        c.Pen.Color = clBlack;
        firstoutline = true;
        pensetup = false;
    }
    if (t == 20) { // Lime Green Marker
        Form3->leftcolor = clInfoBk;
        Form3->do_colbox();
        c.Pen.Style = psSolid;
    }
    if (t == 12) { // Bezier
        c.Pen.Width = 1;
        brushstyle(c.Brush, bsClear);
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmNotXor;
        c.Pen.Color = clBlack;
        pensetup = false;
    }
    if (t == 16) { // Flood Fill
        brushstyle(c.Brush, TBrushStyle(Form3->fillstyle));
        brushcolor(c.Brush, Form3->rightcolor);
    }
    if (t == 153 || t == 154) {
        brushstyle(c.Brush, bsSolid);
        brushcolor(c.Brush, 1);
    }
    if (t >= 200 && t <= 203) ptbox1->SetCursor(crArrow);
    if (t >= 101 && t <= 108) {
        ptbox1->SetCursor(crArrow);
        moverlook();
    }
    c.Pen.Style = psInsideFrame;
}

void TPbook1::moverlook() {
    shpmov->PenRef().Mode = pmCopy;
    shpmov->BrushRef().Color = clWhite;
    shpmov->BrushRef().Style = bsClear;
    shpmov->Changed();
}

void TPbook1::set_itback() {
    TCanvas& c = ptbox1->Canvas();
    c.Pen.Mode = pmCopy;
    c.Pen.Width = Form3->linewidth;
    c.Pen.Color = Form3->leftcolor;
    c.Pen.Style = psSolid;
    brushcolor(c.Brush, Form3->rightcolor);
    fillbrush();
}

void TPbook1::fillbrush() {
    TBrush& b = ptbox1->Canvas().Brush;
    if (Form3->normalfill) brushstyle(b, TBrushStyle(Form3->fillstyle));
    if (Form3->patternfill) brushpattern(b, &Form3->patbox1->Picture().Bitmap());
}

void TPbook1::drawband(int t, const TRect& r) {
    TCanvas& c = ptbox1->Canvas();
    if (among(t, {5, 6, 155, 156, 157}))
        c.Rectangle(r);
    else if (t == 9 || t == 10)
        c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 20, 16);
    else if (among(t, {13, 14, 24, 25, 152}))
        c.Ellipse(r);
    else if (t == 11) {
        c.MoveTo(r.Left, r.Top);
        c.LineTo(r.Right, r.Bottom);
    }
}

void TPbook1::ptbox1MouseDown(TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
    int t = Form3->toolcode;
    if (t != 15) set_t(t);
    if (Form3->pasteframe) {
        ptbox1->SetCursor(crHandPoint);
        mask1MDown(Button, Shift, X, Y);
        return;
    }
    mousedown = true;
    if (t == 18) {
        set_t(18);
        pDownco(Button, Shift, X, Y);
        return;
    }
    if (pointtools.has(t)) {
        pDown(Button, Shift, X, Y);
        return;
    }
    if (among(t, {22, 23, 229})) {
        ptbox1->SetCursor(crCross);
        capboxMouseDown(X, Y);
        return;
    }
    if (among(t, {19, 21, 109})) {
        ptbox1->SetCursor(crDefault);
        polycopyDown(Button, X, Y);
        return;
    }
    if (t == 12) {
        ptbox1->SetCursor(crDefault);
        pDownbez(Button, Shift, X, Y);
        return;
    }
    TCanvas& c = ptbox1->Canvas();
    if (t == 17) { // Color Sampler
        TColor picked = c.Pixels(X, Y);
        if (Button == mbRight) Form3->rightcolor = picked;
        if (Button == mbLeft) Form3->leftcolor = picked;
        Form3->showcfcb();
        return;
    }
    if (t == 217) {
        Image2->Picture().Assign(ptbox1->Picture());
        clipreplace(c.Pixels(X, Y));
        return;
    }
    // Freehand and shape tools, and every other code.
    if (!buttondown) {
        downx = X;
        downy = Y;
    }
    if (shapetools.has(t)) Image2->Picture().Assign(ptbox1->Picture());
    buttondown = true;
    c.MoveTo(X, Y);
    set_t(t);
    Screen->SetCursor(crCross);
}

void TPbook1::ptbox1MouseMove(TObject*, TShiftState Shift, int X, int Y) {
    int t = Form3->toolcode;
    if (t >= 200 && t <= 203) zoomspotfollow(X, Y);
    if (t >= 101 && t <= 108) {
        // The marker sits in the scroll box, beside the pointer.
        int a = X + std::min(ptbox1->Left(), 0);
        int b = Y + std::min(ptbox1->Top(), 0);
        int W = SpinEdit3->Value(), H = SpinEdit4->Value();
        shpmov->SetBounds(a - W - 2, b - H - 2, W + 2, H + 2);
        moverx = X - W - 2;
        movery = Y - H - 2;
    }
    if (Form3->pasteframe) {
        mask1MMove(Shift, X, Y);
        return;
    }
    if (t == 18) {
        pveCo(Shift, X, Y);
        return;
    }
    if (!mousedown && t != 7 && t != 8) return;
    if (among(t, {19, 21, 109})) {
        polycopypve(Shift, X, Y);
        return;
    }
    if (among(t, {22, 23, 229})) {
        capboxMouseMove(X, Y);
        return;
    }
    if (pointmovetools.has(t)) {
        pve(Shift, X, Y);
        return;
    }
    if (t == 12) {
        pvebez(Shift, X, Y);
        return;
    }
    if (!buttondown) return;
    TCanvas& c = ptbox1->Canvas();
    c.Pen.Color = Form3->leftcolor;
    brushcolor(c.Brush, Form3->rightcolor);
    c.Pen.Width = Form3->penwidth;
    if (t < 5) c.Pen.Mode = pmCopy;
    if (t == 20) c.Pen.Mode = pmMask;
    if (t < 5 || t == 20) c.LineTo(X, Y);
    if (among(t, {5, 9, 13, 24})) brushstyle(c.Brush, bsClear);
    if (shapetools.has(t)) {
        outline = Rect(downx, downy, X, Y);
        c.Pen.Width = 1;
        c.Pen.Color = clBlack;
        if (!firstoutline) drawband(t, prevoutline);
        drawband(t, outline);
        prevoutline = outline;
        firstoutline = false;
    }
}

void TPbook1::ptbox1MouseUp(TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
    int t = Form3->toolcode;
    if (t >= 200 && t <= 203) {
        ptbox1->SetCursor(crDefault);
        dozoomspot(X, Y, t);
        Form3->toolcode = 0;
    }
    // The last rubber band comes off the page before the final figure goes on, wherever the
    // release happened (the gradient rectangles keep their own frame rule below).
    if ((shapetools.has(t) && !among(t, {155, 156, 157})) || t == 11) {
        if (!firstoutline) drawband(t, prevoutline);
        firstoutline = true;
    }
    set_t(Form3->toolcode);
    Screen->SetCursor(crDefault);
    t = Form3->toolcode;
    if (Form3->pasteframe) {
        mask1MUp(Button, Shift, X, Y);
        return;
    }
    if (t == 18) {
        pUpCo(Button, Shift, X, Y);
        return;
    }
    if (among(t, {22, 23, 229})) {
        ptbox1->SetCursor(crDefault);
        capboxMouseUp(X, Y);
        return;
    }
    if (pointtools.has(t)) {
        pUp(Button, Shift, X, Y);
        return;
    }
    if (among(t, {19, 21, 109})) {
        polycopyUp(Button, X, Y);
        return;
    }
    if (t == 12) {
        pUpbez(Button, Shift, X, Y);
        return;
    }
    buttondown = false;
    TCanvas& c = ptbox1->Canvas();
    if (t >= 155 && t <= 157) {
        c.Rectangle(downx, downy, X, Y);
        brushstyle(c.Brush, bsSolid);
        brushcolor(c.Brush, Form3->rightcolor);
        c.Pen.Mode = pmCopy;
        c.Pen.Color = Form3->rightcolor;
        if (t == 155) Hdogradboxfill(downx, downy, X, Y);
        if (t == 156) Vdogradboxfill(downx, downy, X, Y);
        if (t == 157) Hdogradrectfill(downx, downy, X, Y);
        return;
    }
    c.Pen.Mode = pmCopy;
    c.Pen.Style = psSolid;
    if (shapetools.has(t)) {
        brushstyle(c.Brush, bsSolid);
        brushcolor(c.Brush, Form3->rightcolor);
        c.Pen.Width = Form3->linewidth;
        c.Pen.Color = Form3->leftcolor;
        if (filledshapes.has(t)) fillbrush();
        if (among(t, {5, 9, 13, 24})) brushstyle(c.Brush, bsClear);
    }
    c.Pen.Style = psInsideFrame;
    if (t == 5 || t == 6) c.Rectangle(downx, downy, X, Y);
    if (t == 9 || t == 10) c.RoundRect(downx, downy, X, Y, 20, 16);
    if (t == 13 || t == 14) c.Ellipse(downx, downy, X, Y);
    if (t == 24 || t == 25) capcircle(downx, downy, X, Y);
    if (t == 152) globe(downx, downy, X, Y);
    mousedown = false;
}

void TPbook1::spinpenChange(TObject*) {
    if (spinpen->Value() > 90) spinpen->SetValue(90);
    int w = spinpen->Value();
    SpinEdit3->SetValue(w);
    Form3->linewidth = w;
    Form3->penwidth = w;
    ptbox1->Canvas().Pen.Width = w;
    Form3->drawlinwid();
    if (Form3->toolcode >= 101 && Form3->toolcode <= 108) Form3->refreshmoverbox();
}
