// The main window's page: start-up state, File > New, resizing, undo and redo, the shared
// conventions and the progress bar, driven through the real handlers with the modal seam.
#include "OrvantaFixture.h"

#include "MessageBox.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TProgressBar.h"
#include "TRadioGroup.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "TStatusBar.h"
#include "TTrackBar.h"
#include "TestClipboardSystem.h"
#include "Zoompic.h"
#include "imview.h"
#include "jpegop.h"
#include "newsizefrm1.h"
#include "resizefrm.h"

#include <fstream>

namespace {

class PbookTest : public OrvantaTest {};

void queueNewSize(int w, int h) {
    ModalSeam().QueueScript<Tnewsizefrm>([w, h](Tnewsizefrm& d) {
        d.SpinEdit1->SetValue(w);
        d.SpinEdit2->SetValue(h);
        d.SetModalResult(mrOk);
    });
}

void queueResize(int w, int h, int quality) {
    ModalSeam().QueueScript<TResizeForm>([w, h, quality](TResizeForm& d) {
        d.SpinEdit1->SetValue(w);
        d.SpinEdit2->SetValue(h);
        d.RadioGroup2->SetItemIndex(quality);
        d.SetModalResult(mrOk);
    });
}

constexpr int kBestQuality = 0, kSpeed = 1;

TEST_F(PbookTest, ScreenExactly480HighGivesA640x460WindowAtTheCorner) {
    struct Case {
        int screenHeight;
        TRect bounds;
    } cases[] = {
        {480, Bounds(0, 0, 640, 460)}, {600, Bounds(10, 43, 640, 480)}, {481, Bounds(10, 43, 640, 480)}};
    for (const Case& c : cases) {
        Screen->SetSize(640, c.screenHeight);
        Pbook1->dostart();
        EXPECT_EQ(Pbook1->BoundsRect(), c.bounds) << "screen height " << c.screenHeight;
    }
}

TEST_F(PbookTest, StatusLineShowsThePageSize) {
    loadPage(123, 45);
    Pbook1->FormResize(Pbook1);
    EXPECT_EQ(Pbook1->StatusBar1->SimpleText(), "   123x45");
}

TEST_F(PbookTest, InitpagesWaitsForPagesready) {
    Pbook1->pagesready = false;
    EXPECT_FALSE(Pbook1->initpages());
    Pbook1->pagesready = true;
    loadPage(30, 20);
    EXPECT_EQ(Pbook1->ptbox1->Width(), 30);
    EXPECT_EQ(Pbook1->Image2->Picture().Width(), 30);
    EXPECT_EQ(Pbook1->clpmap1->Picture().Width(), 1);
    EXPECT_EQ(Pbook1->zm1->Width(), 30);
}

TEST_F(PbookTest, NewPageSizesAreHeldBetween10And4000AndWhite) {
    struct Case {
        int w, h, ew, eh;
    } cases[] = {{0, 3, 10, 10}, {320, 240, 320, 240}, {4000, 4000, 4000, 4000}, {9, 4000, 10, 4000}};
    for (const Case& c : cases) {
        Pbook1->SetCaption("picture.bmp");
        page().SetPixel(0, 0, clBlack);
        queueNewSize(c.w, c.h);
        Pbook1->New1Click(Pbook1);
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
        EXPECT_EQ(page().Width(), c.ew);
        EXPECT_EQ(page().Height(), c.eh);
        EXPECT_EQ(Pbook1->ptbox1->Width(), c.ew);
        EXPECT_EQ(Pbook1->Caption(), "TEMP.BMP");
        EXPECT_EQ(page().GetPixel(0, 0), clWhite);
        EXPECT_EQ(page().GetPixel(c.ew - 1, c.eh - 1), clWhite);
        EXPECT_TRUE(Pbook1->zm1->Visible());
        EXPECT_TRUE(Pbook1->undoptb1->Enabled());
    }
}

TEST_F(PbookTest, NewPageTakesTheLineWidthAndTheFillColour) {
    Form3->SpinEdit1->SetValue(7);
    Form3->rightcolor = RGB(10, 20, 30);
    queueNewSize(50, 40);
    Pbook1->opeImNew();
    EXPECT_EQ(Form3->linewidth, 7);
    EXPECT_EQ(Pbook1->ptbox1->Canvas().Brush.Color, PALETTERGB(10, 20, 30));
    Form3->SpinEdit1->SetValue(1);
    Form3->linewidth = 1;
}

TEST_F(PbookTest, NewPageCancelledLeavesThePageAndHidesTheZoomView) {
    loadPage(60, 50);
    ModalSeam().QueueResult(mrCancel);
    Pbook1->opeImNew();
    EXPECT_EQ(page().Width(), 60);
    EXPECT_EQ(page().GetPixel(1, 1), clRed);
    EXPECT_FALSE(Pbook1->zm1->Visible());
}

TEST_F(PbookTest, NewPageOnAModifiedPageAsksFirst) {
    loadPage(60, 50);
    Pbook1->modified = true;
    Pbook1->SetCaption("C:\\pics\\flower.bmp");
    ModalSeam().QueueButton(IDCANCEL); // the save prompt; no size dialog follows
    Pbook1->opeImNew();
    EXPECT_EQ(page().Width(), 60);
    ASSERT_FALSE(ModalSeam().Log().empty());
    EXPECT_EQ(ModalSeam().Log().front().text, "Save changes to flower.bmp?");

    ModalSeam().QueueButton(IDNO);
    queueNewSize(20, 20);
    Pbook1->opeImNew();
    EXPECT_EQ(page().Width(), 20);
}

TEST(JpegShrinkRatio, PicksTheDecoderScalesOnly) {
    struct Case {
        int pw, ph, w, h, r;
    } cases[] = {
        {800, 600, 400, 300, 2}, {800, 600, 500, 400, 2}, {800, 600, 500, 300, 2},
        {800, 600, 700, 600, 0}, {800, 800, 100, 100, 8}, {800, 600, 300, 200, 0},
        {400, 300, 100, 100, 4}, {800, 600, 800, 600, 0}, {500, 500, 200, 200, 2}, // 2.5 rounds to the even 2
        {700, 700, 200, 200, 4},                                                   // 3.5 rounds to the even 4
    };
    for (const Case& c : cases)
        EXPECT_EQ(jpegshrinkratio(c.pw, c.ph, c.w, c.h), c.r)
            << c.pw << "x" << c.ph << " to " << c.w << "x" << c.h;
}

class PbookResizeTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        std::filesystem::create_directory(program().path() / "clpcache");
        std::filesystem::remove(temp());
        jpop1->TrackBar1->SetPosition(40);
        browserPicture.SetSize(33, 22);
        browserPicture.SetPixel(0, 0, clBlue);
        picform1->Image1->Picture().Assign(browserPicture);
        picform1->Scale->SetItemIndex(0);
    }
    static std::filesystem::path temp() { return program().path() / "clpcache" / "$TE$MP$.JPG"; }
    TBitmap browserPicture;
};

TEST_F(PbookResizeTest, BestQualityHalvesThroughTheJpegDecoder) {
    struct Case {
        int w, h;
    } cases[] = {{400, 300}, {500, 400}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
        std::filesystem::remove(temp());
        loadPage(800, 600);
        Pbook1->SetCaption("holiday.bmp");
        queueResize(c.w, c.h, kBestQuality);
        Pbook1->Resize1Click(Pbook1);
        EXPECT_TRUE(std::filesystem::exists(temp()));
        EXPECT_EQ(page().Width(), c.w);
        EXPECT_EQ(page().Height(), c.h);
        EXPECT_EQ(Pbook1->Caption(), "holiday.bmp");
        EXPECT_EQ(jpop1->TrackBar1->Position(), 100);
        // The browser got its own picture and scale back.
        EXPECT_TRUE(samePixels(picform1->Image1->Picture().Bitmap(), browserPicture));
        EXPECT_EQ(picform1->Scale->ItemIndex(), 0);
        jpop1->TrackBar1->SetPosition(40);
    }
}

TEST_F(PbookResizeTest, SpeedAndOtherRatiosStretch) {
    struct Case {
        int quality, w, h;
    } cases[] = {{kSpeed, 400, 300}, {kBestQuality, 700, 600}, {kBestQuality, 1600, 1200}, {kSpeed, 5, 3}};
    for (const Case& c : cases) {
        loadPage(800, 600, clBlack);
        queueResize(c.w, c.h, c.quality);
        Pbook1->Resize1Click(Pbook1);
        const int ew = std::max(c.w, 10), eh = std::max(c.h, 10);
        EXPECT_EQ(page().Width(), ew);
        EXPECT_EQ(page().Height(), eh);
        EXPECT_EQ(ResizeForm->SpinEdit1->Value(), ew);
        EXPECT_FALSE(std::filesystem::exists(temp()));
        EXPECT_EQ(jpop1->TrackBar1->Position(), 100);
        jpop1->TrackBar1->SetPosition(40);
    }
}

// Stripes two pixels wide survive a 1:2 decode as one-pixel stripes; a 1:4 decode would grey them
// out before the final stretch.
TEST_F(PbookResizeTest, BestQualityHalfSizeDecodesAtOneToTwo) {
    loadPage(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            page().SetPixel(x, y, (x / 2) % 2 ? clWhite : clBlack);
    queueResize(400, 300, kBestQuality);
    Pbook1->Resize1Click(Pbook1);
    ASSERT_EQ(page().Width(), 400);
    int sharp = 0;
    for (int x = 8; x < 392; ++x) {
        int a = int(page().GetPixel(x, 150) & 0xFF), b = int(page().GetPixel(x + 1, 150) & 0xFF);
        if (std::abs(a - b) > 128) ++sharp;
    }
    EXPECT_GT(sharp, 300) << "neighbouring columns stay black and white";
}

TEST_F(PbookResizeTest, BestQualityThatCannotWriteItsFileStretchesInstead) {
    loadPage(800, 600);
    Pbook1->tempdir1->SetText((program().path() / "no such folder").string() + "/");
    queueResize(400, 300, kBestQuality);
    Pbook1->Resize1Click(Pbook1);
    EXPECT_EQ(page().Width(), 400);
    EXPECT_EQ(page().Height(), 300);
    EXPECT_TRUE(samePixels(picform1->Image1->Picture().Bitmap(), browserPicture));
    EXPECT_EQ(picform1->Scale->ItemIndex(), 0);
    EXPECT_EQ(jpop1->TrackBar1->Position(), 100);
}

TEST_F(PbookResizeTest, CancelledResizeChangesNothing) {
    loadPage(80, 60);
    ModalSeam().QueueResult(mrCancel);
    Pbook1->Resize1Click(Pbook1);
    EXPECT_EQ(page().Width(), 80);
    EXPECT_EQ(jpop1->TrackBar1->Position(), 40);
}

TEST_F(PbookTest, UndoTwiceGivesTheSamePageAndRedoBringsTheChangeBack) {
    loadPage(40, 30, clRed); // the undo copy holds the red mark
    page().SetPixel(1, 1, clGreen);
    Pbook1->undoptb1Click(Pbook1);
    EXPECT_EQ(page().GetPixel(1, 1), clRed);
    EXPECT_TRUE(Pbook1->redoptb1->Enabled());
    Pbook1->redoptb1Click(Pbook1);
    EXPECT_EQ(page().GetPixel(1, 1), clGreen);
    EXPECT_FALSE(Pbook1->redoptb1->Enabled());
    EXPECT_TRUE(Pbook1->undoptb1->Enabled());

    Pbook1->undoptb1Click(Pbook1);
    EXPECT_TRUE(Pbook1->redoptb1->Enabled()) << "undo enables redo again after a redo";
    Pbook1->undoptb1Click(Pbook1);
    EXPECT_EQ(page().GetPixel(1, 1), clRed);
}

TEST_F(PbookTest, RedoBeforeAnyUndoKeepsThePage) {
    loadPage(40, 30, clRed);
    ASSERT_TRUE(Pbook1->redoptb1->Enabled()); // as laid out at every picture change
    Pbook1->redoptb1Click(Pbook1);
    EXPECT_EQ(page().Width(), 40);
    EXPECT_EQ(page().GetPixel(1, 1), clRed);
}

TEST_F(PbookTest, ClearitFillsWithTheFillColourAfterAnUndoCopy) {
    loadPage(20, 10, clRed);
    page().SetPixel(2, 2, clGreen);
    Form3->rightcolor = clYellow;
    Pbook1->clearit();
    EXPECT_TRUE(allPixels(page(), clYellow));
    EXPECT_EQ(Pbook1->Image2->Picture().Bitmap().GetPixel(2, 2), clGreen);
}

TEST_F(PbookTest, CutClearsThePageOnlyOnceItIsOnTheClipboard) {
    auto clipboard = std::make_shared<TestClipboardSystem>();
    SetClipboardSystem(clipboard);
    Form3->rightcolor = clYellow;

    loadPage(20, 10, clRed);
    Pbook1->Cut1Click(Pbook1);
    EXPECT_TRUE(allPixels(page(), clYellow));
    TBitmap copied;
    ASSERT_TRUE(clipboard->GetBitmap(copied));
    EXPECT_EQ(copied.GetPixel(1, 1), clRed);

    clipboard->SetHeldByOtherProgram(true);
    loadPage(20, 10, clRed);
    ModalSeam().QueueButton(IDOK);
    Pbook1->Cut1Click(Pbook1);
    EXPECT_EQ(page().GetPixel(1, 1), clRed);
    EXPECT_EQ(page().GetPixel(5, 5), clWhite);
    ASSERT_FALSE(ModalSeam().Log().empty());
    EXPECT_EQ(ModalSeam().Log().back().text, "Clipboard Unavailable.");
    SetClipboardSystem(nullptr);
}

TEST_F(PbookTest, DonepvEndsThePreview) {
    loadPage(20, 10);
    Pbook1->mask1->Picture().Bitmap().SetSize(5, 5);
    Pbook1->morfimage1->Picture().Bitmap().SetSize(5, 5);
    page().SetPixel(3, 3, clBlue);
    Form3->toolcode = 104;
    Pbook1->shpmov->Show();
    Pbook1->donepv();
    EXPECT_EQ(Form3->toolcode, 0);
    EXPECT_FALSE(Pbook1->shpmov->Visible());
    EXPECT_EQ(Pbook1->shpmov->Brush().Style, bsClear);
    EXPECT_TRUE(Pbook1->mask1->Picture().Empty());
    EXPECT_TRUE(Pbook1->clpmap1->Picture().Empty());
    EXPECT_TRUE(Pbook1->morfimage1->Picture().Empty());
    EXPECT_EQ(Pbook1->Image2->Picture().Bitmap().GetPixel(3, 3), clBlue);
}

TEST_F(PbookTest, DonilShrinksAPictureTo10x10) {
    Pbook1->dragimage1->Picture().Bitmap().SetSize(800, 600);
    Pbook1->donil(Pbook1->dragimage1);
    EXPECT_EQ(Pbook1->dragimage1->Picture().Width(), 10);
    EXPECT_EQ(Pbook1->dragimage1->Picture().Height(), 10);
}

TEST_F(PbookTest, ClosingAModifiedPageAndCancellingKeepsTheProgramButWritesTheColours) {
    const auto colours = program().path() / "bin" / "pal.clrs";
    std::filesystem::remove(colours);
    Pbook1->modified = true;
    ModalSeam().QueueButton(IDCANCEL);
    TCloseAction action = caHide;
    Pbook1->FormClose(Pbook1, action);
    EXPECT_EQ(action, caNone);
    EXPECT_TRUE(std::filesystem::exists(colours));
    EXPECT_FALSE(Application->Terminated());

    ModalSeam().QueueButton(IDNO);
    action = caHide;
    Pbook1->FormClose(Pbook1, action);
    EXPECT_EQ(action, caHide);
}

TEST_F(PbookTest, ColourSetRoundTripsAndShortSetsAreIgnored) {
    const std::string file = program().file("bin/mine.clrs");
    for (int i = 0; i < 16; ++i)
        Pbook1->barcolors[size_t(i)] = TColor(i * 1000);
    Pbook1->savecolors(file);
    Pbook1->barcolors.fill(clWhite);
    Pbook1->loadcolors(file);
    EXPECT_EQ(Pbook1->barcolors[15], TColor(15000));

    const struct {
        int lines;
        const char* first;
        bool used;
    } cases[] = {{15, "7", false}, {16, "7", true}, {20, "7", true}, {16, "seven", false}};
    for (const auto& c : cases) {
        {
            std::ofstream out(file, std::ios::binary);
            out << c.first << "\r\n";
            for (int i = 1; i < c.lines; ++i)
                out << i << "\r\n";
        }
        Pbook1->barcolors.fill(clWhite);
        Pbook1->loadcolors(file);
        EXPECT_EQ(Pbook1->barcolors[0], c.used ? TColor(7) : clWhite) << c.lines << " lines";
    }
}

TEST_F(PbookTest, ProgressPassStepsTheBarAndPutsItAway) {
    TProgressBar* bar = Pbook1->bg1;
    int highest = 0;
    bool shownDuring = false;
    {
        TProgressPass pass(Pbook1->progress(), 1000, 1);
        for (int i = 0; i < 1000; ++i) {
            pass.Row(i);
            shownDuring = shownDuring || bar->Visible();
            highest = std::max(highest, bar->Position());
        }
    }
    EXPECT_TRUE(shownDuring);
    EXPECT_EQ(highest, 100); // started at 1, 99 steps
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_FALSE(bar->Visible());

    try {
        TProgressPass pass(Pbook1->progress(), 10);
        throw std::runtime_error("pass failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(bar->Visible());
}

} // namespace
