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
#include "ToolCodes.h"
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
    if (tools::isFreehand(t) || t == tools::limeMarker) c.Pen.Mode = pmCopy;
    if (t == tools::eraser) {
        Form3->leftcolor = clWhite;
        Form3->linewidth = std::max(Form3->linewidth, 10);
        Form3->do_colbox();
        c.Pen.Style = psSolid;
        c.Brush.SetStyle(bsSolid);
    }
    if (t == tools::pencil) {
        Form3->leftcolor = 0x808080;
        if (Form3->SpinEdit1->Value() > 2) Form3->SpinEdit1->SetValue(2);
        Form3->do_colbox();
        c.Pen.Style = psSolid;
    }
    if (t == tools::pen) {
        Form3->leftcolor = 0xFF0000;
        if (Form3->SpinEdit1->Value() > 2) Form3->SpinEdit1->SetValue(1);
        Form3->do_colbox();
        c.Pen.Style = psSolid;
    }
    if (t == tools::wholePageFill) {
        c.Pen.Width = 1;
        c.Brush.SetStyle(bsSolid);
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmCopy;
        c.Pen.Color = Form3->rightcolor;
        c.Brush.SetColor(Form3->rightcolor);
    }
    if (tools::xorTools.has(t)) {
        c.Pen.Width = 2;
        c.Brush.SetStyle(bsClear);
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmNotXor;
        c.Pen.Color = clBlack;
        firstoutline = true;
        pensetup = false;
    }
    if (tools::isBoxCapture(t)) {
        c.Pen.Width = 1;
        c.Brush.SetStyle(bsClear);
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmNotXor;
        c.Pen.Color = clBlack;
        firstoutline = true;
        pensetup = false;
    }
    if (t == tools::limeMarker) {
        Form3->leftcolor = clInfoBk;
        Form3->do_colbox();
        c.Pen.Style = psSolid;
    }
    if (t == tools::bezier) {
        c.Pen.Width = 1;
        c.Brush.SetStyle(bsClear);
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmNotXor;
        c.Pen.Color = clBlack;
        pensetup = false;
    }
    if (t == tools::floodFill) {
        c.Brush.SetStyle(TBrushStyle(Form3->fillstyle));
        c.Brush.SetColor(Form3->rightcolor);
    }
    if (t == tools::hGradientFill || t == tools::vGradientFill) {
        c.Brush.SetStyle(bsSolid);
        c.Brush.SetColor(1);
    }
    if (tools::isZoomSpot(t)) ptbox1->SetCursor(crArrow);
    if (tools::isMover(t)) {
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
    c.Brush.SetColor(Form3->rightcolor);
    fillbrush();
}

void TPbook1::fillbrush() {
    TBrush& b = ptbox1->Canvas().Brush;
    if (Form3->normalfill) b.SetStyle(TBrushStyle(Form3->fillstyle));
    if (Form3->patternfill) b.SetBitmap(&Form3->patbox1->Picture().Bitmap());
}

void TPbook1::drawband(int t, const TRect& r) {
    TCanvas& c = ptbox1->Canvas();
    if (tools::rectangleBands.has(t))
        c.Rectangle(r);
    else if (tools::roundRectangleBands.has(t))
        c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 20, 16);
    else if (tools::ellipseBands.has(t))
        c.Ellipse(r);
    else if (t == tools::line) {
        c.MoveTo(r.Left, r.Top);
        c.LineTo(r.Right, r.Bottom);
    }
}

void TPbook1::ptbox1MouseDown(TObject*, TMouseButton Button, TShiftState Shift, int X, int Y) {
    int t = Form3->toolcode;
    if (t != tools::spray) set_t(t);
    if (Form3->pasteframe) {
        ptbox1->SetCursor(crHandPoint);
        mask1MDown(Button, Shift, X, Y);
        return;
    }
    mousedown = true;
    if (t == tools::colorReplacer) {
        set_t(tools::colorReplacer);
        pDownco(Button, Shift, X, Y);
        return;
    }
    if (tools::pointTools.has(t)) {
        pDown(Button, Shift, X, Y);
        return;
    }
    if (tools::isBoxCapture(t)) {
        ptbox1->SetCursor(crCross);
        capboxMouseDown(X, Y);
        return;
    }
    if (tools::isLassoCapture(t)) {
        ptbox1->SetCursor(crDefault);
        polycopyDown(Button, X, Y);
        return;
    }
    if (t == tools::bezier) {
        ptbox1->SetCursor(crDefault);
        pDownbez(Button, Shift, X, Y);
        return;
    }
    TCanvas& c = ptbox1->Canvas();
    if (t == tools::colorSampler) {
        TColor picked = c.Pixels(X, Y);
        if (Button == mbRight) Form3->rightcolor = picked;
        if (Button == mbLeft) Form3->leftcolor = picked;
        Form3->showcfcb();
        return;
    }
    if (t == tools::replaceWithClip) {
        Image2->Picture().Assign(ptbox1->Picture());
        clipreplace(c.Pixels(X, Y));
        return;
    }
    // Freehand and shape tools, and every other code.
    if (!buttondown) {
        downx = X;
        downy = Y;
    }
    if (tools::shapeTools.has(t)) Image2->Picture().Assign(ptbox1->Picture());
    buttondown = true;
    c.MoveTo(X, Y);
    set_t(t);
    Screen->SetCursor(crCross);
}

void TPbook1::ptbox1MouseMove(TObject*, TShiftState Shift, int X, int Y) {
    int t = Form3->toolcode;
    if (tools::isZoomSpot(t)) zoomSpotFollow(X, Y);
    if (tools::isMover(t)) {
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
    if (t == tools::colorReplacer) {
        pveCo(Shift, X, Y);
        return;
    }
    if (!mousedown && t != tools::polygon && t != tools::filledPolygon) return;
    if (tools::isLassoCapture(t)) {
        polycopypve(Shift, X, Y);
        return;
    }
    if (tools::isBoxCapture(t)) {
        capboxMouseMove(X, Y);
        return;
    }
    if (tools::pointMoveTools.has(t)) {
        pve(Shift, X, Y);
        return;
    }
    if (t == tools::bezier) {
        pvebez(Shift, X, Y);
        return;
    }
    if (!buttondown) return;
    TCanvas& c = ptbox1->Canvas();
    c.Pen.Color = Form3->leftcolor;
    c.Brush.SetColor(Form3->rightcolor);
    c.Pen.Width = Form3->penwidth;
    if (tools::isFreehand(t)) c.Pen.Mode = pmCopy;
    if (t == tools::limeMarker) c.Pen.Mode = pmMask;
    if (tools::isFreehand(t) || t == tools::limeMarker) c.LineTo(X, Y);
    if (tools::isOutlineShape(t)) c.Brush.SetStyle(bsClear);
    if (tools::shapeTools.has(t)) {
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
    if (tools::isZoomSpot(t)) {
        ptbox1->SetCursor(crDefault);
        dozoomspot(X, Y, t);
        Form3->toolcode = tools::noTool;
    }
    // The last rubber band comes off the page before the final figure goes on, wherever the
    // release happened (the gradient rectangles keep their own frame rule below).
    if ((tools::shapeTools.has(t) && !tools::isGradientRectangle(t)) || t == tools::line) {
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
    if (t == tools::colorReplacer) {
        pUpCo(Button, Shift, X, Y);
        return;
    }
    if (tools::isBoxCapture(t)) {
        ptbox1->SetCursor(crDefault);
        capboxMouseUp(X, Y);
        return;
    }
    if (tools::pointTools.has(t)) {
        pUp(Button, Shift, X, Y);
        return;
    }
    if (tools::isLassoCapture(t)) {
        polycopyUp(Button, X, Y);
        return;
    }
    if (t == tools::bezier) {
        pUpbez(Button, Shift, X, Y);
        return;
    }
    buttondown = false;
    TCanvas& c = ptbox1->Canvas();
    if (tools::isGradientRectangle(t)) {
        c.Rectangle(downx, downy, X, Y);
        c.Brush.SetStyle(bsSolid);
        c.Brush.SetColor(Form3->rightcolor);
        c.Pen.Mode = pmCopy;
        c.Pen.Color = Form3->rightcolor;
        if (t == tools::hGradientRectangle) Hdogradboxfill(downx, downy, X, Y);
        if (t == tools::vGradientRectangle) Vdogradboxfill(downx, downy, X, Y);
        if (t == tools::gradientFrame) Hdogradrectfill(downx, downy, X, Y);
        return;
    }
    c.Pen.Mode = pmCopy;
    c.Pen.Style = psSolid;
    if (tools::shapeTools.has(t)) {
        c.Brush.SetStyle(bsSolid);
        c.Brush.SetColor(Form3->rightcolor);
        c.Pen.Width = Form3->linewidth;
        c.Pen.Color = Form3->leftcolor;
        if (tools::filledShapes.has(t)) fillbrush();
        if (tools::isOutlineShape(t)) c.Brush.SetStyle(bsClear);
    }
    c.Pen.Style = psInsideFrame;
    if (t == tools::rectangle || t == tools::filledRectangle) c.Rectangle(downx, downy, X, Y);
    if (tools::roundRectangleBands.has(t)) c.RoundRect(downx, downy, X, Y, 20, 16);
    if (t == tools::circle || t == tools::filledCircle) c.Ellipse(downx, downy, X, Y);
    if (t == tools::captureCircle || t == tools::specialOutlineCircle) capcircle(downx, downy, X, Y);
    if (t == tools::gradientGlobe) globe(downx, downy, X, Y);
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
    if (tools::isMover(Form3->toolcode)) Form3->refreshmoverbox();
}
