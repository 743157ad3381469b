// Changing tab: the zoom view set up on "Zoom", the pixel-mover preview ended only on "Paint",
// the manual's films listed on "Add ons" and the "Text" menu group enabled only on "Text".
#include "FileControls.h"
#include "FilmBuilder.h"
#include "Menus.h"
#include "OrvantaFixture.h"
#include "TButton.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpinEdit.h"
#include "Zoompic.h"

#include <filesystem>

namespace {

class TabChangeTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        tab(Pbook1->TabSheet1);
    }
    void TearDown() override {
        tab(Pbook1->TabSheet1);
        Pbook1->zsnum->SetValue(4);
        OrvantaTest::TearDown();
    }
    static void tab(TTabSheet* sheet) {
        Pbook1->PageControl1->SetActivePage(sheet);
        Pbook1->PageControl1Change(Pbook1->PageControl1);
    }
};

TEST_F(TabChangeTest, ZoomTakesTheMoveStepAsTheFiveIncrementsAndPaintsThroughTheView) {
    TPbook1& pb = *Pbook1;
    pb.zsnum->SetValue(7);
    tab(pb.TabSheet3);
    for (TSpinEdit* e : {pb.spinedit1, pb.SpinEdit2, pb.zm1spin, pb.spbox1, pb.spbox2})
        EXPECT_EQ(e->Increment(), 7) << e->Name();
    EXPECT_EQ(Form3->toolcode, 31);
    EXPECT_TRUE(pb.zoomon);
    EXPECT_TRUE(pb.zmbutoff->Enabled());
    EXPECT_TRUE(pb.zmpanel1->Visible());
    EXPECT_GE(pb.zm1->Width(), 2);
    // "Paint" runs "Normal Size".
    tab(pb.TabSheet1);
    EXPECT_FALSE(pb.zoomon);
    EXPECT_FALSE(pb.zmpanel1->Visible());
}

TEST_F(TabChangeTest, OnlyPaintEndsAPixelMoverPreviewButZoomStillTakesTool31) {
    TPbook1& pb = *Pbook1;
    for (TTabSheet* sheet : {pb.TabSheet3, pb.TabSheet1}) {
        SCOPED_TRACE(sheet->Caption());
        choose(101);
        pb.mask1->Picture().Assign(TBitmap(5, 5)); // the preview's box picture
        tab(sheet);
        const bool ended = sheet == pb.TabSheet1;
        EXPECT_EQ(pb.mask1->Picture().Empty(), ended);
        EXPECT_EQ(Form3->toolcode, ended ? 0 : 31);
        tab(pb.TabSheet1);
    }
}

TEST_F(TabChangeTest, AddOnsListsTheManualsFilmsWhateverTheirCase) {
    namespace fs = std::filesystem;
    const fs::path manual = program().path() / "User manual";
    fs::create_directories(manual);
    for (const char* name : {"a.avi", "B.AVI", "notes.html"})
        WriteBytes((manual / name).string(), {1});
    tab(Pbook1->TabSheet5);
    TFileListBox* files = Pbook1->FileListBox1;
    EXPECT_EQ(fs::path(files->Directory()), manual);
    ASSERT_EQ(files->Items().Count(), 2);
    EXPECT_EQ(files->Items()[0], "a.avi");
    EXPECT_EQ(files->Items()[1], "B.AVI");
    fs::remove_all(manual);
}

TEST_F(TabChangeTest, TheTextMenuGroupIsEnabledExactlyOnTheTextTab) {
    TPbook1& pb = *Pbook1;
    TMenuItem* group = pb.Text1;
    for (TTabSheet* sheet : {pb.TabSheet4, pb.TabSheet2, pb.TabSheet4, pb.TabSheet5, pb.TabSheet1}) {
        tab(sheet);
        EXPECT_EQ(group->Enabled(), sheet == pb.TabSheet4) << sheet->Caption();
    }
}

} // namespace
