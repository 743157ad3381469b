#include "Forms.h"
#include "ModalTesting.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TListBox.h"
#include "TMemo.h"
#include "TRadioButton.h"
#include "TRadioGroup.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "TTrackBar.h"

#include <gtest/gtest.h>

namespace {

class ValueControlsTest : public TModalTest {
protected:
    TForm form;
};

TEST_F(ValueControlsTest, SpinEditClampsAndReportsChangesFromCode) {
    auto* spin = new TSpinEdit(&form, &form);
    spin->SetMinValue(1);
    spin->SetMaxValue(90);
    std::vector<int> seen;
    spin->OnChange = [&](TObject*) { seen.push_back(spin->Value()); };
    struct Case {
        int set;
        int value;
    } cases[] = {{5, 5}, {5, 5}, {200, 90}, {-3, 1}, {90, 90}, {0, 1}};
    for (auto c : cases) {
        spin->SetValue(c.set);
        EXPECT_EQ(spin->Value(), c.value) << "set " << c.set;
    }
    // Only real changes fire: the repeated 5 does not.
    EXPECT_EQ(seen, (std::vector<int>{5, 90, 1, 90, 1}));
    spin->SetText("42");
    EXPECT_EQ(spin->Value(), 42);
    spin->SetText("abc"); // not a number: the minimum
    EXPECT_EQ(spin->Value(), 1);
}

TEST_F(ValueControlsTest, SpinEditWithEqualLimitsHasNone) {
    auto* spin = new TSpinEdit(&form, &form);
    spin->SetValue(100000);
    EXPECT_EQ(spin->Value(), 100000);
    spin->SetValue(-7);
    EXPECT_EQ(spin->Value(), -7);
}

TEST_F(ValueControlsTest, AHandlerThatSetsTheValueAgainDoesNotRecurseForever) {
    auto* spin = new TSpinEdit(&form, &form);
    // Clamping in the handler (the program's own "above 90 back to 90"): one nested change.
    int calls = 0;
    spin->OnChange = [&](TObject*) {
        ++calls;
        if (spin->Value() > 90) spin->SetValue(90);
    };
    spin->SetValue(120);
    EXPECT_EQ(spin->Value(), 90);
    EXPECT_EQ(calls, 2);
    // A handler that always changes the value stops after a bounded depth.
    calls = 0;
    spin->OnChange = [&](TObject*) {
        ++calls;
        spin->SetValue(spin->Value() + 1);
    };
    spin->SetValue(0);
    EXPECT_LT(calls, 20);
}

TEST_F(ValueControlsTest, ChangeEventsFromCodeRunOnlyOnRealChanges) {
    auto* edit = new TEdit(&form, &form);
    auto* track = new TTrackBar(&form, &form);
    auto* check = new TCheckBox(&form, &form);
    auto* memo = new TMemo(&form, &form);
    int edits = 0, tracks = 0, checks = 0, memos = 0;
    edit->OnChange = [&](TObject*) { ++edits; };
    track->OnChange = [&](TObject*) { ++tracks; };
    check->OnClick = [&](TObject*) { ++checks; };
    memo->OnChange = [&](TObject*) { ++memos; };
    for (int i = 0; i < 2; ++i) {
        edit->SetText("abc");
        track->SetPosition(7);
        check->SetChecked(true);
        memo->Lines().Add("x");
    }
    track->SetPosition(99); // clamped to Max 10
    EXPECT_EQ(track->Position(), 10);
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(tracks, 2);
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(memos, 2);
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(memo->Text(), "x\r\nx");
}

TEST_F(ValueControlsTest, RadioButtonsAndSpeedButtonGroupsKeepOneDown) {
    auto* a = new TRadioButton(&form, &form);
    auto* b = new TRadioButton(&form, &form);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());

    auto* s1 = new TSpeedButton(&form, &form);
    auto* s2 = new TSpeedButton(&form, &form);
    auto* other = new TSpeedButton(&form, &form);
    s1->SetGroupIndex(1);
    s2->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);
    s1->Click();
    EXPECT_TRUE(s1->Down());
    s2->Click();
    EXPECT_TRUE(s2->Down());
    EXPECT_FALSE(s1->Down());
    EXPECT_TRUE(other->Down());
    s2->Click(); // no AllowAllUp: stays down
    EXPECT_TRUE(s2->Down());
    s2->SetAllowAllUp(true);
    s2->Click();
    EXPECT_FALSE(s2->Down());
}

TEST_F(ValueControlsTest, ListsSortCaseInsensitivelyAndCheckIndexes) {
    auto* list = new TListBox(&form, &form);
    list->SetSorted(true);
    for (const char* s : {"beta", "Alpha", "gamma", "alpha2"})
        list->Items().Add(s);
    EXPECT_EQ(list->Items().ToVector(), (std::vector<std::string>{"Alpha", "alpha2", "beta", "gamma"}));
    EXPECT_EQ(list->Items().IndexOf("BETA"), 2);
    EXPECT_THROW(list->Items().Get(4), std::out_of_range);
    EXPECT_THROW(list->SetItemIndex(9), std::out_of_range);

    auto* combo = new TComboBox(&form, &form);
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->Items().SetStrings({"1:1", "1:2", "1:4", "1:8"});
    combo->SetItemIndex(2); // from code: no event
    EXPECT_EQ(combo->Text(), "1:4");
    EXPECT_EQ(changes, 0);

    auto* group = new TRadioGroup(&form, &form);
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    group->Items().SetStrings({"Best Quality", "Speed"});
    group->SetItemIndex(0);
    group->SetItemIndex(0);
    EXPECT_EQ(clicks, 1);
}

} // namespace
