// The colour box, the line width, the colour picture and the help panel of the tool palette.
#include "Dialogs.h"
#include "Menus.h"
#include "Pbook.h"
#include "TImage.h"
#include "TMemo.h"
#include "TPaintBox.h"
#include "TPanel.h"
#include "TSpinEdit.h"
#include "ToolCodes.h"
#include "Toolpal.h"
#include "gradpal.h"

void TForm3::drawbox(TImage* box) {
    TCanvas& c = box->Picture().Bitmap().Canvas();
    if (fillstyle != 0) {
        c.Brush.Color = clSilver;
        c.Brush.Style = bsSolid;
        c.Rectangle(0, 0, 36, 40);
    }
    c.Brush.Color = rightcolor;
    c.Brush.Style = TBrushStyle(fillstyle);
    c.Rectangle(0, 0, 36, 40);
    c.Brush.Color = leftcolor;
    c.Brush.Style = bsSolid;
    c.Rectangle(12, 10, 24, 30);
}

void TForm3::showcfcb() {
    if (Pbook1) {
        SelectPalette(Canvas(), Pbook1->GetPalette(), false);
        RealizePalette(Canvas());
    }
    drawbox(Image1);
    if (Pbook1)
        if (Pbook1->Image12) drawbox(Pbook1->Image12);
}

void TForm3::drawsample(TPaintBox* box) {
    TCanvas& c = box->Canvas();
    c.Pen.Width = 1;
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    c.Pen.Mode = pmCopy;
    c.Brush.Color = clWhite;
    c.Brush.Style = bsSolid;
    c.Rectangle(1, 0, 32, 40);
    // A width of 0 or less (a typed 0 kept as typed) shows an empty sample.
    if (linewidth > 0) {
        c.Pen.Width = linewidth;
        c.MoveTo(16, 15);
        c.LineTo(16, 25);
    }
    c.Pen.Width = 1;
    c.Brush.Color = clSilver;
}

void TForm3::drawlinwid() {
    if (Pbook1)
        if (Pbook1->paintbox1 && Pbook1->InnerColorbar1 && Pbook1->InnerColorbar1->Checked()) {
            drawsample(Pbook1->paintbox1);
            SpinEdit1->SetValue(linewidth);
        }
    drawsample(paintbox1);
    SpinEdit1->SetValue(linewidth);
    Canvas().Pen.Width = 1;
    Canvas().Brush.Color = clSilver;
}

void TForm3::do_colbox() {
    showcfcb();
    drawlinwid();
}

void TForm3::SpinEdit1Change(TObject*) {
    int kept = Canvas().Pen.Width;
    int v = SpinEdit1->Value();
    if (v > 90) {
        SpinEdit1->SetValue(90);
        v = 90;
    }
    if (Pbook1) Pbook1->spinpen->SetValue(v);
    linewidth = v;
    penwidth = v;
    if (Pbook1) Pbook1->ptbox1->Picture().Bitmap().Canvas().Pen.Width = penwidth;
    if (linewidth > 0) drawlinwid();
    Canvas().Pen.Width = kept;
    if (tools::isMover(toolcode) && Pbook1) refreshmoverbox();
}

void TForm3::SpeedButton1Click(TObject*) {
    linewidth = 1;
    drawlinwid();
}

void TForm3::SpeedButton32Click(TObject*) {
    linewidth = 5;
    drawlinwid();
    if (tools::isMover(toolcode)) refreshmoverbox();
}

void TForm3::SpeedButton33Click(TObject*) {
    linewidth = 20;
    drawlinwid();
    if (tools::isMover(toolcode)) refreshmoverbox();
}

void TForm3::SpeedButton34Click(TObject*) {
    linewidth = 30;
    drawlinwid();
    if (tools::isMover(toolcode)) refreshmoverbox();
}

void TForm3::colourboxclick(TMouseButton Button, int X, int Y) {
    if (Button != mbLeft) return;
    TColor* target = nullptr;
    if (X > 15 && X < 30 && Y > 10 && Y < 20)
        target = &leftcolor;
    else if (X > 0 && X < 40 && Y > 0 && Y < 40)
        target = &rightcolor;
    if (!target) return;
    if (ColorDialog1->Execute()) {
        *target = ColorDialog1->Color();
        showcfcb();
    }
}

void TForm3::Image1MouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
    colourboxclick(Button, X, Y);
}

void TForm3::paintbox1MouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
    TColor c = paintbox1->Canvas().Pixels(X, Y);
    if (Button == mbLeft)
        leftcolor = c;
    else if (Button == mbRight)
        rightcolor = c;
    else
        return;
    showcfcb();
}

void TForm3::Image3MouseMove(TObject*, TShiftState, int X, int Y) {
    colorunder = Image3->Picture().Bitmap().Canvas().Pixels(X, Y);
}

void TForm3::Image3MouseUp(TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == mbRight)
        rightcolor = colorunder;
    else if (Button == mbLeft)
        leftcolor = colorunder;
    showcfcb();
    if (gradform1) {
        gradform1->offsetr = gradform1->offsetg = gradform1->offsetb = 0;
        gradform1->setcolorstretch();
    }
    showgrad();
    Invalidate();
}

void TForm3::Panel4MouseMove(TObject*, TShiftState, int, int) {
    colorunder = clBtnFace;
    Panel6->SetColor(clBtnFace);
}

// The help panel slides in at left 0 and is parked at left 144.
void TForm3::SpeedButton3Click(TObject*) {
    Panel9->SetLeft(0);
    Panel9->BringToFront();
}

void TForm3::BitBtn37Click(TObject*) {
    Pbook1->pastecap();
    Memo1->Lines().SetStrings({"Paste a template", "such as clipart", "or lines of TEXT", "onto the page.",
                               " ", "Then select OK", "to capture the", "area within the", "template"});
    Panel9->SetLeft(0);
    Panel9->BringToFront();
}

void TForm3::BitBtn24Click(TObject*) {
    if (Pbook1 && Pbook1->cappaste) {
        // Over a paste that never started, the undo image is stale: capture nothing.
        if (Pbook1->pasteLive())
            Pbook1->endcappingpaste();
        else
            Pbook1->cappaste = false;
        Memo1->Lines().SetStrings({"The solid white", "block is normal.", " ", "Line patterns are",
                                   "transparent.", " ", "Bitmap patterns", "are in the Bin", "subdirectory.",
                                   "To create one:", "\"Paste to file\" a", "small true color", "bitmap,",
                                   "overwriting an", "existing one."});
    }
    Panel9->SetLeft(144);
}

void TForm3::SpeedButton5Click(TObject*) {
    Pbook1->dohelp("PAINTHELP.RTF");
}

int TForm3::onQueryNewPalette() {
    SelectPalette(Canvas(), Pbook1->GetPalette(), false);
    int changed = RealizePalette(Canvas());
    if (changed) Invalidate();
    return changed;
}

int TForm3::onPaletteChanged(const TCustomForm* source) {
    if (source != this) {
        SelectPalette(Canvas(), Pbook1->GetPalette(), true);
        RealizePalette(Canvas());
        Refresh();
    }
    return 0;
}
