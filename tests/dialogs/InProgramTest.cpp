// The dialogs as the started program has them: made in the program's order, reading the main
// window's page.
#include "OrvantaFixture.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TImage.h"
#include "TestFolder.h"
#include "help1.h"
#include "resizefrm.h"

#include <filesystem>

namespace {

class InProgramTest : public OrvantaTest {
protected:
    static void setPage(int w, int h) { Pbook1->ptbox1->Picture().Bitmap().SetSize(w, h); }
    static TPoint shownSize() {
        TPoint shown;
        ModalSeam().QueueScript<TResizeForm>([&](TResizeForm& d) {
            shown = {d.SpinEdit1->Value(), d.SpinEdit2->Value()};
            d.BitBtn2->Click();
        });
        ResizeForm->ShowModal();
        return shown;
    }
};

TEST_F(InProgramTest, ResizeDialogShowsThePageSizeUnlessPreset) {
    setPage(300, 200);
    EXPECT_EQ(shownSize(), (TPoint{300, 200}));
    ResizeForm->PresetSize(64, 48);
    EXPECT_EQ(shownSize(), (TPoint{64, 48}));
    setPage(120, 90);
    EXPECT_EQ(shownSize(), (TPoint{120, 90}));
}

TEST_F(InProgramTest, HelpWindowsManualButtonIsAvailableAfterStartUp) {
    EXPECT_TRUE(Helpfrm->bmm->Enabled());
    EXPECT_FALSE(Helpfrm->Visible());
}

} // namespace
