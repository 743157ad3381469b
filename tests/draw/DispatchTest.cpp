// What the dispatch does beside drawing: the mover marker beside the pointer, the line-width spin
// and its chain, tools handed to units that are not on the page.
#include "DrawFixture.h"
#include "TShape.h"

namespace {

class DispatchTest : public DrawTest {};

TEST_F(DispatchTest, MoverMarkerFollowsThePointerAboveAndLeftOfIt) {
    Pbook1->SpinEdit3->SetValue(50);
    Pbook1->SpinEdit4->SetValue(40);
    choose(103);
    move(200, 150);
    TShape& m = *Pbook1->shpmov;
    EXPECT_EQ(m.Left(), 200 - 50 - 2);
    EXPECT_EQ(m.Top(), 150 - 40 - 2);
    EXPECT_EQ(m.Width(), 52);
    EXPECT_EQ(m.Height(), 42);
    EXPECT_EQ(Pbook1->moverx, 148);
    EXPECT_EQ(Pbook1->movery, 108);
    click(200, 150);
    EXPECT_TRUE(samePixels(page(), TBitmap(450, 250)));
}

TEST_F(DispatchTest, LineWidthSpinIsHeldAt90AndCarriedToThePalette) {
    TSpinEdit& spin = *Pbook1->spinpen;
    spin.SetMaxValue(0); // typed past its own limits
    spin.SetMinValue(0);
    spin.SetValue(95);
    EXPECT_EQ(spin.Value(), 90);
    EXPECT_EQ(Form3->linewidth, 90);
    EXPECT_EQ(Form3->penwidth, 90);
    EXPECT_EQ(page().Canvas().Pen.Width, 90);
    spin.SetValue(3);
    EXPECT_EQ(Form3->linewidth, 3);
    EXPECT_EQ(Pbook1->SpinEdit3->Value(), 5); // the mover box keeps its own range
    spin.SetMinValue(1);
    spin.SetMaxValue(90);
}

TEST_F(DispatchTest, ToolsOfOtherUnitsLeaveThePageAlone) {
    for (int tool : {31}) {
        SetUp();
        choose(tool);
        down(20, 20);
        move(80, 60);
        move(120, 90);
        up(120, 90);
        EXPECT_TRUE(samePixels(page(), TBitmap(450, 250))) << tool;
    }
}

} // namespace
