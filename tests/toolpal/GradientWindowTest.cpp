// The patterns of the palette, the gradient colour list maker and the strips that show its list.
#include "BmpCodec.h"
#include "OrvantaFixture.h"
#include "TLabel.h"
#include "TListBox.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TTrackBar.h"
#include "gradient.h"
#include "gradpal.h"

#include <filesystem>
#include <fstream>

namespace {

class GradientWindowTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        std::filesystem::remove_all(program().path() / "bin");
        std::filesystem::create_directory(program().path() / "bin");
        gradform1->Hide();
        gradform1->offsetr = gradform1->offsetg = gradform1->offsetb = 0;
        gradform1->Label1->SetLeft(72);
        gradform1->Label2->SetLeft(456);
        Form3->ListBox1->Items().Clear();
    }
    static TBitmap pattern(TColor a, TColor b) {
        TBitmap p(32, 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                p.SetPixel(x, y, (x + 2 * y) % 5 ? a : b);
        return p;
    }
    static void writePattern(int n, const TBitmap& p) {
        SaveBmpToFile(p, (program().path() / "bin" / ("b" + std::to_string(n) + ".bmp")).string());
    }
    static std::vector<std::string> list() { return Form3->ListBox1->Items().ToVector(); }
};

TEST_F(GradientWindowTest, PatternClickFramesTheButtonLoadsThePatternAndSwitchesPatternFillOn) {
    const TBitmap p = pattern(clRed, clNavy);
    writePattern(3, p);
    Form3->Bp3->Click();
    EXPECT_EQ(Form3->Shape1->Left(), Form3->Bp3->Left() - 2);
    EXPECT_EQ(Form3->Shape1->Top(), Form3->Bp3->Top() - 2);
    EXPECT_TRUE(samePixels(Form3->patbox1->Picture().Bitmap(), p));
    const TBitmap& preview = Form3->Image2->Picture().Bitmap();
    for (int y = 0; y < std::min(9, preview.Height()); ++y)
        for (int x = 0; x < std::min(9, preview.Width()); ++x)
            EXPECT_EQ(preview.GetPixel(x, y), p.GetPixel(x + 8, y + 8)) << x << "," << y;
    EXPECT_TRUE(Form3->patternfill);
    EXPECT_FALSE(Form3->normalfill);

    // The pattern is the brush of the next flood fill.
    choose(16);
    click(100, 100);
    EXPECT_EQ(page().GetPixel(100, 100), p.GetPixel(100 % 32, 100 % 32));
    EXPECT_EQ(page().GetPixel(101, 103), p.GetPixel(101 % 32, 103 % 32));

    // A fill style switches back.
    Form3->SpeedButton30->Click();
    EXPECT_FALSE(Form3->patternfill);
    EXPECT_TRUE(Form3->normalfill);
}

TEST_F(GradientWindowTest, MissingPatternFileKeepsTheBoxWhiteWhenEmptyAndStillSwitchesPatternFillOn) {
    Form3->patbox1->Picture().Clear();
    Form3->Bp7->Click();
    EXPECT_TRUE(Form3->patternfill);
    EXPECT_EQ(Form3->Shape1->Left(), Form3->Bp7->Left() - 2);
    const TBitmap& box = Form3->patbox1->Picture().Bitmap();
    EXPECT_EQ(box.Width(), Form3->patbox1->Width());
    EXPECT_EQ(box.Height(), Form3->patbox1->Height());
    EXPECT_TRUE(allPixels(box, clWhite));

    // A box that held a pattern keeps it.
    const TBitmap p = pattern(clLime, clBlack);
    Form3->patbox1->Picture().Assign(p);
    Form3->Bp8->Click();
    EXPECT_TRUE(samePixels(box, p));
}

TEST_F(GradientWindowTest, HostilePatternFilesLeaveButtonsAndBoxAsTheyWere) {
    const TBitmap kept = pattern(clYellow, clBlue);
    const std::vector<std::string> bodies = {
        "", "BM", std::string("BM\x10\0\0\0", 6) + std::string(40, '\xff'), "not a picture at all"};
    for (const std::string& body : bodies) {
        {
            std::ofstream out(program().path() / "bin" / "b2.bmp", std::ios::binary);
            out << body;
        }
        Form3->Bp2->Picture().Assign(kept);
        Form3->show_pats();
        EXPECT_TRUE(samePixels(Form3->Bp2->Picture().Bitmap(), kept)) << body.size() << " bytes";
        Form3->patbox1->Picture().Assign(kept);
        EXPECT_ANY_THROW(Form3->Bp2->Click());
        EXPECT_TRUE(samePixels(Form3->patbox1->Picture().Bitmap(), kept));
    }
    // Good files load into their buttons.
    writePattern(16, pattern(clRed, clWhite));
    Form3->show_pats();
    EXPECT_TRUE(samePixels(Form3->Bp16->Picture().Bitmap(), pattern(clRed, clWhite)));
}

TEST_F(GradientWindowTest, WindowAsDesigned) {
    Tgradform1& g = *gradform1;
    EXPECT_EQ(g.Caption(), "Use a stretch of gradient color ");
    EXPECT_EQ(g.BorderStyle(), bsToolWindow);
    EXPECT_EQ(g.FormStyle(), fsStayOnTop);
    EXPECT_EQ(g.ClientWidth(), 515);
    EXPECT_EQ(g.ClientHeight(), 79);
    EXPECT_EQ(g.Image1->Picture().Width(), 515);
    EXPECT_EQ(g.Image1->Picture().Height(), 25);
    EXPECT_EQ(g.TrackBar2->Min(), 1);
    EXPECT_EQ(g.TrackBar2->Max(), 512);
    EXPECT_EQ(g.TrackBar2->Position(), 120);
    EXPECT_EQ(g.Label1->Caption(), "L");
    EXPECT_EQ(g.Label2->Caption(), "R");
    g.Show();
    EXPECT_EQ(g.Top(), 1);
    EXPECT_EQ(g.stretch, 120);
    g.TrackBar2->SetPosition(1);
    EXPECT_EQ(g.stretch, 1);
    EXPECT_EQ(g.Image1->Picture().Bitmap().GetPixel(4, 3), clWhite) << "stretch 1: band 2 is white";
    g.TrackBar2->SetPosition(120);
}

TEST_F(GradientWindowTest, MarkersTakeColoursAndSetTheSelection) {
    Tgradform1& g = *gradform1;
    g.Show();
    const TBitmap& s = g.Image1->Picture().Bitmap();
    g.TrackBar2->SetSelStart(0);
    g.Image1->MouseUp(mbLeft, 0, 100, 10);
    EXPECT_EQ(Form3->leftcolor, s.GetPixel(100, 10));
    EXPECT_EQ(g.Label1->Left(), 100);
    EXPECT_EQ(g.TrackBar2->SelStart(), 100);
    g.Image1->MouseUp(mbRight, 0, 300, 10);
    EXPECT_EQ(Form3->rightcolor, s.GetPixel(300, 10));
    EXPECT_EQ(g.Label2->Left(), 300);
    EXPECT_EQ(g.TrackBar2->SelEnd(), 300);
    g.Image1->MouseUp(mbLeft, 0, 0, 10);
    EXPECT_EQ(g.Label1->Left(), 0);
    EXPECT_EQ(g.TrackBar2->SelStart(), 100) << "a marker at 0 leaves the selection";

    // Crossed markers give an empty list, and the strip keeps its picture.
    Form3->ListBox1->Items().SetStrings({"255", "65280"});
    Form3->showgrad();
    const TBitmap before = Form3->Image4->Picture().Bitmap();
    g.Label1->SetLeft(400);
    g.Label2->SetLeft(50);
    g.SpeedButton10->Click();
    EXPECT_TRUE(list().empty());
    EXPECT_TRUE(samePixels(Form3->Image4->Picture().Bitmap(), before));
    EXPECT_FALSE(g.Visible());
}

TEST_F(GradientWindowTest, OffsetButtonsMoveTheStartWithoutBounds) {
    Tgradform1& g = *gradform1;
    Form3->leftcolor = RGB(250, 0, 0);
    Form3->rightcolor = clWhite;
    for (int i = 0; i < 3; ++i)
        g.SpeedButton6->Click(); // "R+"
    EXPECT_EQ(g.offsetr, 6);
    EXPECT_EQ(g.Image1->Picture().Bitmap().GetPixel(0, 3) & 0xFF, 0u) << "red 256 shows as 0";
    g.SpeedButton2->Click(); // "G-"
    g.SpeedButton3->Click(); // "B-"
    EXPECT_EQ(g.offsetg, -2);
    EXPECT_EQ(g.offsetb, -2);
    g.offsetr = 255;
    g.SpeedButton4->Click(); // every offset below 255 up by one
    EXPECT_EQ(g.offsetr, 255);
    EXPECT_EQ(g.offsetg, -1);
    g.SpeedButton5->Click(); // every offset above 0 down by one
    EXPECT_EQ(g.offsetr, 254);
    EXPECT_EQ(g.offsetg, -1);
    EXPECT_EQ(g.offsetb, -1);
}

TEST_F(GradientWindowTest, GradientManagerBuildsTheListAndShowsItAsStrips) {
    Form3->leftcolor = clBlack;
    Form3->rightcolor = clWhite;
    gradform1->offsetr = 40;
    Pbook1->imgrad->Click();
    EXPECT_TRUE(gradform1->Visible());
    EXPECT_EQ(gradform1->offsetr, 0);
    EXPECT_TRUE(Form3->Panel7->Visible());
    auto items = list();
    ASSERT_GE(items.size(), 2u);
    for (size_t i = 1; i < items.size(); ++i)
        EXPECT_NE(items[i], items[i - 1]);
    const TBitmap& strip = Form3->Image4->Picture().Bitmap();
    EXPECT_EQ(strip.Width(), Form3->Panel6->Width());
    EXPECT_EQ(strip.Height(), Form3->Panel6->Height());
    // Each 2-pixel line overdraws the pixel before it: pixel x shows the line at x + 1.
    const int W = strip.Width(), n = int(items.size());
    auto item = [&](int x) {
        return TColor(std::stoul(items[size_t(std::min(stripIndex(x, n, W), n - 1))]));
    };
    EXPECT_EQ(strip.GetPixel(0, 5), item(1));
    EXPECT_EQ(strip.GetPixel(W / 2, 5), item(W / 2 + 1));
    EXPECT_EQ(strip.GetPixel(W - 1, 5), item(W - 1));
    const TBitmap& main = Pbook1->imgrad->Picture().Bitmap();
    EXPECT_EQ(main.GetPixel(0, 5), strip.GetPixel(0, 5));
    EXPECT_EQ(main.GetPixel(30, 5), strip.GetPixel(30, 5)) << "the main strip is the palette's, clipped";

    // The palette's strip opens the same manager; a colour pick rebuilds the list from the new colour.
    gradform1->Hide();
    Form3->Panel7->Hide();
    Form3->Image4->Click();
    EXPECT_TRUE(gradform1->Visible());
    EXPECT_TRUE(Form3->Panel7->Visible());
    Form3->Image3->MouseMove(0, 60, 20);
    Form3->Image3->MouseUp(mbLeft, 0, 60, 20);
    EXPECT_EQ(Form3->ListBox1->Items().Count() > 0, true);
    EXPECT_NE(list(), items);
}

} // namespace
