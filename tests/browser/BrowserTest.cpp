// The image browser: loading every kind of picture, the JPEG options, thumbnail sheets, resize,
// slides, screen capture, the clipboard and the remembered folder, through its own handlers.
#include "OrvantaFixture.h"

#include "BmpCodec.h"
#include "Clipboard.h"
#include "DirFile.h"
#include "FileIO.h"
#include "MessageBox.h"
#include "PictureBuilders.h"
#include "PictureWriters.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TListBox.h"
#include "TRadioGroup.h"
#include "TSpeedButton.h"
#include "TTimer.h"
#include "TestClipboardSystem.h"
#include "capdlg.h"
#include "imview.h"
#include "mydialog.h"
#include "resizefrm.h"

#include <QElapsedTimer>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

class BrowserTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        picform1->Image1->Picture().Clear();
        picform1->picname = "TEMP.BMP";
        picform1->Scale->SetItemIndex(0);
        picform1->ProgressiveDisplay->SetChecked(false);
        picform1->DirectoryListBox1->SetDirectory(dir.path().string());
    }
    static TPicture& picture() { return picform1->Image1->Picture(); }
    std::string bmp(const std::string& name, int w, int h, TColor c = clRed) {
        TBitmap b(w, h);
        b.Canvas().Brush.SetColor(c);
        b.Canvas().FillRect(Rect(0, 0, w, h));
        WriteBmpPicture(b, dir.file(name));
        return dir.file(name);
    }
    std::string jpeg(const std::string& name, int w, int h, bool progressive = false) {
        WriteJpegPicture(TBitmap(w, h), dir.file(name), 90, progressive);
        return dir.file(name);
    }
    void refreshFiles() { picform1->FileListBox1->Update(); }
    // Answers the program's next message box with its first button, keeping its first line.
    static void answerMbox(std::string& seen) {
        ModalSeam().QueueScript<Tmydialog1>([&seen](Tmydialog1& d) {
            seen = d.l1->Caption();
            d.b1->Click();
        });
    }
    TestFolder dir;
};

TEST_F(BrowserTest, LoadsEveryKindAsABitmapWithItsName) {
    TBitmap dib(2, 1);
    dib.SetPixel(1, 0, clBlue);
    writeFile(dir.file("i.ico"), MakeIcon({SolidIcon(32, 32, 4, clLime)}));
    writeFile(
        dir.file("p.wmf"),
        WmfBuilder().brush(0, clRed).select(0).rectangle(0, 0, 96, 48).build(4, 96, Rect(0, 0, 96, 48)));
    writeFile(dir.file("w.WMF"), WmfBuilder().windowExt(30, 20).stretchDib(0, 0, 30, 20, dib).build());
    writeFile(dir.file("e.emf"),
              EmfBuilder().brush(1, 0, clBlue).select(1).rectangle(0, 0, 41, 21).build(EmfFrameFor(40, 20)));
    struct Case {
        std::string file;
        int width, height;
        TPoint at;
        TColor colour;
        std::string name; // picname after the load
    };
    const std::vector<Case> cases = {
        {bmp("a.bmp", 7, 5), 7, 5, {3, 3}, clRed, dir.file("a.bmp")},
        {jpeg("b.jpg", 40, 24), 40, 24, {3, 3}, clWhite, dir.file("b.jpg")},
        {jpeg("c.jpeg", 16, 8), 16, 8, {3, 3}, clWhite, dir.file("c") + ".bmp"},
        {dir.file("i.ico"), 32, 32, {5, 5}, clLime, dir.file("i") + ".bmp"},
        {dir.file("p.wmf"), 96, 48, {50, 20}, clRed, dir.file("p") + ".bmp"},
        {dir.file("w.WMF"), 30, 20, {25, 10}, clBlue, dir.file("w") + ".bmp"},
        {dir.file("e.emf"), 40, 20, {20, 10}, clBlue, dir.file("e") + ".bmp"},
    };
    // The test folder's own path has no "." (checked), so the name is cut at the extension.
    ASSERT_EQ(dir.path().string().find('.'), std::string::npos);
    for (const Case& c : cases) {
        EXPECT_TRUE(picform1->openthefile(c.file)) << c.file;
        EXPECT_EQ(picture().Width(), c.width) << c.file;
        EXPECT_EQ(picture().Height(), c.height) << c.file;
        EXPECT_EQ(picture().Bitmap().GetPixel(c.at.x, c.at.y), c.colour) << c.file;
        EXPECT_EQ(picform1->picname, c.name) << c.file;
        EXPECT_EQ(picform1->Caption(), c.name) << c.file;
    }

    // The first "." of the whole path ends the name: my.pics/a.wmf gives my.bmp.
    fs::create_directory(dir.path() / "my.pics");
    writeFile(dir.file("my.pics/a.wmf"), WmfBuilder().windowExt(8, 8).build());
    EXPECT_TRUE(picform1->openthefile(dir.file("my.pics/a.wmf")));
    EXPECT_EQ(picform1->picname, dir.file("my.bmp"));

    // Content that does not parse, or an unknown extension: the picture empties, silently.
    writeFile(dir.file("bad.emf"), {1, 2, 3});
    writeFile(dir.file("bad.jpg"), {0xFF, 0xD8, 0xFF, 0xDB, 0, 3});
    writeFile(dir.file("x.gif"), WriteBmp(TBitmap(2, 2)));
    for (const char* name : {"bad.emf", "bad.jpg", "x.gif"}) {
        picform1->openthefile(dir.file("a.bmp"));
        EXPECT_FALSE(picform1->openthefile(dir.file(name))) << name;
        EXPECT_TRUE(picture().Empty()) << name;
    }
    EXPECT_TRUE(ModalSeam().Log().empty());

    // A missing file is no picture error: it reaches the error report, the picture kept.
    picform1->openthefile(dir.file("a.bmp"));
    EXPECT_THROW(picform1->openthefile(dir.file("gone.bmp")), EStreamError);
    EXPECT_EQ(picture().Width(), 7);

    // An empty name takes the file selected in the list.
    refreshFiles();
    picform1->FileListBox1->SetItemIndex(picform1->FileListBox1->Items().IndexOf("a.bmp"));
    picform1->Image1->Picture().Clear();
    picform1->FileListBox1->OnDblClick(picform1->FileListBox1);
    EXPECT_EQ(picture().Width(), 7);
}

TEST_F(BrowserTest, JpegOptionsFollowWhatIsHeldAndTheFileClicked) {
    auto combosEnabled = [] {
        return picform1->Scale->Enabled() && picform1->PixelFormat->Enabled() &&
               picform1->ColorSpace->Enabled() && picform1->Performance->Enabled();
    };
    picform1->openthefile(bmp("a.bmp", 8, 8));
    EXPECT_FALSE(combosEnabled());
    EXPECT_FALSE(picform1->ProgressiveDisplay->Enabled());
    picform1->openthefile(jpeg("b.jpg", 64, 32));
    EXPECT_TRUE(combosEnabled());
    EXPECT_FALSE(picform1->ProgressiveDisplay->Enabled());
    picform1->openthefile(jpeg("p.jpg", 64, 32, true));
    EXPECT_TRUE(combosEnabled());
    EXPECT_TRUE(picform1->ProgressiveDisplay->Enabled());

    picform1->Scale->SetItemIndex(2);
    picform1->openthefile(dir.file("b.jpg"));
    EXPECT_EQ(picture().Width(), 16);
    EXPECT_EQ(picture().Height(), 8);
    picform1->Scale->SetItemIndex(0);

    jpeg("c.JPEG", 8, 8);
    refreshFiles();
    for (auto [name, enabled] :
         {std::pair{"a.bmp", false}, {"c.JPEG", true}, {"a.bmp", false}, {"b.jpg", true}}) {
        picform1->FileListBox1->SetItemIndex(picform1->FileListBox1->Items().IndexOf(name));
        picform1->FileListBox1->Click();
        EXPECT_EQ(combosEnabled(), enabled) << name;
        EXPECT_EQ(picform1->ProgressiveDisplay->Enabled(), enabled) << name;
    }
}

// The four cell origins of a sheet and whether a thumbnail is drawn there.
bool cellDrawn(const TBitmap& sheet, int cell) {
    const int x = 10 + 120 * (cell % 4) + 5, y = 10 + 150 * (cell / 4) + 5;
    return sheet.GetPixel(x, y) != clWhite;
}

TEST_F(BrowserTest, NineFilesGiveOneSheetFittedAndCaptioned) {
    for (int i = 0; i < 8; ++i)
        bmp("f" + std::to_string(i) + ".bmp", 40, 20, clBlue);
    bmp("wide_name_of_a_picture_file_0123456789.bmp", 10, 50, clRed);
    refreshFiles();
    ModalSeam().QueueButton(IDNO); // "Save Thumbnails?"
    picform1->SpeedButton6Click(nullptr);
    EXPECT_EQ(ModalSeam().Log().back().text, "Save Thumbnails?");
    const TBitmap& sheet = picture().Bitmap();
    ASSERT_EQ(sheet.Width(), 500);
    ASSERT_EQ(sheet.Height(), 450);
    // 40 x 20 fits 100 x 50 at the cell's corner.
    EXPECT_EQ(sheet.GetPixel(10, 10), clBlue);
    EXPECT_EQ(sheet.GetPixel(109, 59), clBlue);
    EXPECT_EQ(sheet.GetPixel(110, 30), clWhite);
    EXPECT_EQ(sheet.GetPixel(50, 60), clWhite);
    // The ninth (sorted last) is 10 x 50: 20 x 100 in the third row's first cell.
    EXPECT_EQ(sheet.GetPixel(10, 310), clRed);
    EXPECT_EQ(sheet.GetPixel(29, 409), clRed);
    EXPECT_EQ(sheet.GetPixel(30, 310), clWhite);
    // Captions sit 120 below each cell, inside the cell's 120 pixels.
    auto inkIn = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += sheet.GetPixel(x, y) == clBlack;
        return n;
    };
    EXPECT_GT(inkIn(10, 130, 130, 150), 0);
    EXPECT_GT(inkIn(10, 430, 130, 450), 0); // the long name, its last 16 characters
    EXPECT_EQ(inkIn(0, 430, 10, 450), 0);
    EXPECT_FALSE(picform1->SpeedButton3->Enabled());
}

TEST_F(BrowserTest, FortyOneFilesGiveTwoSheetsAndTheAnswersAreKept) {
    for (int i = 0; i < 41; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "t%02d.bmp", i);
        bmp(name, 30, 30, i == 40 ? clRed : clBlue);
    }
    refreshFiles();
    ModalSeam().QueueButton(IDYES);
    ModalSeam().QueueFileName(dir.file("sheet1.bmp"));
    ModalSeam().QueueButton(IDNO);
    picform1->SpeedButton6Click(nullptr);
    const TBitmap first = ReadBmpFile(dir.file("sheet1.bmp"));
    ASSERT_EQ(first.Height(), 1500);
    for (int cell = 0; cell < 40; ++cell)
        EXPECT_TRUE(cellDrawn(first, cell)) << cell;
    const TBitmap& second = picture().Bitmap();
    ASSERT_EQ(second.Height(), 1500);
    EXPECT_EQ(second.GetPixel(15, 15), clRed); // the 41st, alone on the second sheet
    EXPECT_FALSE(cellDrawn(second, 1));

    // Cancel ends the run at the first sheet; an existing file answered No is not overwritten.
    ModalSeam().QueueButton(IDCANCEL);
    picform1->SpeedButton6Click(nullptr);
    const auto size = fs::file_size(dir.file("sheet1.bmp"));
    ModalSeam().QueueButton(IDYES);
    ModalSeam().QueueFileName(dir.file("sheet1.bmp"));
    ModalSeam().QueueButton(IDNO); // "OK to overwrite ..."
    picform1->SpeedButton6Click(nullptr);
    EXPECT_EQ(ModalSeam().Log().back().text, "OK to overwrite " + dir.file("sheet1.bmp"));
    EXPECT_EQ(fs::file_size(dir.file("sheet1.bmp")), size);
}

TEST_F(BrowserTest, LargeJpegsReloadReducedForTheirThumbnails) {
    auto redJpeg = [&](const std::string& name, int w, int h) {
        TBitmap b(w, h);
        b.Canvas().Brush.SetColor(clRed);
        b.Canvas().FillRect(Rect(0, 0, w, h));
        WriteJpegPicture(b, dir.file(name), 95, false);
    };
    // 450 x 300 (w = 4) reloads at 1:4 as 113 x 75 and fits 100 x 66; at full size it would fit
    // 100 x 67. 200 x 200 is not reloaded and fits 100 x 100.
    redJpeg("a.jpg", 450, 300);
    redJpeg("b.jpg", 200, 200);
    refreshFiles();
    ModalSeam().QueueButton(IDNO);
    picform1->SpeedButton6Click(nullptr);
    const TBitmap& sheet = picture().Bitmap();
    auto reddish = [&](int x, int y) { return (sheet.GetPixel(x, y) & 0xFFFF00) < 0x404000; };
    EXPECT_TRUE(reddish(50, 10 + 65));
    EXPECT_FALSE(reddish(50, 10 + 66));
    EXPECT_TRUE(reddish(130 + 50, 10 + 99));
    EXPECT_EQ(picform1->Scale->ItemIndex(), 0);
}

TEST_F(BrowserTest, ResizeByJpegHalvesAndByStretchIsExact) {
    struct Case {
        int w, h;
        int quality; // 0 "Best Quality", 1 "Speed"
        int gotW, gotH;
    };
    for (const Case& c : std::vector<Case>{{400, 300, 0, 400, 300},
                                           {500, 300, 0, 400, 300},
                                           {700, 600, 0, 700, 600},
                                           {400, 300, 1, 400, 300}}) {
        picform1->openthefile(bmp("big.bmp", 800, 600));
        picform1->Scale->SetItemIndex(0);
        ModalSeam().QueueScript<TResizeForm>([&](TResizeForm& f) {
            EXPECT_EQ(f.SpinEdit1->Value(), 800);
            f.SpinEdit1->SetValue(c.w);
            f.SpinEdit2->SetValue(c.h);
            f.RadioGroup2->SetItemIndex(c.quality);
            f.BitBtn1->Click();
        });
        ModalSeam().QueueButton(IDNO); // "Save Resized Image?"
        picform1->SpeedButton12Click(nullptr);
        EXPECT_EQ(picture().Width(), c.gotW) << c.w;
        EXPECT_EQ(picture().Height(), c.gotH) << c.w;
        EXPECT_EQ(picform1->Scale->ItemIndex(), 0) << c.w;
        EXPECT_EQ(picform1->picname, dir.file("big.bmp")) << c.w;
    }
    // Later JPEGs load at full size.
    picform1->openthefile(jpeg("j.jpg", 64, 48));
    EXPECT_EQ(picture().Width(), 64);
}

TEST_F(BrowserTest, SavesByExtensionAndRefusesGif) {
    picform1->openthefile(bmp("a.bmp", 6, 4));
    ModalSeam().QueueFileName(dir.file("out.JPEG"));
    ModalSeam().QueueResult(mrOk); // the JPEG options
    picform1->butsave->Click();
    TJPEGImage j;
    EXPECT_NO_THROW(j.LoadFromFile(dir.file("out.JPEG"))); // JPEG data, as the page's save writes
    EXPECT_EQ(picform1->picname, dir.file("a.bmp"));

    ModalSeam().QueueFileName(dir.file("out.bmp"));
    picform1->butsave->Click();
    EXPECT_EQ(ReadBmpFile(dir.file("out.bmp")).Width(), 6);
    EXPECT_EQ(picform1->picname, dir.file("out.bmp"));

    ModalSeam().QueueFileName(dir.file("out.gif"));
    ModalSeam().QueueButton(IDOK);
    picform1->butsave->Click();
    EXPECT_TRUE(shown("Gif utilities available at our website"));
    EXPECT_FALSE(fs::exists(dir.file("out.gif")));
}

TEST_F(BrowserTest, SlidesShowTheMarkedFilesInTurn) {
    bmp("s1.bmp", 11, 5);
    bmp("s2.bmp", 12, 5);
    bmp("s3.bmp", 13, 5);
    bmp("unmarked.bmp", 14, 5);
    refreshFiles();
    TListBox* files = picform1->FileListBox1;
    for (const char* name : {"s1.bmp", "s2.bmp", "s3.bmp"})
        files->SetSelected(files->Items().IndexOf(name), true);
    picform1->SpinEdit1->SetValue(10);
    picform1->SpeedButton4->Click();
    std::vector<int> shown;
    QElapsedTimer clock;
    clock.start();
    while (shown.size() < 4 && clock.elapsed() < 5000) {
        Application->ProcessMessages();
        const int w = picture().Width();
        if (w > 0 && (shown.empty() || shown.back() != w)) shown.push_back(w);
    }
    picform1->SpeedButton3->Click();
    EXPECT_EQ(shown, (std::vector<int>{11, 12, 13, 11}));
    EXPECT_FALSE(picform1->Timer1->Enabled());
    EXPECT_TRUE(picform1->stopflag);
    EXPECT_FALSE(picform1->SpeedButton3->Enabled());
}

TEST_F(BrowserTest, ScreenCaptureSizesThePictureOnlyWhenConfirmed) {
    Screen->SetSize(64, 48);
    picform1->openthefile(bmp("a.bmp", 9, 7));
    ModalSeam().QueueResult(mrCancel);
    picform1->SpeedButton11->Click();
    EXPECT_EQ(picture().Width(), 9);
    EXPECT_EQ(picture().Bitmap().GetPixel(4, 4), clRed);
    ModalSeam().QueueResult(mrOk);
    picform1->SpeedButton11->Click();
    EXPECT_EQ(picture().Width(), 64);
    EXPECT_EQ(picture().Height(), 48);
    EXPECT_FALSE(Application->Minimized());
    Screen->ClearSize();
}

TEST_F(BrowserTest, ClipboardRefusalsAndNoPicture) {
    auto board = std::make_shared<TestClipboardSystem>();
    SetClipboardSystem(board);
    picform1->openthefile(bmp("a.bmp", 5, 5));
    board->SetHeldByOtherProgram(true);
    ModalSeam().QueueButton(IDOK);
    picform1->SpeedButton10->Click();
    EXPECT_EQ(ModalSeam().Log().back().text, "Clipboard Not Available");
    std::string seen;
    answerMbox(seen);
    picform1->SpeedButton2->Click();
    EXPECT_EQ(seen, "Clipboard not available");
    EXPECT_FALSE(picform1->chkclip->Checked());
    board->SetHeldByOtherProgram(false);
    picform1->SpeedButton10->Click();
    TBitmap got;
    ASSERT_TRUE(board->GetBitmap(got));
    EXPECT_EQ(got.Width(), 5);
    SetClipboardSystem(nullptr);

    picform1->Image1->Picture().Clear();
    answerMbox(seen);
    picform1->loadpic();
    EXPECT_EQ(seen, "Not Enough Resources");
}

TEST_F(BrowserTest, RememberedFolderWrittenRecalledAndRefused) {
    fs::remove(dirFilePath());
    picform1->FormCreate(nullptr);
    EXPECT_FALSE(picform1->mrb->Enabled());
    picform1->SpeedButton1->Click();
    EXPECT_TRUE(picform1->mrb->Enabled());
    std::ifstream in(dirFilePath());
    std::string drive, folder;
    std::getline(in, drive);
    std::getline(in, folder);
    EXPECT_EQ(drive, "/\r");
    EXPECT_EQ(folder, dir.path().string() + "\r");

    fs::create_directory(dir.path() / "elsewhere");
    picform1->DirectoryListBox1->SetDirectory(dir.file("elsewhere"));
    picform1->mrb->Click();
    EXPECT_EQ(picform1->DirectoryListBox1->Directory(), dir.path().string());

    std::string seen;
    {
        ScopedWriteFaults full({.failWriteAfter = 0});
        answerMbox(seen);
        picform1->SpeedButton1->Click();
    }
    EXPECT_EQ(seen, "Unable to write to disk");

    fs::remove(dirFilePath());
    picform1->mrb->Click();
    EXPECT_FALSE(picform1->mrb->Enabled());
}

} // namespace
