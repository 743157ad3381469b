#include "OrvantaFixture.h"
#include "TBitBtn.h"
#include "TPaintBox.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "mydialog.h"

namespace {

class ColourAndWidthTest : public OrvantaTest {
protected:
    static TColor box(int x, int y) { return Form3->Image1->Picture().Bitmap().GetPixel(x, y); }
    static TColor sample(int x, int y) { return Form3->paintbox1->Canvas().Pixels(x, y); }
};

TEST_F(ColourAndWidthTest, ColourBoxShowsTheRightColourAroundTheLeftColour) {
    Form3->leftcolor = 0x0000FF;
    Form3->rightcolor = 0x00FF00;
    Form3->showcfcb();
    EXPECT_EQ(box(5, 5), 0x00FF00u);
    EXPECT_EQ(box(30, 35), 0x00FF00u);
    EXPECT_EQ(box(18, 20), 0x0000FFu);
    EXPECT_EQ(box(0, 0), clBlack) << "the frame is drawn with the canvas's pen";
    EXPECT_EQ(box(23, 29), clBlack);
}

TEST_F(ColourAndWidthTest, AClearFillShowsSilverBehindTheFrame) {
    Form3->rightcolor = 0x00FF00;
    Form3->fillstyle = 1;
    Form3->showcfcb();
    EXPECT_EQ(box(5, 5), clSilver);
    Form3->fillstyle = 6; // cross hatch: lines in the right colour over silver
    Form3->showcfcb();
    int right = 0, silver = 0;
    for (int y = 2; y < 9; ++y)
        for (int x = 2; x < 10; ++x) {
            right += box(x, y) == 0x00FF00u;
            silver += box(x, y) == clSilver;
        }
    EXPECT_GT(right, 0);
    EXPECT_GT(silver, 0);
}

TEST_F(ColourAndWidthTest, FillStyleButtonsSwitchPatternFillOffAndHideThePanel) {
    struct Row {
        TSpeedButton* TForm3::*button;
        int style;
    } rows[] = {{&TForm3::SpeedButton30, 0}, {&TForm3::SpeedButton17, 1}, {&TForm3::SpeedButton23, 2},
                {&TForm3::SpeedButton25, 3}, {&TForm3::SpeedButton27, 4}, {&TForm3::SpeedButton20, 5},
                {&TForm3::SpeedButton18, 6}, {&TForm3::SpeedButton21, 7}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.style);
        Form3->fillstyle = 3 - r.style;
        Form3->patternfill = true;
        Form3->normalfill = false;
        Form3->Panel3->Show();
        (Form3->*r.button)->Click();
        EXPECT_EQ(Form3->fillstyle, r.style);
        EXPECT_FALSE(Form3->patternfill);
        EXPECT_TRUE(Form3->normalfill);
        EXPECT_FALSE(Form3->Panel3->Visible());
    }
    Form3->fillstyle = 4;
    Form3->BitBtn33->Click();
    EXPECT_EQ(Form3->fillstyle, 0);
}

TEST_F(ColourAndWidthTest, ColourBoxClickOpensTheDialogForTheColourUnderThePointer) {
    struct Row {
        TMouseButton button;
        int x, y;
        bool opens;
        bool left; // the dialog's colour becomes the left colour (else the right)
    } rows[] = {
        {mbLeft, 20, 15, true, true},     {mbLeft, 27, 25, true, false}, {mbLeft, 16, 11, true, true},
        {mbLeft, 15, 15, true, false},    {mbLeft, 39, 39, true, false}, {mbLeft, 0, 20, false, false},
        {mbLeft, 40, 20, false, false},   {mbLeft, 20, 0, false, false}, {mbRight, 20, 15, false, false},
        {mbMiddle, 27, 25, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.x << "," << r.y << " button " << r.button);
        Form3->leftcolor = clBlack;
        Form3->rightcolor = clWhite;
        if (r.opens) ModalSeam().QueueColor(0x3366CC);
        Form3->Image1->MouseUp(r.button, 0, r.x, r.y);
        EXPECT_EQ(Form3->leftcolor, r.opens && r.left ? 0x3366CCu : clBlack);
        EXPECT_EQ(Form3->rightcolor, r.opens && !r.left ? 0x3366CCu : clWhite);
        EXPECT_EQ(ModalSeam().Pending(), 0u);
    }
    EXPECT_EQ(box(18, 20), clBlack);
}

TEST_F(ColourAndWidthTest, CancelledColourDialogChangesNothing) {
    Form3->leftcolor = 0x112233;
    ModalSeam().QueueCancel();
    Form3->Image1->MouseUp(mbLeft, 0, 20, 15);
    EXPECT_EQ(Form3->leftcolor, 0x112233u);
}

TEST_F(ColourAndWidthTest, ConfirmedColourShowsInTheBox) {
    ModalSeam().QueueColor(0x00C0FF);
    Form3->Image1->MouseUp(mbLeft, 0, 27, 25);
    EXPECT_EQ(box(5, 5), 0x00C0FFu);
}

TEST_F(ColourAndWidthTest, SpinChangeFeedsLineWidthPenWidthAndThePagePen) {
    Form3->SpinEdit1->SetValue(7);
    EXPECT_EQ(Form3->linewidth, 7);
    EXPECT_EQ(Form3->penwidth, 7);
    EXPECT_EQ(page().Canvas().Pen.Width, 7);
    Form3->SpinEdit1->SetText("95");
    EXPECT_EQ(Form3->linewidth, 90);
    Form3->SpinEdit1->SetText("");
    EXPECT_EQ(Form3->SpinEdit1->Value(), 1);
    EXPECT_EQ(Form3->penwidth, 1);
}

TEST_F(ColourAndWidthTest, WidthButtonsSetTheWidthAndTheSpinFollows) {
    struct Row {
        TSpeedButton* TForm3::*button;
        int width;
    } rows[] = {{&TForm3::SpeedButton32, 5},
                {&TForm3::SpeedButton33, 20},
                {&TForm3::SpeedButton34, 30},
                {&TForm3::SpeedButton1, 1}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.width);
        (Form3->*r.button)->Click();
        EXPECT_EQ(Form3->linewidth, r.width);
        EXPECT_EQ(Form3->SpinEdit1->Value(), r.width);
        EXPECT_EQ(Form3->penwidth, r.width) << "through the spin's change";
    }
}

TEST_F(ColourAndWidthTest, WidthSampleDrawsTheLineAtTheWidth) {
    Form3->SpeedButton33->Click(); // 20
    EXPECT_EQ(sample(16, 20), clBlack);
    EXPECT_EQ(sample(7, 20), clBlack);
    EXPECT_EQ(sample(16, 2), clWhite);
    Form3->SpeedButton1->Click();
    EXPECT_EQ(sample(7, 20), clWhite);
}

// A width of 0 is kept as set; the sample then shows no line and nothing loops or fails.
TEST_F(ColourAndWidthTest, ZeroWidthIsHarmless) {
    Form3->linewidth = 0;
    Form3->penwidth = 0;
    Form3->do_colbox();
    EXPECT_EQ(sample(16, 20), clWhite);
    Form3->linewidth = -4;
    Form3->FormPaint(nullptr);
    EXPECT_EQ(TForm3::safewidth(-4), 0);
    EXPECT_EQ(TForm3::safewidth(0), 0);
    EXPECT_EQ(TForm3::safewidth(12), 12);
}

TEST_F(ColourAndWidthTest, SpinChangeWithAMoverChosenRefreshesTheMoverBox) {
    TBitmap& box = Pbook1->mask1->Picture().Bitmap();
    Form3->pm1->Click();
    box.SetSize(3, 3);
    Pbook1->polycount = 9;
    Form3->SpinEdit1->SetValue(12); // the main window's width spin copies it into the box width
    EXPECT_EQ(Pbook1->spinpen->Value(), 12);
    EXPECT_EQ(Pbook1->SpinEdit3->Value(), 12);
    EXPECT_EQ(box.Width(), 12);
    EXPECT_EQ(box.Height(), 40);
    EXPECT_EQ(Pbook1->polycount, 1);
    Pbook1->SpinEdit3->SetValue(60);
    box.SetSize(3, 3);
    Form3->SpeedButton34->Click();
    EXPECT_EQ(box.Width(), Pbook1->SpinEdit3->Value());
    EXPECT_EQ(box.Height(), 40);
}

// The pen set-up of the page (on mouse-down) raises or caps the width through the palette's spin,
// whose change carries it on into penwidth.
TEST_F(ColourAndWidthTest, EraserPencilAndPenSetTheWidthThroughTheSpin) {
    struct Row {
        const char* tool;
        TBitBtn* TForm3::*button;
        int before, after;
        TColor colour;
    } rows[] = {
        {"eraser", &TForm3::BitBtn13, 3, 10, clWhite}, {"eraser", &TForm3::BitBtn13, 30, 30, clWhite},
        {"pencil", &TForm3::BitBtn3, 5, 2, 0x808080},  {"pencil", &TForm3::BitBtn3, 2, 2, 0x808080},
        {"pencil", &TForm3::BitBtn3, 1, 1, 0x808080},  {"pen", &TForm3::BitBtn4, 5, 1, 0xFF0000},
        {"pen", &TForm3::BitBtn4, 2, 2, 0xFF0000},     {"pen", &TForm3::BitBtn4, 1, 1, 0xFF0000},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.tool << " from " << r.before);
        Form3->SpinEdit1->SetValue(r.before);
        (Form3->*r.button)->Click();
        Pbook1->ptbox1->MouseDown(mbLeft, 0, 20, 20);
        Pbook1->ptbox1->MouseUp(mbLeft, 0, 20, 20);
        EXPECT_EQ(Form3->linewidth, r.after);
        EXPECT_EQ(Form3->SpinEdit1->Value(), r.after);
        EXPECT_EQ(Form3->penwidth, r.after);
        EXPECT_EQ(Form3->leftcolor, r.colour);
        EXPECT_EQ(box(18, 20), r.colour) << "the colour box shows the tool's colour";
    }
}

TEST_F(ColourAndWidthTest, WidthSampleClickTakesThePixelAsAColour) {
    Form3->SpeedButton33->Click();
    Form3->leftcolor = 0x0000FF;
    Form3->paintbox1->MouseUp(mbLeft, 0, 16, 2); // white ground
    EXPECT_EQ(Form3->leftcolor, clWhite);
    Form3->paintbox1->MouseUp(mbRight, 0, 16, 20); // the black line
    EXPECT_EQ(Form3->rightcolor, clBlack);
    EXPECT_EQ(box(5, 5), clBlack);
}

TEST_F(ColourAndWidthTest, ColourPictureGivesTheColourUnderTheMouse) {
    TImage* pic = Form3->Image3;
    pic->MouseMove(0, 58, 18);
    TColor under = pic->Picture().Bitmap().GetPixel(58, 18);
    EXPECT_EQ(Form3->colorunder, under);
    pic->MouseUp(mbRight, 0, 58, 18);
    EXPECT_EQ(Form3->rightcolor, under);
    pic->MouseMove(0, 2, 18);
    pic->MouseUp(mbLeft, 0, 2, 18);
    EXPECT_EQ(Form3->leftcolor, pic->Picture().Bitmap().GetPixel(2, 18));
    EXPECT_EQ(box(18, 20), Form3->leftcolor);

    Form3->Panel4->MouseMove(0, 124, 40);
    EXPECT_EQ(Form3->colorunder, clBtnFace);
}

} // namespace
