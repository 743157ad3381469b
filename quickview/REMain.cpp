#include "REMain.h"

#include "ScreenKit.h"

namespace quickview {

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("MainForm");
    SetCaption("INDEX.HTML");
    SetBounds(0, 0, 620, 460);
    makeMenu();

    Panel1 = kit::alignedPanel(this, "Panel1", alTop, 30);
    kit::speedButtonRow(Panel1, 3, 23, 23, true,
                        {
                            {nullptr, "FileNewButton", 4, glyph(Glyph::New), "New page"},
                            {nullptr, "FileOpenButton", 28, glyph(Glyph::Open), "Open a page"},
                            {nullptr, "FileSaveButton", 52, glyph(Glyph::Save), "Save the page"},
                            {nullptr, "CopyButton", 84, glyph(Glyph::Copy), "Copy"},
                            {nullptr, "PasteButton", 108, glyph(Glyph::Paste), "Paste"},
                            {nullptr, "BoldButton", 410, glyph(Glyph::Bold), "Bold"},
                            {nullptr, "ItalicButton", 434, glyph(Glyph::Italic), "Italic"},
                            {nullptr, "UnderlineButton", 458, glyph(Glyph::Underline), "Underline"},
                            {nullptr, "LeftAlign", 490, glyph(Glyph::AlignLeft), "Align left"},
                            {nullptr, "CenterAlign", 514, glyph(Glyph::AlignCenter), "Centre"},
                            {nullptr, "RightAlign", 538, glyph(Glyph::AlignRight), "Align right"},
                        });
    FontName = kit::combo(Panel1, "FontName", {"Arial", "Courier New", "Times New Roman", "MS Sans Serif"}, 1,
                          140, 4, 150);
    FontSize = kit::combo(Panel1, "FontSize", {"8", "10", "12", "14", "18", "24"}, 1, 296, 4, 50);

    StatusBar = new TStatusBar(this, this);
    StatusBar->SetName("StatusBar");
    StatusBar->SetHeight(19);
    StatusBar->SetAlign(alBottom);
    StatusBar->AddPanel("Line 1   Col 1", 120);
    StatusBar->AddPanel("HTML", 60);
    StatusBar->AddPanel("C:\\Velmora\\Web\\INDEX.HTML", 300);

    Panel2 = kit::alignedPanel(this, "Panel2", alLeft, 150);
    kit::label(Panel2, "Label1", "Templates and examples", 6, 6);
    ListBox1 = kit::list(Panel2, "ListBox1",
                         {"Blank page", "Home page", "Movie page", "Photo album", "Links page", "Guest book",
                          "Frames: index", "Frames: menu", "Letter", "Press release"},
                         6, 24, 138, 220);
    ListBox1->SetItemIndex(2);
    kit::textBlock(Panel2, "Label2",
                   "Double-click a template to start a new page from it. The example pages show "
                   "movies and animations made with Velmora.",
                   6, 252, 138, 96);

    PageControl1 = new TPageControl(this, this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetAlign(alClient);
    TabSheet1 = new TTabSheet(this, PageControl1);
    TabSheet1->SetName("TabSheet1");
    TabSheet1->SetCaption("HTML Editor");
    TabSheet2 = new TTabSheet(this, PageControl1);
    TabSheet2->SetName("TabSheet2");
    TabSheet2->SetCaption("Word Processor");

    Editor = new TRichEdit(this, TabSheet1);
    Editor->SetName("Editor");
    Editor->SetAlign(alClient);
    Editor->SetScrollBars(ssBoth);
    Editor->SetWordWrap(false);
    fillSource();

    RichEdit2 = new TRichEdit(this, TabSheet2);
    RichEdit2->SetName("RichEdit2");
    RichEdit2->SetAlign(alClient);
    RichEdit2->SetScrollBars(ssVertical);
    fillLetter();
    PageControl1->SetActivePageIndex(0);

    OnCreate = bindMethod(this, &TMainForm::FormCreate);
}

void TMainForm::makeMenu() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem* root = MainMenu1->Items();
    TMenuItem* file = kit::item(this, root, "FileMenu", "&File");
    for (const char* c : {"&New", "&Open...", "&Save", "Save &As...", "-", "&Print", "-", "E&xit"})
        std::string(c) == "-" ? kit::separator(this, file) : (void)kit::item(this, file, "", c);
    TMenuItem* edit = kit::item(this, root, "EditMenu", "&Edit");
    for (const char* c : {"&Undo", "-", "Cu&t", "&Copy", "&Paste", "-", "&Find...", "&Replace..."})
        std::string(c) == "-" ? kit::separator(this, edit) : (void)kit::item(this, edit, "", c);
    TMenuItem* insert = kit::item(this, root, "InsertMenu", "&Insert");
    for (const char* c :
         {"&Image...", "&Link...", "&Movie (AVI)...", "&Sound...", "&Table", "Horizontal &rule"})
        kit::item(this, insert, "", c);
    TMenuItem* format = kit::item(this, root, "FormatMenu", "F&ormat");
    for (const char* c : {"&Font...", "&Paragraph", "&Heading 1", "Heading &2", "&Background colour..."})
        kit::item(this, format, "", c);
    TMenuItem* templates = kit::item(this, root, "TemplatesMenu", "&Templates");
    for (const char* c : {"&Home page", "&Movie page", "&Photo album", "&Links page", "&Letter"})
        kit::item(this, templates, "", c);
    TMenuItem* help = kit::item(this, root, "HelpMenu", "&Help");
    for (const char* c : {"&Contents", "HTML &tags", "&About"})
        kit::item(this, help, "", c);
    SetMenu(MainMenu1);
}

void TMainForm::fillSource() {
    const std::string source = "<HTML>\n"
                               "<HEAD>\n"
                               "<TITLE>Runner on the hills</TITLE>\n"
                               "</HEAD>\n"
                               "<BODY BGCOLOR=\"#000000\" TEXT=\"#FFFFCC\">\n"
                               "<CENTER>\n"
                               "<H1>Runner on the hills</H1>\n"
                               "<IMG SRC=\"hillrun.gif\" WIDTH=320 HEIGHT=240>\n"
                               "<P>A short film made with Velmora.</P>\n"
                               "<A HREF=\"hillrun.avi\">Download the AVI (1.2 MB)</A><BR>\n"
                               "<EMBED SRC=\"theme.mid\" AUTOSTART=true HIDDEN=true>\n"
                               "<HR WIDTH=\"60%\">\n"
                               "<A HREF=\"album.html\">Photo album</A> |\n"
                               "<A HREF=\"links.html\">Links</A>\n"
                               "</CENTER>\n"
                               "</BODY>\n"
                               "</HTML>";
    Editor->Lines().SetText(source);
    Editor->SelectAll();
    Editor->SelAttributes().SetName("Courier New");
    Editor->SelAttributes().SetSize(10);
    // Tags in navy, as the editor colours them.
    std::string flat;
    for (char ch : source)
        if (ch != '\r') flat += ch;
    for (size_t open = flat.find('<'); open != std::string::npos; open = flat.find('<', open + 1)) {
        size_t close = flat.find('>', open);
        if (close == std::string::npos) break;
        Editor->SetSelStart(int(open));
        Editor->SetSelLength(int(close - open + 1));
        Editor->SelAttributes().SetColor(clNavy);
    }
    Editor->SetSelStart(0);
    Editor->SetModified(false);
}

void TMainForm::fillLetter() {
    RichEdit2->Lines().SetText(
        "Velmora Film Club\n"
        "\n"
        "Dear members,\n"
        "\n"
        "Our next evening shows the short films you made this spring. Bring your "
        "projects on a floppy disk or a Zip disk; we will play them on the big screen.\n"
        "\n"
        "Yours,\n"
        "The committee");
    RichEdit2->SetSelStart(0);
    RichEdit2->SetSelLength(17);
    RichEdit2->SelAttributes().SetName("Times New Roman");
    RichEdit2->SelAttributes().SetSize(18);
    RichEdit2->SelAttributes().SetStyle(fsBold);
    RichEdit2->SetSelStart(0);
    RichEdit2->SetModified(false);
}

void TMainForm::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
