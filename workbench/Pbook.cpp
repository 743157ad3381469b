#include "Pbook.h"

#include "Menus.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TCoolBar.h"
#include "TEdit.h"
#include "TImage.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TScrollBox.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "TStatusBar.h"
#include "Zoompic.h"

TPbook1* Pbook1 = nullptr;

namespace {
template <class T> T* named(T* c, const char* name) {
    c->SetName(name);
    return c;
}

TImage* hiddenImage(TComponent* owner, TWinControl* parent, const char* name) {
    TImage* i = named(new TImage(owner, parent), name);
    i->Hide();
    return i;
}
} // namespace

TPbook1::TPbook1(TComponent* AOwner) : TForm(AOwner) {
    SetName("Pbook1");
    SetCaption("Temp.bmp");
    SetBounds(10, 43, 639, 522);
    SetCursor(crHandPoint);
    barcolors = {clWhite, clWhite, clRed, clGreen, clBlue, clBlack, clWhite, clRed,
                 clGreen, clBlue,  clBlack, clWhite, clRed, clGreen, clBlue, clBlack};
    buildmenu();
    buildlayout();
    wiredrawing();
    wiretools();
    wirefiles();
    wireclipboard();
    bgprogress.SetBar(bg1);
    SetAcceptFiles(true);

    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnResize = [this](TObject* s) { FormResize(s); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    OnDropFiles = [this](TObject*, const std::vector<std::string>& files) { onDropFiles(files); };
}

void TPbook1::buildmenu() {
    MainMenu1 = named(new TMainMenu(this), "MainMenu1");
    auto item = [this](TMenuItem* parent, const char* name, const char* caption, TNotifyEvent click = {}) {
        TMenuItem* m = named(new TMenuItem(this), name);
        m->SetCaption(caption);
        m->OnClick = std::move(click);
        parent->Add(m);
        return m;
    };
    Filemenu = item(MainMenu1->Items(), "Filemenu", "&File");
    New1 = item(Filemenu, "New1", "&New", [this](TObject* s) { New1Click(s); });
    item(Filemenu, "N1", "-");
    Exit1 = item(Filemenu, "Exit1", "E&xit", [this](TObject* s) { Exit1Click(s); });
    Editmenu = item(MainMenu1->Items(), "Editmenu", "&Edit");
    Undo1 = item(Editmenu, "Undo1", "&Undo", [this](TObject* s) { undoptb1Click(s); });
    Repeatcommand1 = item(Editmenu, "Repeatcommand1", "&Redo", [this](TObject* s) { redoptb1Click(s); });
    item(Editmenu, "N2", "-");
    Cut1 = item(Editmenu, "Cut1", "Cu&t", [this](TObject* s) { Cut1Click(s); });
    Imagemenu = item(MainMenu1->Items(), "Imagemenu", "&Image");
    Resize1 = item(Imagemenu, "Resize1", "&Resize", [this](TObject* s) { Resize1Click(s); });
    SetMenu(MainMenu1);
}

void TPbook1::buildlayout() {
    // Upper tool bar.
    Panel3 = named(new TPanel(this, this), "Panel3");
    Panel3->SetAlign(alTop);
    Panel3->SetHeight(30);
    auto toolbutton = [this](const char* name, const char* caption, const char* hint, int left,
                             TNotifyEvent click) {
        TSpeedButton* b = named(new TSpeedButton(this, Panel3), name);
        b->SetBounds(left, 3, 72, 24);
        b->SetCaption(caption);
        b->SetHint(hint);
        b->SetShowHint(true);
        b->SetFlat(true);
        b->OnClick = std::move(click);
        return b;
    };
    SpeedButton2 = toolbutton("SpeedButton2", "New", "New Page", 4, [this](TObject* s) { SpeedButton2Click(s); });
    SpeedButton54 =
        toolbutton("SpeedButton54", "Resize", "Resize image", 78, [this](TObject* s) { Resize1Click(s); });

    // Progress bar and status bar along the bottom (the bar above the status line).
    StatusBar1 = named(new TStatusBar(this, this), "StatusBar1");
    StatusBar1->SetAlign(alBottom);
    StatusBar1->SetHeight(20);
    StatusBar1->SetSimplePanel(true);
    bg1 = named(new TProgressBar(this, this), "bg1");
    bg1->SetAlign(alBottom);
    bg1->SetHeight(14);
    bg1->SetMin(0);
    bg1->SetMax(100);
    bg1->Hide();

    // Side cool bar: undo and redo, the clip holder, the zoom panel.
    CoolBar1 = named(new TCoolBar(this, this), "CoolBar1");
    CoolBar1->SetAlign(alRight);
    CoolBar1->SetWidth(86);
    CoolBar1->SetVertical(true);
    auto sidebutton = [this](const char* name, const char* caption, int top, TNotifyEvent click) {
        TSpeedButton* b = named(new TSpeedButton(this, CoolBar1), name);
        b->SetBounds(6, top, 74, 24);
        b->SetCaption(caption);
        b->SetFlat(true);
        b->SetEnabled(false);
        b->OnClick = std::move(click);
        return b;
    };
    undoptb1 = sidebutton("undoptb1", "Undo", 6, [this](TObject* s) { undoptb1Click(s); });
    redoptb1 = sidebutton("redoptb1", "Redo", 32, [this](TObject* s) { redoptb1Click(s); });
    panclp1 = named(new TPanel(this, CoolBar1), "panclp1");
    panclp1->SetBounds(10, 64, 65, 65);
    panclp1->SetCaption("Clipboard");
    panclp1->SetColor(clWhite);
    Image9 = named(new TImage(this, panclp1), "Image9");
    Image9->SetBounds(8, 8, 49, 48);
    Image9->SetStretch(true);
    Image9->SetHint("Right Click for menu");
    zmpanel1 = named(new TPanel(this, CoolBar1), "zmpanel1");
    zmpanel1->SetBounds(2, 136, 82, 70);
    zm1spin = named(new TSpinEdit(this, zmpanel1), "zm1spin");
    zm1spin->SetBounds(4, 4, 74, 22);
    zm1spin->SetMinValue(0);
    zm1spin->SetMaxValue(3200);
    zm1spin->SetValue(100);
    zm1spin->SetHint("Zoom image ");
    zm1spin->SetShowHint(true);
    zmbuton = named(new TButton(this, zmpanel1), "zmbuton");
    zmbuton->SetBounds(4, 32, 74, 24);
    zmbuton->SetCaption("Zoom");

    // The page control with its five tabs.
    PageControl1 = named(new TPageControl(this, this), "PageControl1");
    PageControl1->SetAlign(alClient);
    auto tab = [this](const char* name, const char* caption) {
        TTabSheet* t = named(new TTabSheet(this, PageControl1), name);
        t->SetCaption(caption);
        return t;
    };
    TabSheet1 = tab("TabSheet1", "Paint");
    TabSheet3 = tab("TabSheet3", "Zoom");
    TabSheet4 = tab("TabSheet4", "Text");
    TabSheet2 = tab("TabSheet2", "Animation Transfer");
    TabSheet5 = tab("TabSheet5", "Add ons");

    ScrollBox1 = named(new TScrollBox(this, TabSheet1), "ScrollBox1");
    ScrollBox1->SetAlign(alClient);
    ptbox1 = named(new TImage(this, ScrollBox1), "ptbox1");
    ptbox1->SetBounds(0, 0, 450, 250);
    redo = hiddenImage(this, ScrollBox1, "redo");
    clpmap1 = hiddenImage(this, ScrollBox1, "clpmap1");
    mask1 = hiddenImage(this, ScrollBox1, "mask1");
    morfimage1 = hiddenImage(this, ScrollBox1, "morfimage1");
    zoomspotimage1 = hiddenImage(this, ScrollBox1, "zoomspotimage1");
    zoomspotimage1->SetBounds(0, 0, 256, 256);
    shpmov = named(new TShape(this, ScrollBox1), "shpmov");
    shpmov->Hide();

    zm1 = named(new TZoomImage(this, TabSheet3), "zm1");
    zm1->SetInvert(true);

    dragimage1 = named(new TImage(this, TabSheet2), "dragimage1");
    dragimage1->SetBounds(8, 8, 100, 100);
    dragimage1->SetStretch(true);

    // Invisible controls that serve as fields.
    Panel7 = named(new TPanel(this, this), "Panel7");
    Panel7->SetBounds(0, 0, 10, 10);
    Panel7->Hide();
    Image2 = named(new TImage(this, Panel7), "Image2");
    pathname1 = named(new TEdit(this, Panel7), "pathname1");
    tempdir1 = named(new TEdit(this, Panel7), "tempdir1");
    chk1 = named(new TCheckBox(this, Panel7), "chk1");
}
