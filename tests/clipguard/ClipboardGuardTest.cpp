// The clipboard guard and its notice over an in-memory clipboard that another program can hold.
#include "ClipboardGuard.h"
#include "Application.h"
#include "Clipboard.h"
#include "Clpfrm.h"
#include "MessageBox.h"
#include "ModalTesting.h"
#include "Pixels.h"
#include "Screen.h"
#include "TestClipboardSystem.h"
#include "WindowAlone.h"
#include "mydialog.h"

#include <gtest/gtest.h>

namespace {

TBitmap picture(int w, int h, TColor c) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, (x + y) % 2 ? c : clBlack);
    return b;
}

class ClipboardGuardTest : public TModalTest {
protected:
    static void SetUpTestSuite() {
        plainMainForm();
        makeDialog(mydialog1);
        makeDialog(clpform1);
    }
    static void TearDownTestSuite() { SetClipboardSystem(nullptr); }
    void SetUp() override {
        TModalTest::SetUp();
        board = std::make_shared<TestClipboardSystem>();
        SetClipboardSystem(board);
        clpform1->Hide();
        clpform1->Label1->SetCaption("");
    }
    std::string clipText() {
        std::string t;
        board->GetText(t);
        return t;
    }
    // Expects the report of `kind` to come up during `run`.
    void expectReport(TClipReport kind, const std::function<void()>& run) {
        const TClipReportEntry& e = ClipReportEntry(kind);
        std::string shownLine;
        if (e.way == waySystemBox) ModalSeam().QueueButton(IDOK);
        if (e.way == wayMbox)
            ModalSeam().QueueScript<Tmydialog1>([&](Tmydialog1& d) {
                shownLine = d.l1->Caption();
                d.b1->Click();
            });
        size_t logged = ModalSeam().Log().size();
        run();
        switch (e.way) {
        case wayNotice:
            EXPECT_TRUE(clpform1->Visible());
            EXPECT_EQ(clpform1->Label1->Caption(), e.text);
            EXPECT_EQ(ModalSeam().Log().size(), logged) << "the notice never waits";
            break;
        case waySystemBox:
            ASSERT_EQ(ModalSeam().Log().size(), logged + 1);
            EXPECT_EQ(ModalSeam().Log().back().kind, TModalKind::MessageBox);
            EXPECT_EQ(ModalSeam().Log().back().text, e.text);
            EXPECT_EQ(ModalSeam().Log().back().name, e.caption);
            EXPECT_FALSE(clpform1->Visible());
            break;
        case wayMbox:
            EXPECT_EQ(shownLine, e.text);
            EXPECT_FALSE(clpform1->Visible());
            break;
        }
    }
    std::shared_ptr<TestClipboardSystem> board;
};

TEST_F(ClipboardGuardTest, ReportTableHoldsEachCallersWords) {
    struct Row {
        TClipReport kind;
        TClipReportWay way;
        const char* text;
        const char* caption;
    };
    const Row rows[] = {
        {reportNoticeNotAvailableOrEmpty, wayNotice, "Clipboard Not Available or Empty", ""},
        {reportBoxUnavailableClipboardError, waySystemBox, "Clipboard Unavailable.", "Clipboard Error"},
        {reportBoxNotAvailableError, waySystemBox, "Clipboard Not Available", "Error"},
        {reportBoxNotavailableError, waySystemBox, "Clipboard not available", "Error"},
        {reportMboxNotAvailable, wayMbox, "Clipboard Not Available", ""},
        {reportMboxNotavailable, wayMbox, "Clipboard not available", ""},
    };
    for (const Row& r : rows) {
        const TClipReportEntry& e = ClipReportEntry(r.kind);
        EXPECT_EQ(e.way, r.way) << r.text;
        EXPECT_STREQ(e.text, r.text);
        EXPECT_STREQ(e.caption, r.caption);
    }
}

TEST_F(ClipboardGuardTest, WriteReplacesTextWithTheBitmapAfterThePreparation) {
    board->PutTextFromOtherProgram("some words");
    TBitmap b = picture(9, 7, clRed);
    bool prepared = false;
    EXPECT_TRUE(ClipboardGuardWrite(b, reportNoticeNotAvailableOrEmpty, [&] {
        prepared = true;
        TBitmap none;
        EXPECT_FALSE(board->GetBitmap(none)) << "the preparation runs before the transfer";
    }));
    EXPECT_TRUE(prepared);
    EXPECT_FALSE(board->IsFormatAvailable(CF_TEXT));
    TBitmap got;
    ASSERT_TRUE(board->GetBitmap(got));
    EXPECT_TRUE(samePixels(got, b));
    EXPECT_FALSE(board->IsOpen());
    EXPECT_EQ(Clipboard()->OpenCount(), 0);
    EXPECT_FALSE(clpform1->Visible());
}

TEST_F(ClipboardGuardTest, WriteOfAPaletteBitmapOffersItsPalette) {
    TBitmap b(4, 4, pf8bit);
    std::vector<PALETTEENTRY> entries(256);
    entries[3] = {10, 20, 30, 0};
    b.SetPalette(CreatePalette(entries));
    EXPECT_TRUE(ClipboardGuardWrite(b, reportNoticeNotAvailableOrEmpty));
    HPALETTE pal;
    ASSERT_TRUE(board->GetPalette(pal));
    EXPECT_EQ(pal->entries[3].peGreen, 20);
}

TEST_F(ClipboardGuardTest, WriteToAnEmptyClipboardWorks) {
    TBitmap b = picture(3, 3, clBlue);
    EXPECT_TRUE(ClipboardGuardWrite(b, reportBoxUnavailableClipboardError));
    TBitmap got;
    ASSERT_TRUE(board->GetBitmap(got));
    EXPECT_TRUE(samePixels(got, b));
}

TEST_F(ClipboardGuardTest, ClipboardHeldByAnotherProgramGivesTheCallersReportAndStaysAsItWas) {
    for (TClipReport kind :
         {reportNoticeNotAvailableOrEmpty, reportBoxUnavailableClipboardError, reportBoxNotAvailableError,
          reportBoxNotavailableError, reportMboxNotAvailable, reportMboxNotavailable}) {
        SCOPED_TRACE(ClipReportEntry(kind).text);
        clpform1->Hide();
        board->SetHeldByOtherProgram(false);
        board->PutTextFromOtherProgram("theirs");
        board->SetHeldByOtherProgram(true);
        bool prepared = false;
        expectReport(kind, [&] {
            EXPECT_FALSE(ClipboardGuardWrite(picture(5, 5, clRed), kind, [&] { prepared = true; }));
        });
        EXPECT_FALSE(prepared);
        EXPECT_EQ(clipText(), "theirs");
        EXPECT_FALSE(board->IsFormatAvailable(CF_BITMAP));
        EXPECT_EQ(Clipboard()->OpenCount(), 0);
    }
}

// A bitmap left on the clipboard passes both tests of the guard; the write must still not be
// taken for done while another program holds the clipboard.
TEST_F(ClipboardGuardTest, HeldClipboardWithAnOldBitmapIsReportedNotSilentlyKept) {
    TBitmap old = picture(4, 4, clGreen);
    ASSERT_TRUE(ClipboardGuardWrite(old, reportNoticeNotAvailableOrEmpty));
    board->SetHeldByOtherProgram(true);
    bool prepared = false;
    expectReport(reportNoticeNotAvailableOrEmpty, [&] {
        EXPECT_FALSE(ClipboardGuardWrite(picture(6, 6, clRed), reportNoticeNotAvailableOrEmpty,
                                         [&] { prepared = true; }));
    });
    EXPECT_FALSE(prepared);
    TBitmap got;
    ASSERT_TRUE(board->GetBitmap(got));
    EXPECT_TRUE(samePixels(got, old));
}

// Pasting with only text on the clipboard used to empty it and leave a bitmap announced with no
// data: a reader now only looks.
TEST_F(ClipboardGuardTest, ReadWithTextOnTheClipboardReportsAndKeepsTheText) {
    board->PutTextFromOtherProgram("keep me");
    expectReport(reportNoticeNotAvailableOrEmpty,
                 [] { EXPECT_FALSE(ClipboardGuardRead(reportNoticeNotAvailableOrEmpty)); });
    EXPECT_EQ(clipText(), "keep me");
    EXPECT_FALSE(board->IsFormatAvailable(CF_BITMAP));
    EXPECT_EQ(board->EmptyCalls(), 0);
}

TEST_F(ClipboardGuardTest, ReadOfAnEmptyClipboardGivesTheReadersReport) {
    for (TClipReport kind :
         {reportNoticeNotAvailableOrEmpty, reportBoxNotavailableError, reportMboxNotavailable}) {
        SCOPED_TRACE(ClipReportEntry(kind).text);
        clpform1->Hide();
        expectReport(kind, [&] { EXPECT_FALSE(ClipboardGuardRead(kind)); });
        EXPECT_FALSE(board->IsFormatAvailable(CF_BITMAP)) << "no empty announcement is left behind";
        EXPECT_EQ(board->EmptyCalls(), 0);
    }
}

TEST_F(ClipboardGuardTest, ReadWithABitmapPassesQuietly) {
    TBitmap b = picture(5, 2, clRed);
    ASSERT_TRUE(ClipboardGuardWrite(b, reportNoticeNotAvailableOrEmpty));
    EXPECT_TRUE(ClipboardGuardRead(reportNoticeNotAvailableOrEmpty));
    EXPECT_FALSE(clpform1->Visible());
    TBitmap got;
    Clipboard()->GetBitmap(got);
    EXPECT_TRUE(samePixels(got, b));
}

TEST_F(ClipboardGuardTest, NoticeDesign) {
    Tclpform1 fresh;
    EXPECT_EQ(fresh.Caption(), "Clipboard unavailable");
    EXPECT_EQ(fresh.Left(), 220);
    EXPECT_EQ(fresh.Top(), 399);
    EXPECT_EQ(fresh.Width(), 398);
    EXPECT_EQ(fresh.Height(), 121);
    EXPECT_EQ(fresh.Label1->Caption(), "Clipboard in use or Clipboard Format Not availilable");
    EXPECT_EQ(fresh.Label1->Left(), 16);
    EXPECT_EQ(fresh.Label1->Top(), 16);
    EXPECT_GE(fresh.Label1->Width(), 300); // sized to its text
    EXPECT_EQ(fresh.Label1->Font().Height, -16);
    EXPECT_EQ(fresh.BitBtn1->Caption(), "Close");
    EXPECT_TRUE(fresh.BitBtn1->Default());
    EXPECT_EQ(fresh.BitBtn1->ModalResult(), mrOk);
    EXPECT_EQ(fresh.BitBtn2->Caption(), "Try and Free it");
}

TEST_F(ClipboardGuardTest, CloseHidesTheNotice) {
    clpform1->Show();
    clpform1->BitBtn1->Click();
    EXPECT_FALSE(clpform1->Visible());
}

// A handler that left the clipboard open keeps it from every other program; "Try and Free it"
// lets go of it, empties it and starts the clipboard access afresh.
TEST_F(ClipboardGuardTest, TryAndFreeItReleasesAStuckClipboardAndACopyWorksAfter) {
    board->PutTextFromOtherProgram("stale");
    TClipboard* stuck = Clipboard();
    ASSERT_TRUE(stuck->Open());
    ASSERT_TRUE(board->IsOpen());

    clpform1->Show();
    clpform1->BitBtn2->Click();
    EXPECT_FALSE(board->IsOpen());
    EXPECT_FALSE(board->IsFormatAvailable(CF_TEXT));
    EXPECT_EQ(Clipboard()->OpenCount(), 0);
    EXPECT_TRUE(clpform1->Visible()) << "the notice stays open";

    TBitmap b = picture(6, 3, clRed);
    EXPECT_TRUE(ClipboardGuardWrite(b, reportNoticeNotAvailableOrEmpty));
    EXPECT_FALSE(board->IsOpen());
    EXPECT_TRUE(ClipboardGuardRead(reportNoticeNotAvailableOrEmpty));
    TBitmap got;
    Clipboard()->GetBitmap(got);
    EXPECT_TRUE(samePixels(got, b));
}

TEST_F(ClipboardGuardTest, TryAndFreeItOnAnIdleClipboardOnlyEmptiesIt) {
    board->PutTextFromOtherProgram("words");
    clpform1->BitBtn2->Click();
    EXPECT_FALSE(board->IsFormatAvailable(CF_TEXT));
    EXPECT_FALSE(board->IsOpen());
    EXPECT_EQ(Clipboard()->OpenCount(), 0);
}

// "Try and Free it" pressed while a writer's preparation pumps messages must not pull the access
// object from under the writer.
TEST_F(ClipboardGuardTest, FreeingDuringThePreparationStillWrites) {
    TBitmap b = picture(4, 4, clRed);
    EXPECT_TRUE(ClipboardGuardWrite(b, reportNoticeNotAvailableOrEmpty, [] { clpform1->BitBtn2->Click(); }));
    TBitmap got;
    ASSERT_TRUE(board->GetBitmap(got));
    EXPECT_TRUE(samePixels(got, b));
    EXPECT_FALSE(board->IsOpen());
}

} // namespace
