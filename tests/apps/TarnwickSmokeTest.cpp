// Tarnwick's start window, main window buttons and menu items, clicked with real events, each
// opening its screen.
#include "ModalTesting.h"
#include "ProgramFolder.h"
#include "RealEvents.h"
#include "Screen.h"
#include "TarnwickProgram.h"
#include "TestFolder.h"
#include "bkfrframesfrm.h"
#include "frameeditfrm.h"
#include "mn1.h"
#include "prepforproject.h"
#include "velmorafrm.h"
#include "wiz1.h"

#include <QApplication>

namespace {

using namespace quickview;

class TarnwickSmoke : public TModalTest {
protected:
    static void SetUpTestSuite() {
        static TestFolder folder;
        ProgramFolder::SetRoot(folder.path());
        Screen->SetSize(1024, 768);
        StartTarnwick();
    }
};

TEST_F(TarnwickSmoke, StartHereThenEachButtonAndMenuItemOpensItsScreen) {
    mn->Show();
    QApplication::processEvents();
    ASSERT_FALSE(Mainfrm->Visible());
    realevents::click(mn->BitBtn1);
    QApplication::processEvents();
    ASSERT_TRUE(Mainfrm->Visible());

    struct Case {
        const char* what;
        std::function<bool()> reach;
        TCustomForm* screen;
    };
    auto button = [](TControl* b) {
        return [b] {
            realevents::click(b);
            return true;
        };
    };
    auto menu = [](TMenuItem* item) {
        return [item] { return realevents::chooseMenu(Mainfrm->MainMenu1, item); };
    };
    const Case cases[] = {
        {"Movie Editor button", button(Mainfrm->butmovie), wizfrm},
        {"Special Effects button", button(Mainfrm->buttrans), framecomposerfrm},
        {"File > New Project Wizard", menu(Mainfrm->NewProjectWizard1), prepforproj},
        {"Movie Edit > Frame Editor", menu(Mainfrm->FrameEditor1), editframefrm},
        {"Movie Edit > Movie Editor", menu(Mainfrm->MovieEditor1), wizfrm},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.screen->Hide();
        ASSERT_TRUE(c.reach()) << "not found where a user looks for it";
        QApplication::processEvents();
        EXPECT_TRUE(c.screen->Visible());
    }
}

} // namespace
