// Tarnwick's real start-up sequence, headless.
#include "Application.h"
#include "LayoutCheck.h"
#include "Menus.h"
#include "ModalTesting.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TarnwickProgram.h"
#include "TestFolder.h"
#include "mn1.h"
#include "velmorafrm.h"

#include <QTimer>

namespace {

class TarnwickStartup : public TModalTest {
protected:
    static void SetUpTestSuite() {
        static TestFolder folder;
        ProgramFolder::SetRoot(folder.path());
        Screen->SetSize(1024, 768);
        quickview::StartTarnwick();
    }
};

TEST_F(TarnwickStartup, CreatesTheStartWindowFirstAndTheScreensInOrder) {
    const char* order[] = {"mn",       "Mainfrm",     "Aboutform",        "AnimCap1",     "Helpfrm",
                           "listcpy2", "prepforproj", "Screengrabberfrm", "MainForm",     "picform1",
                           "Soundfrm", "wizfrm",      "seriesfrm2",       "preference1",  "Soundfrm2",
                           "bkgfrm",   "sprform",     "framecomposerfrm", "editframefrm", "newtargetfrm",
                           "jpop1",    "mydialog1"};
    const auto& forms = Application->Forms();
    ASSERT_EQ(forms.size(), std::size(order));
    for (size_t i = 0; i < forms.size(); ++i)
        EXPECT_EQ(forms[i]->Name(), order[i]) << "window " << i + 1;
    EXPECT_EQ(Application->Title(), "Velmora");
    EXPECT_EQ(Application->MainForm(), quickview::mn);
    EXPECT_EQ(forms[1], quickview::Mainfrm);
    EXPECT_EQ(quickview::mn->Caption(), "Velmora Quick View");
    EXPECT_EQ(quickview::Mainfrm->Caption(), "Velmora ");
    // Centred on the 1024 x 768 screen.
    EXPECT_EQ(quickview::mn->BoundsRect(), Bounds(279, 231, 466, 307));
}

TEST_F(TarnwickStartup, NoCaptionOfAnyWindowIsCutOrCovered) {
    std::string faults;
    for (TCustomForm* f : Application->Forms())
        for (const std::string& fault : layoutcheck::Faults(f))
            faults += fault + "\n";
    EXPECT_EQ(faults, "");
}

TEST_F(TarnwickStartup, MainWindowShowsAllNineMenusOnTwoRows) {
    auto* form = quickview::Mainfrm;
    TMenuBarHost* bar = form->MainMenu1->MenuBar();
    ASSERT_EQ(form->Width(), 404);
    ASSERT_EQ(form->MainMenu1->Items()->Count(), 9);
    int rows = bar->RowsFor(form->ClientWidth());
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(form->MenuHeight(), rows * TMenuBarHost::kRowHeight);
    int shown = 0;
    for (QMenuBar* row : bar->Rows())
        if (row->isVisibleTo(form->Window()))
            for (QAction* a : row->actions())
                if (row->rect().contains(row->actionGeometry(a))) ++shown;
    EXPECT_EQ(shown, 9);
}

TEST_F(TarnwickStartup, ZClosingTheStartWindowEndsTheLoop) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = quickview::mn->Visible() && !quickview::Mainfrm->Visible();
        quickview::mn->Close();
    });
    bool stuck = false;
    QTimer::singleShot(10000, [&] {
        stuck = true;
        Application->Terminate();
    });
    Application->Run();
    EXPECT_FALSE(stuck);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Application->Terminated());
}

} // namespace
