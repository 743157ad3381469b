// The image fader's window: the fade into a colour or a picture, its commands and its save.
#include "OrvantaFixture.h"

#include "BmpCodec.h"
#include "Dialogs.h"
#include "JpegImage.h"
#include "MessageBox.h"
#include "TBitBtn.h"
#include "TProgressBar.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TTrackBar.h"
#include "stationary.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class FaderTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        Tstation1& f = *station1;
        f.colourTarget = true;
        f.Image1->Picture().Clear();
        f.TrackBar1->SetPosition(120);
        f.TrackBar2->SetPosition(120);
        setFadeColour(clBlack);
        Pbook1->ptbox1->Picture().Assign(TBitmap(4, 4)); // white
    }
    static void setFadeColour(TColor c) {
        TBrush b = station1->Shape1->Brush();
        b.SetColor(c);
        station1->Shape1->SetBrush(b);
    }
    static TBitmap& faded() { return station1->Image1->Picture().Bitmap(); }
    TestFolder dir;
};

TEST_F(FaderTest, FadesIntoTheColourOrIntoThePictureByTheFlag) {
    TBitmap red(2, 2);
    red.Canvas().Brush.SetColor(clRed);
    red.Canvas().FillRect(Rect(0, 0, 2, 2));
    station1->Image1->Picture().Assign(red);
    station1->SpeedButton3->Click(); // mode 1: the top-left pixel half-way
    EXPECT_EQ(faded().GetPixel(0, 0), TColor(0x808080)) << "the flag set ignores the picture";
    EXPECT_EQ(faded().Width(), 4);

    station1->Image1->Picture().Assign(red);
    station1->colourTarget = false;
    station1->SpeedButton4->Click(); // mode 0: the bottom-right pixel half-way
    EXPECT_EQ(faded().GetPixel(3, 3), TColor(0x8080FF));
    EXPECT_FALSE(station1->bg1->Visible());
}

TEST_F(FaderTest, ColourChoiceClearingAndOk) {
    station1->colourTarget = false;
    ModalSeam().QueueCancel();
    station1->SpeedButton1->Click();
    EXPECT_TRUE(station1->colourTarget);
    ModalSeam().QueueColor(clBlue);
    station1->SpeedButton1->Click();
    EXPECT_EQ(station1->Shape4->Brush().Color, clBlue);

    // OK with nothing faded keeps the page and its undo copy.
    Pbook1->Image2->Picture().Assign(TBitmap(3, 3));
    station1->BitBtn3->Click();
    EXPECT_EQ(page().Width(), 4);
    EXPECT_EQ(undo().Width(), 3);

    station1->SpeedButton3->Click();
    station1->SpeedButton6->Click(); // "New page": the picture in the fade colour
    EXPECT_TRUE(allPixels(faded(), clBlue));
    page().SetPixel(0, 0, clRed);
    station1->BitBtn3->Click();
    EXPECT_EQ(undo().GetPixel(0, 0), clRed);
    EXPECT_TRUE(allPixels(page(), clBlue));
}

TEST_F(FaderTest, SaveToDiskByExtensionKeepsTheCaption) {
    station1->SpeedButton3->Click();
    Pbook1->SetCaption("page.bmp");
    struct Case {
        const char* name;
        bool jpeg; // else BMP; nothing written for ".gif"
    };
    for (const Case& c : {Case{"a.jpg", true}, Case{"b.JPG", true}, Case{"c.jpeg", true}, Case{"d", false},
                          Case{"e.bmp", false}}) {
        ModalSeam().QueueFileName(dir.file(c.name));
        station1->SpeedButton8->Click();
        if (c.jpeg) {
            TJPEGImage j;
            j.LoadFromFile(dir.file(c.name));
            EXPECT_TRUE(j.ProgressiveEncoding()) << c.name;
        } else {
            EXPECT_EQ(ReadBmpFile(dir.file(c.name)).Width(), 4) << c.name;
        }
    }
    ModalSeam().QueueFileName(dir.file("f.gif"));
    ModalSeam().QueueButton(IDOK);
    station1->SpeedButton8->Click();
    EXPECT_FALSE(fs::exists(dir.file("f.gif")));

    const auto size = fs::file_size(dir.file("e.bmp"));
    for (int answer : {IDNO, IDCANCEL}) {
        station1->SpeedButton4->Click();
        ModalSeam().QueueFileName(dir.file("e.bmp"));
        ModalSeam().QueueButton(answer);
        station1->SpeedButton8->Click();
        EXPECT_EQ(ModalSeam().Log().back().text, "OK to overwrite " + dir.file("e.bmp"));
        EXPECT_EQ(fs::file_size(dir.file("e.bmp")), size);
    }
    EXPECT_EQ(Pbook1->Caption(), "page.bmp");
}

} // namespace
