#include "Application.h"
#include "ModalTesting.h"
#include "TTimer.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

class TimerTest : public TModalTest {};

TEST_F(TimerTest, IntervalRules) {
    TTimer t(nullptr);
    struct Case {
        int interval;
        bool enabled;
        int effective;
    } cases[] = {{0, true, 0},  {1000, false, 0}, {1, true, 10},
                 {9, true, 10}, {10, true, 10},   {55, true, 55}};
    for (auto c : cases) {
        t.SetInterval(c.interval);
        t.SetEnabled(c.enabled);
        EXPECT_EQ(t.EffectiveInterval(), c.effective) << c.interval << (c.enabled ? " on" : " off");
        EXPECT_EQ(t.Running(), c.effective > 0);
    }
}

TEST_F(TimerTest, ZeroIntervalNeverFiresAndARunningTimerDoes) {
    TTimer t(nullptr);
    int ticks = 0;
    t.OnTimer = [&](TObject*) { ++ticks; };
    t.SetInterval(0);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60)
        Application->ProcessMessages();
    EXPECT_EQ(ticks, 0);
    t.SetInterval(1);
    clock.restart();
    while (ticks == 0 && clock.elapsed() < 2000)
        Application->ProcessMessages();
    EXPECT_GT(ticks, 0);
}

TEST_F(TimerTest, ATickDuringItsOwnHandlerIsSkipped) {
    TTimer t(nullptr);
    t.SetInterval(10);
    int depth = 0, maxDepth = 0, ticks = 0;
    t.OnTimer = [&](TObject*) {
        ++ticks;
        maxDepth = std::max(maxDepth, ++depth);
        QElapsedTimer c;
        c.start();
        while (c.elapsed() < 40)
            Application->ProcessMessages();
        --depth;
        if (ticks >= 2) t.SetEnabled(false);
    };
    QElapsedTimer clock;
    clock.start();
    while (t.Enabled() && clock.elapsed() < 3000)
        Application->ProcessMessages();
    EXPECT_EQ(maxDepth, 1);
}

TEST_F(TimerTest, ExceptionInOnTimerBecomesTheErrorReport) {
    TTimer t(nullptr);
    t.SetInterval(10);
    ModalSeam().QueueButton(1);
    t.OnTimer = [&](TObject*) {
        t.SetEnabled(false);
        throw std::runtime_error("Not enough memory");
    };
    QElapsedTimer clock;
    clock.start();
    while (t.Enabled() && clock.elapsed() < 2000)
        Application->ProcessMessages();
    ASSERT_EQ(ModalSeam().Log().size(), 1u);
    EXPECT_EQ(ModalSeam().Log()[0].text, "Not enough memory");
}

} // namespace
