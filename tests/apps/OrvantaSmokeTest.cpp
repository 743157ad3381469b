// The main window's tool-bar buttons and menu items, clicked with real events, each reaching its
// command: the dialog it opens, or what it does to the page and the clipboard.
#include "Clipboard.h"
#include "Menus.h"
#include "ModalSeam.h"
#include "OrvantaFixture.h"
#include "RealEvents.h"
#include "TSpeedButton.h"
#include "newsizefrm1.h"
#include "resizefrm.h"

#include <QApplication>

namespace {

class OrvantaSmokeTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        Pbook1->Show();
        QApplication::processEvents();
    }
    static bool choose(TMenuItem* item) { return realevents::chooseMenu(Pbook1->MainMenu1, item); }
    static void press(TControl* c) {
        realevents::click(c);
        QApplication::processEvents();
    }
    static bool logged(TModalKind kind, const std::string& name = "") {
        for (const auto& s : ModalSeam().Log())
            if (s.kind == kind && (name.empty() || s.name == name)) return true;
        return false;
    }
    // A red bar drawn with the line tool, undoable.
    static void drawBar() {
        OrvantaTest::choose(3);
        Form3->leftcolor = clRed;
        down(10, 10);
        move(60, 10);
        up(60, 10);
    }
};

// Each way to a dialog: the tool-bar button and the menu item open the same one.
TEST_F(OrvantaSmokeTest, ButtonsAndMenuItemsOpenTheirDialogs) {
    struct Case {
        const char* what;
        std::function<void()> answer;
        std::function<bool()> reach;
        TModalKind kind;
        std::string name;
    };
    auto cancelForm = [] { ModalSeam().QueueResult(mrCancel); };
    auto cancelDialog = [] { ModalSeam().QueueCancel(); };
    const Case cases[] = {
        {"New button", cancelForm,
         [] {
             press(Pbook1->SpeedButton2);
             return true;
         },
         TModalKind::Form, newsizefrm->Name()},
        {"File > New", cancelForm, [] { return choose(Pbook1->New1); }, TModalKind::Form, newsizefrm->Name()},
        {"Resize button", cancelForm,
         [] {
             press(Pbook1->SpeedButton54);
             return true;
         },
         TModalKind::Form, ResizeForm->Name()},
        {"Open button", cancelDialog,
         [] {
             press(Pbook1->SpeedButton26);
             return true;
         },
         TModalKind::OpenDialog, ""},
        {"File > Open", cancelDialog, [] { return choose(Pbook1->Open2); }, TModalKind::OpenDialog, ""},
        {"Save As button", cancelDialog,
         [] {
             press(Pbook1->SpeedButton43);
             return true;
         },
         TModalKind::SaveDialog, ""},
        {"File > Save As", cancelDialog, [] { return choose(Pbook1->SaveAs1); }, TModalKind::SaveDialog, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ModalSeam().Reset();
        c.answer();
        ASSERT_TRUE(c.reach()) << "not found where a user looks for it";
        EXPECT_TRUE(logged(c.kind, c.name));
        EXPECT_EQ(ModalSeam().Pending(), 0u);
    }
}

TEST_F(OrvantaSmokeTest, UndoAndRedoByButtonAndMenu) {
    const TBitmap white = page();
    drawBar();
    const TBitmap drawn = page();
    ASSERT_FALSE(samePixels(drawn, white));

    ASSERT_TRUE(Pbook1->undoptb1->Enabled());
    press(Pbook1->undoptb1);
    EXPECT_TRUE(samePixels(page(), white));
    ASSERT_TRUE(Pbook1->redoptb1->Enabled());
    press(Pbook1->redoptb1);
    EXPECT_TRUE(samePixels(page(), drawn));

    ASSERT_TRUE(choose(Pbook1->Undo1));
    EXPECT_TRUE(samePixels(page(), white));
    ASSERT_TRUE(choose(Pbook1->Repeatcommand1));
    EXPECT_TRUE(samePixels(page(), drawn));
}

TEST_F(OrvantaSmokeTest, CopyAndCutPutThePageOnTheClipboard) {
    drawBar();
    const TBitmap drawn = page();
    for (auto reach : {std::function<bool()>([] {
                           press(Pbook1->SpeedButton46);
                           return true;
                       }),
                       std::function<bool()>([] { return choose(Pbook1->copyallmenu); })}) {
        Clipboard()->Clear();
        ASSERT_TRUE(reach());
        TBitmap clip;
        Clipboard()->GetBitmap(clip);
        EXPECT_TRUE(samePixels(clip, drawn));
        EXPECT_TRUE(samePixels(page(), drawn)) << "a copy leaves the page";
    }

    Clipboard()->Clear();
    ASSERT_TRUE(choose(Pbook1->Cut1));
    TBitmap clip;
    Clipboard()->GetBitmap(clip);
    EXPECT_TRUE(samePixels(clip, drawn));
    EXPECT_EQ(countColour(page(), clRed), 0) << "a cut clears the page";
}

} // namespace
