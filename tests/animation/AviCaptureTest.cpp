// AVI Capture over a real film: the dump, the captures, stepping and the timer.
#include "AviFixtures.h"
#include "AviPlay.h"
#include "BmpCodec.h"
#include "Clipboard.h"
#include "ClipboardGuard.h"
#include "FileIO.h"
#include "FilmBuilder.h"
#include "MessageBox.h"
#include "OrvantaFixture.h"
#include "TestClipboardSystem.h"
#include "WaveOutRecorder.h"
#include "avicapper.h"
#include "dirpathdlg.h"

#include <QTimer>
#include <filesystem>

namespace {
namespace fs = std::filesystem;

class AviCaptureTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        FixtureSpec spec;
        spec.width = 21; // odd: "1/2" and "1/4" cut it
        spec.height = 14;
        spec.frames = 6;
        spec.audio = FixtureAudio{};
        WriteBytes(dir.file("film.avi"), MakeAvi(spec));
        out = dir.path() / "out";
        fs::create_directory(out);
        AVICAP->ComboBox1->SetItemIndex(0);
        AVICAP->ComboBox1->SetText("Normal");
        AVICAP->ComboBox1Click(nullptr);
        AVICAP->AVI->SetFileName(dir.file("film.avi"));
        // One-colour frames would all be key colour: drawn opaque, the frame itself is captured.
        AVICAP->CheckTransparent->SetChecked(false);
        AVICAP->Show();
        Application->ProcessMessages();
    }
    void TearDown() override {
        AVICAP->Close();
        AVICAP->AVI->SetFileName("");
        AVICAP->CheckTransparent->SetChecked(true);
        OrvantaTest::TearDown();
    }
    // The folder dialog answers with this folder, prefix and range; then the question is answered.
    void dump(const std::string& folder, const std::string& prefix, int first, int last, int answer = IDYES) {
        ModalSeam().QueueScript<Tfolderdlg1>([=](Tfolderdlg1& d) {
            EXPECT_TRUE(d.Panel5->Visible());
            EXPECT_EQ(d.SpinEdit1->Value(), 1);
            EXPECT_EQ(d.SpinEdit2->Value(), 6);
            d.SpinEdit1->SetValue(first);
            d.SpinEdit2->SetValue(last);
            d.Edit1->SetText(prefix);
            d.Label1->SetCaption(folder);
            d.Close(); // the close box leaves the folder shown
        });
        ModalSeam().QueueButton(answer);
        AVICAP->BitBtn6->Click();
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(out))
            if (e.is_regular_file()) names.push_back(fs::relative(e.path(), out).string());
        std::sort(names.begin(), names.end());
        return names;
    }
    TColor colourOf(const std::string& name) const {
        TBitmap b = ReadBmpFile((out / name).string());
        return b.GetPixel(b.Width() / 2, b.Height() / 2);
    }
    TestFolder dir;
    fs::path out;
};

TEST_F(AviCaptureTest, DumpWritesEachFrameUnderItsOwnNumber) {
    dump(out.string(), "f", 1, 6);
    ASSERT_EQ(files(), (std::vector<std::string>{"f000.bmp", "f001.bmp", "f002.bmp", "f003.bmp", "f004.bmp",
                                                 "f005.bmp"}));
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(colourOf("f00" + std::to_string(k) + ".bmp"), FrameColour(k)) << k;
    EXPECT_FALSE(AVICAP->stopbut->Visible());
    EXPECT_FALSE(folderdlg1->Panel5->Visible());
}

TEST_F(AviCaptureTest, DumpOfAPartOfTheFilm) {
    dump(out.string() + "/", "f", 3, 5);
    EXPECT_EQ(files(), (std::vector<std::string>{"f002.bmp", "f003.bmp", "f004.bmp"}));
    EXPECT_EQ(colourOf("f004.bmp"), FrameColour(4));
}

TEST_F(AviCaptureTest, DumpPrefixes) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.b", "a000.bmp"}, {"", "temp000.bmp"}, {"*.bmp", "temp000.bmp"}, {"/x", "x000.bmp"}};
    for (auto [prefix, first] : cases) {
        for (const auto& f : files())
            fs::remove(out / f);
        dump(out.string(), prefix, 1, 1);
        EXPECT_EQ(files(), std::vector<std::string>{first}) << prefix;
        if (std::string(first).starts_with("temp")) {
            EXPECT_EQ(folderdlg1->Edit1->Text(), "temp"); // written back
        }
    }
}

TEST_F(AviCaptureTest, CancelOrNoWritesNothing) {
    ModalSeam().QueueScript<Tfolderdlg1>([](Tfolderdlg1& d) { d.BitBtn2->Click(); });
    AVICAP->BitBtn6->Click();
    for (int answer : {IDNO, IDCANCEL})
        dump(out.string(), "f", 1, 6, answer);
    EXPECT_TRUE(files().empty());
}

TEST_F(AviCaptureTest, AbortOrClosingAfterSomeFramesKeepsThem) {
    for (bool closing : {false, true}) {
        for (const auto& f : files())
            fs::remove(out / f);
        AVICAP->Show();
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (files().size() >= 2 && AVICAP->stopbut->Visible()) {
                if (closing)
                    AVICAP->Close();
                else
                    AVICAP->stopbut->Click();
            }
        });
        watch.start(0);
        dump(out.string(), "f", 1, 6);
        EXPECT_EQ(files().size(), 2u) << closing;
        EXPECT_FALSE(AVICAP->stopbut->Visible());
    }
}

TEST_F(AviCaptureTest, AFrameThatCannotBeWrittenEndsTheDumpWithAReport) {
    std::string report;
    Application->OnException = [&](const std::exception& e) { report = e.what(); };
    // The disk fills up once two files are written.
    std::unique_ptr<ScopedWriteFaults> full;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (files().size() >= 2 && !full) {
            WriteFaults faults;
            faults.failWriteAfter = 0;
            full = std::make_unique<ScopedWriteFaults>(faults);
        }
    });
    watch.start(0);
    dump(out.string(), "f", 1, 6);
    full.reset();
    Application->OnException = nullptr;
    EXPECT_FALSE(report.empty());
    EXPECT_EQ(files(), (std::vector<std::string>{"f000.bmp", "f001.bmp"}));
}

TEST_F(AviCaptureTest, CapturesTakeThePlayersPixels) {
    TQuillAVIPlay& avi = *AVICAP->AVI;
    AVICAP->AVI->Seek(2);
    struct Case {
        const char* mode;
        int w, h;
    } cases[] = {{"Stretch", -1, -1},
                 {"Normal", 21, 14},
                 {"Double", 21, 14} /* a capture leaves "Double" at 1:1 */,
                 {"1/2", 10, 7},
                 {"1/4", 5, 3}};
    for (const Case& c : cases) {
        AVICAP->ComboBox1->SetText(c.mode);
        AVICAP->ComboBox1Click(nullptr);
        AVICAP->BitBtn1->Click();
        const TBitmap& shot = AVICAP->Image2->Picture().Bitmap();
        // Exactly the player's size ("Stretch": whatever the player has).
        EXPECT_EQ(shot.Width(), avi.Width()) << c.mode;
        EXPECT_EQ(shot.Height(), avi.Height()) << c.mode;
        if (c.w >= 0) {
            EXPECT_EQ(shot.Width(), c.w) << c.mode;
            EXPECT_EQ(shot.Height(), c.h) << c.mode;
        }
        // Every pixel is the frame's (the first is the mark line's).
        int other = 0;
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                other += (x > 1 || y > 0) && shot.GetPixel(x, y) != FrameColour(2);
        EXPECT_EQ(other, 0) << c.mode;
        EXPECT_EQ(shot.GetPixel(0, 0), clBlack) << c.mode;
    }
}

TEST_F(AviCaptureTest, AHeldClipboardIsReportedAndTheImageKeepsTheCapture) {
    auto board = std::make_shared<TestClipboardSystem>();
    SetClipboardSystem(board);
    board->SetHeldByOtherProgram(true);
    ModalSeam().QueueButton(IDOK);
    AVICAP->AVI->Seek(1);
    AVICAP->BitBtn1->Click();
    EXPECT_TRUE(shown("Clipboard Unavailable."));
    EXPECT_EQ(AVICAP->Image2->Picture().Bitmap().GetPixel(5, 5), FrameColour(1));
    board->SetHeldByOtherProgram(false);
    AVICAP->BitBtn1->Click(); // a free clipboard takes it
    TBitmap got;
    EXPECT_TRUE(board->GetBitmap(got));
    EXPECT_EQ(got.GetPixel(5, 5), FrameColour(1));
    SetClipboardSystem(nullptr);
}

TEST_F(AviCaptureTest, SteppingAndGoingToAFrame) {
    TQuillAVIPlay& avi = *AVICAP->AVI;
    avi.Seek(5);
    AVICAP->BitBtn5->Click(); // ">>" at the last frame: held there
    EXPECT_EQ(avi.FCurrentFrame(), 5);
    const std::pair<const char*, int> cases[] = {
        {"3", 3}, {"abc", 3}, {"-5", 0}, {"99999999999", 0}, {"400", 5}};
    for (auto [text, frame] : cases) {
        AVICAP->Edit1->SetText(text);
        AVICAP->BitBtn4->Click();
        EXPECT_EQ(avi.FCurrentFrame(), frame) << text;
    }
    EXPECT_TRUE(AVICAP->tb->Visible());
    EXPECT_EQ(AVICAP->tb->Max(), 6);
    EXPECT_EQ(AVICAP->tb->Frequency(), 0);
}

TEST_F(AviCaptureTest, TimerSteppingWrapsAndItsPace) {
    TQuillAVIPlay& avi = *AVICAP->AVI;
    TWaveOutRecorder rec;
    AVICAP->tim->SetChecked(true);
    EXPECT_FALSE(avi.PlaySound());
    EXPECT_TRUE(AVICAP->Timer1->Enabled());
    EXPECT_TRUE(AVICAP->fbut->Visible());
    avi.Seek(4);
    AVICAP->Timer1Timer(nullptr);
    EXPECT_EQ(avi.FCurrentFrame(), 5);
    EXPECT_EQ(AVICAP->tb->Position(), 5);
    AVICAP->Timer1Timer(nullptr); // past the end: the first frame again
    EXPECT_EQ(avi.FCurrentFrame(), 0);

    EXPECT_EQ(AVICAP->Timer1->Interval(), 10);
    AVICAP->fbut->Click();
    EXPECT_EQ(AVICAP->Timer1->Interval(), 0);
    AVICAP->sbut->Click();
    EXPECT_EQ(AVICAP->Timer1->Interval(), 100);

    AVICAP->tim->SetChecked(false); // plays from 0 with sound
    EXPECT_TRUE(avi.Active());
    EXPECT_TRUE(avi.PlaySound());
    EXPECT_EQ(rec.Live(), 1);
    EXPECT_FALSE(AVICAP->fbut->Visible());
    AVICAP->Close(); // closing stops the film and its sound
    EXPECT_FALSE(avi.Active());
    EXPECT_EQ(rec.Live(), 0);
    EXPECT_FALSE(AVICAP->Timer1->Enabled());
}

TEST_F(AviCaptureTest, ADroppedImageBecomesTheThumbnail) {
    TImage src(Pbook1, Pbook1);
    src.Picture().Assign(TBitmap(7, 9));
    bool accept = false;
    AVICAP->Image2DragOver(AVICAP->Image2, &src, 1, 1, dsDragMove, accept);
    EXPECT_TRUE(accept);
    AVICAP->Image2DragOver(AVICAP->Image2, AVICAP->Edit1, 1, 1, dsDragMove, accept);
    EXPECT_FALSE(accept);
    AVICAP->Image2DragDrop(AVICAP->Image2, &src, 1, 1);
    EXPECT_EQ(AVICAP->Image2->Picture().Bitmap().Width(), 7);
    AVICAP->Close();
    EXPECT_EQ(AVICAP->Image2->Picture().Bitmap().Width(), 10); // shrunk on closing
}

} // namespace
