// The "Text" tab of the started program: its commands through their own buttons and menu items,
// the text files it reads and writes, and the text drawn onto the page as a floating paste.
#include "OrvantaFixture.h"

#include "Clipboard.h"
#include "Clpfrm.h"
#include "Dialogs.h"
#include "FileIO.h"
#include "Menus.h"
#include "MessageBox.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TRichEdit.h"
#include "TSpeedButton.h"
#include "TestClipboardSystem.h"
#include "mydialog.h"

#include <fstream>
#include <iterator>

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TFont arial(int points, TColor colour = clBlack) {
    TFont f;
    f.Name = "Arial";
    f.SetSize(points);
    f.Color = colour;
    return f;
}

class TextPageTest : public OrvantaClipboardTest {
protected:
    void SetUp() override {
        OrvantaClipboardTest::SetUp();
        Pbook1->Show();
        Pbook1->PageControl1->SetActivePage(Pbook1->TabSheet4);
        Pbook1->PageControl1Change(Pbook1->PageControl1);
        edit().SetPlainText(false);
        edit().SetFont(arial(10));
        edit().Lines().Clear();
        edit().SetModified(false);
        Pbook1->SaveDialog1->SetDefaultExt("");
        Pbook1->SaveDialog1->SetInitialDir("");
        Pbook1->OpenDialog1->SetDefaultExt("");
        Pbook1->Checkwrap->SetChecked(true);
        Pbook1->Wordwrap1->SetChecked(false);
        Screen->SetCursor(crDefault);
    }
    void TearDown() override {
        if (clpform1->Visible()) clpform1->Close();
        Pbook1->hidePastePanel();
        Form3->pasteframe = false;
        OrvantaClipboardTest::TearDown();
    }
    static TRichEdit& edit() { return *Pbook1->RichEdit2; }
    TBitmap onClipboard() const {
        TBitmap b;
        EXPECT_TRUE(board->GetBitmap(b));
        return b;
    }
    // The height one line takes in the font the rich edit reports for `points`.
    static int pitchOf(int points) {
        TBitmap probe(1, 1);
        TFont& f = probe.Canvas().Font;
        f = arial(points);
        f.SetHeight(int(std::lround(points * 96.0 / 72.0)));
        return probe.Canvas().TextHeight("Hg");
    }
    static int widthOf(const std::string& text, int points) {
        TBitmap probe(1, 1);
        probe.Canvas().Font = arial(points);
        probe.Canvas().Font.SetHeight(int(std::lround(points * 96.0 / 72.0)));
        return probe.Canvas().TextWidth(text);
    }
    // Formats characters from..from+count of the text.
    static void format(int from, int count, const std::function<void(TTextAttributes&)>& how) {
        edit().SetSelStart(from);
        edit().SetSelLength(count);
        how(edit().SelAttributes());
        edit().SetSelLength(0);
    }
    static int countIn(const TBitmap& b, TRect r, TColor c) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += b.GetPixel(x, y) == c;
        return n;
    }
    TestFolder dir;
};

TEST_F(TextPageTest, SaveFormatFollowsTheExtensionAndPlainTextSticks) {
    edit().Lines().SetText("Hello");
    struct Case {
        const char* name;
        bool rtf;
    } cases[] = {{"notes.txt", false},
                 {"page.HTM", false},
                 {"page.html", false},
                 {"letter.doc", true},
                 {"letter", true}};
    for (const Case& c : cases) {
        ModalSeam().QueueFileName(dir.file(c.name));
        Pbook1->SpeedButton27->Click();
        EXPECT_EQ(ModalSeam().Log().back().text, "TEMP.RTF") << "the name offered";
        const std::string bytes = fileText(dir.file(c.name));
        EXPECT_EQ(bytes.rfind("{\\rtf", 0) == 0, c.rtf) << c.name << ": " << bytes.substr(0, 20);
        EXPECT_NE(bytes.find("Hello"), std::string::npos) << c.name;
        EXPECT_EQ(edit().PlainText(), !c.rtf) << c.name;
    }

    // Plain text saved last: an RTF file then opens as its source.
    ModalSeam().QueueFileName(dir.file("again.txt"));
    Pbook1->SaveTextFIle1->Click();
    ModalSeam().QueueFileName(dir.file("letter.doc"));
    Pbook1->OpenFile1->Click();
    EXPECT_EQ(edit().Lines()[0].rfind("{\\rtf", 0), 0u) << edit().Lines()[0];

    // Cancel writes nothing.
    ModalSeam().QueueCancel();
    Pbook1->SaveTextFIle1->Click();
    EXPECT_FALSE(std::filesystem::exists(dir.file("TEMP.RTF")));
}

TEST_F(TextPageTest, OpenAsksBeforeClearingModifiedText) {
    writeFileReplacing(dir.file("other.txt"), std::string("Other"));
    edit().Lines().SetText("Mine");
    edit().SetModified(true);
    std::vector<std::string> asked;
    // No: no dialog opens (none is queued), the text stays.
    ModalSeam().QueueScript<Tmydialog1>([&](Tmydialog1& d) {
        asked.push_back(d.l1->Caption());
        d.b2->Click();
    });
    Pbook1->SpeedButton19->Click();
    EXPECT_EQ(asked, std::vector<std::string>{"Ok to clear text?"});
    EXPECT_EQ(edit().Lines()[0], "Mine");
    // Yes: the file replaces the text.
    ModalSeam().QueueScript<Tmydialog1>([](Tmydialog1& d) { d.b1->Click(); });
    ModalSeam().QueueFileName(dir.file("other.txt"));
    Pbook1->SpeedButton19->Click();
    EXPECT_EQ(edit().Lines()[0], "Other");
}

TEST_F(TextPageTest, CopyNeedsASelectionAndPasteInsertsAtTheCaret) {
    board->PutTextFromOtherProgram("kept");
    edit().Lines().SetText("Hello");
    ModalSeam().QueueButton(IDOK);
    Pbook1->BitBtn42->Click();
    EXPECT_EQ(ModalSeam().Log().back().text, "No lines selected");
    std::string text;
    ASSERT_TRUE(board->GetText(text));
    EXPECT_EQ(text, "kept");

    edit().SetSelStart(1);
    edit().SetSelLength(3);
    Pbook1->CopyTexttoClipboard1->Click();
    ASSERT_TRUE(board->GetText(text));
    EXPECT_EQ(text, "ell");
    edit().SetSelStart(5);
    Pbook1->SpeedButton20->Click();
    EXPECT_EQ(edit().Lines()[0], "Helloell");
}

TEST_F(TextPageTest, WrapBoxAndMenuTickFollowEachOther) {
    TCheckBox& box = *Pbook1->Checkwrap;
    TMenuItem& menu = *Pbook1->Wordwrap1;
    struct Step {
        bool byMenu;
        bool ticked; // box, menu and word wrap after the click
    } steps[] = {{true, true}, {true, false}, {false, true}, {false, false}, {true, true}};
    EXPECT_TRUE(box.Checked());
    EXPECT_FALSE(menu.Checked());
    for (const Step& s : steps) {
        if (s.byMenu)
            menu.Click();
        else
            box.SetChecked(!box.Checked()); // a click on the box
        EXPECT_EQ(box.Checked(), s.ticked);
        EXPECT_EQ(menu.Checked(), s.ticked);
        EXPECT_EQ(edit().WordWrap(), s.ticked);
    }
}

TEST_F(TextPageTest, TextMenuOnlyOnTheTextTabAndThePanelFollowsItsItem) {
    struct Case {
        TTabSheet* tab;
        bool enabled;
    } cases[] = {{Pbook1->TabSheet1, false}, {Pbook1->TabSheet4, true}, {Pbook1->TabSheet2, false}};
    for (const Case& c : cases) {
        Pbook1->PageControl1->SetActivePage(c.tab);
        Pbook1->PageControl1Change(Pbook1->PageControl1);
        EXPECT_EQ(Pbook1->Text1->Enabled(), c.enabled) << c.tab->Caption();
    }
    EXPECT_TRUE(Pbook1->TextPanel1->Checked());
    Pbook1->TextPanel1->Click();
    EXPECT_FALSE(Pbook1->paneltext->Visible());
    Pbook1->TextPanel1->Click();
    EXPECT_TRUE(Pbook1->paneltext->Visible());
}

TEST_F(TextPageTest, FontAndColourBecomeTheEditorsFont) {
    edit().Lines().SetText("Hi");
    ModalSeam().QueueFont(arial(20));
    Pbook1->BitBtn41->Click();
    ModalSeam().QueueColor(clRed);
    Pbook1->FontColor1->Click();
    EXPECT_EQ(edit().Font().Size, 20);
    EXPECT_EQ(edit().Font().Color, clRed);
    edit().SetSelStart(1);
    EXPECT_EQ(edit().SelAttributes().Color(), clRed);
    EXPECT_EQ(edit().SelAttributes().Size(), 20);
}

TEST_F(TextPageTest, PrintTextWithoutAPasteLeavesThePageAlone) {
    page().SetPixel(5, 5, clRed);
    const TBitmap before = page();
    Pbook1->SpeedButton15->Click();
    Pbook1->PrintText1->Click();
    EXPECT_TRUE(samePixels(page(), before));
}

TEST_F(TextPageTest, EmptyTextChangesNothing) {
    board->PutTextFromOtherProgram("kept");
    const TBitmap before = page();
    Pbook1->BitBtn38->Click();
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(Pbook1->PageControl1->ActivePage(), Pbook1->TabSheet4);
    EXPECT_TRUE(samePixels(page(), before));
    std::string text;
    EXPECT_TRUE(board->GetText(text));
}

TEST_F(TextPageTest, OneLineIsAsWideAsTheEditorAndOnePitchHighAndFloatsOnPaint) {
    edit().Lines().SetText("Hi");
    Pbook1->CopytoPaint1->Click();
    const TBitmap drawn = onClipboard();
    EXPECT_EQ(drawn.Width(), edit().Width());
    EXPECT_EQ(drawn.Height(), pitchOf(10));
    // Unsmoothed letters: black on pure white, nothing between.
    EXPECT_GT(countColour(drawn, clBlack), 10);
    EXPECT_EQ(countColour(drawn, clBlack) + countColour(drawn, clWhite), drawn.Width() * drawn.Height());
    EXPECT_EQ(Pbook1->PageControl1->ActivePage(), Pbook1->TabSheet1);
    EXPECT_TRUE(Form3->pasteframe);
    EXPECT_TRUE(Pbook1->pastepanel1->Visible());
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_GT(countColour(page(), clBlack), 10) << "the text floats on the page";
}

TEST_F(TextPageTest, ALargerSecondLineSetsThePitchFromThereOn) {
    edit().Lines().SetText("aa\nbb\ncc");
    format(3, 2, [](TTextAttributes& a) { a.SetSize(20); });
    Pbook1->BitBtn38->Click();
    // Rows at 0, the first pitch, then the first pitch plus the larger; the larger never shrinks.
    EXPECT_EQ(onClipboard().Height(), pitchOf(10) + 2 * pitchOf(20));
}

TEST_F(TextPageTest, EachCharacterTakesTheAttributesFoundOneAfterItsCount) {
    // The count skips the paragraph breaks, so on the third line each character is drawn with
    // the attributes two places before it: "R" in black, "ED" in red.
    edit().Lines().SetText("ab\ncd\nRED");
    format(6, 3, [](TTextAttributes& a) { a.SetColor(clRed); });
    Pbook1->BitBtn38->Click();
    const TBitmap drawn = onClipboard();
    const int p = pitchOf(10), r = widthOf("R", 10), ed = widthOf("ED", 10);
    const TRect rCell = Rect(0, 2 * p, r, 3 * p), edCells = Rect(r, 2 * p, r + ed, 3 * p);
    EXPECT_GT(countIn(drawn, rCell, clBlack), 5);
    EXPECT_EQ(countIn(drawn, rCell, clRed), 0);
    EXPECT_GT(countIn(drawn, edCells, clRed), 5);
    EXPECT_EQ(countIn(drawn, edCells, clBlack), 0);
}

TEST_F(TextPageTest, LongLinesWidenOrWrap) {
    std::string words;
    for (int i = 0; i < 40; ++i)
        words += "word ";
    edit().Lines().SetText(words);
    const int full = widthOf(words, 10);
    ASSERT_GT(full, edit().Width());

    // Word wrap on: the paragraph is drawn in the rows the editor shows.
    const size_t rows = edit().displayLines().size();
    ASSERT_GE(rows, 2u);
    Pbook1->BitBtn38->Click();
    EXPECT_EQ(onClipboard().Height(), int(rows) * pitchOf(10));
    EXPECT_EQ(onClipboard().Width(), edit().Width());
    Pbook1->hidePastePanel();

    // Word wrap off: one row, the bitmap widened to the line.
    Pbook1->PageControl1->SetActivePage(Pbook1->TabSheet4);
    Pbook1->Checkwrap->SetChecked(false);
    Pbook1->BitBtn38->Click();
    EXPECT_EQ(onClipboard().Height(), pitchOf(10));
    EXPECT_EQ(onClipboard().Width(), full);
}

TEST_F(TextPageTest, AHeldClipboardGivesTheNotice) {
    edit().Lines().SetText("Hi");
    board->PutTextFromOtherProgram("theirs");
    board->SetHeldByOtherProgram(true);
    Pbook1->BitBtn38->Click();
    EXPECT_TRUE(clpform1->Visible());
    EXPECT_EQ(clpform1->Label1->Caption(), "Clipboard Not Available or Empty");
    board->SetHeldByOtherProgram(false);
    std::string text;
    EXPECT_TRUE(board->GetText(text));
    EXPECT_EQ(text, "theirs");
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

} // namespace
