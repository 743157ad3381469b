#include "Progress.h"
#include "Mapper.h"

#include <gtest/gtest.h>

namespace {

int stepsOver(int rows, TRowStepper::TFirstMark first) {
    TQuietProgress bar;
    TRowStepper s(bar, rows, first);
    for (int i = 0; i < rows; ++i)
        s.Row(i);
    return bar.steps;
}

TEST(RowStepper, AdvancesOncePerHundredthOfTheRows) {
    struct Case {
        int rows;
        TRowStepper::TFirstMark first;
        int steps;
    } cases[] = {
        {100, TRowStepper::mkStep, 98},  // marks 1, 2, ...: rows 2..99
        {100, TRowStepper::mkZero, 99},  // marks 0, 1, ...: rows 1..99
        {1000, TRowStepper::mkStep, 99}, // rows 11, 21, ..., 991
        {300, TRowStepper::mkStep, 99},  // 3.0 exactly as a 6-byte real: rows 4, 7, ..., 298
        {1, TRowStepper::mkStep, 0},     {0, TRowStepper::mkZero, 0},
        {50, TRowStepper::mkZero, 49}, // marks half a row apart: every row after the first
    };
    for (const Case& c : cases)
        EXPECT_EQ(stepsOver(c.rows, c.first), c.steps) << c.rows << " rows";
}

TEST(RowStepper, PumpsMessagesOnlyWhenAskedAtEachStep) {
    TQuietProgress quiet, pumping;
    TRowStepper a(quiet, 1000, TRowStepper::mkStep, false), b(pumping, 1000, TRowStepper::mkStep, true);
    for (int i = 0; i < 1000; ++i) {
        a.Row(i);
        b.Row(i);
    }
    EXPECT_EQ(quiet.pumps, 0);
    EXPECT_EQ(pumping.pumps, pumping.steps);
    EXPECT_EQ(pumping.Position(), 99);
}

TEST(RowStepper, SecondPassWindsDownAndPumpsEveryRowWhenAsked) {
    TQuietProgress bar;
    bar.SetPosition(1);
    TRowStepper s(bar, 100, TRowStepper::mkStep, TRowStepper::pmEveryRow);
    for (int i = 0; i < 100; ++i)
        s.Row(i);
    EXPECT_EQ(bar.Position(), 99);
    EXPECT_EQ(bar.pumps, 100);
    s.Restart();
    s.CountDown();
    for (int i = 0; i < 99; ++i)
        s.Row(i);
    EXPECT_EQ(bar.Position(), 2); // marks on rows 2..98 of the shorter pass
    EXPECT_EQ(bar.pumps, 199);
}

TEST(Mapprogress, KindsShowPositionAndHide) {
    TQuietProgress bar;
    bar.SetPosition(50);
    mapprogress(255, 0, 1, bar);
    EXPECT_TRUE(bar.visible);
    EXPECT_EQ(bar.Position(), 0);

    struct Case {
        int max, pos, position;
    } cases[] = {
        {255, 1, 3},    // 2.55 rounds up
        {255, 39, 99},  // 99.45
        {255, 40, 100}, // 102: the bar is full from entry 40 on
        {255, 254, 100}, {200, 1, 2}, {0, 10, 0},
    };
    for (const Case& c : cases) {
        mapprogress(c.max, c.pos, 2, bar);
        EXPECT_EQ(bar.Position(), c.position) << c.max << " x " << c.pos;
    }
    mapprogress(255, 7, 3, bar); // unknown kind: nothing
    EXPECT_TRUE(bar.visible);
    EXPECT_EQ(bar.Position(), 0);
    mapprogress(255, 0, 0, bar);
    EXPECT_FALSE(bar.visible);
}

} // namespace
