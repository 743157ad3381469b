#include "ModalTesting.h"
#include "WindowAlone.h"
#include "mydialog.h"

#include <string>

namespace {

class MboxTest : public TModalTest {
protected:
    void SetUp() override {
        TModalTest::SetUp();
        box = makeDialog(mydialog1);
    }
    // Answers the next box by running `press` against the shown window.
    void answer(std::function<void(Tmydialog1&)> press) { ModalSeam().QueueScript<Tmydialog1>(press); }
    Tmydialog1* box = nullptr;
};

TEST_F(MboxTest, ResultOfEveryButtonAndTheCloseBox) {
    struct Case {
        int buttons;
        const char* press; // "b1", "b2", "b3", "close", or "other" (a modal result no button gives)
        int expected;
    };
    const Case cases[] = {
        {1, "b1", 0}, {1, "close", 3}, {2, "b1", 0},    {2, "b2", 2},     {2, "close", 3},  {3, "b1", 0},
        {3, "b2", 2}, {3, "b3", 3},    {3, "close", 3}, {3, "other", -1}, {1, "other", -1},
    };
    for (const Case& c : cases) {
        std::string press = c.press;
        answer([press](Tmydialog1& d) {
            if (press == "b1")
                d.b1->Click();
            else if (press == "b2")
                d.b2->Click();
            else if (press == "b3")
                d.b3->Click();
            else if (press == "close")
                d.Close();
            else
                d.SetModalResult(mrAbort);
        });
        EXPECT_EQ(box->mbox("Line", "", "", "", "", c.buttons), c.expected)
            << "buttons " << c.buttons << ", " << c.press;
        EXPECT_FALSE(box->Visible());
    }
}

TEST_F(MboxTest, HiddenLinesKeepTheirGapAndOneButtonSaysOK) {
    answer([](Tmydialog1& d) {
        EXPECT_TRUE(d.l1->Visible());
        EXPECT_EQ(d.l1->Caption(), "First");
        EXPECT_FALSE(d.l2->Visible());
        EXPECT_TRUE(d.l3->Visible());
        EXPECT_EQ(d.l3->Caption(), "Third");
        EXPECT_FALSE(d.l4->Visible());
        EXPECT_FALSE(d.l5->Visible());
        const int tops[] = {16, 32, 48, 64, 80};
        TLabel* lines[] = {d.l1, d.l2, d.l3, d.l4, d.l5};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(lines[i]->Left(), 62);
            EXPECT_EQ(lines[i]->Top(), tops[i]);
        }
        EXPECT_TRUE(d.b1->Visible());
        EXPECT_EQ(d.b1->Caption(), "OK");
        EXPECT_FALSE(d.b2->Visible());
        EXPECT_FALSE(d.b3->Visible());
        d.b1->Click();
    });
    EXPECT_EQ(box->mbox("First", "", "Third", "", "", 1), 0);
}

TEST_F(MboxTest, ButtonSetsAndAnUnknownCountKeepsThePreviousOnes) {
    struct Case {
        int buttons;
        bool b1, b2, b3;
        const char* c1;
    };
    // Rows run in order: 0 and 7 follow the three-button call, 5 follows the one-button call.
    const Case cases[] = {
        {2, true, true, false, "Yes"}, {3, true, true, true, "Yes"},  {0, true, true, true, "Yes"},
        {7, true, true, true, "Yes"},  {1, true, false, false, "OK"}, {5, true, false, false, "OK"},
    };
    for (const Case& c : cases) {
        answer([c](Tmydialog1& d) {
            EXPECT_EQ(d.b1->Visible(), c.b1) << "buttons " << c.buttons;
            EXPECT_EQ(d.b2->Visible(), c.b2) << "buttons " << c.buttons;
            EXPECT_EQ(d.b3->Visible(), c.b3) << "buttons " << c.buttons;
            EXPECT_EQ(d.b1->Caption(), c.c1) << "buttons " << c.buttons;
            if (c.b2) {
                EXPECT_EQ(d.b2->Caption(), "No");
            }
            if (c.b3) {
                EXPECT_EQ(d.b3->Caption(), "Cancel");
            }
            d.b1->Click();
        });
        box->mbox("Question", "", "", "", "", c.buttons);
    }
}

TEST_F(MboxTest, LongLinesAreCutAtTheLabelEdgeAndTheCheckBoxStartsUnchecked) {
    box->CheckBox1->SetChecked(true);
    answer([](Tmydialog1& d) {
        EXPECT_FALSE(d.CheckBox1->Checked());
        EXPECT_FALSE(d.CheckBox1->Visible());
        EXPECT_EQ(d.l5->Width(), 250);
        EXPECT_EQ(d.l5->Height(), 16);
        d.b1->Click();
    });
    box->mbox("", "", "", "", std::string(200, 'W'), 1);
}

TEST_F(MboxTest, CentredOnTheScreenWhenShown) {
    Screen->SetSize(800, 600);
    answer([](Tmydialog1& d) {
        EXPECT_EQ(d.Left(), 800 / 2 - d.Width() / 2);
        EXPECT_EQ(d.Top(), 600 / 2 - d.Height() / 2);
        EXPECT_EQ(d.ClientWidth(), 389);
        EXPECT_EQ(d.ClientHeight(), 167);
        EXPECT_EQ(d.Caption(), "INFORMATION");
        d.b1->Click();
    });
    box->mbox("Centred", "", "", "", "", 1);
    Screen->SetSize(1024, 768);
}

} // namespace
