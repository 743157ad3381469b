// The colour tint window and the palette colour map window on the running program.
#include "BmpCodec.h"
#include "Clipboard.h"
#include "MessageBox.h"
#include "OrvantaFixture.h"
#include "TBitBtn.h"
#include "TCheckBox.h"
#include "TLabel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "colortint.h"
#include "palettecolorsfrm1.h"

#include <filesystem>
#include <fstream>

namespace {

class ColourTintTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        for (TSpinEdit* s :
             {colortint1->SpinEdit1, colortint1->SpinEdit2, colortint1->SpinEdit3, colortint1->SpinEdit4})
            s->SetValue(0);
        colortint1->Check1->SetChecked(false);
    }
};

TEST_F(ColourTintTest, EachLabelledRowDrivesItsChannel) {
    EXPECT_EQ(colortint1->Label2->Caption(), "Red");
    EXPECT_EQ(colortint1->Label3->Caption(), "Green");
    EXPECT_EQ(colortint1->Label4->Caption(), "Blue");
    EXPECT_EQ(colortint1->SpinEdit4->MinValue(), 0);
    EXPECT_EQ(colortint1->SpinEdit4->MaxValue(), 0);
    page().SetPixel(3, 3, RGB(100, 100, 100));
    colortint1->SpinEdit2->SetValue(50); // the row labelled "Green"
    colortint1->BitBtn1->Click();
    EXPECT_EQ(page().GetPixel(3, 3), RGB(100, 150, 100));
    EXPECT_EQ(page().GetPixel(4, 4), clWhite);
    EXPECT_FALSE(colortint1->Visible());
}

TEST_F(ColourTintTest, TestChangesOnlyThePreview) {
    page().SetPixel(0, 0, RGB(10, 10, 10));
    const TBitmap before = page();
    colortint1->showForPage(Pbook1->ptbox1->Picture());
    EXPECT_TRUE(colortint1->Visible());
    colortint1->SpinEdit4->SetValue(100);
    colortint1->BitBtn3->Click();
    EXPECT_TRUE(samePixels(page(), before));
    EXPECT_EQ(colortint1->Image1->Picture().Width(), 110);
    EXPECT_EQ(colortint1->Image1->Picture().Height(), 90);
    EXPECT_EQ(colortint1->Image1->Picture().Bitmap().GetPixel(0, 0), RGB(110, 110, 110));
    colortint1->BitBtn2->Click();
    EXPECT_FALSE(colortint1->Visible());
    EXPECT_EQ(colortint1->Image1->Picture().Width(), 10) << "Cancel shrinks the preview";
}

class ColourMapTest : public OrvantaTest {};

TEST_F(ColourMapTest, MapsCountsAndBuildsThePaletteStrip) {
    TPaletteColorsfrm& f = *PaletteColorsfrm;
    TBitmap pic(4, 3);
    pic.SetPixel(0, 0, RGB(10, 20, 30));
    pic.SetPixel(1, 0, RGB(10, 20, 31));
    pic.SetPixel(2, 0, RGB(255, 255, 0));
    f.Image1->Picture().Assign(pic);
    f.cocount();
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.SpinEdit1->Value(), 2);
    EXPECT_TRUE(f.butpalmake->Enabled());
    EXPECT_EQ(f.Image1->Picture().Bitmap().GetPixel(20, 10), RGB(10, 20, 31));

    f.Image1->MouseUp(mbRight, 0, 20, 10);
    EXPECT_EQ(Form3->rightcolor, RGB(10, 20, 31));
    EXPECT_EQ(f.Shape1->Brush().Color, RGB(10, 20, 31));

    const std::string name = (program().path() / "pal.bmp").string();
    ModalSeam().QueueFileName(name);
    f.butpalmake->Click();
    const TBitmap& strip = Pbook1->Image6->Picture().Bitmap();
    EXPECT_EQ(strip.Width(), 40);
    EXPECT_EQ(strip.Height(), 1280);
    EXPECT_EQ(strip.GetPixel(1, 11), RGB(10, 20, 31));
    EXPECT_EQ(strip.GetPixel(1, 17), RGB(255, 255, 0));
    EXPECT_TRUE(samePixels(ReadBmpFile(name), strip));

    f.SpinEdit1->SetValue(0);
    f.butpalmake->Click(); // fewer than one colour: nothing asked, nothing done
}

TEST_F(ColourMapTest, OpenAndMapRefusesWhatIsNoPicture) {
    TPaletteColorsfrm& f = *PaletteColorsfrm;
    const std::string bad = (program().path() / "bad.bmp").string();
    std::ofstream(bad, std::ios::binary) << "BM not really";
    f.Image1->Picture().Assign(TBitmap(256, 256));
    f.SpinEdit1->SetValue(77);
    ModalSeam().QueueFileName(bad);
    EXPECT_ANY_THROW(f.SpeedButton3->Click());
    EXPECT_EQ(f.SpinEdit1->Value(), 77) << "nothing mapped";

    TBitmap pic(2, 2);
    pic.SetPixel(1, 1, RGB(1, 2, 3));
    const std::string good = (program().path() / "good.bmp").string();
    SaveBmpToFile(pic, good);
    ModalSeam().QueueFileName(good);
    f.SpeedButton3->Click();
    EXPECT_EQ(f.SpinEdit1->Value(), 1);
    EXPECT_EQ(f.Image1->Picture().Bitmap().GetPixel(2, 1), RGB(1, 2, 3));
}

} // namespace
