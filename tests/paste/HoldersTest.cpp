// The clipboard holder on page "3" of the paste panel and its pop-up menu, in the started program.
#include "PasteFixture.h"

#include "BmpCodec.h"
#include "Clpfrm.h"
#include "DragDrop.h"
#include "FileIO.h"
#include "Menus.h"
#include "MessageBox.h"
#include "TBitBtn.h"
#include "TButton.h"
#include "TPanel.h"
#include "TSpeedButton.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

class HoldersTest : public PasteFixture {
protected:
    static TBitmap& held() { return Pbook1->Image9->Picture().Bitmap(); }
    // The holder with a small picture of its own: blue, 9 x 7.
    static TBitmap holdBlue() {
        TBitmap b(9, 7);
        b.Canvas().Brush.SetColor(clBlue);
        b.Canvas().FillRect(Rect(0, 0, 9, 7));
        Pbook1->Image9->Picture().Assign(b);
        return b;
    }
    static std::string head(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::string s(4, '\0');
        in.read(s.data(), 4);
        return s.substr(0, size_t(in.gcount()));
    }
    static bool isBmp(const fs::path& p) { return head(p).starts_with("BM"); }
    static bool isJpeg(const fs::path& p) { return head(p).starts_with("\xFF\xD8"); }
    TestFolder dir;
};

TEST_F(HoldersTest, HoldPasteKeepsACopyOfTheClip) {
    const TBitmap clip = holedClip();
    putOnClipboard(clip);
    Pbook1->butpaste->Click();
    Pbook1->Button1->Click();
    EXPECT_TRUE(samePixels(held(), clip));
    Pbook1->flpmirbut->Click(); // the clip changes, the held copy does not
    EXPECT_TRUE(samePixels(held(), clip));
    Pbook1->BitBtn52->Click();
    EXPECT_TRUE(held().Empty());
    holdBlue();
    Pbook1->Clear1->Click();
    EXPECT_TRUE(held().Empty());
}

// The loaded picture replaces the page for good (the undo copy is refreshed from it), so a
// changed page is offered for saving first.
TEST_F(HoldersTest, LoadAsksFirstWhenThePageIsChanged) {
    const struct {
        const char* what;
        TMenuItem* item; // null: the "Load" button
        int answer;      // 0: the page is not changed, nothing asks
        bool loads;
    } cases[] = {
        {"unchanged", nullptr, 0, true},
        {"cancel", nullptr, IDCANCEL, false},
        {"no", Pbook1->Loadasminimage1, IDNO, true},
        {"yes", nullptr, IDYES, true},
        {"cancel from the menu", Pbook1->Loadasminimage1, IDCANCEL, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        loadPage(30, 20);
        const TBitmap before = page();
        const TBitmap blue = holdBlue();
        Pbook1->modified = c.answer != 0;
        if (c.answer) ModalSeam().QueueButton(c.answer);
        if (c.answer == IDYES) ModalSeam().QueueFileName(dir.file("kept.bmp"));
        c.item ? c.item->Click() : Pbook1->BitBtn43->Click();
        EXPECT_TRUE(samePixels(page(), c.loads ? blue : before));
        if (c.loads) {
            EXPECT_TRUE(samePixels(undo(), blue));
        }
        if (c.answer == IDYES) {
            EXPECT_TRUE(samePixels(ReadBmpFile(dir.file("kept.bmp")), before));
        }
    }
}

TEST_F(HoldersTest, AnEmptyHolderLoadsAsAnEmptyPageThatStillWorks) {
    Pbook1->BitBtn52->Click();
    Pbook1->BitBtn43->Click();
    EXPECT_TRUE(page().Empty());
    choose(3); // a line
    down(2, 2);
    move(8, 8);
    up(8, 8);
    putOnClipboard(holedClip());
    Pbook1->butpaste->Click();
    for (TControl* b :
         std::initializer_list<TControl*>{Pbook1->SpeedButton5, Pbook1->SpeedButton6, Pbook1->BitBtn14,
                                          Pbook1->BitBtn19, Pbook1->flpmirbut})
        b->Click();
    Pbook1->SpeedButton3->Click();
    ModalSeam().QueueFileName(dir.file("empty.bmp"));
    Pbook1->BitBtn46->Click();
    EXPECT_TRUE(isBmp(dir.file("empty.bmp")));
    ModalSeam().QueueFileName(dir.file("page.jpg"));
    Pbook1->SaveAs1->Click();
    EXPECT_TRUE(isJpeg(dir.file("page.jpg")));
}

TEST_F(HoldersTest, CopyPutsTheHolderOnTheClipboardOrShowsTheNotice) {
    const TBitmap blue = holdBlue();
    Pbook1->Copy1->Click();
    EXPECT_TRUE(samePixels(onClipboard(), blue));
    Clipboard()->Clear();
    board->SetHeldByOtherProgram(true);
    Pbook1->Copy1->Click();
    EXPECT_TRUE(clpform1->Visible());
    EXPECT_EQ(clpform1->Label1->Caption(), "Clipboard Not Available or Empty");
    clpform1->BitBtn1->Click();
    board->SetHeldByOtherProgram(false);
}

// Both saves write the holder only: the page keeps its picture, its name and its changed flag.
TEST_F(HoldersTest, SavesWriteTheHolderByTheNamesExtension) {
    const struct {
        const char* what;
        bool menu;           // "&Save" on the holder's menu, else the "Save" button
        const char* chosen;  // the name given in the dialog
        int gifAnswer;       // the question after the GIF message (0: none)
        const char* written; // "" = nothing written
        bool jpeg;
    } cases[] = {
        {"button jpg", false, "h1.jpg", 0, "h1.jpg", true},
        {"button jpeg", false, "h2.JPEG", 0, "h2.JPEG", true},
        {"button bmp", false, "h3.bmp", 0, "h3.bmp", false},
        {"button no extension", false, "h4", 0, "h4.BMP", false},
        {"button gif", false, "h5.gif", 0, "", false},
        {"menu gif yes", true, "h6.gif", IDYES, "h6.gif.bmp", false},
        {"menu gif no", true, "h7.gif", IDNO, "", false},
        {"menu gif cancel", true, "h8.GIF", IDCANCEL, "", false},
        {"menu jpg", true, "h9.jpg", 0, "h9.jpg", true},
        {"menu jpeg", true, "h10.jpeg", 0, "h10.jpeg", true},
        {"menu bmp", true, "h11.bmp", 0, "h11.bmp", false},
    };
    loadPage(30, 20);
    const TBitmap blue = holdBlue();
    const TBitmap before = page();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Pbook1->SetCaption("page.bmp");
        Pbook1->modified = true;
        ModalSeam().QueueFileName(dir.file(c.chosen));
        if (std::string(c.chosen).ends_with("gif") || std::string(c.chosen).ends_with("GIF"))
            ModalSeam().QueueButton(IDOK); // "Gif utilities available at our website"
        if (c.gifAnswer) ModalSeam().QueueButton(c.gifAnswer);
        c.menu ? Pbook1->Save1->Click() : Pbook1->BitBtn46->Click();
        if (*c.written) {
            const fs::path p = dir.file(c.written);
            ASSERT_TRUE(fs::exists(p));
            EXPECT_TRUE(c.jpeg ? isJpeg(p) : isBmp(p));
            if (!c.jpeg) {
                EXPECT_TRUE(samePixels(ReadBmpFile(p.string()), blue));
            }
        }
        EXPECT_FALSE(fs::exists(dir.file(c.chosen)) && !*c.written);
        EXPECT_EQ(Pbook1->Caption(), "page.bmp");
        EXPECT_TRUE(Pbook1->modified);
        EXPECT_TRUE(samePixels(page(), before));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 8);
    EXPECT_TRUE(shown("Save As " + dir.file("h6.gif") + ".bmp?"));
}

TEST_F(HoldersTest, AFailedSaveReportsAndChangesNothing) {
    holdBlue();
    for (TComponent* c : std::initializer_list<TComponent*>{Pbook1->BitBtn46, Pbook1->Save1}) {
        Pbook1->SetCaption("page.bmp");
        Pbook1->modified = true;
        ModalSeam().QueueFileName(dir.file("full.bmp"));
        ModalSeam().QueueResult(mrOk); // "Unable to write to disk"
        {
            ScopedWriteFaults full({.failWriteAfter = 5});
            c == Pbook1->Save1 ? Pbook1->Save1->Click() : Pbook1->BitBtn46->Click();
        }
        EXPECT_FALSE(fs::exists(dir.file("full.bmp")));
        EXPECT_EQ(Pbook1->Caption(), "page.bmp");
        EXPECT_TRUE(Pbook1->modified);
    }
    EXPECT_TRUE(shown("Unable to write to disk"));
}

TEST_F(HoldersTest, UntickingTheHoldersEndsThePasteAndKeepsItOnThePage) {
    loadStripes(60, 40);
    const TBitmap under = page();
    const TBitmap clip = holedClip();
    putOnClipboard(clip);
    Pbook1->butpaste->Click();
    Pbook1->paste1dn->Click();
    Pbook1->SpeedButton13->Click();
    EXPECT_TRUE(Pbook1->ClipboardHolders1->Checked());
    Pbook1->ClipboardHolders1->Click();
    EXPECT_FALSE(Form3->pasteframe);
    EXPECT_FALSE(Pbook1->pastepanel1->Visible());
    EXPECT_TRUE(samePixels(page(), withClip(under, clip, {1, 2})));
}

TEST_F(HoldersTest, TheHolderDragsAndTheTransferImageTakesNothing) {
    holdBlue();
    const TBitmap transfer = Pbook1->dragimage1->Picture().Bitmap();
    EXPECT_EQ(Pbook1->Image9->DragMode(), dmAutomatic);
    DragDrop::Begin(Pbook1->Image9, true, 0);
    EXPECT_TRUE(DragDrop::MoveTo(Pbook1->dragimage1, 5, 5));
    DragDrop::Finish(true);
    EXPECT_TRUE(samePixels(Pbook1->dragimage1->Picture().Bitmap(), transfer));
    DragDrop::Begin(Pbook1->Button1, true, 0);
    EXPECT_FALSE(DragDrop::MoveTo(Pbook1->dragimage1, 5, 5));
    DragDrop::Finish(false);
}

} // namespace
