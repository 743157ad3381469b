// The animation manager in the running program: play lists of solid-colour frames made here, so a
// shown or copied frame proves which one it is.
#include "Application.h"
#include "BmpCodec.h"
#include "Dialogs.h"
#include "DragDrop.h"
#include "FileControls.h"
#include "FileIO.h"
#include "MessageBox.h"
#include "OrvantaFixture.h"
#include "PictureWriters.h"
#include "TCheckBox.h"
#include "TLabel.h"
#include "TListBox.h"
#include "TProgressBar.h"
#include "TSpeedButton.h"
#include "TStatusBar.h"
#include "TTimer.h"
#include "TTrackBar.h"
#include "TestClipboardSystem.h"
#include "animcap.h"
#include "mydialog.h"
#include "resizefrm.h"
#include "scrntest.h"

#include <QElapsedTimer>
#include <cerrno>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string bytesOf(const std::string& path) {
    auto v = ReadWholeFile(path);
    return std::string(v.begin(), v.end());
}

} // namespace

class AnimManagerTest : public OrvantaTest {
protected:
    TAnimCap1& m = *AnimCap1;
    std::unique_ptr<TestFolder> frames = std::make_unique<TestFolder>();
    std::vector<std::string> mboxes; // first lines of the program's message boxes, in order

    void SetUp() override {
        OrvantaTest::SetUp();
        m.ListBox1->Clear();
        m.chksaved->SetChecked(true);
        m.stopanimation->SetChecked(true);
        m.Timer1->SetEnabled(false);
        m.TrackBar1->SetPosition(2);
        m.SpinEdit4->SetValue(100);
        m.spanim->SetValue(0);
        m.chkmin->SetChecked(false);
        m.DirectoryListBox1->SetDirectory(frames->path().string());
        fs::remove(folderMemoryFile());
    }
    void TearDown() override {
        m.Timer1->SetEnabled(false);
        m.ListBox1->Clear();
        screentest1->Hide();
        m.Hide();
        OrvantaTest::TearDown();
    }

    static std::string folderMemoryFile() { return program().file("dir.fle"); }

    // A frame file of one colour in the frame folder; its full path.
    std::string frame(const std::string& name, TColor c, int w = 8, int h = 6, TPixelFormat pf = pf24bit) {
        TBitmap b(w, h, pf);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                b.SetPixel(x, y, c);
        std::string path = frames->file(name);
        WriteBmpPicture(b, path);
        return path;
    }
    // The play list of these paths, marked where `marks` has an 'x'.
    void playList(const std::vector<std::string>& paths, const std::string& marks = "") {
        m.ListBox1->Items().SetStrings(paths);
        for (size_t i = 0; i < marks.size(); ++i)
            m.ListBox1->SetSelected(int(i), marks[i] == 'x');
    }
    std::string marks() const {
        std::string s;
        for (int i = 0; i < m.ListBox1->Items().Count(); ++i)
            s += m.ListBox1->Selected(i) ? 'x' : '.';
        return s;
    }
    std::vector<std::string> names() const { return m.ListBox1->Items().ToVector(); }
    // Selects these files of the frame folder in the file list (by their index).
    void chooseFiles(std::initializer_list<int> indexes) {
        m.FileListBox1->Update();
        for (int i = 0; i < m.FileListBox1->Items().Count(); ++i)
            m.FileListBox1->SetSelected(i, false);
        for (int i : indexes)
            m.FileListBox1->SetSelected(i, true);
    }
    // Answers the next program message box with button 1, 2 or 3, noting its first line.
    void answerMbox(int button) {
        ModalSeam().QueueScript<Tmydialog1>([this, button](Tmydialog1& d) {
            mboxes.push_back(d.l1->Caption() + (d.l2->Caption().empty() ? "" : "|" + d.l2->Caption()));
            (button == 1 ? d.b1 : button == 2 ? d.b2 : d.b3)->Click();
        });
    }
    // Answers the resize dialog with a size and OK, then the question with `answer`.
    void answerResize(int w, int h, int answer = mrYes) {
        ModalSeam().QueueScript<TResizeForm>([w, h](TResizeForm& d) {
            d.SpinEdit1->SetValue(w);
            d.SpinEdit2->SetValue(h);
            d.BitBtn1->Click();
        });
        ModalSeam().QueueButton(answer);
    }
    TColor previewColour() const { return screentest1->Image1->Picture().Bitmap().GetPixel(0, 0); }
};

// ---- Adding and editing ----

TEST_F(AnimManagerTest, MarkedMarksExactlyTheNamesItAdds) {
    for (int i = 0; i < 5; ++i)
        frame("f00" + std::to_string(i) + ".bmp", clRed);
    playList({"a", "b", "c"}, ".x.");
    chooseFiles({1, 3});
    m.BitBtn5->Click();
    EXPECT_EQ(names(),
              (std::vector<std::string>{"a", "b", "c", frames->file("f001.bmp"), frames->file("f003.bmp")}));
    EXPECT_EQ(marks(), ".x.xx");
    EXPECT_FALSE(m.chksaved->Checked());

    m.ListBox1->Clear();
    m.BitBtn3->Click(); // "UnMarked"
    EXPECT_EQ(marks(), "..");
}

TEST_F(AnimManagerTest, InsertPutsTheFilesInFileListOrderAtTheCaret) {
    frame("f1.bmp", clRed);
    frame("f2.bmp", clRed);
    const std::string f1 = frames->file("f1.bmp"), f2 = frames->file("f2.bmp");
    chooseFiles({0, 1});

    m.BitBtn15->Click(); // into an empty list
    EXPECT_EQ(names(), (std::vector<std::string>{f1, f2}));

    playList({"a", "b", "c"});
    m.BitBtn15->Click(); // no item has had the focus: at 0
    EXPECT_EQ(names(), (std::vector<std::string>{f1, f2, "a", "b", "c"}));

    playList({"a", "b", "c"}, "..x");
    m.ListBox1->SetItemIndex(1);
    m.BitBtn15->Click();
    EXPECT_EQ(names(), (std::vector<std::string>{"a", f1, f2, "b", "c"}));
    EXPECT_EQ(marks(), "....x");
}

TEST_F(AnimManagerTest, AListBoxDroppedOnThePlayListAddsItsSelectedItemsAsShown) {
    frame("f1.bmp", clRed);
    frame("f2.bmp", clRed);
    chooseFiles({1});
    DragDrop::Begin(m.FileListBox1, true, 0);
    EXPECT_TRUE(DragDrop::MoveTo(m.ListBox1, 5, 5));
    DragDrop::Finish(true);
    EXPECT_EQ(names(), std::vector<std::string>{"f2.bmp"});
    EXPECT_FALSE(m.chksaved->Checked());
    EXPECT_EQ(m.DirectoryListBox1->DragMode(), dmAutomatic); // the folder list drags by itself
    EXPECT_EQ(m.Image3->DragMode(), dmAutomatic);
}

TEST_F(AnimManagerTest, EditsDuringAPreviewEndItAtTheNextTickWithTheNamesUnmarked) {
    const std::string a = frame("a.bmp", clRed), b = frame("b.bmp", clLime), c = frame("c.bmp", clBlue);
    struct Case {
        const char* what;
        std::function<void(TAnimCap1&)> edit;
        std::vector<std::string> left;
        const char* marks;
    } cases[] = {
        {"Remove", [](TAnimCap1& w) { w.BitBtn4->Click(); }, {b}, "."},
        {"Reverse order", [](TAnimCap1& w) { w.Button1->Click(); }, {c, b, a}, "..."},
        // The deletion leaves the other names as they were.
        {"double click",
         [](TAnimCap1& w) {
             w.ListBox1->SetItemIndex(0);
             w.ListBox1->DblClick();
         },
         {b, c},
         ".x"},
    };
    for (const Case& k : cases) {
        playList({a, b, c}, "x.x");
        m.BitBtn10->Click();
        ASSERT_TRUE(m.Timer1->Enabled()) << k.what;
        k.edit(m);
        EXPECT_EQ(names(), k.left) << k.what;
        EXPECT_EQ(marks(), k.marks) << k.what;
        EXPECT_TRUE(m.Timer1->Enabled()) << k.what << ": the clock comes back";
        m.doshow2();
        EXPECT_FALSE(m.Timer1->Enabled()) << k.what << ": and ends at its next tick";
    }
}

TEST_F(AnimManagerTest, RemoveWithEveryNameMarkedEmptiesTheListWithTheClockOff) {
    const std::string a = frame("a.bmp", clRed);
    playList({a, a}, "xx");
    m.BitBtn10->Click();
    m.BitBtn4->Click();
    EXPECT_EQ(m.ListBox1->Items().Count(), 0);
    EXPECT_FALSE(m.Timer1->Enabled());
    EXPECT_TRUE(m.stopanimation->Checked());
}

TEST_F(AnimManagerTest, HalfKeepsEveryOtherNameOrExplains) {
    playList({"1", "2", "3", "4", "5"}, "xx...");
    answerMbox(1); // Yes
    m.SpeedButton5->Click();
    EXPECT_EQ(names(), (std::vector<std::string>{"1", "3", "5"}));
    EXPECT_EQ(marks(), "...");
    EXPECT_EQ(mboxes.back(), "Remove every other name from the list?");
    EXPECT_TRUE(m.chksaved->Checked()); // left as it was

    playList({"1", "2"});
    answerMbox(1);
    m.SpeedButton5->Click();
    EXPECT_EQ(names(), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(mboxes.back(), "This button will reduce the names|in the box by half");
}

TEST_F(AnimManagerTest, SelectAllAndDeselectAll) {
    playList({"a", "b", "c"}, ".x.");
    m.BitBtn13->Click();
    EXPECT_EQ(marks(), "xxx");
    m.Timer1->SetEnabled(true);
    m.stopanimation->SetChecked(false);
    m.Button2->Click();
    EXPECT_EQ(marks(), "...");
    EXPECT_FALSE(m.Timer1->Enabled());
    EXPECT_TRUE(m.stopanimation->Checked());
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(AnimManagerTest, TheHintNamesTheItemUnderThePointer) {
    EXPECT_EQ(m.ListBox1->Hint(), "These Filenames Will be played");
    playList({"/frames/a.bmp"});
    m.Show();
    Application->ProcessMessages();
    m.ListBox1->MouseMove(0, 5, 3);
    EXPECT_EQ(m.ListBox1->Hint(), "/frames/a.bmp");
    m.ListBox1->MouseMove(0, 5, m.ListBox1->Height() - 3);
    EXPECT_EQ(m.ListBox1->Hint(), "These Filenames will be played");
}

// ---- The clock and the preview ----

TEST_F(AnimManagerTest, TheIntervalIsMultiplierTimesFactor) {
    m.TrackBar1->SetPosition(3);
    m.TrackBar1->SetPosition(2); // by the factor
    EXPECT_EQ(m.Label3->Caption(), "=200 ms");
    m.SpinEdit4->SetValue(120);
    m.SpinEdit4->SetValue(100); // by the multiplier
    EXPECT_EQ(m.Label3->Caption(), "=200 ms");
    EXPECT_EQ(m.Timer1->Interval(), 200);
    m.SpinEdit4->SetValue(1000);
    m.TrackBar1->SetPosition(10);
    EXPECT_EQ(m.Timer1->Interval(), 10000);
    EXPECT_EQ(m.Label3->Caption(), "=10000 ms");
}

TEST_F(AnimManagerTest, PreviewShowsTheMarkedFramesOnePerTick) {
    const std::string a = frame("a.bmp", clRed, 30, 20), b = frame("b.bmp", clLime),
                      c = frame("c.bmp", clBlue);
    playList({a, b, c}, "x.x");
    m.BitBtn10->Click();
    EXPECT_TRUE(screentest1->Visible());
    EXPECT_EQ(screentest1->ClientWidth(), 30);
    EXPECT_EQ(screentest1->ClientHeight(), 20);
    std::vector<TColor> seen;
    for (int i = 0; i < 4; ++i) {
        m.doshow2();
        seen.push_back(previewColour());
    }
    EXPECT_EQ(seen, (std::vector<TColor>{clRed, clBlue, clRed, clBlue}));

    m.BitBtn11->Click(); // "Stop"
    EXPECT_FALSE(m.Timer1->Enabled());
    EXPECT_TRUE(screentest1->Visible()); // the last frame stays on screen
}

TEST_F(AnimManagerTest, ClosingThePreviewStopsTheClock) {
    const std::string a = frame("a.bmp", clRed);
    playList({a}, "x");
    m.BitBtn10->Click();
    screentest1->Close();
    EXPECT_FALSE(m.Timer1->Enabled());
    EXPECT_TRUE(m.stopanimation->Checked());
}

TEST_F(AnimManagerTest, AMissingOrUnreadableFrameStopsThePreview) {
    const std::string a = frame("a.bmp", clRed);
    const std::string gone = frames->file("gone.bmp");
    const std::string broken = frames->file("broken.bmp");
    writeFileReplacing(broken, std::string("BM not a picture"));
    playList({a, gone}, "xx");
    m.BitBtn10->Click();
    m.doshow2();
    m.doshow2();
    EXPECT_FALSE(m.Timer1->Enabled());
    EXPECT_EQ(m.StatusBar1->SimpleText(), "File Not Found -" + gone);
    EXPECT_EQ(m.spanim->Value(), 1);

    playList({a, broken}, "xx");
    answerMbox(1);
    m.BitBtn10->Click();
    m.doshow2();
    m.doshow2();
    EXPECT_FALSE(m.Timer1->Enabled());
    EXPECT_EQ(mboxes, std::vector<std::string>{"File not found"});
}

TEST_F(AnimManagerTest, AfterTheZeroDelayButtonThePreviewShowsOnlyTheFirstFrame) {
    const std::string a = frame("a.bmp", clRed), b = frame("b.bmp", clLime);
    playList({a, b}, "xx");
    m.SpeedButton4->Click();
    EXPECT_EQ(m.TrackBar1->Position(), 0);
    EXPECT_EQ(m.SpinEdit4->Value(), 20);
    EXPECT_EQ(m.Timer1->Interval(), 0);
    EXPECT_EQ(m.Label3->Caption(), "=0 ms");
    m.BitBtn10->Click();
    EXPECT_EQ(previewColour(), clRed);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300)
        Application->ProcessMessages();
    EXPECT_EQ(m.spanim->Value(), 0) << "the clock never fired";
    EXPECT_EQ(previewColour(), clRed);
}

// ---- Play-list files ----

TEST_F(AnimManagerTest, SaveThenLoadKeepsTheOrderAndDropsTheMarks) {
    playList({"/f/c.bmp", "/f/a.bmp", "/f/b.bmp"}, "x.x");
    m.chksaved->SetChecked(false);
    const std::string list = frames->file("play.lst");
    ModalSeam().QueueFileName(list);
    m.BitBtn6->Click();
    EXPECT_TRUE(m.chksaved->Checked());
    EXPECT_EQ(bytesOf(list), "/f/c.bmp\r\n/f/a.bmp\r\n/f/b.bmp\r\n");

    playList({"x"});
    m.chksaved->SetChecked(false);
    ModalSeam().QueueButton(mrNo); // "Save Filename List?"
    ModalSeam().QueueFileName(list);
    m.BitBtn7->Click();
    EXPECT_EQ(names(), (std::vector<std::string>{"/f/c.bmp", "/f/a.bmp", "/f/b.bmp"}));
    EXPECT_EQ(marks(), "...");
    EXPECT_FALSE(m.chksaved->Checked()); // loading leaves it
    EXPECT_EQ(ModalSeam().Log()[ModalSeam().Log().size() - 2].text, "Save Filename List?");
}

TEST_F(AnimManagerTest, ASavedListOfAForeignPathComesBackByteForByteAndPlays) {
    const std::string latin1 = frames->file("fr\xe9me.bmp"); // not UTF-8
    frame("fr\xe9me.bmp", clBlue);
    const std::string list = frames->file("latin.lst");
    writeFileReplacing(list, latin1 + "\r\n");
    ModalSeam().QueueFileName(list);
    m.BitBtn7->Click();
    ASSERT_EQ(names(), std::vector<std::string>{latin1});

    m.BitBtn13->Click();
    m.BitBtn10->Click();
    m.doshow2();
    EXPECT_EQ(previewColour(), clBlue);

    const std::string again = frames->file("again.lst");
    ModalSeam().QueueFileName(again);
    m.BitBtn6->Click();
    EXPECT_EQ(bytesOf(again), bytesOf(list));

    chooseFiles({0}); // the file list keeps the name's bytes too
    m.ListBox1->Clear();
    m.BitBtn3->Click();
    EXPECT_EQ(names(), std::vector<std::string>{latin1});
}

TEST_F(AnimManagerTest, AFailedSaveIsReportedAndLeavesTheListUnsaved) {
    playList({"a"});
    m.chksaved->SetChecked(false);
    ModalSeam().QueueFileName(frames->file("play.lst"));
    ModalSeam().QueueButton(IDOK); // the error report
    {
        ScopedWriteFaults full({.failWriteAfter = 0});
        m.BitBtn6->Click();
    }
    EXPECT_FALSE(m.chksaved->Checked());
    EXPECT_FALSE(fs::exists(frames->file("play.lst")));
}

TEST_F(AnimManagerTest, ClosingAsksOnceAndKeepsAListTheSaveDidNotWrite) {
    const std::string list = frames->file("close.lst");
    struct Case {
        const char* what;
        std::function<void()> answer;
        bool emptied;
        bool written;
    } cases[] = {
        {"No", [this] { answerMbox(2); }, true, false},
        {"Yes, saved",
         [this, list] {
             answerMbox(1);
             ModalSeam().QueueFileName(list);
         },
         true, true},
        {"Yes, then Cancel",
         [this] {
             answerMbox(1);
             ModalSeam().QueueCancel();
         },
         false, false},
    };
    for (const Case& k : cases) {
        fs::remove(list);
        m.Show();
        playList({"a", "b"});
        m.chksaved->SetChecked(false);
        k.answer();
        m.BitBtn9->Click(); // "&Close"
        EXPECT_FALSE(m.Visible()) << k.what;
        EXPECT_EQ(m.ListBox1->Items().Count(), k.emptied ? 0 : 2) << k.what;
        EXPECT_EQ(fs::exists(list), k.written) << k.what;
        EXPECT_EQ(mboxes.back(), "Save the list of bitmap filenames?") << k.what;
    }
    size_t asked = mboxes.size();
    m.Show();
    playList({"a"});
    m.chksaved->SetChecked(true); // saved: no question
    m.Close();
    EXPECT_EQ(mboxes.size(), asked);
    EXPECT_EQ(m.ListBox1->Items().Count(), 0);
}

TEST_F(AnimManagerTest, TheProgramsExitRunsTheClosingSteps) {
    playList({"a", "b"});
    m.chksaved->SetChecked(false);
    m.Timer1->SetEnabled(true);
    answerMbox(1);
    ModalSeam().QueueCancel();
    TCloseAction action = caHide;
    Pbook1->FormClose(Pbook1, action);
    EXPECT_EQ(mboxes, std::vector<std::string>{"Save the list of bitmap filenames?"});
    EXPECT_EQ(m.ListBox1->Items().Count(), 2);
    EXPECT_FALSE(m.Timer1->Enabled());

    answerMbox(2);
    Pbook1->FormClose(Pbook1, action);
    EXPECT_EQ(m.ListBox1->Items().Count(), 0);
}

// ---- Batch resize ----

TEST_F(AnimManagerTest, ResizeChoosesTheStretchModeByDirection) {
    // Rows alternate red and lime: dropping rows by COLORONCOLOR keeps one of them; BLACKONWHITE
    // ANDs them into black.
    TBitmap striped(320, 240);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            striped.SetPixel(x, y, y % 2 ? clLime : clRed);
    struct Case {
        int w, h;
        bool black;
    } cases[] = {{160, 120, false}, {640, 120, true}};
    for (const Case& c : cases) {
        const std::string f = frames->file("s.bmp");
        WriteBmpPicture(striped, f);
        playList({f}, "x");
        answerResize(c.w, c.h);
        m.BitBtn14->Click();
        TBitmap out = ReadBmpFile(f);
        ASSERT_EQ(out.Width(), c.w);
        ASSERT_EQ(out.Height(), c.h);
        EXPECT_EQ(countColour(out, clBlack) == c.w * c.h, c.black) << c.w << "x" << c.h;
        EXPECT_EQ(countColour(out, clBlack), c.black ? c.w * c.h : 0) << c.w << "x" << c.h;
        EXPECT_EQ(marks(), ".");
    }
}

TEST_F(AnimManagerTest, ResizeRaisesTinySizesAndResizesOnlyTheMarkedFrames) {
    const std::string a = frame("a.bmp", clRed, 20, 20), b = frame("b.bmp", clLime, 20, 20),
                      c = frame("c.bmp", clBlue, 20, 20);
    playList({a, b, c}, "x.x");
    answerResize(5, 5);
    m.BitBtn14->Click();
    for (const std::string& f : {a, c}) {
        TBitmap out = ReadBmpFile(f);
        EXPECT_EQ(out.Width(), 10);
        EXPECT_EQ(out.Height(), 10);
    }
    EXPECT_EQ(ReadBmpFile(b).Width(), 20);
    EXPECT_EQ(ResizeForm->SpinEdit1->Value(), 10);
    EXPECT_EQ(ResizeForm->SpinEdit2->Value(), 10);
    EXPECT_EQ(marks(), "...");
    EXPECT_FALSE(m.Pb1->Visible());
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(AnimManagerTest, ResizeKeepsAnEightBitFramesDepthAndPalette) {
    const std::string f = frame("p.bmp", clRed, 16, 16, pf8bit);
    TBitmap before = ReadBmpFile(f);
    playList({f}, "x");
    answerResize(12, 12);
    m.BitBtn14->Click();
    TBitmap after = ReadBmpFile(f);
    EXPECT_EQ(after.PixelFormat(), pf8bit);
    EXPECT_EQ(after.Palette()->entries, before.Palette()->entries);
    EXPECT_EQ(after.Width(), 12);
    EXPECT_EQ(after.GetPixel(3, 3), clRed);
}

TEST_F(AnimManagerTest, ResizeRefusalsAndCancels) {
    answerMbox(1);
    m.BitBtn14->Click();
    playList({frames->file("gone.bmp")}, "x");
    answerMbox(1);
    m.BitBtn14->Click();
    EXPECT_EQ(mboxes, (std::vector<std::string>{"Add files to list first", "File not found"}));

    const std::string a = frame("a.bmp", clRed, 20, 20);
    playList({a}, "x");
    answerResize(10, 10, mrNo);
    m.BitBtn14->Click();
    EXPECT_EQ(ReadBmpFile(a).Width(), 20);
    EXPECT_EQ(marks(), "x");
}

TEST_F(AnimManagerTest, AnUnreadableFrameMidwayLeavesTheEarlierOnesResized) {
    const std::string a = frame("a.bmp", clRed, 20, 20), c = frame("c.bmp", clBlue, 20, 20);
    const std::string broken = frames->file("b.bmp");
    writeFileReplacing(broken, std::string("BMnot a bitmap at all"));
    playList({a, broken, c}, "xxx");
    answerResize(10, 10);
    ModalSeam().QueueButton(IDOK); // the error report
    Application->Guard([this] { m.BitBtn14->Click(); });
    EXPECT_EQ(ReadBmpFile(a).Width(), 10);
    EXPECT_EQ(ReadBmpFile(c).Width(), 20);
    EXPECT_EQ(marks(), ".xx");
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_FALSE(m.Pb1->Visible());
}

TEST_F(AnimManagerTest, AFrameThatCannotBeWrittenStaysWholeAndMarkedAndEndsTheRun) {
    const std::string a = frame("a.bmp", clRed, 20, 20), b = frame("b.bmp", clLime, 20, 20);
    const std::string before = bytesOf(a);
    playList({a, b}, "xx");
    answerResize(10, 10);
    ModalSeam().QueueButton(IDOK); // "Unable to write to disk"
    {
        ScopedWriteFaults unwritable({.createErrno = EACCES});
        m.BitBtn14->Click();
    }
    EXPECT_EQ(bytesOf(a), before);
    EXPECT_EQ(ReadBmpFile(b).Width(), 20);
    EXPECT_EQ(marks(), "xx");
    EXPECT_TRUE(shown("Unable to write to disk"));
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_FALSE(m.Pb1->Visible());
}

// ---- Frames to the clipboard ----

class AnimClipboardTest : public AnimManagerTest {
protected:
    std::shared_ptr<TestClipboardSystem> clip = std::make_shared<TestClipboardSystem>();
    void SetUp() override {
        AnimManagerTest::SetUp();
        SetClipboardSystem(clip);
    }
    void TearDown() override {
        SetClipboardSystem(nullptr);
        AnimManagerTest::TearDown();
    }
    TColor clipColour() const {
        TBitmap b;
        if (!clip->GetBitmap(b)) return clNone;
        return b.GetPixel(0, 0);
    }
};

TEST_F(AnimClipboardTest, TopDownAndBottomUpHandTheMarkedFramesOverOneByOne) {
    const std::string a = frame("1.bmp", clRed), b = frame("2.bmp", clLime), c = frame("3.bmp", clBlue);
    playList({a, b, c}, "x.x");
    m.copybut->Click();
    EXPECT_EQ(clipColour(), clRed);
    m.copybut->Click();
    EXPECT_EQ(clipColour(), clBlue);
    clip->PutTextFromOtherProgram("left alone");
    m.copybut->Click(); // nothing marked: nothing happens
    EXPECT_FALSE(clip->IsFormatAvailable(CF_BITMAP));
    EXPECT_EQ(marks(), "...");

    playList({a, b, c}, "x.x");
    m.BitBtn8->Click();
    EXPECT_EQ(clipColour(), clBlue);
    EXPECT_EQ(marks(), "x..");
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(AnimClipboardTest, AHeldClipboardIsReportedAndTheFrameUnmarkedAllTheSame) {
    const std::string a = frame("1.bmp", clRed);
    playList({a}, "x");
    clip->SetHeldByOtherProgram(true);
    ModalSeam().QueueButton(IDOK);
    m.copybut->Click();
    ASSERT_FALSE(ModalSeam().Log().empty());
    EXPECT_EQ(ModalSeam().Log().back().text, "Clipboard Not Available");
    EXPECT_EQ(ModalSeam().Log().back().name, "Error");
    EXPECT_EQ(marks(), ".");
}

TEST_F(AnimClipboardTest, AnUnreadableFrameLeavesTheClipboardAsItWas) {
    const std::string broken = frames->file("b.bmp");
    writeFileReplacing(broken, std::string("BM?"));
    clip->PutTextFromOtherProgram("kept");
    playList({broken}, "x");
    ModalSeam().QueueButton(IDOK); // the error report
    Application->Guard([this] { m.copybut->Click(); });
    EXPECT_TRUE(clip->IsFormatAvailable(CF_TEXT));
    EXPECT_EQ(clip->EmptyCalls(), 0);
}

// ---- Folder memory ----

TEST_F(AnimManagerTest, FolderMemoryRemembersAndReturns) {
    m.SpeedButton3->Click(); // "M"
    EXPECT_EQ(bytesOf(folderMemoryFile()), "/\r\n" + frames->path().string() + "\r\n");
    EXPECT_TRUE(m.mrbut->Enabled());

    TestFolder elsewhere;
    m.DirectoryListBox1->SetDirectory(elsewhere.path().string());
    m.mrbut->Click();
    EXPECT_EQ(m.DirectoryListBox1->Directory(), frames->path().string());

    fs::remove(folderMemoryFile());
    m.mrbut->Click();
    EXPECT_FALSE(m.mrbut->Enabled());
}

TEST_F(AnimManagerTest, AnUnwritableProgramFolderIsReportedAndMrStillEnabled) {
    m.mrbut->SetEnabled(false);
    ModalSeam().QueueButton(IDOK);
    {
        ScopedWriteFaults unwritable({.createErrno = EACCES});
        m.SpeedButton3->Click();
    }
    ASSERT_FALSE(ModalSeam().Log().empty());
    EXPECT_EQ(ModalSeam().Log().back().text, "Unable to write to program launch directory");
    EXPECT_EQ(ModalSeam().Log().back().name, "Information");
    EXPECT_TRUE(m.mrbut->Enabled());
}

TEST_F(AnimManagerTest, AOneLineFolderMemoryIsARangeErrorNotARead) {
    writeFileReplacing(folderMemoryFile(), std::string("/\r\n"));
    const std::string here = m.DirectoryListBox1->Directory();
    EXPECT_THROW(m.mrbut->Click(), std::out_of_range);
    EXPECT_EQ(m.DirectoryListBox1->Directory(), here);
}

TEST_F(AnimManagerTest, ShowingRereadsTheFolderAndEnablesMrWhenRemembered) {
    m.mrbut->SetEnabled(false);
    writeFileReplacing(folderMemoryFile(), "/\r\n" + frames->path().string() + "\r\n");
    m.StatusBar1->SetSimpleText("File Not Found -x");
    frame("new.bmp", clRed);
    m.Show();
    EXPECT_TRUE(m.mrbut->Enabled());
    EXPECT_EQ(m.StatusBar1->SimpleText(), "");
    EXPECT_EQ(m.FileListBox1->Items().IndexOf("new.bmp"), 0);
}

TEST_F(AnimManagerTest, TheMainWindowsToolbarShowsTheManager) {
    Pbook1->SpeedButton53->Click();
    EXPECT_TRUE(m.Visible());
    EXPECT_EQ(m.Caption(), "Animation Manager");
}
