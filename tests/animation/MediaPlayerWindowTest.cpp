// The media player window and the Movie display over a scripted device.
#include "AviPlay.h"
#include "OrvantaFixture.h"
#include "RealEvents.h"
#include "TPageControl.h"
#include "avicapper.h"
#include "moviedisplay1.h"
#include "soundfrm1.h"

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// A device whose position, length, mode and failures the test sets; it logs each command.
struct FakeMci : TMciDevice {
    std::vector<std::string>* log;
    std::int64_t pos = 0, length = 1000;
    TMPModes mode = mpNotReady;
    bool video = true;
    bool failOpen = false, failPosition = false;
    explicit FakeMci(std::vector<std::string>* l) : log(l) {}
    void note(const std::string& s) { log->push_back(s); }
    void Open(const std::string& f) override {
        note("open " + f);
        if (failOpen) throw EMCIDeviceError("cannot open");
        mode = mpStopped;
    }
    void Close() override {
        note("close");
        mode = mpNotReady;
    }
    bool IsOpen() const override { return mode != mpNotReady; }
    void Play() override {
        note("play");
        mode = mpPlaying;
    }
    void Pause() override {
        note("pause");
        mode = mpPaused;
    }
    void Resume() override { mode = mpPlaying; }
    void Stop() override {
        note("stop");
        if (mode == mpNotReady) throw EMCIDeviceError("not open");
        mode = mpStopped;
    }
    void Seek(std::int64_t p) override {
        note("seek " + std::to_string(p));
        if (p < 0 || p > length) throw EMCIDeviceError("out of range");
        pos = p;
        mode = mpStopped;
    }
    void Rewind() override {
        note("rewind");
        pos = 0;
    }
    void Step(int n) override {
        note("step");
        pos += n;
    }
    std::int64_t Position() const override {
        if (failPosition) throw EMCIDeviceError("device error");
        return pos;
    }
    std::int64_t Length() const override { return length; }
    TMPModes Mode() const override { return mode; }
    bool HasVideo() const override { return video; }
    void SetDisplaySize(int, int) override {}
    bool TakeFrame(TMciFrame&) override { return false; }
};

class MediaPlayerWindowTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        auto d = std::make_unique<FakeMci>(&log);
        fake = d.get();
        player().SetDevice(std::move(d));
        Soundfrm->Show();
    }
    void TearDown() override {
        Soundfrm->Close();
        AVICAP->Close();
        OrvantaTest::TearDown();
    }
    static TMediaPlayer& player() { return *Soundfrm->MediaPlayer1; }
    void open(const std::string& name) {
        ModalSeam().QueueFileName(name);
        Soundfrm->SpeedButton1->Click();
    }
    bool logged(const std::string& s) const { return std::find(log.begin(), log.end(), s) != log.end(); }
    std::vector<std::string> log;
    FakeMci* fake = nullptr;
};

TEST_F(MediaPlayerWindowTest, OpeningAFilmShowsTheMovieDisplayAndASoundDoesNot) {
    struct Case {
        const char* name;
        bool film;
    } cases[] = {{"/f/a.avi", true}, {"/f/b.MPG", true}, {"/f/c.mov", true}, {"/f/d.wav", false}};
    for (const Case& c : cases) {
        Soundfrm->Close();
        Moviedisplay->Hide();
        Soundfrm->Show();
        log.clear();
        open(c.name);
        EXPECT_EQ(Moviedisplay->Visible(), c.film) << c.name;
        EXPECT_EQ(Soundfrm->cbut->Enabled(), c.film) << c.name;
        EXPECT_EQ(logged("seek 1"), c.film) << c.name;
        EXPECT_EQ(player().Display(), c.film ? static_cast<TWinControl*>(Moviedisplay->Panel1) : nullptr);
        EXPECT_TRUE(Soundfrm->b1->Enabled());
        EXPECT_EQ(Soundfrm->Label1->Caption(), "Position");
        EXPECT_EQ(Soundfrm->Edit1->Text(), c.name);
        EXPECT_TRUE(Soundfrm->Timer1->Enabled());
        // A length of 1000 makes 200 steps of 5.
        EXPECT_DOUBLE_EQ(double(Soundfrm->progressstep), 5.0);
        EXPECT_DOUBLE_EQ(double(Soundfrm->progressmark), 5.0);
    }
}

TEST_F(MediaPlayerWindowTest, TheBarAdvancesOneStepATickAndAClickSeeks) {
    open("/f/a.avi");
    EXPECT_EQ(Soundfrm->ProgressBar1->Position(), 0);
    fake->pos = 20;
    for (int i = 0; i < 5; ++i)
        Soundfrm->outahere();
    EXPECT_EQ(Soundfrm->ProgressBar1->Position(), 3); // marks 10, 15, 20: caught up
    EXPECT_DOUBLE_EQ(double(Soundfrm->progressmark), 20.0);

    Soundfrm->ProgressBar1->MouseUp(mbLeft, 0, 100, 5); // a real click on the bar
    EXPECT_EQ(fake->pos, 500);
    EXPECT_EQ(Soundfrm->ProgressBar1->Position(), 100);
    fake->length = 10; // a click past the end: the error is ignored
    Soundfrm->ProgressBar1MouseUp(nullptr, mbLeft, 0, 150, 5);
    EXPECT_EQ(fake->pos, 500);
}

TEST_F(MediaPlayerWindowTest, RepeatRewindsAndPlaysAtTheEnd) {
    open("/f/a.avi");
    Soundfrm->butr->Click();
    ASSERT_TRUE(Soundfrm->Repeating());
    fake->pos = 1000;
    Soundfrm->ProgressBar1->SetPosition(150);
    log.clear();
    Soundfrm->outahere();
    EXPECT_EQ(log, (std::vector<std::string>{"rewind", "play"}));
    EXPECT_EQ(Soundfrm->ProgressBar1->Position(), 1);
    EXPECT_DOUBLE_EQ(double(Soundfrm->progressmark), 5.0);
    Soundfrm->butr->Click();
    EXPECT_FALSE(Soundfrm->Repeating());
}

TEST_F(MediaPlayerWindowTest, AnMciErrorStopsTheClockAndTheNextFileRunsIt) {
    open("/f/a.avi");
    fake->failPosition = true;
    Soundfrm->outahere();
    EXPECT_FALSE(Soundfrm->Timer1->Enabled());
    EXPECT_TRUE(Soundfrm->stopnow2->Checked());
    fake->failPosition = false;
    open("/f/b.wav");
    EXPECT_FALSE(Soundfrm->stopnow2->Checked());
    EXPECT_TRUE(Soundfrm->Timer1->Enabled());
}

TEST_F(MediaPlayerWindowTest, AFileTheDeviceRefusesIsReportedAndTheButtonsStay) {
    fake->failOpen = true;
    std::string report;
    Application->OnException = [&](const std::exception& e) { report = e.what(); };
    ModalSeam().QueueFileName("/f/broken.avi");
    Soundfrm->SpeedButton1->Widget()->setFocus();
    Application->Guard([] { Soundfrm->SpeedButton1->Click(); });
    Application->OnException = nullptr;
    EXPECT_EQ(report, "cannot open");
    EXPECT_FALSE(Soundfrm->b1->Enabled());
    EXPECT_FALSE(Moviedisplay->Visible());
}

TEST_F(MediaPlayerWindowTest, ExpandDisplayTogglesAndThePanelOpens) {
    EXPECT_EQ(Soundfrm->Height(), 88);
    Soundfrm->SpeedButton4->Click();
    EXPECT_EQ(Soundfrm->Height(), 140);
    EXPECT_TRUE(Soundfrm->Panel3->Visible());
    EXPECT_EQ(Soundfrm->Label1->Caption(), "No File or Device Open");
    EXPECT_EQ(Soundfrm->SpinEdit1->Color(), clInfoBk);
    Soundfrm->SpeedButton4->Click();
    EXPECT_EQ(Soundfrm->Height(), 88);
    Soundfrm->Panel2->Click();
    EXPECT_EQ(Soundfrm->Height(), 140);
    open("/f/a.avi");
    fake->pos = 321;
    Soundfrm->SpeedButton4->Click();
    EXPECT_EQ(Soundfrm->SpinEdit1->Value(), 321);
    EXPECT_EQ(Soundfrm->SpinEdit1->Color(), clWhite);
    Soundfrm->SpeedButton3->Click();
    EXPECT_EQ(Soundfrm->Height(), 88);
    EXPECT_FALSE(Soundfrm->Panel3->Visible());
}

TEST_F(MediaPlayerWindowTest, TransportMarkAndSeek) {
    open("/f/a.avi");
    fake->pos = 1000;
    Soundfrm->b1->Click(); // at the end: from position 1
    EXPECT_TRUE(logged("seek 1"));
    EXPECT_EQ(fake->mode, mpPlaying);
    Soundfrm->b2->Click();
    EXPECT_EQ(fake->mode, mpPaused);
    EXPECT_TRUE(Soundfrm->b2->Down());
    Soundfrm->b2->Click();
    EXPECT_EQ(fake->mode, mpPlaying);
    EXPECT_FALSE(Soundfrm->b2->Down());
    Soundfrm->b4->Click();
    EXPECT_EQ(fake->mode, mpStopped);
    fake->pos = 250;
    Soundfrm->BitBtn2->Click(); // "Mark"
    EXPECT_EQ(Soundfrm->SpinEdit1->Value(), 250);
    fake->pos = 40;
    log.clear();
    Soundfrm->SpeedButton2->Click(); // "Seek", three times
    EXPECT_EQ(std::count(log.begin(), log.end(), "seek 250"), 3);
    Soundfrm->BitBtn1->Click(); // ">"
    EXPECT_EQ(fake->pos, 251);
    log.clear();
    Soundfrm->BitBtn4->Click(); // "<"
    EXPECT_EQ(fake->pos, 250) << ::testing::PrintToString(log);
    Soundfrm->b6->MouseDown(mbLeft, 0, 2, 2);
    EXPECT_EQ(fake->pos, 251); // mouse down: one forward
    Soundfrm->b6->Click();     // "End"
    EXPECT_EQ(fake->pos, 1000);
    Soundfrm->b3->Click(); // "Fast Forward" rewinds
    EXPECT_EQ(fake->pos, 0);
    EXPECT_EQ(Soundfrm->ProgressBar1->Position(), 1);
}

// "Fast Forward" goes back to the start and restarts the bar from its first step, so the next
// ticks advance it from there rather than from the old mark.
TEST_F(MediaPlayerWindowTest, FastForwardRewindsAndRestartsTheBar) {
    open("/f/a.avi");
    fake->pos = 20;
    for (int i = 0; i < 5; ++i)
        Soundfrm->outahere();
    ASSERT_EQ(Soundfrm->ProgressBar1->Position(), 3); // caught up with position 20
    log.clear();
    realevents::click(Soundfrm->b3);
    EXPECT_TRUE(logged("rewind"));
    EXPECT_EQ(fake->pos, 0);
    EXPECT_EQ(Soundfrm->ProgressBar1->Position(), 1);
    EXPECT_DOUBLE_EQ(double(Soundfrm->progressmark), 5.0);
    fake->pos = 7;
    Soundfrm->outahere();
    EXPECT_EQ(Soundfrm->ProgressBar1->Position(), 2);
    EXPECT_DOUBLE_EQ(double(Soundfrm->progressmark), 10.0);
}

// A press on the position box seeks to its value, but only while the film is inside
// (1 .. length - 1); the bar then follows the new position.
TEST_F(MediaPlayerWindowTest, APressOnThePositionBoxSeeksThereOnlyInsideTheFilm) {
    open("/f/a.avi");
    Soundfrm->SpeedButton4->Click(); // the lower panel with the box
    struct Case {
        std::int64_t pos;
        bool seeks;
    } cases[] = {{0, false}, {1, true}, {999, true}, {1000, false}};
    for (const Case& c : cases) {
        fake->pos = c.pos;
        Soundfrm->SpinEdit1->SetValue(500);
        Soundfrm->ProgressBar1->SetPosition(7);
        log.clear();
        realevents::send(Soundfrm->SpinEdit1, QEvent::MouseButtonPress, QPoint(8, 8), Qt::LeftButton);
        realevents::send(Soundfrm->SpinEdit1, QEvent::MouseButtonRelease, QPoint(8, 8), Qt::LeftButton);
        EXPECT_EQ(logged("seek 500"), c.seeks) << c.pos;
        EXPECT_EQ(fake->pos, c.seeks ? 500 : c.pos);
        EXPECT_EQ(Soundfrm->ProgressBar1->Position(), c.seeks ? 100 : 7) << c.pos;
    }
}

TEST_F(MediaPlayerWindowTest, ClosingTheMovieDisplayStopsTheFilm) {
    open("/f/a.avi");
    Soundfrm->b1->Click();
    Moviedisplay->Close();
    EXPECT_EQ(fake->mode, mpStopped);
    EXPECT_EQ(player().Display(), nullptr);
    EXPECT_FALSE(Moviedisplay->Visible());
}

TEST_F(MediaPlayerWindowTest, TheMovieDisplaysPaintOnlyAsksForTheDisplayAgain) {
    open("/f/a.avi");
    Soundfrm->outahere();
    EXPECT_FALSE(Soundfrm->CheckBox1->Checked());
    Moviedisplay->SetBounds(0, 0, 400, 300);
    EXPECT_TRUE(Soundfrm->CheckBox1->Checked());
    Soundfrm->outahere();
    EXPECT_FALSE(Soundfrm->CheckBox1->Checked());
    // Re-applying the display does not make the window paint again, so it settles.
    for (int i = 0; i < 20; ++i)
        Application->ProcessMessages();
    EXPECT_FALSE(Soundfrm->CheckBox1->Checked());
    Moviedisplay->SetWindowState(wsMaximized);
    Moviedisplay->Panel1->Click();
    EXPECT_EQ(Moviedisplay->WindowState(), wsNormal);
}

TEST_F(MediaPlayerWindowTest, TheHandOffGivesTheFilmToAviCapture) {
    open("/f/a.avi");
    Soundfrm->cbut->Click();
    EXPECT_EQ(AVICAP->AVI->FileName(), "/f/a.avi");
    EXPECT_TRUE(AVICAP->Visible());
    EXPECT_FALSE(Soundfrm->Visible());
    EXPECT_FALSE(Moviedisplay->Visible());
}

TEST_F(MediaPlayerWindowTest, ClosingResetsEveryControl) {
    open("/f/a.avi");
    Soundfrm->SpeedButton4->Click();
    Soundfrm->Close();
    EXPECT_FALSE(Soundfrm->Timer1->Enabled());
    EXPECT_EQ(Soundfrm->Edit1->Text(), "");
    for (TSpeedButton* b :
         {Soundfrm->b1, Soundfrm->b2, Soundfrm->b3, Soundfrm->b4, Soundfrm->b5, Soundfrm->b6})
        EXPECT_FALSE(b->Enabled());
    EXPECT_EQ(Soundfrm->Height(), 88);
    EXPECT_FALSE(Soundfrm->Panel3->Visible());
    EXPECT_EQ(Soundfrm->Label1->Caption(), "No File or Device Open");
    EXPECT_EQ(Soundfrm->SpinEdit1->Value(), 0);
    EXPECT_EQ(Soundfrm->ProgressBar1->Position(), 1);
    EXPECT_FALSE(Moviedisplay->Visible());
    EXPECT_EQ(fake->mode, mpNotReady);
    EXPECT_EQ(player().FileName(), "");
}

TEST_F(MediaPlayerWindowTest, ShowingWithAFileSetEnablesTheButtons) {
    Soundfrm->Close();
    player().SetFileName("/f/intro.avi");
    fake->mode = mpPlaying;
    fake->length = 400;
    Soundfrm->Show();
    EXPECT_TRUE(Soundfrm->b1->Enabled());
    EXPECT_FALSE(Soundfrm->cbut->Enabled());
    EXPECT_EQ(Soundfrm->Edit1->Text(), "/f/intro.avi");
    EXPECT_DOUBLE_EQ(double(Soundfrm->progressstep), 2.0);
}

TEST_F(MediaPlayerWindowTest, TheFirstTabChangeClosesTheIntroFilmAndLaterOnesDoNot) {
    Pbook1->dobegin->SetChecked(false);
    fake->mode = mpPlaying;
    Pbook1->PageControl1Change(Pbook1->PageControl1);
    EXPECT_EQ(fake->mode, mpNotReady);
    EXPECT_TRUE(Pbook1->dobegin->Checked());
    fake->mode = mpPlaying;
    Pbook1->PageControl1Change(Pbook1->PageControl1);
    EXPECT_EQ(fake->mode, mpPlaying);
    Soundfrm->Hide();
    Pbook1->SpeedButton52->Click();
    EXPECT_TRUE(Soundfrm->Visible());
}

// The intro film's last frame would cover the page; a film of the media window stays at its end.
TEST_F(MediaPlayerWindowTest, TheIntroFilmGoesOnceItHasPlayedAndAnotherFilmStaysAtItsEnd) {
    const std::filesystem::path intro = program().path() / "bin" / "logo1.avi";
    std::ofstream(intro) << "film";
    Pbook1->dobegin->SetChecked(false);
    Pbook1->FormShow(Pbook1);
    std::filesystem::remove(intro);
    ASSERT_EQ(player().Display(), static_cast<TWinControl*>(Pbook1->TabSheet1));
    ASSERT_EQ(fake->mode, mpPlaying);
    fake->mode = mpStopped;
    fake->OnNotify();
    Application->ProcessMessages();
    EXPECT_EQ(fake->mode, mpNotReady);
    EXPECT_EQ(player().Surface(), nullptr);
    Soundfrm->Hide();
    Soundfrm->Show();
    EXPECT_FALSE(Soundfrm->b1->Enabled()); // no play offered that could only fail

    open("/f/a.avi");
    player().Play();
    fake->mode = mpStopped;
    fake->OnNotify();
    Application->ProcessMessages();
    EXPECT_EQ(fake->mode, mpStopped);
    EXPECT_EQ(player().Display(), static_cast<TWinControl*>(Moviedisplay->Panel1));
}

} // namespace
