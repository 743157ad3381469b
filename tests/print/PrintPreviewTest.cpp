// The print previewer in the started program: fitting the page, the sheet layout, the fax pass
// in the window (gauge, stop, closing and refilling under it), Copy, and printing to a recorder
// and to a PDF file.
#include "Application.h"
#include "Clipboard.h"
#include "FileIO.h"
#include "Menus.h"
#include "MessageBox.h"
#include "ModalTesting.h"
#include "OrvantaProgram.h"
#include "Pbook.h"
#include "Printer.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TestClipboardSystem.h"
#include "TestFolder.h"
#include "prnfrm.h"

#include <QImage>
#include <QRect>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

// Keeps what a page would have been given.
class RecordingPrinter : public TPrintTarget {
public:
    explicit RecordingPrinter(int ppi) : ppi_(ppi) {}
    int Resolution() const override { return ppi_; }
    std::string PrintPage(const QImage& image, const QRect& target) override {
        ++pages;
        this->image = image;
        this->target = target;
        return {};
    }
    int pages = 0;
    QImage image;
    QRect target;

private:
    int ppi_;
};

class PrintPreviewTest : public TModalTest {
protected:
    static void SetUpTestSuite() {
        folder = new TestFolder();
        std::filesystem::create_directory(folder->path() / "bin");
        ProgramFolder::SetRoot(folder->path());
        Screen->SetSize(1024, 768);
        if (!Pbook1) StartOrvanta();
    }
    static void TearDownTestSuite() { SetClipboardSystem(nullptr); }
    void SetUp() override {
        TModalTest::SetUp();
        f = Prinfrm;
        f->landscape->SetChecked(false);
        f->ComboBox2->SetItemIndex(0);
        f->onPassRow = nullptr;
        Printer()->SetTarget(nullptr);
        Printer()->SetPdfFile("");
        Printer()->SetOrientation(poPortrait);
    }
    void TearDown() override {
        f->onPassRow = nullptr;
        if (f->Visible()) f->Close();
        Printer()->SetTarget(nullptr);
        Printer()->SetPdfFile("");
        Printer()->SetOrientation(poPortrait);
        TModalTest::TearDown();
    }
    // A page of w x h in colour bands, filled into the previewer.
    static TBitmap page(int w, int h) {
        TBitmap b(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                b.SetPixel(x, y, RGB((x * 7) & 255, (y * 3) & 255, (x + y) & 255));
        return b;
    }
    void fill(int w, int h) { f->fillFrom(page(w, h)); }
    int H() const { return f->Panel2->Height(); }
    static inline TestFolder* folder = nullptr;
    TPrinfrm* f = nullptr;
};

TEST_F(PrintPreviewTest, FillingFitsThePageByEqualStepsAndShowsItAtHalfSize) {
    struct Row {
        int w, h;
        int sizenum;
        int shownW, shownH;
    };
    const Row rows[] = {
        {640, 480, 0, 320, 240},         // fits as it is
        {1000, 800, -350, 325, 225},     // 650 x 450 after 350 steps
        {4000, 20, -10, 1995, 5},        // stops once the height is 10
        {4000, 4000, -1000, 1500, 1500}, // at most 1000 steps
    };
    for (const Row& r : rows) {
        fill(r.w, r.h);
        EXPECT_TRUE(f->Visible());
        EXPECT_EQ(f->sizenum->Value(), r.sizenum) << r.w << "x" << r.h;
        EXPECT_EQ(f->Image1->Width(), r.shownW) << r.w << "x" << r.h;
        EXPECT_EQ(f->Image1->Height(), r.shownH) << r.w << "x" << r.h;
        EXPECT_EQ(f->Image1->Left(), 50);
        EXPECT_EQ(f->Image1->Top(), 50 + H());
        EXPECT_EQ(f->Left(), 0);
        EXPECT_EQ(f->Top(), 0);
        EXPECT_EQ(f->BorderStyle(), bsSizeable);
    }
    fill(827, 600);
    EXPECT_EQ(f->pgwid->Value(), 827) << "the fax sheet";
    fill(828, 600);
    EXPECT_EQ(f->pgwid->Value(), 850);
    EXPECT_EQ(f->pghit->Value(), 1100);
}

TEST_F(PrintPreviewTest, MainWindowsButtonAndMenuItemFillThePreviewerFromThePage) {
    Pbook1->ptbox1->Picture().Assign(page(640, 480));
    Pbook1->initpages();
    Pbook1->SpeedButton50->Click();
    EXPECT_TRUE(f->Visible());
    EXPECT_EQ(f->pwid->Value(), 640);
    EXPECT_EQ(f->Image1->Picture().Bitmap().GetPixel(9, 9), page(640, 480).GetPixel(9, 9));
    f->BitBtn1->Click();
    EXPECT_FALSE(f->Visible());
    EXPECT_EQ(f->Image1->Picture().Width(), 10) << "closing lets the copy go";
    Pbook1->PrintOptions1->Click();
    EXPECT_TRUE(f->Visible());
    EXPECT_EQ(f->phit->Value(), 480);
    f->SpeedButton2->Click();
    EXPECT_TRUE(Pbook1->Visible());
}

TEST_F(PrintPreviewTest, SheetAndWindowFollowOrientationAndZoom) {
    fill(640, 480);
    struct Row {
        bool across, zoomed;
        int sheetW, sheetH, winW, winH;
    };
    const Row rows[] = {
        {false, true, 850, 1100, 870, 1100 + 65 + 30},
        {false, false, 425, 550, 445, 65 + 580},
        {true, true, 1100, 850, 1120, 850 + 65 + 30},
        {true, false, 550, 425, 570, 65 + 455},
    };
    for (const Row& r : rows) {
        f->landscape->SetChecked(r.across);
        f->zoom->SetChecked(r.zoomed);
        EXPECT_EQ(f->Shape1->Width(), r.sheetW);
        EXPECT_EQ(f->Shape1->Height(), r.sheetH);
        EXPECT_EQ(f->Shape1->Top(), H());
        EXPECT_EQ(f->Width(), r.winW);
        EXPECT_EQ(f->Height(), r.winH);
    }
    // Zoomed: full size at the margins below the tool bar.
    f->zoom->SetChecked(true);
    EXPECT_EQ(f->Image1->BoundsRect(), Bounds(100, 100 + H(), 640, 480));

    // "FAX" keeps the orientation; "Letter" goes back to portrait.
    f->ComboBox2->SetItemIndex(1);
    f->ComboBox2Click(f->ComboBox2);
    EXPECT_EQ(f->Width(), 1100 + 20);
    EXPECT_EQ(f->Height(), 827 + H() + 30);
    f->ComboBox2->SetItemIndex(0);
    f->ComboBox2Click(f->ComboBox2);
    EXPECT_FALSE(f->landscape->Checked());
    EXPECT_EQ(f->Width(), 850 + 20);
}

TEST_F(PrintPreviewTest, LandscapeWindowIsTheLongSideWhicheverControlZooms) {
    for (int control = 0; control < 2; ++control) {
        fill(640, 480);
        f->ComboBox2->SetItemIndex(2);
        f->ComboBox2Click(f->ComboBox2);
        ASSERT_FALSE(f->zoom->Checked());
        if (control == 0) {
            f->SpeedButton3->Click();
            EXPECT_TRUE(f->SpeedButton3->Flat());
        } else {
            f->Image1->Click();
        }
        EXPECT_TRUE(f->zoom->Checked());
        EXPECT_EQ(f->Width(), f->pghit->Value() + 20) << control;
    }
}

TEST_F(PrintPreviewTest, MarginsAndSizeAtHalfView) {
    fill(640, 480);
    f->SpinEdit1->SetValue(0);
    f->SpinEdit2->SetValue(0);
    EXPECT_EQ(f->Image1->Top(), H());
    EXPECT_EQ(f->Image1->Left(), 0);
    f->SpinEdit1->SetValue(101);
    f->SpinEdit2->SetValue(101);
    EXPECT_EQ(f->Image1->Top(), 50 + H());
    EXPECT_EQ(f->Image1->Left(), 50);
    // The size spin alone rounds the halves to even; placing again truncates them.
    f->sizenum->SetValue(3); // 643 / 2 and 483 / 2
    EXPECT_EQ(f->Image1->Width(), 322);
    EXPECT_EQ(f->Image1->Height(), 242);
    f->sizenum->SetValue(1); // 641 / 2 = 320.5 goes to 320
    EXPECT_EQ(f->Image1->Width(), 320);
    f->sizenum->SetValue(3);
    f->zoomit();
    EXPECT_EQ(f->Image1->Width(), 321);
    // "Normal" undoes the size.
    f->BitBtn5->Click();
    EXPECT_EQ(f->sizenum->Value(), 0);
    EXPECT_EQ(f->Image1->Width(), 320);
    // Driven below nothing, the picture is empty, never negative.
    f->zoom->SetChecked(true);
    f->sizenum->SetValue(-700);
    EXPECT_EQ(f->Image1->Width(), 0);
    EXPECT_EQ(f->Image1->Height(), 0);
    f->ComboBox1->SetItemIndex(0);
    f->ComboBox1Click(f->ComboBox1); // nothing to dither
    EXPECT_TRUE(f->Image1->Visible());
}

TEST_F(PrintPreviewTest, StretchFillsTheClientAndBack) {
    fill(640, 480);
    f->SpeedButton4->Click();
    EXPECT_EQ(f->Image1->Align(), alClient);
    EXPECT_FALSE(f->sizenum->Enabled());
    EXPECT_FALSE(f->Panel1->Visible());
    EXPECT_TRUE(f->SpeedButton4->Flat());
    f->SpeedButton4->Click();
    EXPECT_EQ(f->Image1->Align(), alNone);
    EXPECT_TRUE(f->sizenum->Enabled());
    EXPECT_TRUE(f->Panel1->Visible());
    EXPECT_EQ(f->Image1->Width(), 320);
}

TEST_F(PrintPreviewTest, FaxPrepDithersTheFullSizePictureWithTheGauge) {
    fill(300, 200);
    f->sizenum->SetValue(-20);
    std::vector<int> rows;
    std::set<int> gauge;
    f->onPassRow = [&](int y) {
        rows.push_back(y);
        gauge.insert(f->Gauge1->Progress());
        EXPECT_TRUE(f->Gauge1->Visible());
        EXPECT_TRUE(f->sbut->Visible());
        EXPECT_FALSE(f->Image1->Visible());
        EXPECT_EQ(Screen->Cursor(), crHourGlass);
    };
    f->ComboBox1->SetItemIndex(1);
    f->ComboBox1Click(f->ComboBox1);
    EXPECT_TRUE(f->zoom->Checked());
    const TBitmap& b = f->Image1->Picture().Bitmap();
    // The stretched copy of the control's size, all black and white.
    ASSERT_EQ(b.Width(), 280);
    ASSERT_EQ(b.Height(), 180);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            TColor c = b.GetPixel(x, y);
            ASSERT_TRUE(c == clBlack || c == clWhite) << x << "," << y;
        }
    EXPECT_EQ(rows.size(), 180u);
    EXPECT_GE(gauge.size(), 90u) << "one step a hundredth of the rows";
    EXPECT_FALSE(f->Gauge1->Visible());
    EXPECT_FALSE(f->sbut->Visible());
    EXPECT_TRUE(f->Image1->Visible());
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(PrintPreviewTest, StopAndClosingEndThePassAndASecondPassIsNotTaken) {
    fill(200, 100);
    int seen = 0;
    f->onPassRow = [&](int y) {
        ++seen;
        if (y == 3) {
            f->ComboBox1Click(f->ComboBox1); // ignored while the pass runs
            f->sbut->Click();
        }
    };
    f->ComboBox1->SetItemIndex(0);
    f->ComboBox1Click(f->ComboBox1);
    EXPECT_EQ(seen, 4) << "row 3 finished, then the pass stopped";

    // Closed at row 5: the picture shrinks to 10 x 10 under the pass, which ends there.
    fill(200, 100);
    f->onPassRow = [&](int y) {
        if (y == 5) f->Close();
    };
    f->ComboBox1Click(f->ComboBox1);
    EXPECT_FALSE(f->Visible());
    EXPECT_EQ(f->Image1->Picture().Width(), 10);
    EXPECT_EQ(f->sizenum->Value(), 0);
    EXPECT_FALSE(f->passRunning());

    // Refilled at row 5: the new page is left as it came.
    fill(200, 100);
    TBitmap fresh = page(120, 90);
    f->onPassRow = [&](int y) {
        if (y == 5) f->fillFrom(fresh);
    };
    f->ComboBox1Click(f->ComboBox1);
    EXPECT_EQ(f->Image1->Picture().Width(), 120);
    EXPECT_EQ(f->Image1->Picture().Bitmap().GetPixel(7, 9), fresh.GetPixel(7, 9));
}

TEST_F(PrintPreviewTest, CopyGoesToTheClipboardOrSaysItIsUnavailable) {
    auto board = std::make_shared<TestClipboardSystem>();
    SetClipboardSystem(board);
    fill(64, 48);
    f->SpeedButton1->Click();
    TBitmap got;
    ASSERT_TRUE(board->GetBitmap(got));
    EXPECT_EQ(got.Width(), 64);
    EXPECT_EQ(got.GetPixel(5, 5), page(64, 48).GetPixel(5, 5));

    board = std::make_shared<TestClipboardSystem>();
    SetClipboardSystem(board);
    board->SetHeldByOtherProgram(true);
    ModalSeam().QueueButton(IDOK);
    f->SpeedButton1->Click();
    ASSERT_FALSE(ModalSeam().Log().empty());
    EXPECT_EQ(ModalSeam().Log().back().text, "Clipboard Unavailable.");
    EXPECT_FALSE(board->GetBitmap(got));
    EXPECT_EQ(f->Image1->Picture().Width(), 64) << "the preview is unchanged";
    SetClipboardSystem(nullptr);
}

TEST_F(PrintPreviewTest, PrintScalesTheSheetByPrinterPixelsPerInchAndCloses) {
    auto recorder = std::make_shared<RecordingPrinter>(600);
    Printer()->SetTarget(recorder);
    fill(640, 480);
    ModalSeam().QueueCancel();
    f->BitBtn4->Click();
    EXPECT_FALSE(f->Visible()) << "a cancelled print still closes";
    EXPECT_EQ(recorder->pages, 0);

    fill(640, 480);
    ModalSeam().QueueButton(IDOK);
    f->BitBtn4->Click();
    EXPECT_FALSE(f->Visible());
    ASSERT_EQ(recorder->pages, 1);
    // The whole sheet, though taller than the screen, at 600 / 96.
    EXPECT_EQ(recorder->image.size(), QSize(850, 1100));
    EXPECT_EQ(recorder->target, QRect(0, 0, 5313, 6875));
    // The picture full size at the margins, no tool bar above it.
    const TBitmap p = page(640, 480);
    EXPECT_EQ(recorder->image.pixel(100, 100) & 0xFFFFFF, QRgb(TBitmap::ToWord(p.GetPixel(0, 0)) & 0xFFFFFF));
    EXPECT_EQ(recorder->image.pixel(100 + 639, 100 + 479) & 0xFFFFFF,
              QRgb(TBitmap::ToWord(p.GetPixel(639, 479)) & 0xFFFFFF));
    EXPECT_EQ(recorder->image.pixel(100 + 645, 300) & 0xFFFFFF, 0xFFFFFFu) << "the white sheet";
}

// Poppler renders the PDF page at screen resolution, where each picture pixel is one pixel again.
// (Its cairo renderer: pdftoppm's own resamples pictures even at one to one.)
QImage renderPdf(const std::filesystem::path& pdf) {
    std::filesystem::path out = pdf.parent_path() / "page";
    std::string cmd = "pdftocairo -r 96 -png -singlefile '" + pdf.string() + "' '" + out.string() + "'";
    if (std::system(cmd.c_str()) != 0) return {};
    return QImage(QString::fromStdString(out.string() + ".png"));
}

TEST_F(PrintPreviewTest, PrintToPdfGivesOnePageOfTheSheetAndSetUpReachesIt) {
    if (std::system("command -v pdftocairo >/dev/null 2>&1") != 0) GTEST_SKIP() << "poppler-utils missing";
    TestFolder dir;
    std::filesystem::path pdf = dir.path() / "sheet.pdf";
    fill(300, 200);
    f->ComboBox1->SetItemIndex(0);
    f->ComboBox1Click(f->ComboBox1);
    ModalSeam().QueueFileName(pdf.string());
    f->BitBtn4->Click();
    EXPECT_FALSE(f->Visible());
    ASSERT_TRUE(std::filesystem::exists(pdf));
    QImage shot = renderPdf(pdf);
    ASSERT_FALSE(shot.isNull());
    EXPECT_LT(shot.width(), shot.height()) << "portrait";
    // The dithered picture at the margins, exactly black and white.
    int black = 0;
    for (int y = 100; y < 300; ++y)
        for (int x = 100; x < 400; ++x) {
            QRgb c = shot.pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(c == 0 || c == 0xFFFFFF) << x << "," << y;
            black += c == 0;
        }
    EXPECT_GT(black, 1000);
    EXPECT_EQ(shot.pixel(50, 50) & 0xFFFFFF, 0xFFFFFFu);

    // "Print Setup" turns the one printer's page; the next print is landscape.
    fill(300, 200);
    ModalSeam().QueuePrinter([](TPrinter& p) { p.SetOrientation(poLandscape); });
    f->BitBtn3->Click();
    ModalSeam().QueueFileName(pdf.string());
    f->BitBtn4->Click();
    QImage across = renderPdf(pdf);
    ASSERT_FALSE(across.isNull());
    EXPECT_GT(across.width(), across.height());

    // A file that cannot be written: the print fails aloud, the old file stays, the window closes.
    auto before = std::filesystem::file_size(pdf);
    fill(300, 200);
    {
        WriteFaults faults;
        faults.createErrno = 13; // EACCES
        ScopedWriteFaults failing(faults);
        ModalSeam().QueueFileName(pdf.string());
        EXPECT_THROW(f->BitBtn4->Click(), EPrinter);
    }
    EXPECT_FALSE(f->Visible());
    EXPECT_EQ(std::filesystem::file_size(pdf), before);
}

} // namespace
