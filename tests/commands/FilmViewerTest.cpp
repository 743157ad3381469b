// The film viewer on the "Add ons" tab, over a 5-frame film whose frames are one colour each.
#include "AviFixtures.h"
#include "AviPlay.h"
#include "FileControls.h"
#include "FilmBuilder.h"
#include "OrvantaFixture.h"
#include "TLabel.h"
#include "TPageControl.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"

#include <filesystem>

namespace {
namespace fs = std::filesystem;

class FilmViewerTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        manual = program().path() / "User manual";
        fs::create_directories(manual);
        FixtureSpec spec; // 16 x 12, 5 frames, no sound
        WriteBytes((manual / "five.avi").string(), MakeAvi(spec));
        WriteBytes((manual / "broken.avi").string(), {'R', 'I', 'F', 'F', 0, 0});
        Pbook1->PageControl1->SetActivePage(Pbook1->TabSheet5);
        Pbook1->PageControl1Change(Pbook1->PageControl1);
        // One-colour frames are all key colour: drawn opaque, the frame itself shows.
        Pbook1->Animate2->SetTransparent(false);
    }
    void TearDown() override {
        if (Pbook1->butanim2stop->Enabled()) Pbook1->butanim2stop->Click();
        Pbook1->Animate2->SetTransparent(true);
        Pbook1->PageControl1->SetActivePage(Pbook1->TabSheet1);
        fs::remove_all(manual);
        OrvantaTest::TearDown();
    }
    static void open(const std::string& name) {
        TFileListBox* files = Pbook1->FileListBox1;
        files->SetItemIndex(files->Items().IndexOf(name));
        files->DblClick();
    }
    // The colour at the middle of the film control.
    static TColor shown() {
        TQuillAVIPlay* a = Pbook1->Animate2;
        a->DrawFrame();
        return a->Screen().GetPixel(a->Width() / 2, a->Height() / 2);
    }
    static std::string label() { return Pbook1->lframeco->Caption(); }
    fs::path manual;
};

TEST_F(FilmViewerTest, StepsThroughTheFramesFromOneAndRoundAgain) {
    TPbook1& pb = *Pbook1;
    for (TSpeedButton* b : {pb.butanim2play, pb.butanim2pause, pb.butanim2rewind, pb.butanim2stop})
        EXPECT_FALSE(b->Enabled());
    open("five.avi");
    for (TSpeedButton* b : {pb.butanim2play, pb.butanim2pause, pb.butanim2rewind, pb.butanim2stop})
        EXPECT_TRUE(b->Enabled());
    EXPECT_EQ(pb.spanim2count->Value(), 0);
    for (int n : {1, 2, 3, 4, 5, 1}) {
        pb.butanim2play->Click();
        EXPECT_EQ(label(), "Frame: " + std::to_string(n));
        EXPECT_TRUE(pb.lframeco->Visible());
        EXPECT_FALSE(pb.Animate2->Active());
        EXPECT_EQ(shown(), FrameColour(n - 1)) << n;
    }
}

TEST_F(FilmViewerTest, PauseAndRewindGoBackToFrameOne) {
    TPbook1& pb = *Pbook1;
    for (TSpeedButton* back : {pb.butanim2pause, pb.butanim2rewind}) {
        SCOPED_TRACE(back->Name());
        open("five.avi");
        for (int i = 0; i < 3; ++i)
            pb.butanim2play->Click();
        back->Click();
        EXPECT_EQ(label(), "Frame: 1");
        EXPECT_EQ(pb.spanim2count->Value(), 1);
        EXPECT_FALSE(pb.Animate2->Active());
        pb.butanim2play->Click();
        EXPECT_EQ(label(), "Frame: 2");
        pb.butanim2stop->Click();
    }
}

TEST_F(FilmViewerTest, StopClosesTheFilmAndPutsTheButtonsAway) {
    TPbook1& pb = *Pbook1;
    open("five.avi");
    pb.butanim2play->Click();
    pb.butanim2stop->Click();
    EXPECT_EQ(pb.Animate2->FileName(), "");
    EXPECT_FALSE(pb.Animate2->Active());
    EXPECT_FALSE(pb.lframeco->Visible());
    for (TSpeedButton* b : {pb.butanim2play, pb.butanim2pause, pb.butanim2rewind, pb.butanim2stop})
        EXPECT_FALSE(b->Enabled());
}

TEST_F(FilmViewerTest, AFilmThatCannotOpenGoesToTheErrorReport) {
    TPbook1& pb = *Pbook1;
    std::string report;
    Application->OnException = [&](const std::exception& e) { report = e.what(); };
    open("broken.avi");
    Application->OnException = nullptr;
    EXPECT_NE(report.find("broken.avi"), std::string::npos) << report;
    EXPECT_FALSE(pb.butanim2play->Enabled());
    // Stepping a film that is not open does nothing more than clear the label.
    pb.butanim2play->Click();
    EXPECT_EQ(label(), "");
}

} // namespace
