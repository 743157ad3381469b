#include "preference.h"

#include "ScreenKit.h"

namespace quickview {

Tpreference1* preference1 = nullptr;

Tpreference1::Tpreference1(TComponent* AOwner) : TForm(AOwner) {
    SetName("preference1");
    SetCaption("Preferences");
    SetBorderStyle(bsDialog);
    SetClientWidth(452);
    SetClientHeight(330);

    PageControl1 = new TPageControl(this, this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetBounds(6, 6, 440, 284);

    TabSheet1 = new TTabSheet(this, PageControl1);
    TabSheet1->SetName("TabSheet1");
    TabSheet1->SetCaption("User buttons");
    kit::textBlock(TabSheet1, "Label1",
                   "Link each button of the main window's strip to a program, a document or a web page.", 8,
                   8, 420, 30);
    struct Row {
        const char* button;
        const char* link;
        Glyph glyph;
    };
    const Row rows[] = {
        {"Media Player", "C:\\WINDOWS\\MPLAYER.EXE", Glyph::Speaker},
        {"Utility One", "C:\\WINDOWS\\NOTEPAD.EXE", Glyph::Utility},
        {"Utility Two", "C:\\Program Files\\Orvanta\\Orvanta.exe", Glyph::Utility},
        {"Utility Three", "C:\\My Documents\\Storyboard.doc", Glyph::Utility},
        {"Utility Four", "http://www.velmora.com/", Glyph::Utility},
    };
    int y = 42;
    int n = 1;
    for (const Row& r : rows) {
        std::string id = std::to_string(n++);
        TImage* icon = kit::picture(TabSheet1, "Icon" + id, 8, y, 32, 32);
        DrawGlyph(icon->Picture().Bitmap(), r.glyph, 32);
        icon->SetTransparent(true);
        kit::label(TabSheet1, "LabelButton" + id, r.button, 48, y + 2);
        kit::edit(TabSheet1, "EditLink" + id, r.link, 48, y + 16, 290);
        kit::button(TabSheet1, "butlink" + id, "Link...", 346, y + 14, 75, 25);
        y += 42;
    }

    TabSheet2 = new TTabSheet(this, PageControl1);
    TabSheet2->SetName("TabSheet2");
    TabSheet2->SetCaption("Tool bar");
    kit::label(TabSheet2, "Label2", "Show these buttons on the tool bar:", 8, 10);
    const char* tools[] = {"HTML Editor",
                           "Explore Windows",
                           "Image Browser",
                           "Play the songs in my play list",
                           "Add foreground images to background frames",
                           "Minimize"};
    y = 32;
    n = 1;
    for (const char* t : tools) {
        kit::check(TabSheet2, "CheckTool" + std::to_string(n++), t, 16, y, 300, true);
        y += 22;
    }
    kit::label(TabSheet2, "Label3", "My play list:", 8, y + 12);
    kit::edit(TabSheet2, "EditPlayList", "C:\\Velmora\\Sound\\My songs.lst", 84, y + 8, 250);
    kit::button(TabSheet2, "butplaylist", "Browse...", 342, y + 6, 75, 25);
    kit::label(TabSheet2, "Label4", "Explorer:", 8, y + 44);
    kit::edit(TabSheet2, "EditExplorer", "C:\\WINDOWS\\EXPLORER.EXE", 84, y + 40, 250);

    TabSheet3 = new TTabSheet(this, PageControl1);
    TabSheet3->SetName("TabSheet3");
    TabSheet3->SetCaption("General");
    kit::check(TabSheet3, "CheckIntro", "Play the intro film and music at start-up", 16, 16, 340, true);
    kit::check(TabSheet3, "CheckLowColour", "256-colour display: map frames onto the system palette", 16, 40,
               380);
    kit::check(TabSheet3, "CheckHints", "Show hints on the buttons", 16, 64, 340, true);
    kit::label(TabSheet3, "Label5", "Projects folder:", 16, 100);
    kit::edit(TabSheet3, "EditProjects", "C:\\Velmora\\Projects\\", 110, 96, 230);
    kit::label(TabSheet3, "Label6", "Temporary folder:", 16, 130);
    kit::edit(TabSheet3, "EditTemp", "C:\\Velmora\\clpcache\\", 110, 126, 230);

    PageControl1->SetActivePageIndex(0);
    OKBtn = kit::button(this, "OKBtn", "OK", 290, 298, 75, 25);
    CancelBtn = kit::button(this, "CancelBtn", "Cancel", 371, 298, 75, 25);

    OnCreate = bindMethod(this, &Tpreference1::FormCreate);
}

void Tpreference1::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
