// The main window's tool panel: the palette's tools on three pages, the pixel-mover box size and
// the pixel movers' demo film. Its buttons run the palette's handlers, so both places choose a
// tool the same way.
#include "AviPlay.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "Toolpal.h"
#include "Toolpal_glyphs.h"
#include "Toolpal_placeholders.h"
#include "mydialog.h"

namespace {

using Handler = void (TForm3::*)(TObject*);

// The palette's handler, looked up when clicked: the palette is made after the main window.
TNotifyEvent palette(Handler h) {
    return [h](TObject* s) {
        if (Form3) (Form3->*h)(s);
    };
}

void hint(TControl* c, const char* h) {
    c->SetHint(h);
    c->SetShowHint(true);
}

} // namespace

void TPbook1::wiretools() {
    paneltools = new TPanel(this, TabSheet1);
    paneltools->SetName("paneltools");
    paneltools->SetCaption("");
    paneltools->SetAlign(alRight);
    paneltools->SetWidth(60);
    paneltools->SetHeight(310);

    auto page = [this](const char* name, const char* caption, int left, int tag) {
        TSpeedButton* b = new TSpeedButton(this, paneltools);
        b->SetName(name);
        b->SetCaption(caption);
        b->SetBounds(left, 1, 19, 18);
        b->SetTag(tag);
        b->OnClick = [this](TObject* s) { toolpageClick(s); };
        return b;
    };
    toolpage1 = page("toolpage1", "1", 1, 1);
    toolpage2 = page("toolpage2", "2", 21, 2);
    toolpage3 = page("toolpage3", "3", 41, 3);

    auto stacked = [this](const char* name) {
        TPanel* p = new TPanel(this, paneltools);
        p->SetName(name);
        p->SetCaption("");
        p->SetBounds(0, 20, 60, 290);
        p->Hide();
        return p;
    };
    panelt = stacked("panelt");
    panelt->Show();
    paneltmore = stacked("paneltmore");
    paneltmover = stacked("paneltmover");
    Panel8 = stacked("Panel8");

    // Buttons in two columns; `glyph` names the palette button whose picture it shows.
    auto place = [](TControl* c, int i) { c->SetBounds(4 + (i % 2) * 27, 3 + (i / 2) * 26, 24, 24); };
    struct Tool {
        TBitBtn** field;
        const char* name;
        const char* glyph;
        const char* hint;
        TNotifyEvent click;
    };
    auto buttons = [this, place](TPanel* parent, std::initializer_list<Tool> tools, int first) {
        int i = first;
        for (const Tool& t : tools) {
            TBitBtn* b = new TBitBtn(this, parent);
            b->SetName(t.name);
            b->SetCaption("");
            b->SetGlyph(ToolGlyph(t.glyph, 16));
            hint(b, t.hint);
            b->OnClick = t.click;
            place(b, i++);
            *t.field = b;
        }
    };
    buttons(
        panelt,
        {
            {&BitBtn13, "BitBtn13", "BitBtn13", "Eraser", palette(&TForm3::BitBtn13Click)},
            {&BitBtn5, "BitBtn5", "BitBtn5", "Paint Brush", palette(&TForm3::BitBtn5Click)},
            {&BitBtn3, "BitBtn3", "BitBtn3", "Pencil", palette(&TForm3::BitBtn3Click)},
            {&BitBtn4, "BitBtn4", "BitBtn4", "Pen", palette(&TForm3::BitBtn4Click)},
            {&BitBtn32, "BitBtn32", "BitBtn32", "Lime Green Marker", palette(&TForm3::BitBtn32Click)},
            {&BitBtn15, "BitBtn15", "BitBtn15", "Line", palette(&TForm3::BitBtn15Click)},
            {&BitBtn16, "BitBtn16", "BitBtn16", "Bezier Curve", palette(&TForm3::BitBtn16Click)},
            {&BitBtn12, "BitBtn12", "BitBtn12", "Polygon", palette(&TForm3::BitBtn12Click)},
            {&BitBtn1, "BitBtn1", "BitBtn14", "Filled Polygon", palette(&TForm3::BitBtn14Click)},
            {&BitBtn17, "BitBtn17", "BitBtn17", "Spray Paint",
             [this](TObject*) {
                 Panel8->Show();
                 Panel8->BringToFront();
             }},
            {&BitBtn2, "BitBtn2", "BitBtn2", "Rectangle", palette(&TForm3::BitBtn2Click)},
            {&BitBtn6, "BitBtn6", "BitBtn6", "Filled Rectangle", palette(&TForm3::BitBtn6Click)},
            {&BitBtn7, "BitBtn7", "BitBtn7", "Rounded Rectangle", palette(&TForm3::BitBtn7Click)},
            {&BitBtn9, "BitBtn9", "BitBtn9", "Filled Round Rectangle", palette(&TForm3::BitBtn9Click)},
            {&BitBtn10, "BitBtn10", "BitBtn10", "Circle", palette(&TForm3::BitBtn10Click)},
            {&BitBtn11, "BitBtn11", "BitBtn11", "Filled Circle", palette(&TForm3::BitBtn11Click)},
            {&BitBtn18, "BitBtn18", "BitBtn18", "Flood Fill", palette(&TForm3::BitBtn18Click)},
            {&BitBtn29, "BitBtn29", "BitBtn29", "Color Sampler", palette(&TForm3::BitBtn29Click)},
            {&BitBtn30, "BitBtn30", "BitBtn30", "Color Replacer", palette(&TForm3::BitBtn30Click)},
            {&BitBtn31, "BitBtn31", "BitBtn31", "Color Replacer Polygon", palette(&TForm3::BitBtn31Click)},
            {&BitBtn26, "BitBtn26", "BitBtn26", "Clear Image", [this](TObject*) { clearit(); }},
        },
        0);

    // Gradients, filters, outlines and captures.
    auto speed = [this, place](TPanel* parent, const char* name, const char* glyph, const char* caption,
                               const char* h, int i, TNotifyEvent click) {
        TSpeedButton* b = new TSpeedButton(this, parent);
        b->SetName(name);
        b->SetCaption(caption);
        TBitmap g = ToolGlyph(glyph, 16);
        if (!g.Empty()) b->SetGlyph(g);
        hint(b, h);
        b->OnClick = std::move(click);
        place(b, i);
        return b;
    };
    gradbut2 =
        speed(paneltmore, "gradbut2", "gradbut2", "", "Gradient Globe", 0, palette(&TForm3::gradbut2Click));
    gradbut3 = speed(paneltmore, "gradbut3", "gradbut3", "", "Horizontal Gradient Fill", 1,
                     palette(&TForm3::gradbut3Click));
    gradbut8 = speed(paneltmore, "gradbut8", "gradbut8", "", "Vertical Gradient Fill", 2,
                     palette(&TForm3::gradbut8Click));
    gradbut5 = speed(paneltmore, "gradbut5", "gradbut5", "", "Horizontal Gradient Rectangle", 3,
                     palette(&TForm3::gradbut5Click));
    gradbut6 = speed(paneltmore, "gradbut6", "gradbut6", "", "Vertical Gradient Rectangle", 4,
                     palette(&TForm3::gradbut6Click));
    gradbut4 = speed(paneltmore, "gradbut4", "gradbut4", "", "Xor Frame. Twice to replace background.", 5,
                     palette(&TForm3::gradbut4Click));
    SpeedButton38 =
        speed(paneltmore, "SpeedButton38", "", "S", "Soften Light", 6, palette(&TForm3::SpeedButton7Click));
    SpeedButton35 =
        speed(paneltmore, "SpeedButton35", "", "D", "Darken Image", 7, palette(&TForm3::SpeedButton8Click));
    SpeedButton36 =
        speed(paneltmore, "SpeedButton36", "", "L", "Lighten Image", 8, palette(&TForm3::SpeedButton9Click));
    SpeedButton37 = speed(paneltmore, "SpeedButton37", "", "F", "Clear Filter", 9,
                          [](TObject*) { toolpal_pending::showfilterpanel(); });
    buttons(paneltmore,
            {
                {&BitBtn8, "BitBtn8", "BitBtn19", "Lasso Outline", palette(&TForm3::BitBtn19Click)},
                {&BitBtn20, "BitBtn20", "BitBtn20", "Rectangle Outline", palette(&TForm3::BitBtn20Click)},
                {&BitBtn21, "BitBtn21", "BitBtn21", "Cut", palette(&TForm3::BitBtn21Click)},
                {&BitBtn28, "BitBtn28", "BitBtn28", "Capture Circular Area", palette(&TForm3::BitBtn28Click)},
                {&BitBtn34, "BitBtn34", "BitBtn34", "Special Outline Circlular Area",
                 palette(&TForm3::BitBtn34Click)},
                {&BitBtn22, "BitBtn22", "BitBtn8", "Special Outline an Area", palette(&TForm3::BitBtn8Click)},
                {&BitBtn24, "BitBtn24", "BitBtn23", "Replace a color with clipboard",
                 palette(&TForm3::BitBtn23Click)},
                {&BitBtn25, "BitBtn25", "BitBtn25", "Special Rectangle ", palette(&TForm3::BitBtn25Click)},
                {&BitBtn23, "BitBtn23", "BitBtn1", "Gradient Color",
                 [](TObject*) { toolpal_pending::showcolortint(); }},
            },
            10);

    // Pixel movers, the box size and the demo film.
    const char* movers[] = {"pm1", "pm2", "pm3", "pm4", "pm5", "pm6", "pm7", "pm8"};
    const char* moverhints[] = {"Move Pixels Right",   "Move Pixels Left",      "Move Pixels Up",
                                "Move Pixels Down",    "Move Pixels Down Left", "Move Pixels Down RIght",
                                "Move Pixels Up Left", "Move Pixels Up Right"};
    TSpeedButton** moverfields[] = {&pm1, &pm2, &pm3, &pm4, &pm5, &pm6, &pm7, &pm8};
    for (int i = 0; i < 8; ++i) {
        *moverfields[i] = speed(paneltmover, movers[i], movers[i], "", moverhints[i], i,
                                [this](TObject* s) { moverClick(s); });
        (*moverfields[i])->SetTag(i + 1);
    }
    SpinEdit3->SetParent(paneltmover);
    SpinEdit3->SetBounds(3, 108, 54, 20);
    SpinEdit3->SetShowHint(true);
    SpinEdit4->SetParent(paneltmover);
    SpinEdit4->SetBounds(3, 130, 54, 20);
    SpinEdit4->SetShowHint(true);
    SpinEdit3->OnChange = [this](TObject* s) { SpinEdit3Change(s); };
    SpinEdit4->OnChange = [this](TObject* s) { SpinEdit3Change(s); };
    SpeedButton10 = new TSpeedButton(this, paneltmover);
    SpeedButton10->SetName("SpeedButton10");
    SpeedButton10->SetCaption("X 2");
    SpeedButton10->SetBounds(3, 152, 26, 20);
    SpeedButton10->OnClick = [this](TObject* s) { SpeedButton10Click(s); };
    SpeedButton14 = new TSpeedButton(this, paneltmover);
    SpeedButton14->SetName("SpeedButton14");
    SpeedButton14->SetCaption("/ 2");
    SpeedButton14->SetBounds(31, 152, 26, 20);
    SpeedButton14->OnClick = [this](TObject* s) { SpeedButton14Click(s); };
    panelshow = new TPanel(this, paneltmover);
    panelshow->SetName("panelshow");
    panelshow->SetCaption("Show");
    panelshow->SetBounds(3, 176, 54, 64);
    Animate1 = new TQuillAVIPlay(this, panelshow);
    Animate1->SetName("Animate1");
    Animate1->SetAutoSize(false);
    Animate1->SetPlaySound(false);
    Animate1->SetBounds(3, 14, 48, 47);
    Animate1->Hide();
    SpeedButton16 = new TSpeedButton(this, paneltmover);
    SpeedButton16->SetName("SpeedButton16");
    SpeedButton16->SetCaption("View Show");
    SpeedButton16->SetBounds(0, 244, 60, 22);
    SpeedButton16->OnClick = [this](TObject* s) { SpeedButton16Click(s); };
    Chkanimate1 = new TCheckBox(this, Panel7);
    Chkanimate1->SetName("Chkanimate1");
    shpmov->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { shpmovMouseMove(s, sh, x, y); };

    // The spray choice.
    labspray1 = new TLabel(this, Panel8);
    labspray1->SetName("labspray1");
    labspray1->SetCaption("Spray");
    labspray1->SetBounds(6, 8, 48, 16);
    labpaint1 = new TLabel(this, Panel8);
    labpaint1->SetName("labpaint1");
    labpaint1->SetCaption("Paint");
    labpaint1->SetBounds(6, 24, 48, 16);
    auto text = [this](const char* name, const char* caption, const char* h, int top, TNotifyEvent click) {
        TBitBtn* b = new TBitBtn(this, Panel8);
        b->SetName(name);
        b->SetCaption(caption);
        hint(b, h);
        b->SetBounds(4, top, 52, 26);
        b->OnClick = std::move(click);
        return b;
    };
    mixbut1 = text("mixbut1", "Mix", "Special Spray Paint", 50, palette(&TForm3::mixbut1Click));
    plainbut1 = text("plainbut1", "Plain", "Solid Color Spray", 82, palette(&TForm3::plainbut1Click));
    BitBtn40 = text("BitBtn40", "Back", "Back to Previous Tools", 250, [this](TObject*) { Panel8->Hide(); });
}

void TPbook1::toolpageClick(TObject* Sender) {
    int tag = static_cast<TComponent*>(Sender)->Tag();
    panelt->SetVisible(tag == 1);
    paneltmore->SetVisible(tag == 2);
    paneltmover->SetVisible(tag == 3);
    Panel8->Hide();
}

void TPbook1::moverClick(TObject* Sender) {
    static const Handler handlers[] = {&TForm3::pm1Click, &TForm3::pm2Click, &TForm3::pm3Click,
                                       &TForm3::pm4Click, &TForm3::pm5Click, &TForm3::pm6Click,
                                       &TForm3::pm7Click, &TForm3::pm8Click};
    int tag = static_cast<TComponent*>(Sender)->Tag();
    shpmov->SetWidth(SpinEdit3->Value() + 2);
    shpmov->SetHeight(SpinEdit4->Value() + 2);
    shpmov->PenRef().Mode = pmCopy;
    shpmov->BrushRef().Color = clWhite;
    shpmov->BrushRef().Style = bsClear;
    shpmov->Changed();
    shpmov->Show();
    if (Form3 && tag >= 1 && tag <= 8) (Form3->*handlers[tag - 1])(Sender);
}

void TPbook1::SpinEdit3Change(TObject*) {
    int w = SpinEdit3->Value(), h = SpinEdit4->Value();
    mask1->SetWidth(w);
    mask1->SetHeight(h);
    mask1->Picture().Bitmap().SetSize(w, h);
    firstoutline = true;
    polycount = 1;
    pensetup = false;
}

void TPbook1::SpeedButton10Click(TObject*) {
    SpinEdit3->SetValue(SpinEdit3->Value() * 2);
    SpinEdit4->SetValue(SpinEdit4->Value() * 2);
}

void TPbook1::SpeedButton14Click(TObject*) {
    if (SpinEdit3->Value() > 10) SpinEdit3->SetValue(SpinEdit3->Value() / 2);
    if (SpinEdit4->Value() > 10) SpinEdit4->SetValue(SpinEdit4->Value() / 2);
}

void TPbook1::SpeedButton16Click(TObject*) {
    doshow2(1);
}

// The marker steps out from under the pointer; the page's mouse-move puts it beside it again.
void TPbook1::shpmovMouseMove(TObject*, TShiftState, int X, int Y) {
    if (!Form3 || Form3->toolcode < 101 || Form3->toolcode > 108) return;
    shpmov->SetLeft(X - 300);
    shpmov->SetTop(Y - 300);
}

void TPbook1::doshow2(int) {
    std::string film = Form3->progdir + "User manual\\pixelmovers.avi";
    if (!ProgramFolder::FileExists(film)) {
        mydialog1->mbox("Needed files are missing", "User manual\\pixelmovers.avi",
                        "Download the mini video pack", "", "", 1);
        return;
    }
    Animate1->SetFileName(ProgramFolder::MapPathString(film));
    Animate1->Show();
    Animate1->SetActive(true);
    Chkanimate1->SetChecked(true);
}

void TPbook1::doneanim() {
    Animate1->Hide();
    Animate1->SetActive(false);
    Animate1->SetFileName("");
    Chkanimate1->SetChecked(false);
}
