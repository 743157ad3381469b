// The main window's menu, panels and controls, created in their designed order with their
// designed bounds, as a form designer's file lays them out. Nothing here binds an event: the
// wire functions (wirePage, wireDrawing, wireTools, wireFiles, wireClipboard) do that once every
// control exists. A new control of the main window is created here, in the section of the panel
// that holds it, and bound in the wire function of its unit.
#include "AviPlay.h"
#include "Dialogs.h"
#include "FileControls.h"
#include "Menus.h"
#include "Mylabel.h"
#include "Pbook.h"
#include "TBevel.h"
#include "TBitBtn.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TColorGrid.h"
#include "TCoolBar.h"
#include "TEdit.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TPaintBox.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TScrollBox.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinButton.h"
#include "TSpinEdit.h"
#include "TStatusBar.h"
#include "TTimer.h"
#include "Toolpal_glyphs.h"
#include "Zoompic.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <string>

namespace {

template <class T, class P> T* make(TComponent* owner, P* parent, const char* name) {
    T* c = new T(owner, parent);
    c->SetName(name);
    return c;
}

template <class T> T* make(TComponent* owner, const char* name) {
    T* c = new T(owner);
    c->SetName(name);
    return c;
}

void hint(TControl* c, const char* h) {
    c->SetHint(h);
    c->SetShowHint(true);
}

TMenuItem* menuItem(TComponent* owner, TMenuItem* parent, const char* name, const char* caption) {
    TMenuItem* m = make<TMenuItem>(owner, name);
    m->SetCaption(caption);
    parent->Add(m);
    return m;
}

TImage* hiddenImage(TComponent* owner, TWinControl* parent, const char* name) {
    TImage* i = make<TImage>(owner, parent, name);
    i->Hide();
    return i;
}

TSpeedButton* toolBarButton(TComponent* owner, TWinControl* parent, const char* name, const char* caption,
                            const char* h, int left, int width) {
    TSpeedButton* b = make<TSpeedButton>(owner, parent, name);
    b->SetBounds(left, 3, width, 24);
    b->SetCaption(caption);
    hint(b, h);
    b->SetFlat(true);
    return b;
}

// The tool panel's buttons stand in two columns.
void toolCell(TControl* c, int i) {
    c->SetBounds(4 + (i % 2) * 27, 3 + (i / 2) * 26, 24, 24);
}

// A tool button showing the glyph of the palette button `glyph`, in cell i.
TBitBtn* toolBitBtn(TComponent* owner, TWinControl* parent, const char* name, const char* glyph,
                    const char* h, int i) {
    TBitBtn* b = make<TBitBtn>(owner, parent, name);
    b->SetCaption("");
    b->SetGlyph(ToolGlyph(glyph, 16));
    hint(b, h);
    toolCell(b, i);
    return b;
}

TSpeedButton* toolSpeedButton(TComponent* owner, TWinControl* parent, const char* name, const char* glyph,
                              const char* caption, const char* h, int i) {
    TSpeedButton* b = make<TSpeedButton>(owner, parent, name);
    b->SetCaption(caption);
    TBitmap g = ToolGlyph(glyph, 16);
    if (!g.Empty()) b->SetGlyph(g);
    hint(b, h);
    toolCell(b, i);
    return b;
}

// The side panel's designed palette strip: 40 x 1280 of 8 x 8 swatches, five a row, hues down
// the strip in bands that run from dark to pale across.
TBitmap paletteStripPicture() {
    TBitmap b(40, 1280, pf24bit);
    TCanvas& c = b.Canvas();
    c.Pen.Style = psClear;
    for (int row = 0; row < 160; ++row)
        for (int col = 0; col < 5; ++col) {
            const double hue = (row % 32) / 32.0 * 6.0;
            const int band = row / 32; // 5 bands: grey, then four lightness steps
            const double light = (col + 1) / 6.0 * (0.55 + 0.15 * band) + (band == 4 ? 0.3 : 0.0);
            double r = 0, g = 0, bl = 0;
            const double x = 1.0 - std::abs(std::fmod(hue, 2.0) - 1.0);
            switch (int(hue)) {
            case 0:
                r = 1, g = x;
                break;
            case 1:
                r = x, g = 1;
                break;
            case 2:
                g = 1, bl = x;
                break;
            case 3:
                g = x, bl = 1;
                break;
            case 4:
                r = x, bl = 1;
                break;
            default:
                r = 1, bl = x;
                break;
            }
            auto level = [&](double v) {
                if (band == 0) v = 1.0; // a grey ramp first
                return int(
                    std::clamp(v * light * 255.0 + (band == 4 ? (1 - v) * 180 * light : 0), 0.0, 255.0));
            };
            c.Brush.SetColor(RGB(level(r), level(g), level(bl)));
            c.FillRect(Bounds(col * 8, row * 8, 8, 8));
        }
    return b;
}

// The "Add ons" tab's preferences button: a form with two ticked boxes.
TBitmap preferencesGlyph() {
    TBitmap b(32, 32, pf24bit);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, 32, 32));
    c.Pen.Color = clBlack;
    c.Brush.Color = clWhite;
    c.Rectangle(4, 2, 28, 30);
    for (int y : {7, 17}) {
        c.Rectangle(7, y, 14, y + 7);
        c.MoveTo(8, y + 3);
        c.LineTo(10, y + 5);
        c.LineTo(13, y);
        c.MoveTo(16, y + 3);
        c.LineTo(25, y + 3);
    }
    return b;
}

// The manual's button: an open book.
TBitmap manualGlyph() {
    TBitmap b(32, 32, pf24bit);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, 32, 32));
    c.Pen.Color = clNavy;
    c.Brush.Color = clWhite;
    c.Rectangle(3, 6, 16, 27);
    c.Rectangle(15, 6, 29, 27);
    c.Pen.Color = clGray;
    for (int y = 10; y < 25; y += 3) {
        c.MoveTo(5, y);
        c.LineTo(14, y);
        c.MoveTo(18, y);
        c.LineTo(27, y);
    }
    return b;
}

} // namespace

void TPbook1::createControls() {
    // ---- Main menu ----
    MainMenu1 = make<TMainMenu>(this, "MainMenu1");
    Filemenu = menuItem(this, MainMenu1->Items(), "Filemenu", "&File");
    New1 = menuItem(this, Filemenu, "New1", "&New");
    Open2 = menuItem(this, Filemenu, "Open2", "&Open ...");
    Save2 = menuItem(this, Filemenu, "Save2", "&Save");
    SaveAs1 = menuItem(this, Filemenu, "SaveAs1", "Save &As...");
    menuItem(this, Filemenu, "N3", "-");
    BrowseImages1 = menuItem(this, Filemenu, "BrowseImages1", "&Browse Images");
    JpegSaveOptions1 = menuItem(this, Filemenu, "JpegSaveOptions1", "&JPEG Options");
    PrintOptions1 = menuItem(this, Filemenu, "PrintOptions1", "&Print Options");
    menuItem(this, Filemenu, "N1", "-");
    Exit1 = menuItem(this, Filemenu, "Exit1", "E&xit");
    Editmenu = menuItem(this, MainMenu1->Items(), "Editmenu", "&Edit");
    Undo1 = menuItem(this, Editmenu, "Undo1", "&Undo");
    Repeatcommand1 = menuItem(this, Editmenu, "Repeatcommand1", "&Redo");
    menuItem(this, Editmenu, "N2", "-");
    Cut1 = menuItem(this, Editmenu, "Cut1", "Cu&t");
    copyallmenu = menuItem(this, Editmenu, "copyallmenu", "&Copy");
    CaptureBox1 = menuItem(this, Editmenu, "CaptureBox1", "Capture &Box");
    ClipboardHolders1 = menuItem(this, Editmenu, "ClipboardHolders1", "Clipboard &Holders");
    Imagemenu = menuItem(this, MainMenu1->Items(), "Imagemenu", "&Image");
    Resize1 = menuItem(this, Imagemenu, "Resize1", "&Resize");
    Enlargecanvas1 = menuItem(this, Imagemenu, "Enlargecanvas1", "&Enlarge canvas");
    Rotate1 = menuItem(this, Imagemenu, "Rotate1", "R&otate");
    Flip1 = menuItem(this, Imagemenu, "Flip1", "&Flip vertical");
    Mirror1 = menuItem(this, Imagemenu, "Mirror1", "&Mirror horizontal");
    FancyText1 = menuItem(this, Imagemenu, "FancyText1", "3Dand R&otated Text");
    menuItem(this, Imagemenu, "N4", "-");
    LoadBitmapPalette1 = menuItem(this, Imagemenu, "LoadBitmapPalette1", "&Load Bitmap Palette");
    Tools1 = menuItem(this, MainMenu1->Items(), "Tools1", "&Tools");
    Toolbar3 = menuItem(this, Tools1, "Toolbar3", "Upper Toolba&r");
    Toolbar3->SetChecked(true);
    menuItem(this, Tools1, "N5", "-");
    Preferences1 = menuItem(this, Tools1, "Preferences1", "P&references");
    Panelmenu = menuItem(this, MainMenu1->Items(), "Panelmenu", "&Panel");
    InnerToolbars1 = menuItem(this, Panelmenu, "InnerToolbars1", "Inner &Toolbars");
    InnerColorbar1 = menuItem(this, Panelmenu, "InnerColorbar1", "Inner &Colorbar");
    SidePanel1 = menuItem(this, Panelmenu, "SidePanel1", "&Side Panel");
    for (TMenuItem* m : {InnerToolbars1, InnerColorbar1, SidePanel1})
        m->SetChecked(true);
    Windowmenu = menuItem(this, MainMenu1->Items(), "Windowmenu", "&Window");
    Minimize1 = menuItem(this, Windowmenu, "Minimize1", "&Roll Up");
    RollDown1 = menuItem(this, Windowmenu, "RollDown1", "Roll &Down");
    NoneStayonTop1 = menuItem(this, Windowmenu, "NoneStayonTop1", "&None Stay on Top");
    Freetheclipboard1 = menuItem(this, Windowmenu, "Freetheclipboard1", "&Free the clipboard...");
    Text1 = menuItem(this, MainMenu1->Items(), "Text1", "&Text"); // its items: createTextPage
    Addons1 = menuItem(this, MainMenu1->Items(), "Addons1", "Add ons");
    velmora1 = menuItem(this, Addons1, "velmora1", "&Velmora");
    utility1 = menuItem(this, Addons1, "utility1", "Utility &1");
    utility2 = menuItem(this, Addons1, "utility2", "Utility &2");
    utility3 = menuItem(this, Addons1, "utility3", "Utility &3");
    utility4 = menuItem(this, Addons1, "utility4", "Utility &4");
    for (TMenuItem* m : {utility1, utility2, utility3, utility4})
        m->SetEnabled(false); // until their link files exist
    MakingMovies1 = menuItem(this, MainMenu1->Items(), "MakingMovies1", "Making Movies");
    MoviesontheWWW1 = menuItem(this, MakingMovies1, "MoviesontheWWW1", "&Movies on the WWW");
    CreatingAnimation1 = menuItem(this, MakingMovies1, "CreatingAnimation1", "&Creating Animation");
    Helpmenu = menuItem(this, MainMenu1->Items(), "Helpmenu", "&Help");
    HelpIndex1 = menuItem(this, Helpmenu, "HelpIndex1", "&Help Text");
    OnlineManual1 = menuItem(this, Helpmenu, "OnlineManual1", "&On-line Manual");
    SupportServices1 = menuItem(this, Helpmenu, "SupportServices1", "&Support Services Website");
    About1 = menuItem(this, Helpmenu, "About1", "&About");
    SetMenu(MainMenu1);

    // ---- Upper tool bar Panel3: buttons left to right (arrangeToolBar sets them in rows) ----
    Panel3 = make<TPanel>(this, this, "Panel3");
    Panel3->SetAlign(alTop);
    // The tool bar's height and the page's left spacer put the unscrolled page's top-left corner
    // under the window's client point (7, 74), where a floating paste is first drawn
    // (placePageCorner measures the tabs once the faces are known).
    Panel3->SetHeight(47);
    SpeedButton58 = make<TSpeedButton>(this, Panel3, "SpeedButton58");
    SpeedButton58->SetBounds(2, 2, 8, 43);
    SpeedButton2 = toolBarButton(this, Panel3, "SpeedButton2", "New", "New Page", 4, 72);
    SpeedButton54 = toolBarButton(this, Panel3, "SpeedButton54", "Resize", "Resize image", 78, 72);
    butzoomspot = toolBarButton(this, Panel3, "butzoomspot", "Zoom", "Zoom an area", 152, 60);
    SpeedButton26 =
        toolBarButton(this, Panel3, "SpeedButton26", "Open", "Open Image using folder dialog", 214, 48);
    SpeedButton42 = toolBarButton(this, Panel3, "SpeedButton42", "Save", "Save -  bitmap", 264, 48);
    SpeedButton43 = toolBarButton(this, Panel3, "SpeedButton43", "Save As", "Save As", 314, 48);
    SpeedButton55 = toolBarButton(this, Panel3, "SpeedButton55", "Browse", "Browse Images", 364, 48);
    SpeedButton48 = toolBarButton(this, Panel3, "SpeedButton48", "From file", "Paste from file", 414, 48);
    pbpastetobut1 = toolBarButton(this, Panel3, "pbpastetobut1", "To file", "Paste to file", 464, 48);
    pbpastetobut1->SetEnabled(false); // until a clip goes to the clipboard
    SpeedButton46 =
        toolBarButton(this, Panel3, "SpeedButton46", "Copy", "Copy entire page to clipboard", 514, 48);
    butpaste = toolBarButton(this, Panel3, "butpaste", "Paste", "Paste from clipboard", 922, 48);
    SpeedButton44 = toolBarButton(this, Panel3, "SpeedButton44", "Palette", "Load tool palette", 564, 48);
    SpeedButton50 = toolBarButton(this, Panel3, "SpeedButton50", "Print", "Print and Fax Manager", 614, 48);
    SpeedButton51 = toolBarButton(this, Panel3, "SpeedButton51", "Fader", "Image Fader", 664, 48);
    SpeedButton57 = toolBarButton(this, Panel3, "SpeedButton57", "Text", "Fancy text", 714, 48);
    SpeedButton52 = toolBarButton(this, Panel3, "SpeedButton52", "Movie", "Movie frame handler", 764, 48);
    SpeedButton53 = toolBarButton(this, Panel3, "SpeedButton53", "Animation", "Animation Manager", 814, 64);
    SpeedButton17 = toolBarButton(this, Panel3, "SpeedButton17", "Box", "Capture box", 880, 40);
    SpeedButton8 =
        toolBarButton(this, Panel3, "SpeedButton8", "Explore", "Launch your file browser", 972, 52);
    SpeedButton49 =
        toolBarButton(this, Panel3, "SpeedButton49", "Holder", "Auxillary clipboard holder", 1026, 48);

    // ---- Status bar StatusBar1 and progress bar bg1 along the bottom (the bar above) ----
    StatusBar1 = make<TStatusBar>(this, this, "StatusBar1");
    StatusBar1->SetAlign(alBottom);
    StatusBar1->SetHeight(20);
    StatusBar1->SetSimplePanel(true);
    bg1 = make<TProgressBar>(this, this, "bg1");
    bg1->SetAlign(alBottom);
    bg1->SetHeight(14);
    bg1->SetMin(0);
    bg1->SetMax(100);
    bg1->Hide();

    // ---- Side cool bar CoolBar1: undo and redo, the clip holder, the zoom panel ----
    CoolBar1 = make<TCoolBar>(this, this, "CoolBar1");
    CoolBar1->SetAlign(alRight);
    CoolBar1->SetWidth(86);
    CoolBar1->SetVertical(true);
    auto sideButton = [this](const char* name, const char* caption, int top) {
        TSpeedButton* b = make<TSpeedButton>(this, CoolBar1, name);
        b->SetBounds(6, top, 74, 24);
        b->SetCaption(caption);
        b->SetFlat(true);
        b->SetEnabled(false);
        return b;
    };
    undoptb1 = sideButton("undoptb1", "Undo", 6);
    redoptb1 = sideButton("redoptb1", "Redo", 32);
    panclp1 = make<TPanel>(this, CoolBar1, "panclp1");
    panclp1->SetBounds(10, 64, 65, 65);
    panclp1->SetCaption("Clipboard");
    panclp1->SetColor(clWhite);
    Image9 = make<TImage>(this, panclp1, "Image9");
    Image9->SetBounds(8, 8, 49, 48);
    Image9->SetStretch(true);
    Image9->SetHint("Right Click for menu");
    // The palette panel: the palette strip in its scroll box, "Capture colors", "Color Display".
    // The zoom panel, when shown, lies over it.
    panco1 = make<TPanel>(this, CoolBar1, "panco1");
    panco1->SetCaption("");
    panco1->SetBounds(2, 136, 82, 290);
    ScrollBox2 = make<TScrollBox>(this, panco1, "ScrollBox2");
    ScrollBox2->SetBounds(2, 2, 78, 258);
    Image6 = make<TImage>(this, ScrollBox2, "Image6");
    Image6->SetBounds(0, 0, 40, 1280);
    Image6->SetAutoSize(true);
    Image6->SetCursor(crCross);
    Image6->Picture().Assign(paletteStripPicture());
    SpeedButton9 = make<TSpeedButton>(this, panco1, "SpeedButton9");
    SpeedButton9->SetBounds(4, 264, 36, 22);
    SpeedButton9->SetCaption("Cap");
    hint(SpeedButton9, "Capture colors");
    butpfrm = make<TSpeedButton>(this, panco1, "butpfrm");
    butpfrm->SetBounds(42, 264, 36, 22);
    butpfrm->SetCaption("Show");
    hint(butpfrm, "Color Display");
    // The paste panel takes turns with the palette panel in one place below the holder.
    pastepanel1 = make<TPanel>(this, CoolBar1, "pastepanel1");
    pastepanel1->SetCaption("");
    pastepanel1->SetBounds(10, 136, 65, 352);
    pastepanel1->Hide();
    auto pasteTab = [this](const char* name, const char* caption, int left) {
        TSpeedButton* b = make<TSpeedButton>(this, pastepanel1, name);
        b->SetCaption(caption);
        b->SetBounds(left, 1, 20, 18);
        b->SetGroupIndex(88);
        return b;
    };
    SpeedButton28 = pasteTab("SpeedButton28", "1", 2);
    SpeedButton28->SetDown(true);
    SpeedButton30 = pasteTab("SpeedButton30", "2", 22);
    SpeedButton13 = pasteTab("SpeedButton13", "3", 42);
    auto pastePage = [this](const char* name) {
        TPanel* p = make<TPanel>(this, pastepanel1, name);
        p->SetCaption("");
        p->SetBounds(0, 20, 65, 332);
        return p;
    };
    ppanel = pastePage("ppanel");
    ppanel2 = pastePage("ppanel2");
    ppanel2->Hide();
    panelclip = pastePage("panelclip");
    panelclip->Hide();
    auto pasteButton = [this](TWinControl* page, const char* name, const char* caption, const char* h,
                              int left, int top, int width) {
        TSpeedButton* b = make<TSpeedButton>(this, page, name);
        b->SetBounds(left, top, width, 20);
        b->SetCaption(caption);
        if (*h) hint(b, h);
        return b;
    };
    auto pasteLabel = [this](TWinControl* page, const char* name, const char* caption, int left, int top) {
        TLabel* l = make<TLabel>(this, page, name);
        l->SetCaption(caption);
        l->SetBounds(left, top, 22, 13);
        return l;
    };
    auto pasteSpin = [this](const char* name, const char* h, int left, int top) {
        TSpinButton* s = make<TSpinButton>(this, ppanel, name);
        s->SetBounds(left, top, 17, 22);
        hint(s, h);
        return s;
    };
    // -- Page "1", ppanel --
    SpeedButton3 = pasteButton(ppanel, "SpeedButton3", "Done", "Done Pasteing", 2, 2, 61);
    SpeedButton1 = pasteButton(ppanel, "SpeedButton1", "Initial Size", "Original size and shape", 2, 24, 61);
    SpeedButton4 = pasteButton(ppanel, "SpeedButton4", "1/2", "Half Size", 2, 46, 30);
    SpeedButton5 = pasteButton(ppanel, "SpeedButton5", "x2", "Twice Size", 33, 46, 30);
    pasteLabel(ppanel, "labpastesize", "Size", 2, 68);
    pasteLabel(ppanel, "labpastew", "W", 26, 68);
    pasteLabel(ppanel, "labpasteh", "H", 46, 68);
    pastezoomedit1 = pasteSpin("pastezoomedit1", "Change Size of Clip", 4, 81);
    pwedit1 = pasteSpin("pwedit1", "Change Width of Clip", 24, 81);
    phedit1 = pasteSpin("phedit1", "Change Height of Clip", 44, 81);
    pasteLabel(ppanel, "labpastelr", "L/R", 4, 105);
    pasteLabel(ppanel, "labpasteud", "U/D", 36, 105);
    LRedit1 = pasteSpin("LRedit1", "Move Clip Left / Right 10", 8, 118);
    UDedit1 = pasteSpin("UDedit1", "Move Clip Up / Down 10", 40, 118);
    paste1left = pasteButton(ppanel, "paste1left", "<", "Move Clip Left 1", 2, 142, 15);
    paste1up = pasteButton(ppanel, "paste1up", "^", "Move Clip up 1", 17, 142, 15);
    paste1dn = pasteButton(ppanel, "paste1dn", "v", "Move Clip Down 1", 32, 142, 15);
    paste1right = pasteButton(ppanel, "paste1right", ">", "Move Clip Right 1", 47, 142, 15);
    dragbox1 = make<TCheckBox>(this, ppanel, "dragbox1");
    dragbox1->SetBounds(4, 164, 59, 17);
    dragbox1->SetCaption("Drag");
    hint(dragbox1, "Don't erase Previous while dragging");
    coord1 = make<TLabel>(this, ppanel, "coord1");
    coord1->SetBounds(4, 184, 59, 13);
    coord1->SetCaption("120:45");
    coord1->Hide();
    // -- Page "2", ppanel2 --
    Label5 = make<TLabel>(this, ppanel2, "Label5");
    Label5->SetBounds(2, 4, 40, 13);
    Label5->SetCaption("Rotate");
    SpeedButton18 = pasteButton(ppanel2, "SpeedButton18", "Turn", "Rotate Clip", 2, 20, 30);
    pasterotedit1 = make<TSpinEdit>(this, ppanel2, "pasterotedit1");
    pasterotedit1->SetBounds(33, 20, 30, 20);
    pasterotedit1->SetMinValue(0);
    pasterotedit1->SetMaxValue(360);
    pasterotedit1->SetValue(15);
    hint(pasterotedit1, "Degree of Rotation ");
    flpmirbut = pasteButton(ppanel2, "flpmirbut", "Mirror", "Mirror Clip Image", 2, 46, 61);
    SpeedButton7 = pasteButton(ppanel2, "SpeedButton7", "Light", "Light Imprint Clip on Surface", 2, 68, 61);
    SpeedButton6 = pasteButton(ppanel2, "SpeedButton6", "Dark", "Dark Imprint Clip on Surface", 2, 90, 61);
    auto effectButton = [this](const char* name, const char* caption, const char* h, int top) {
        TBitBtn* b = make<TBitBtn>(this, ppanel2, name);
        b->SetBounds(2, top, 61, 22);
        b->SetCaption(caption);
        hint(b, h);
        return b;
    };
    BitBtn19 = effectButton("BitBtn19", "Emboss", "Emboss", 112);
    BitBtn14 = effectButton("BitBtn14", "Shadow", "Drop Shadow", 136);
    // -- Page "3", panelclip --
    Button1 = make<TButton>(this, panelclip, "Button1");
    Button1->SetBounds(2, 2, 61, 22);
    Button1->SetCaption("Hold Paste");
    auto holderButton = [this](const char* name, const char* caption, const char* h, int top) {
        TBitBtn* b = make<TBitBtn>(this, panelclip, name);
        b->SetBounds(2, top, 61, 22);
        b->SetCaption(caption);
        hint(b, h);
        return b;
    };
    BitBtn46 = holderButton("BitBtn46", "Save", "Save Clipboard", 26);
    BitBtn52 = holderButton("BitBtn52", "Clear", "New Clipboard", 50);
    BitBtn43 = holderButton("BitBtn43", "Load", "Load clip as main image", 74);
    zmpanel1 = make<TPanel>(this, CoolBar1, "zmpanel1");
    zmpanel1->SetBounds(2, 136, 82, 238);
    zmpanel1->SetCaption("");
    zmpanel1->Hide();
    auto zoomLabel = [this](const char* name, const char* caption, int top) {
        TLabel* l = make<TLabel>(this, zmpanel1, name);
        l->SetCaption(caption);
        l->SetBounds(4, top, 74, 13);
        return l;
    };
    auto zoomSpin = [this](const char* name, const char* h, int top) {
        TSpinEdit* e = make<TSpinEdit>(this, zmpanel1, name);
        e->SetBounds(4, top, 74, 20);
        hint(e, h);
        return e;
    };
    zmlabel1 = zoomLabel("zmlabel1", "Zoom %", 2);
    zm1spin = zoomSpin("zm1spin", "Zoom image ", 15);
    zm1spin->SetMinValue(100);
    zm1spin->SetMaxValue(1000);
    zm1spin->SetIncrement(2);
    zm1spin->SetValue(180);
    zmbuton = make<TButton>(this, zmpanel1, "zmbuton");
    zmbuton->SetBounds(4, 38, 74, 24);
    zmbuton->SetCaption("Zoom");
    hint(zmbuton, "Zoom Image Larger");
    zmbuton->Hide();
    zmbutoff = make<TButton>(this, zmpanel1, "zmbutoff");
    zmbutoff->SetBounds(4, 38, 74, 24);
    zmbutoff->SetCaption("Normal Size");
    zmlabel2 = zoomLabel("zmlabel2", "Right/Left", 64);
    spinedit1 = zoomSpin("spinedit1", "move image left or right", 77);
    spinedit1->SetValue(1);
    zmlabel3 = zoomLabel("zmlabel3", "Down/Up", 98);
    SpinEdit2 = zoomSpin("SpinEdit2", "Move image up or down", 111);
    SpinEdit2->SetValue(1);
    spbox1 = zoomSpin("spbox1", "Move capture box left or right", 145);
    spbox2 = zoomSpin("spbox2", "Move capture box up or down", 179);
    // Over the box spins while the capture tools are put away; their labels stay above it.
    Panel12 = make<TPanel>(this, zmpanel1, "Panel12");
    Panel12->SetCaption("");
    Panel12->SetBounds(2, 144, 78, 56);
    zmlabel4 = zoomLabel("zmlabel4", "Pan L/R", 132);
    zmlabel5 = zoomLabel("zmlabel5", "Pan U/D", 166);
    zmlabel6 = zoomLabel("zmlabel6", "Move Step", 201);
    zsnum = zoomSpin("zsnum", "Move by this amount", 214);
    zsnum->SetMinValue(1);
    zsnum->SetMaxValue(100);
    zsnum->SetValue(4);

    // ---- Page control PageControl1 and its five tabs ----
    PageControl1 = make<TPageControl>(this, this, "PageControl1");
    PageControl1->SetAlign(alClient);
    auto tab = [this](const char* name, const char* caption) {
        TTabSheet* t = make<TTabSheet>(this, PageControl1, name);
        t->SetCaption(caption);
        return t;
    };
    TabSheet1 = tab("TabSheet1", "Paint");
    TabSheet3 = tab("TabSheet3", "Zoom");
    TabSheet4 = tab("TabSheet4", "Text");
    TabSheet2 = tab("TabSheet2", "Animation Transfer");
    TabSheet5 = tab("TabSheet5", "Add ons");
    createTextPage(); // the "Text" tab's editor and panel (Pbook_text.cpp)
    // The text panel's item stands next to the tool bar's.
    Tools1->Remove(TextPanel1);
    Tools1->Insert(1, TextPanel1);

    // ---- Paint tab: the scroll box ScrollBox1 with the page and its companions ----
    pageSpacer = make<TBevel>(this, TabSheet1, "pageSpacer");
    pageSpacer->SetShape(bsSpacer);
    pageSpacer->SetAlign(alLeft);
    pageSpacer->SetWidth(3);
    ScrollBox1 = make<TScrollBox>(this, TabSheet1, "ScrollBox1");
    ScrollBox1->SetAlign(alClient);
    ptbox1 = make<TImage>(this, ScrollBox1, "ptbox1");
    ptbox1->SetBounds(0, 0, 450, 250);
    redo = hiddenImage(this, ScrollBox1, "redo");
    clpmap1 = hiddenImage(this, ScrollBox1, "clpmap1");
    mask1 = hiddenImage(this, ScrollBox1, "mask1");
    morfimage1 = hiddenImage(this, ScrollBox1, "morfimage1");
    zoomspotimage1 = hiddenImage(this, ScrollBox1, "zoomspotimage1");
    zoomspotimage1->SetBounds(0, 0, 256, 256);
    shpmov = make<TShape>(this, ScrollBox1, "shpmov");
    shpmov->Hide();
    // The capture box window's frame: its outline lies one pixel outside the area it takes.
    capbox = make<TShape>(this, ScrollBox1, "capbox");
    capbox->SetBounds(-1, -1, 202, 202);
    capbox->BrushRef().Style = bsClear;
    capbox->Changed();
    capbox->Hide();
    zmshape1 = make<TShape>(this, ScrollBox1, "zmshape1");
    zmshape1->BrushRef().Style = bsClear;
    zmshape1->Changed();
    zmshape1->Hide();
    // Under the magnified corner: its frame ends at 258.
    panelzoomspot = make<TPanel>(this, ScrollBox1, "panelzoomspot");
    panelzoomspot->SetBounds(0, 256, 258, 41);
    panelzoomspot->SetCaption("");
    panelzoomspot->Hide();
    SpeedButton59 = make<TSpeedButton>(this, panelzoomspot, "SpeedButton59");
    SpeedButton59->SetBounds(8, 8, 110, 25);
    SpeedButton59->SetCaption("Apply");
    SpeedButton60 = make<TSpeedButton>(this, panelzoomspot, "SpeedButton60");
    SpeedButton60->SetBounds(140, 8, 110, 25);
    SpeedButton60->SetCaption("Cancel");
    // The paste frame lets the mouse through to the page, whose handlers drag the paste.
    pasteFrameShape = make<TShape>(this, ScrollBox1, "pasteFrameShape");
    pasteFrameShape->PenRef() = TPen{clBlack, 2, psDash, pmCopy};
    pasteFrameShape->BrushRef().Style = bsClear;
    pasteFrameShape->Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    pasteFrameShape->Hide();
    // The Bezier handles lie over the page, hidden until a curve is placed.
    TShape** handles[] = {&s1, &s2, &s3, &s4};
    const char* handleNames[] = {"s1", "s2", "s3", "s4"};
    for (int i = 0; i < 4; ++i) {
        TShape* s = make<TShape>(this, ScrollBox1, handleNames[i]);
        s->SetBounds(0, 0, 16, 16);
        s->SetShape(stSquare);
        s->PenRef().Color = clBlack;
        s->BrushRef().Color = i < 2 ? clWhite : clYellow;
        s->Changed();
        hint(s, "Click move then click");
        s->SetCursor(crHandPoint);
        s->Hide();
        *handles[i] = s;
    }

    // ---- Paint tab: the tool panel paneltools, its page buttons and stacked pages ----
    paneltools = make<TPanel>(this, TabSheet1, "paneltools");
    paneltools->SetCaption("");
    paneltools->SetAlign(alRight);
    paneltools->SetWidth(60);
    paneltools->SetHeight(310);
    auto pageButton = [this](const char* name, const char* caption, int left, int tag) {
        TSpeedButton* b = make<TSpeedButton>(this, paneltools, name);
        b->SetCaption(caption);
        b->SetBounds(left, 1, 19, 18);
        b->SetTag(tag);
        return b;
    };
    toolpage1 = pageButton("toolpage1", "1", 1, 1);
    toolpage2 = pageButton("toolpage2", "2", 21, 2);
    toolpage3 = pageButton("toolpage3", "3", 41, 3);
    auto stacked = [this](const char* name) {
        TPanel* p = make<TPanel>(this, paneltools, name);
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

    // -- Tool page "1", panelt: the drawing tools --
    BitBtn13 = toolBitBtn(this, panelt, "BitBtn13", "BitBtn13", "Eraser", 0);
    BitBtn5 = toolBitBtn(this, panelt, "BitBtn5", "BitBtn5", "Paint Brush", 1);
    BitBtn3 = toolBitBtn(this, panelt, "BitBtn3", "BitBtn3", "Pencil", 2);
    BitBtn4 = toolBitBtn(this, panelt, "BitBtn4", "BitBtn4", "Pen", 3);
    BitBtn32 = toolBitBtn(this, panelt, "BitBtn32", "BitBtn32", "Lime Green Marker", 4);
    BitBtn15 = toolBitBtn(this, panelt, "BitBtn15", "BitBtn15", "Line", 5);
    BitBtn16 = toolBitBtn(this, panelt, "BitBtn16", "BitBtn16", "Bezier Curve", 6);
    BitBtn12 = toolBitBtn(this, panelt, "BitBtn12", "BitBtn12", "Polygon", 7);
    BitBtn1 = toolBitBtn(this, panelt, "BitBtn1", "BitBtn14", "Filled Polygon", 8);
    BitBtn17 = toolBitBtn(this, panelt, "BitBtn17", "BitBtn17", "Spray Paint", 9);
    BitBtn2 = toolBitBtn(this, panelt, "BitBtn2", "BitBtn2", "Rectangle", 10);
    BitBtn6 = toolBitBtn(this, panelt, "BitBtn6", "BitBtn6", "Filled Rectangle", 11);
    BitBtn7 = toolBitBtn(this, panelt, "BitBtn7", "BitBtn7", "Rounded Rectangle", 12);
    BitBtn9 = toolBitBtn(this, panelt, "BitBtn9", "BitBtn9", "Filled Round Rectangle", 13);
    BitBtn10 = toolBitBtn(this, panelt, "BitBtn10", "BitBtn10", "Circle", 14);
    BitBtn11 = toolBitBtn(this, panelt, "BitBtn11", "BitBtn11", "Filled Circle", 15);
    BitBtn18 = toolBitBtn(this, panelt, "BitBtn18", "BitBtn18", "Flood Fill", 16);
    BitBtn29 = toolBitBtn(this, panelt, "BitBtn29", "BitBtn29", "Color Sampler", 17);
    BitBtn30 = toolBitBtn(this, panelt, "BitBtn30", "BitBtn30", "Color Replacer", 18);
    BitBtn31 = toolBitBtn(this, panelt, "BitBtn31", "BitBtn31", "Color Replacer Polygon", 19);
    BitBtn26 = toolBitBtn(this, panelt, "BitBtn26", "BitBtn26", "Clear Image", 20);

    // -- Tool page "2", paneltmore: gradients, filters, outlines and captures --
    gradbut2 = toolSpeedButton(this, paneltmore, "gradbut2", "gradbut2", "", "Gradient Globe", 0);
    gradbut3 = toolSpeedButton(this, paneltmore, "gradbut3", "gradbut3", "", "Horizontal Gradient Fill", 1);
    gradbut8 = toolSpeedButton(this, paneltmore, "gradbut8", "gradbut8", "", "Vertical Gradient Fill", 2);
    gradbut5 =
        toolSpeedButton(this, paneltmore, "gradbut5", "gradbut5", "", "Horizontal Gradient Rectangle", 3);
    gradbut6 =
        toolSpeedButton(this, paneltmore, "gradbut6", "gradbut6", "", "Vertical Gradient Rectangle", 4);
    gradbut4 = toolSpeedButton(this, paneltmore, "gradbut4", "gradbut4", "",
                               "Xor Frame. Twice to replace background.", 5);
    SpeedButton38 = toolSpeedButton(this, paneltmore, "SpeedButton38", "", "S", "Soften Light", 6);
    SpeedButton35 = toolSpeedButton(this, paneltmore, "SpeedButton35", "", "D", "Darken Image", 7);
    SpeedButton36 = toolSpeedButton(this, paneltmore, "SpeedButton36", "", "L", "Lighten Image", 8);
    SpeedButton37 = toolSpeedButton(this, paneltmore, "SpeedButton37", "", "F", "Clear Filter", 9);
    BitBtn8 = toolBitBtn(this, paneltmore, "BitBtn8", "BitBtn19", "Lasso Outline", 10);
    BitBtn20 = toolBitBtn(this, paneltmore, "BitBtn20", "BitBtn20", "Rectangle Outline", 11);
    BitBtn21 = toolBitBtn(this, paneltmore, "BitBtn21", "BitBtn21", "Cut", 12);
    BitBtn28 = toolBitBtn(this, paneltmore, "BitBtn28", "BitBtn28", "Capture Circular Area", 13);
    BitBtn34 = toolBitBtn(this, paneltmore, "BitBtn34", "BitBtn34", "Special Outline Circlular Area", 14);
    BitBtn22 = toolBitBtn(this, paneltmore, "BitBtn22", "BitBtn8", "Special Outline an Area", 15);
    BitBtn24 = toolBitBtn(this, paneltmore, "BitBtn24", "BitBtn23", "Replace a color with clipboard", 16);
    BitBtn25 = toolBitBtn(this, paneltmore, "BitBtn25", "BitBtn25", "Special Rectangle ", 17);
    BitBtn23 = toolBitBtn(this, paneltmore, "BitBtn23", "BitBtn1", "Gradient Color", 18);

    // -- Tool page "3", paneltmover: pixel movers, the mover box size and the demo film --
    const char* moverHints[] = {"Move Pixels Right",   "Move Pixels Left",      "Move Pixels Up",
                                "Move Pixels Down",    "Move Pixels Down Left", "Move Pixels Down RIght",
                                "Move Pixels Up Left", "Move Pixels Up Right"};
    const char* moverNames[] = {"pm1", "pm2", "pm3", "pm4", "pm5", "pm6", "pm7", "pm8"};
    TSpeedButton** movers[] = {&pm1, &pm2, &pm3, &pm4, &pm5, &pm6, &pm7, &pm8};
    for (int i = 0; i < 8; ++i) {
        *movers[i] = toolSpeedButton(this, paneltmover, moverNames[i], moverNames[i], "", moverHints[i], i);
        (*movers[i])->SetTag(i + 1);
    }
    SpinEdit3 = make<TSpinEdit>(this, paneltmover, "SpinEdit3");
    SpinEdit3->SetBounds(3, 108, 54, 20);
    hint(SpinEdit3, "Pixel Mover Box Width");
    SpinEdit3->SetMinValue(5);
    SpinEdit3->SetMaxValue(1000);
    SpinEdit3->SetValue(50);
    SpinEdit4 = make<TSpinEdit>(this, paneltmover, "SpinEdit4");
    SpinEdit4->SetBounds(3, 130, 54, 20);
    hint(SpinEdit4, "Pixel Mover Box Height");
    SpinEdit4->SetMinValue(5);
    SpinEdit4->SetMaxValue(1000);
    SpinEdit4->SetValue(40);
    SpeedButton10 = make<TSpeedButton>(this, paneltmover, "SpeedButton10");
    SpeedButton10->SetCaption("X 2");
    SpeedButton10->SetBounds(3, 152, 26, 20);
    SpeedButton14 = make<TSpeedButton>(this, paneltmover, "SpeedButton14");
    SpeedButton14->SetCaption("/ 2");
    SpeedButton14->SetBounds(31, 152, 26, 20);
    panelshow = make<TPanel>(this, paneltmover, "panelshow");
    panelshow->SetCaption("Show");
    panelshow->SetBounds(3, 176, 54, 64);
    Animate1 = make<TQuillAVIPlay>(this, panelshow, "Animate1");
    Animate1->SetAutoSize(false);
    Animate1->SetPlaySound(false);
    Animate1->SetBounds(3, 14, 48, 47);
    Animate1->Hide();
    SpeedButton16 = make<TSpeedButton>(this, paneltmover, "SpeedButton16");
    SpeedButton16->SetCaption("View Show");
    SpeedButton16->SetBounds(0, 244, 60, 22);

    // -- Tool page Panel8: the spray choice --
    labspray1 = make<TLabel>(this, Panel8, "labspray1");
    labspray1->SetCaption("Spray");
    labspray1->SetBounds(6, 8, 48, 16);
    labpaint1 = make<TLabel>(this, Panel8, "labpaint1");
    labpaint1->SetCaption("Paint");
    labpaint1->SetBounds(6, 24, 48, 16);
    auto sprayButton = [this](const char* name, const char* caption, const char* h, int top) {
        TBitBtn* b = make<TBitBtn>(this, Panel8, name);
        b->SetCaption(caption);
        hint(b, h);
        b->SetBounds(4, top, 52, 26);
        return b;
    };
    mixbut1 = sprayButton("mixbut1", "Mix", "Special Spray Paint", 50);
    plainbut1 = sprayButton("plainbut1", "Plain", "Solid Color Spray", 82);
    BitBtn40 = sprayButton("BitBtn40", "Back", "Back to Previous Tools", 250);

    // -- The small swatch panel Panel6, hidden until its button on the colour bar --
    Panel6 = make<TPanel>(this, paneltools, "Panel6");
    Panel6->SetCaption("");
    Panel6->SetBounds(2, 280, 56, 99);
    Panel6->Hide();
    TShape** small[] = {&Sh1e, &sh2e, &Sh3e, &Sh4e, &Sh5e, &Sh6e, &Sh7e, &Sh8e, &Sh9e};
    const char* smallNames[] = {"Sh1e", "sh2e", "Sh3e", "Sh4e", "Sh5e", "Sh6e", "Sh7e", "Sh8e", "Sh9e"};
    for (int i = 0; i < 9; ++i) {
        TShape* sw = make<TShape>(this, Panel6, smallNames[i]);
        sw->SetBounds(3 + (i % 3) * 16, 4 + (i / 3) * 16, 17, 17);
        sw->SetTag(i + 1);
        *small[i] = sw;
    }
    chkshe = make<TCheckBox>(this, Panel6, "chkshe");
    chkshe->SetCaption("Replace");
    chkshe->SetBounds(2, 55, 52, 17);
    SpeedButton63 = make<TSpeedButton>(this, Panel6, "SpeedButton63");
    SpeedButton63->SetBounds(18, 76, 19, 19);
    SpeedButton63->SetCaption("x");

    // ---- Paint tab: the video filter panel Panelfilt, hidden above the tab until "Clear Filter" ----
    Panelfilt = make<TPanel>(this, TabSheet1, "Panelfilt");
    Panelfilt->SetCaption("");
    Panelfilt->SetBounds(0, -34, 250, 34);
    Panelfilt->Hide();
    auto filterButton = [this](const char* name, const char* caption, const char* h, int left) {
        TSpeedButton* b = make<TSpeedButton>(this, Panelfilt, name);
        b->SetBounds(left, 5, 24, 24);
        b->SetCaption(caption);
        hint(b, h);
        return b;
    };
    SpeedButton29 = filterButton("SpeedButton29", "N", "Video Noise Filter", 4);
    SpeedButton32 = filterButton("SpeedButton32", "T", "Video Noise Filter", 30);
    SpeedButton31 = filterButton("SpeedButton31", "C", "Video Contrast Filter", 56);
    auto filterSpin = [this](const char* name, const char* h, int left) {
        TSpinEdit* e = make<TSpinEdit>(this, Panelfilt, name);
        e->SetBounds(left, 6, 44, 22);
        e->SetMinValue(2);
        e->SetMaxValue(100);
        e->SetValue(10);
        hint(e, h);
        return e;
    };
    t1m = filterSpin("t1m", "Pixel difference threshhold", 86);
    t2m = filterSpin("t2m", "Amount of affect", 134);
    BitBtn45 = make<TBitBtn>(this, Panelfilt, "BitBtn45");
    BitBtn45->SetBounds(184, 5, 60, 24);
    BitBtn45->SetCaption("Back");

    // ---- Paint tab: the colour bar panelcolor along the bottom ----
    panelcolor = make<TPanel>(this, TabSheet1, "panelcolor");
    panelcolor->SetCaption("");
    panelcolor->SetAlign(alBottom);
    panelcolor->SetHeight(32);
    Panel10 = make<TPanel>(this, panelcolor, "Panel10");
    Panel10->SetCaption("");
    Panel10->SetBounds(2, 7, 51, 18);
    Panel10->SetBevelOuter(bvLowered);
    imgrad = make<TImage>(this, Panel10, "imgrad");
    imgrad->SetBounds(2, 2, 47, 14);
    imgrad->SetCursor(crHandPoint);
    hint(imgrad, "Gradient Color Manager");
    SpeedButton11 = make<TSpeedButton>(this, panelcolor, "SpeedButton11");
    SpeedButton11->SetBounds(55, 3, 25, 12);
    SpeedButton11->SetCaption("L");
    hint(SpeedButton11, "Left or draw color");
    SpeedButton12 = make<TSpeedButton>(this, panelcolor, "SpeedButton12");
    SpeedButton12->SetBounds(55, 17, 25, 12);
    SpeedButton12->SetCaption("R");
    hint(SpeedButton12, "Right or fill color");
    Image12 = make<TImage>(this, panelcolor, "Image12");
    Image12->SetBounds(82, 4, 31, 24);
    Image12->Picture().Bitmap().SetSize(40, 40);
    hint(Image12, "Click here for more colors");
    paintbox1 = make<TPaintBox>(this, panelcolor, "paintbox1");
    paintbox1->SetBounds(115, 4, 32, 24);
    spinpen = make<TSpinEdit>(this, panelcolor, "spinpen");
    spinpen->SetBounds(149, 5, 40, 22);
    spinpen->SetMinValue(1);
    spinpen->SetMaxValue(90);
    spinpen->SetValue(1);
    hint(spinpen, "Line width");
    SpeedButton47 = make<TSpeedButton>(this, panelcolor, "SpeedButton47");
    SpeedButton47->SetBounds(191, 5, 22, 22);
    SpeedButton47->SetCaption("<");
    cogrid = make<TColorGrid>(this, panelcolor, "cogrid");
    cogrid->SetGridColumns(16);
    cogrid->SetBounds(215, 4, 320, 24);
    Panel4 = make<TPanel>(this, panelcolor, "Panel4");
    Panel4->SetCaption("");
    Panel4->SetBounds(213, 3, 399, 26);
    TShape** swatches[] = {&Sh1e2, &sh2e2,  &sh3e2,  &sh4e2,  &sh5e2,  &sh6e2,  &sh7e2,  &sh8e2,
                           &sh9e2, &sh10e2, &sh11e2, &sh12e2, &sh13e2, &sh14e2, &sh15e2, &sh16e2};
    for (int i = 0; i < 16; ++i) {
        const std::string name = i == 0 ? "Sh1e2" : "sh" + std::to_string(i + 1) + "e2";
        TShape* sw = make<TShape>(this, Panel4, name.c_str());
        sw->SetBounds(8 + 16 * i, 4, 17, 17);
        sw->SetTag(i + 1);
        *swatches[i] = sw;
    }
    chkshe2 = make<TCheckBox>(this, Panel4, "chkshe2");
    chkshe2->SetCaption("Replace");
    chkshe2->SetBounds(270, 5, 64, 17);
    hint(chkshe2, "Click to replace a color with the current color when checked");
    auto barButton = [this](const char* name, const char* caption, const char* h, int left) {
        TSpeedButton* b = make<TSpeedButton>(this, Panel4, name);
        b->SetBounds(left, 3, 20, 20);
        b->SetCaption(caption);
        hint(b, h);
        return b;
    };
    SpeedButton56 = barButton("SpeedButton56", "S", "Save colors", 336);
    SpeedButton62 = barButton("SpeedButton62", "O", "Load colors", 356);
    SpeedButton45 = barButton("SpeedButton45", "W", "Windows colors", 376);
    SpeedButton61 = make<TSpeedButton>(this, panelcolor, "SpeedButton61");
    SpeedButton61->SetBounds(614, 6, 19, 19);
    SpeedButton61->SetCaption("+");

    // ---- Zoom tab: the zoom view ----
    // The camera's tool row above the view, covered by Panel2 until "Zoom capture tools".
    zoomtools = make<TPanel>(this, TabSheet3, "zoomtools");
    zoomtools->SetCaption("");
    zoomtools->SetAlign(alTop);
    zoomtools->SetHeight(58);
    // The tools lie on their own row, so that Panel2 stands in for them rather than covering them.
    zoomtoolrow = make<TPanel>(this, zoomtools, "zoomtoolrow");
    zoomtoolrow->SetCaption("");
    zoomtoolrow->SetAlign(alClient);
    zoomtoolrow->Hide();
    auto sizeLabel = [this](const char* name, const char* caption, int left) {
        TLabel3d* l = make<TLabel3d>(this, zoomtoolrow, name);
        l->SetAStyle3D(Raised3d);
        l->SetCaption(caption);
        l->SetBounds(left, 7, 14, 16);
        return l;
    };
    auto sizeSpin = [this](const char* name, int left, int value) {
        TSpinEdit* e = make<TSpinEdit>(this, zoomtoolrow, name);
        e->SetBounds(left, 4, 58, 22);
        e->SetMinValue(10);
        e->SetMaxValue(10000);
        e->SetValue(value);
        return e;
    };
    auto toolButton = [this](const char* name, const char* caption, int left, int top, int width) {
        TBitBtn* b = make<TBitBtn>(this, zoomtoolrow, name);
        b->SetCaption(caption);
        b->SetBounds(left, top, width, 24);
        return b;
    };
    zwlabel = sizeLabel("zwlabel", "W", 4);
    SpinEdit5 = sizeSpin("SpinEdit5", 20, 176);
    zhlabel = sizeLabel("zhlabel", "H", 84);
    SpinEdit6 = sizeSpin("SpinEdit6", 100, 144);
    BitBtn27 = toolButton("BitBtn27", "176x144", 164, 3, 64);
    BitBtn33 = toolButton("BitBtn33", "352x288", 230, 3, 64);
    BitBtn39 = toolButton("BitBtn39", "Full", 296, 3, 44);
    zclipbut1 = toolButton("zclipbut1", "", 344, 3, 28);
    {
        // A clipboard: a board with a clip at its top.
        TBitmap glyph(16, 16);
        TCanvas& c = glyph.Canvas();
        c.Brush.Color = clWhite;
        c.Pen.Color = clBlack;
        c.Rectangle(3, 2, 13, 15);
        c.Brush.Color = clGray;
        c.FillRect(Rect(6, 1, 10, 4));
        glyph.SetPixel(0, 15, clOlive); // the transparent colour, not drawn
        zclipbut1->SetGlyph(glyph);
    }
    BitBtn57 = toolButton("BitBtn57", "Hide", 376, 3, 48);
    zbrowsebut1 = toolButton("zbrowsebut1", "Browse", 4, 31, 58);
    zlabel1 = make<TLabel>(this, zoomtoolrow, "zlabel1");
    zlabel1->SetAutoSize(false);
    zlabel1->SetAlignment(taRightJustify);
    zlabel1->SetColor(clWhite);
    zlabel1->SetBounds(66, 35, 168, 16);
    zedit1 = make<TEdit>(this, zoomtoolrow, "zedit1");
    zedit1->SetBounds(238, 32, 70, 22);
    zspin1 = make<TSpinEdit>(this, zoomtoolrow, "zspin1");
    zspin1->SetBounds(312, 32, 62, 22);
    zspin1->SetMinValue(1);
    zspin1->SetMaxValue(10000);
    zspin1->SetValue(1);
    zbmplabel = make<TLabel>(this, zoomtoolrow, "zbmplabel");
    zbmplabel->SetCaption(".bmp");
    zbmplabel->SetBounds(377, 36, 28, 16);
    zcambut1 = toolButton("zcambut1", "Camera", 410, 31, 64);
    zcambut1->SetEnabled(false);
    Panel2 = make<TPanel>(this, zoomtools, "Panel2");
    Panel2->SetCaption("");
    Panel2->SetAlign(alClient);
    BitBtn56 = make<TBitBtn>(this, Panel2, "BitBtn56");
    BitBtn56->SetCaption("Zoom capture tools");
    hint(BitBtn56, "Expose the zoom capture to disk tools");
    BitBtn56->SetBounds(6, 16, 150, 26);

    ScrollBox3 = make<TScrollBox>(this, TabSheet3, "ScrollBox3");
    ScrollBox3->SetAlign(alClient);
    zm1 = make<TZoomImage>(this, ScrollBox3, "zm1");
    zm1->SetInvert(true);
    // The frame of the camera's box: clicking a bar moves the box that way.
    auto bar = [this](const char* name, int w, int h) {
        TSpeedButton* b = make<TSpeedButton>(this, ScrollBox3, name);
        b->SetBounds(0, 0, w, h);
        b->Hide();
        return b;
    };
    zrtop = bar("zrtop", 100, 17);
    zrbot = bar("zrbot", 100, 17);
    zrleft = bar("zrleft", 17, 100);
    zrright = bar("zrright", 17, 100);

    // ---- Animation Transfer tab ----
    BitBtn44 = make<TBitBtn>(this, TabSheet2, "BitBtn44");
    BitBtn44->SetBounds(8, 8, 150, 28);
    BitBtn44->SetCaption("Get Image From Main");
    BitBtn44->SetHint("Copy image from Paint");
    BitBtn44->SetShowHint(true);
    danbut1 = make<TBitBtn>(this, TabSheet2, "danbut1");
    danbut1->SetBounds(166, 8, 140, 28);
    danbut1->SetCaption("Animation Manager");
    danbut1->SetEnabled(false);
    dropPanel = make<TPanel>(this, TabSheet2, "dropPanel");
    dropPanel->SetBounds(316, 4, 200, 80);
    dropPanel->SetBevelOuter(bvLowered);
    dropPanel->SetCaption("Drag here to load back into main");
    Image1 = make<TImage>(this, dropPanel, "Image1");
    Image1->SetAlign(alClient);
    // Sized to the picture it hands on, below the buttons and the drop site.
    dragimage1 = make<TImage>(this, TabSheet2, "dragimage1");
    dragimage1->SetBounds(8, 92, 100, 100);
    dragimage1->SetStretch(true);
    dragimage1->SetAutoSize(true);
    dragimage1->SetHint("Drag Image From Here to Animation Manager Save Drop Site");
    dragimage1->SetShowHint(true);

    // ---- Add ons tab: the linked programs' buttons, the preferences and the manual ----
    for (int n = 1; n <= 4; ++n) {
        TSpeedButton* b = make<TSpeedButton>(this, TabSheet5, ("butpref" + std::to_string(n)).c_str());
        b->SetBounds(8 + (n - 1) * 44, 8, 40, 40);
        hint(b, ("Utility " + std::to_string(n)).c_str());
        (n == 1 ? butpref1 : n == 2 ? butpref2 : n == 3 ? butpref3 : butpref4) = b;
    }
    SpeedButton34 = make<TSpeedButton>(this, TabSheet5, "SpeedButton34");
    SpeedButton34->SetBounds(188, 8, 40, 40);
    SpeedButton34->SetGlyph(preferencesGlyph());
    hint(SpeedButton34, "Preferences");
    SpeedButton65 = make<TSpeedButton>(this, TabSheet5, "SpeedButton65");
    SpeedButton65->SetBounds(232, 8, 40, 40);
    SpeedButton65->SetGlyph(manualGlyph());
    hint(SpeedButton65, "On-line Manual");

    // ---- Add ons tab: the film viewer ----
    FileListBox1 = make<TFileListBox>(this, TabSheet5, "FileListBox1");
    FileListBox1->SetBounds(300, 8, 160, 120);
    FileListBox1->SetMask("*.avi");
    hint(FileListBox1, "Doubleclick to view film");
    filmPackNote = make<TLabel>(this, TabSheet5, "filmPackNote");
    filmPackNote->SetWordWrap(true);
    filmPackNote->SetTransparent(true);
    filmPackNote->SetAutoSize(false);
    filmPackNote->SetBounds(300, 132, 220, 30);
    filmPackNote->SetCaption("Download the free mini help video pack from our website");
    Animate2 = make<TQuillAVIPlay>(this, TabSheet5, "Animate2");
    Animate2->SetAutoSize(false);
    Animate2->SetPlaySound(false);
    Animate2->SetRepetitions(1);
    Animate2->SetBounds(300, 168, 100, 100);
    auto filmButton = [this](const char* name, const char* caption, int left) {
        TSpeedButton* b = make<TSpeedButton>(this, TabSheet5, name);
        b->SetBounds(left, 272, 24, 22);
        b->SetCaption(caption);
        b->SetEnabled(false);
        return b;
    };
    butanim2rewind = filmButton("butanim2rewind", "<<", 300);
    butanim2pause = filmButton("butanim2pause", "||", 326);
    butanim2play = filmButton("butanim2play", ">>", 352);
    hint(butanim2play, "Step through");
    butanim2stop = filmButton("butanim2stop", "", 378);
    {
        TBitmap glyph(12, 12);
        glyph.Canvas().Brush.Color = clBlack;
        glyph.Canvas().FillRect(Rect(2, 2, 10, 10));
        glyph.SetPixel(0, 11, clOlive); // the transparent colour
        butanim2stop->SetGlyph(glyph);
    }
    lframeco = make<TLabel>(this, TabSheet5, "lframeco");
    lframeco->SetBounds(408, 176, 80, 16);
    lframeco->SetCaption("");
    lframeco->SetTransparent(true);
    spanim2count = make<TSpinEdit>(this, TabSheet5, "spanim2count");
    spanim2count->SetBounds(408, 200, 50, 22);
    spanim2count->Hide();

    // ---- Hidden panel Panel7: invisible controls that serve as fields ----
    Panel7 = make<TPanel>(this, this, "Panel7");
    Panel7->SetBounds(0, 0, 10, 10);
    Panel7->Hide();
    Image2 = make<TImage>(this, Panel7, "Image2");
    pathname1 = make<TEdit>(this, Panel7, "pathname1");
    tempdir1 = make<TEdit>(this, Panel7, "tempdir1");
    chk1 = make<TCheckBox>(this, Panel7, "chk1");
    dobegin = make<TCheckBox>(this, Panel7, "dobegin");
    Chkanimate1 = make<TCheckBox>(this, Panel7, "Chkanimate1");
    copcolors = make<TCheckBox>(this, Panel7, "copcolors");
    chkmanual = make<TCheckBox>(this, Panel7, "chkmanual");
    explore = make<TCheckBox>(this, Panel7, "explore");
    chkmovies = make<TCheckBox>(this, Panel7, "chkmovies");
    chkanimation = make<TCheckBox>(this, Panel7, "chkanimation");

    // ---- Components without a place on the window ----
    PopupMenu2 = make<TPopupMenu>(this, "PopupMenu2");
    Zoomx21 = menuItem(this, PopupMenu2->Items(), "Zoomx21", "Zoom x 2");
    Zoomx41 = menuItem(this, PopupMenu2->Items(), "Zoomx41", "Zoom x 4");
    Zoomx81 = menuItem(this, PopupMenu2->Items(), "Zoomx81", "Zoom x 8");
    OleContainer1 = std::make_unique<TOleContainer>();
    OleContainer2 = std::make_unique<TOleContainer>();
    OleContainer8 = std::make_unique<TOleContainer>();
    OleContainer9 = std::make_unique<TOleContainer>();
    PopupMenu1 = make<TPopupMenu>(this, "PopupMenu1");
    Copy1 = menuItem(this, PopupMenu1->Items(), "Copy1", "&Copy");
    Loadasminimage1 = menuItem(this, PopupMenu1->Items(), "Loadasminimage1", "&Load as Main Image");
    Clear1 = menuItem(this, PopupMenu1->Items(), "Clear1", "Cle&ar");
    Save1 = menuItem(this, PopupMenu1->Items(), "Save1", "&Save");
    Timer1 = make<TTimer>(this, "Timer1");
    Timer1->SetEnabled(false);
    Timer2 = make<TTimer>(this, "Timer2");
    Timer2->SetInterval(1000);
    Timer2->SetEnabled(false);
    SaveDialog1 = make<TSaveDialog>(this, "SaveDialog1");
    SaveDialog1->SetFilter("All Files (*.*)|*.*");
    SaveDialog1->SetOptions(ofHideReadOnly | ofOverwritePrompt);
    OpenDialog1 = make<TOpenDialog>(this, "OpenDialog1");
    OpenDialog1->SetFilter("All Files (*.*)|*.*");
    OpenPictureDialog2 = make<TOpenDialog>(this, "OpenPictureDialog2");
    OpenPictureDialog2->SetTitle("Load Background Bitmap");
    OpenPictureDialog2->SetFilter("Windows Bitmap (*.bmp)|*.bmp");
    OpenPictureDialog2->SetDefaultExt("bmp");
    SavePictureDialog1 = make<TSaveDialog>(this, "SavePictureDialog1");
    SavePictureDialog1->SetTitle("Save Bitmap");
    SavePictureDialog1->SetFilter("Images (*.BMP,*.JPG) |*.BMP;*.JPG");
    SavePictureDialog1->SetDefaultExt("BMP");
    SavePictureDialog1->SetOptions(ofHideReadOnly | ofOverwritePrompt);
    OpenPictureDialog1 = make<TOpenDialog>(this, "OpenPictureDialog1");
    OpenPictureDialog1->SetFilter("(*.bmp;*.jpg,*.ico;*.emf;*.wmf)|*.bmp;*.jpg;*.ico;*.emf;*.wmf|Bitmaps "
                                  "(*.bmp)|*.bmp|Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|"
                                  "Metafiles (*.wmf)|*.wmf|JPEG (*.jpg)|*.jpg");
}
