#include "Toolpal.h"

#include "Dialogs.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "TBevel.h"
#include "TBitBtn.h"
#include "TImage.h"
#include "TLabel.h"
#include "TListBox.h"
#include "TMemo.h"
#include "TPaintBox.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "ToolCodes.h"
#include "Toolpal_glyphs.h"

TForm3* Form3 = nullptr;

namespace {

template <class T> T* named(T* c, const char* name) {
    c->SetName(name);
    return c;
}

TPanel* panel(TForm3* f, TWinControl* parent, const char* name, int l, int t, int w, int h) {
    TPanel* p = named(new TPanel(f, parent), name);
    p->SetBounds(l, t, w, h);
    p->SetCaption("");
    return p;
}

void hint(TControl* c, const char* h) {
    c->SetHint(h);
    c->SetShowHint(true);
}

} // namespace

TForm3::TForm3(TComponent* AOwner) : TForm(AOwner) {
    SetName("Form3");
    SetCaption("Tools");
    SetBorderStyle(bsToolWindow);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetFormStyle(fsStayOnTop);
    SetClientWidth(128);
    SetClientHeight(386);
    TFont f = Font();
    f.Name = "System";
    f.Style = fsBold;
    SetFont(f);

    // Every button stores its tool code, then calls do_tool; `on` binds a handler.
    auto on = [this](void (TForm3::*h)(TObject*)) { return [this, h](TObject* s) { (this->*h)(s); }; };
    auto bitbtn = [&](TWinControl* parent, const char* name, const char* h, int l, int t, int size,
                      void (TForm3::*click)(TObject*)) {
        TBitBtn* b = named(new TBitBtn(this, parent), name);
        b->SetBounds(l, t, size, size);
        b->SetCaption("");
        b->SetGlyph(ToolGlyph(name, size - 8));
        hint(b, h);
        b->OnClick = on(click);
        return b;
    };
    auto speed = [&](TWinControl* parent, const char* name, const char* caption, const char* h, int l, int t,
                     int w, int ht, void (TForm3::*click)(TObject*)) {
        TSpeedButton* b = named(new TSpeedButton(this, parent), name);
        b->SetBounds(l, t, w, ht);
        b->SetCaption(caption);
        TBitmap g = ToolGlyph(name, std::min(w, ht) - 6);
        if (!g.Empty()) b->SetGlyph(g);
        if (h && *h) hint(b, h);
        b->OnClick = on(click);
        return b;
    };
    auto textbtn = [&](TWinControl* parent, const char* name, const char* caption, const char* h, int l,
                       int t, int w, int ht, void (TForm3::*click)(TObject*)) {
        TBitBtn* b = named(new TBitBtn(this, parent), name);
        b->SetBounds(l, t, w, ht);
        b->SetCaption(caption);
        if (h && *h) hint(b, h);
        b->OnClick = on(click);
        return b;
    };

    // The cool bar: tool bar, colour box, width sample, width buttons and spin.
    Panel5 = panel(this, this, "Panel5", 0, 0, 128, 88);
    ToolButton1 =
        speed(Panel5, "ToolButton1", "Grad", "Gradient Tools", 2, 2, 41, 20, &TForm3::ToolButton1Click);
    ToolButton2 =
        speed(Panel5, "ToolButton2", "Anim", "Animation Tools", 43, 2, 41, 20, &TForm3::ToolButton2Click);
    ToolButton3 = speed(Panel5, "ToolButton3", "Pat", "Patterns", 84, 2, 41, 20, &TForm3::ToolButton3Click);
    for (TSpeedButton* b : {ToolButton1, ToolButton2, ToolButton3})
        b->SetFlat(true);
    Image1 = named(new TImage(this, Panel5), "Image1");
    Image1->SetBounds(3, 24, 36, 40);
    hint(Image1, "Click here for more colors");
    Image1->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Image1MouseUp(s, b, sh, x, y);
    };
    paintbox1 = named(new TPaintBox(this, Panel5), "paintbox1");
    paintbox1->SetBounds(44, 24, 32, 40);
    paintbox1->OnPaint = [this](TObject*) { drawsample(paintbox1); };
    paintbox1->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        paintbox1MouseUp(s, b, sh, x, y);
    };
    SpeedButton1 = speed(Panel5, "SpeedButton1", "", "", 79, 24, 22, 20, &TForm3::SpeedButton1Click);
    SpeedButton32 = speed(Panel5, "SpeedButton32", "", "", 102, 24, 22, 20, &TForm3::SpeedButton32Click);
    SpeedButton33 = speed(Panel5, "SpeedButton33", "", "", 79, 44, 22, 20, &TForm3::SpeedButton33Click);
    SpeedButton34 = speed(Panel5, "SpeedButton34", "", "", 102, 44, 22, 20, &TForm3::SpeedButton34Click);
    SpinEdit1 = named(new TSpinEdit(this, Panel5), "SpinEdit1");
    SpinEdit1->SetBounds(44, 66, 80, 20);
    SpinEdit1->SetMinValue(1);
    SpinEdit1->SetMaxValue(90);
    SpinEdit1->SetValue(1);
    SpinEdit1->OnChange = on(&TForm3::SpinEdit1Change);

    // The gradient strip.
    Panel6 = panel(this, this, "Panel6", 1, 88, 126, 12);
    Panel6->SetBevelOuter(bvLowered);
    Image4 = named(new TImage(this, Panel6), "Image4");
    Image4->SetAlign(alClient);
    Image4->SetCursor(crHandPoint);
    hint(Image4, "Gradient Color Manager");
    hint(Panel6, "Gradient Color Manager");
    Panel6->OnClick = on(&TForm3::Panel6Click);
    Image4->OnClick = on(&TForm3::Panel6Click);

    // The colour picture.
    Panel4 = panel(this, this, "Panel4", 0, 100, 128, 42);
    Panel4->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { Panel4MouseMove(s, sh, x, y); };
    Image3 = named(new TImage(this, Panel4), "Image3");
    Image3->SetBounds(5, 2, 117, 37);
    Image3->SetCursor(crCross);
    Image3->Picture().Assign(ColourPicture(118, 40));
    Image3->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { Image3MouseMove(s, sh, x, y); };
    Image3->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        Image3MouseUp(s, b, sh, x, y);
    };

    // Drawing tools, five to a row.
    const int top1 = 142, height1 = 386 - top1;
    Panel1 = panel(this, this, "Panel1", 0, top1, 128, height1);
    auto at = [](int i, int& l, int& t) {
        l = 4 + (i % 5) * 24;
        t = 3 + (i / 5) * 24;
    };
    struct Tool {
        TBitBtn** field;
        const char* name;
        const char* hint;
        void (TForm3::*click)(TObject*);
    };
    const Tool tools[] = {
        {&BitBtn13, "BitBtn13", "Eraser", &TForm3::BitBtn13Click},
        {&BitBtn5, "BitBtn5", "Paint Brush", &TForm3::BitBtn5Click},
        {&BitBtn3, "BitBtn3", "Pencil", &TForm3::BitBtn3Click},
        {&BitBtn4, "BitBtn4", "Pen", &TForm3::BitBtn4Click},
        {&BitBtn32, "BitBtn32", "Lime Green Marker", &TForm3::BitBtn32Click},
        {&BitBtn15, "BitBtn15", "Line", &TForm3::BitBtn15Click},
        {&BitBtn16, "BitBtn16", "Bezier Curve", &TForm3::BitBtn16Click},
        {&BitBtn12, "BitBtn12", "Polygon", &TForm3::BitBtn12Click},
        {&BitBtn14, "BitBtn14", "Filled Polygon", &TForm3::BitBtn14Click},
        {&BitBtn17, "BitBtn17", "Spray Paint", &TForm3::BitBtn17Click},
        {&BitBtn2, "BitBtn2", "Rectangle", &TForm3::BitBtn2Click},
        {&BitBtn6, "BitBtn6", "Filled Rectangle", &TForm3::BitBtn6Click},
        {&BitBtn7, "BitBtn7", "Rounded Rectangle", &TForm3::BitBtn7Click},
        {&BitBtn9, "BitBtn9", "Filled Round Rectangle", &TForm3::BitBtn9Click},
        {&BitBtn18, "BitBtn18", "Flood Fill", &TForm3::BitBtn18Click},
        {&BitBtn10, "BitBtn10", "Circle", &TForm3::BitBtn10Click},
        {&BitBtn11, "BitBtn11", "Filled Circle", &TForm3::BitBtn11Click},
        {&BitBtn29, "BitBtn29", "Color Sampler", &TForm3::BitBtn29Click},
        {&BitBtn30, "BitBtn30", "Color Replacer", &TForm3::BitBtn30Click},
        {&BitBtn31, "BitBtn31", "Color Replacer Polygon", &TForm3::BitBtn31Click},
        {&BitBtn1, "BitBtn1", "Gradient color", &TForm3::BitBtn1Click},
        {&BitBtn26, "BitBtn26", "Clear Image", &TForm3::BitBtn26Click},
    };
    int i = 0;
    for (const Tool& t : tools) {
        int l, tp;
        at(i++, l, tp);
        *t.field = bitbtn(Panel1, t.name, t.hint, l, tp, 24, t.click);
    }

    // Outline and capture tools, and help.
    Panel2 = panel(this, Panel1, "Panel2", 2, 128, 124, 50);
    Panel2->SetBevelOuter(bvLowered);
    const Tool outlines[] = {
        {&BitBtn19, "BitBtn19", "Lasso Outline", &TForm3::BitBtn19Click},
        {&BitBtn20, "BitBtn20", "Rectangle Outline", &TForm3::BitBtn20Click},
        {&BitBtn21, "BitBtn21", "Cut", &TForm3::BitBtn21Click},
        {&BitBtn28, "BitBtn28", "Capture Circular Area", &TForm3::BitBtn28Click},
        {&BitBtn23, "BitBtn23", "Replace a color with clipboard", &TForm3::BitBtn23Click},
        {&BitBtn8, "BitBtn8", "Special Outline an Area", &TForm3::BitBtn8Click},
        {&BitBtn34, "BitBtn34", "Special Outline Circlular Area", &TForm3::BitBtn34Click},
        {&BitBtn25, "BitBtn25", "Special Rectangle ", &TForm3::BitBtn25Click},
        {&BitBtn37, "BitBtn37", "Captures an area using current clipboard as template",
         &TForm3::BitBtn37Click},
    };
    i = 0;
    for (const Tool& t : outlines) {
        int l = 3 + (i % 5) * 24, tp = 2 + (i / 5) * 23;
        ++i;
        *t.field = bitbtn(Panel2, t.name, t.hint, l, tp, 22, t.click);
    }
    SpeedButton5 = speed(Panel2, "SpeedButton5", "?", "Help", 99, 25, 22, 22, &TForm3::SpeedButton5Click);

    ListBox1 = named(new TListBox(this, Panel1), "ListBox1");
    ListBox1->SetBounds(4, 182, 60, 40);
    ListBox1->Hide();
    // The pattern preview, below the capture buttons.
    Image2 = named(new TImage(this, Panel1), "Image2");
    Image2->SetBounds(6, 182, 7, 6);
    ColorDialog1 = new TColorDialog(this);
    ColorDialog1->SetName("ColorDialog1");

    // The overlay panels lie over the drawing tools.
    auto overlay = [&](const char* name) {
        TPanel* p = panel(this, this, name, 0, top1, 128, height1);
        p->Hide();
        return p;
    };

    // Fill styles and patterns.
    Panel3 = overlay("Panel3");
    struct Fill {
        TSpeedButton** field;
        const char* name;
        const char* hint;
        int style;
    };
    const Fill fills[] = {
        {&SpeedButton30, "SpeedButton30", "Normal Solid Fill", 0},
        {&SpeedButton17, "SpeedButton17", "Empty FIll", 1},
        {&SpeedButton23, "SpeedButton23", "Horizontal Fill", 2},
        {&SpeedButton25, "SpeedButton25", "Vertical Fill", 3},
        {&SpeedButton27, "SpeedButton27", "Left Diagonal Fill", 4},
        {&SpeedButton20, "SpeedButton20", "Diagonal Hatch Fill", 5},
        {&SpeedButton18, "SpeedButton18", "Cross Hatch Fill", 6},
        {&SpeedButton21, "SpeedButton21", "Right Diagonal Fill", 7},
    };
    // The pattern buttons in two columns on the left, the fill styles on the right.
    Panel10 = panel(this, Panel3, "Panel10", 0, 0, 58, 214);
    TImage** patterns[] = {&Bp1, &Bp2,  &Bp3,  &Bp4,  &Bp5,  &Bp6,  &Bp7,  &Bp8,
                           &Bp9, &Bp10, &Bp11, &Bp12, &Bp13, &Bp14, &Bp15, &Bp16};
    const int patternTops[] = {11, 37, 62, 88, 114, 139, 165, 190};
    for (int n = 1; n <= 16; ++n) {
        TImage* b = named(new TImage(this, Panel10), ("Bp" + std::to_string(n)).c_str());
        b->SetBounds(n <= 8 ? 6 : 32, patternTops[(n - 1) % 8], 20, 19);
        b->SetTag(n);
        b->SetCursor(crHandPoint);
        b->OnClick = on(&TForm3::BpClick);
        *patterns[n - 1] = b;
    }
    Shape1 = named(new TShape(this, Panel10), "Shape1");
    Shape1->SetBounds(4, 9, 22, 22);
    Shape1->BrushRef().Style = bsClear;
    Shape1->PenRef().Color = clRed;
    Shape1->Changed();
    for (const Fill& f : fills) {
        int l = 62 + (f.style % 2) * 31, t = 4 + (f.style / 2) * 30;
        TSpeedButton* b = speed(Panel3, f.name, "", f.hint, l, t, 28, 28, &TForm3::fillstyleClick);
        b->SetTag(f.style);
        // The glyph is a sample of the brush itself, solid white being the normal fill.
        TBitmap g(20, 20, pf24bit);
        TCanvas& c = g.Canvas();
        c.Brush.Color = clSilver;
        c.FillRect(Rect(0, 0, 20, 20));
        c.Brush.Color = f.style == 0 ? clWhite : clBlack;
        c.Brush.Style = TBrushStyle(f.style);
        c.Pen.Color = clBlack;
        c.Rectangle(1, 1, 19, 19);
        g.SetPixel(0, 19, clSilver);
        b->SetGlyph(g);
        *f.field = b;
    }
    BitBtn33 =
        textbtn(Panel3, "BitBtn33", "Normal", "Replace Pattern", 62, 124, 60, 22, &TForm3::fillstyleClick);
    BitBtn33->SetTag(0);
    Bevel2 = named(new TBevel(this, Panel3), "Bevel2");
    Bevel2->SetBounds(70, 152, 45, 43);
    patbox1 = named(new TImage(this, Panel3), "patbox1");
    patbox1->SetBounds(72, 154, 41, 39);
    hint(patbox1, "Current Pattern");
    SpeedButton3 =
        speed(Panel3, "SpeedButton3", "?", "Help", 4, height1 - 28, 24, 24, &TForm3::SpeedButton3Click);
    backpatbut1 = textbtn(Panel3, "backpatbut1", "Back", "Back to Previous Tools", 62, height1 - 28, 60, 24,
                          &TForm3::backpatbut1Click);

    // Pixel movers: arrows round the centre.
    pmoverpanel1 = overlay("pmoverpanel1");
    struct Mover {
        TSpeedButton** field;
        const char* name;
        const char* hint;
        int col, row;
        void (TForm3::*click)(TObject*);
    };
    const Mover movers[] = {
        {&pm7, "pm7", "Move Pixels Up Left", 0, 0, &TForm3::pm7Click},
        {&pm3, "pm3", "Move Pixels Up", 1, 0, &TForm3::pm3Click},
        {&pm8, "pm8", "Move Pixels Up Right", 2, 0, &TForm3::pm8Click},
        {&pm2, "pm2", "Move Pixels Left", 0, 1, &TForm3::pm2Click},
        {&pm1, "pm1", "Move Pixels Right", 2, 1, &TForm3::pm1Click},
        {&pm5, "pm5", "Move Pixels Down Left", 0, 2, &TForm3::pm5Click},
        {&pm4, "pm4", "Move Pixels Down", 1, 2, &TForm3::pm4Click},
        {&pm6, "pm6", "Move Pixels Down RIght", 2, 2, &TForm3::pm6Click},
    };
    for (const Mover& m : movers)
        *m.field = speed(pmoverpanel1, m.name, "", m.hint, 16 + m.col * 32, 8 + m.row * 32, 30, 30, m.click);
    BitBtn44 = textbtn(pmoverpanel1, "BitBtn44", "Back", "Back to Previous Tools", 34, height1 - 30, 60, 24,
                       &TForm3::BitBtn44Click);

    // Gradient tools and filters.
    Panel7 = overlay("Panel7");
    struct Grad {
        TSpeedButton** field;
        const char* name;
        const char* hint;
        void (TForm3::*click)(TObject*);
    };
    const Grad grads[] = {
        {&gradbut2, "gradbut2", "Gradient Globe", &TForm3::gradbut2Click},
        {&gradbut3, "gradbut3", "Horizontal Gradient Fill", &TForm3::gradbut3Click},
        {&gradbut8, "gradbut8", "Vertical Gradient Fill", &TForm3::gradbut8Click},
        {&gradbut5, "gradbut5", "Horizontal Gradient Rectangle", &TForm3::gradbut5Click},
        {&gradbut6, "gradbut6", "Vertical Gradient Rectangle", &TForm3::gradbut6Click},
        {&gradbut4, "gradbut4", "Gradient Frame", &TForm3::gradbut4Click},
    };
    i = 0;
    for (const Grad& g : grads) {
        *g.field = speed(Panel7, g.name, "", g.hint, 6 + (i % 3) * 40, 6 + (i / 3) * 32, 36, 30, g.click);
        ++i;
    }
    const Grad filters[] = {
        {&SpeedButton6, "SpeedButton6", "Heavy Soft Focus Filter", &TForm3::SpeedButton6Click},
        {&SpeedButton7, "SpeedButton7", "Soften Light", &TForm3::SpeedButton7Click},
        {&SpeedButton8, "SpeedButton8", "Darken Image", &TForm3::SpeedButton8Click},
        {&SpeedButton9, "SpeedButton9", "Lighten Image", &TForm3::SpeedButton9Click},
    };
    const char* filtercaptions[] = {"Soft Focus", "Soften", "Darken", "Lighten"};
    i = 0;
    for (const Grad& g : filters) {
        *g.field = speed(Panel7, g.name, filtercaptions[i], g.hint, 6 + (i % 2) * 59, 76 + (i / 2) * 26, 57,
                         24, g.click);
        ++i;
    }
    BitBtn22 = textbtn(Panel7, "BitBtn22", "Back", "Back to Previous Tools", 34, height1 - 30, 60, 24,
                       &TForm3::BitBtn22Click);

    // Spray choice, laid over whichever panel shows.
    Panel8 = overlay("Panel8");
    Label1 = named(new TLabel(this, Panel8), "Label1");
    Label1->SetCaption("Spray Paint");
    Label1->SetBounds(24, 12, 80, 16);
    mixbut1 =
        textbtn(Panel8, "mixbut1", "Mixing ", "Special Spray Paint", 14, 40, 100, 28, &TForm3::mixbut1Click);
    plainbut1 =
        textbtn(Panel8, "plainbut1", "Plain", "Solid Color Spray", 14, 74, 100, 28, &TForm3::plainbut1Click);
    backspraybut1 = textbtn(Panel8, "backspraybut1", "Back", "Back to Previous Tools", 34, height1 - 30, 60,
                            24, &TForm3::backspraybut1Click);

    // The help panel, parked outside the client area.
    Panel9 = panel(this, this, "Panel9", 152, 130, 121, 249);
    Memo1 = named(new TMemo(this, Panel9), "Memo1");
    Memo1->SetBounds(4, 4, 113, 206);
    Memo1->SetReadOnly(true);
    Memo1->Lines().SetStrings({"The solid white", "block is normal.", "Line patterns are", "transparent.",
                               "Bitmap patterns", "are in the bin", "subdirectory.",
                               "To create one:", "\"Paste to file\" a ", "small true color ", "bitmap,",
                               "overwriting an", "existing one."});
    BitBtn24 = textbtn(Panel9, "BitBtn24", "OK", "", 30, 216, 60, 26, &TForm3::BitBtn24Click);

    OnCreate = on(&TForm3::FormCreate);
    OnShow = on(&TForm3::FormShow);
    OnActivate = on(&TForm3::FormActivate);
    OnPaint = on(&TForm3::FormPaint);
}

void TForm3::FormCreate(TObject*) {
    progdir = ProgramFolder::RootWithSlash();
    rightcolor = clWhite;
    leftcolor = clBlack;
    pasteframe = false;
    fillstyle = 0;
    toolcode = tools::noTool;
    linewidth = 1;
    penwidth = 1;
    normalfill = true;
    patternfill = false;
    colorunder = clWhite;
    Image1->Picture().Bitmap().SetSize(40, 40);
    Image1->SetWidth(40);
    Image1->SetHeight(40);
    drawlinwid();
    showcfcb();
    loadPatternPreview();
    pasteframe = false;
    if (Pbook1) {
        SetTop(Pbook1->Top());
        SetLeft(Pbook1->Left() + Pbook1->Width() - 100);
    }
    // The palette is up from the start, beside the main window.
    Show();
}

void TForm3::FormShow(TObject*) {
    do_colbox();
    showcfcb();
    drawlinwid();
}

void TForm3::FormActivate(TObject*) {
    drawlinwid();
    showcfcb();
}

void TForm3::FormPaint(TObject*) {
    showcfcb();
    drawlinwid();
}
