#include "MMTimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {
using namespace std::chrono;

TEST(FakeTimers, TicksFollowTheGridInTimeOrder) {
    TFakeTimers clock;
    std::vector<std::pair<char, std::int64_t>> log;
    unsigned a = clock.SetEvent(30, [&] { log.push_back({'a', clock.Now()}); });
    unsigned b = clock.SetEvent(45, [&] { log.push_back({'b', clock.Now()}); });
    ASSERT_TRUE(a && b);
    clock.Advance(100);
    std::vector<std::pair<char, std::int64_t>> want = {{'a', 30}, {'b', 45}, {'a', 60}, {'b', 90}, {'a', 90}};
    // a and b both fall due at 90; either order is a correct tick order, but both must be there.
    ASSERT_EQ(log.size(), want.size());
    EXPECT_EQ(log[0], want[0]);
    EXPECT_EQ(log[1], want[1]);
    EXPECT_EQ(log[2], want[2]);
    EXPECT_TRUE(clock.KillEvent(a));
    EXPECT_FALSE(clock.KillEvent(a));
    clock.Advance(40);
    EXPECT_EQ(log.back(), (std::pair<char, std::int64_t>{'b', 135}));
    EXPECT_EQ(clock.Running(), 1);
}

TEST(FakeTimers, ATickMayKillItsOwnTimer) {
    TFakeTimers clock;
    int ticks = 0;
    unsigned id = 0;
    id = clock.SetEvent(10, [&] {
        if (++ticks == 3) clock.KillEvent(id);
    });
    clock.Advance(100);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(clock.SetEvent(0, [] {}), 0u);
}

TEST(SystemTimers, TicksDoNotDriftAndKillWaitsForATickInFlight) {
    std::atomic<int> ticks{0};
    auto start = steady_clock::now();
    unsigned id = SystemTimers().SetEvent(5, [&] { ++ticks; });
    ASSERT_NE(id, 0u);
    while (ticks < 40 && steady_clock::now() - start < seconds(10))
        std::this_thread::sleep_for(milliseconds(1));
    auto elapsed = duration_cast<milliseconds>(steady_clock::now() - start).count();
    ASSERT_TRUE(SystemTimers().KillEvent(id));
    // Ticks come no faster than their period.
    EXPECT_GE(elapsed, 195);
    int after = ticks;
    std::this_thread::sleep_for(milliseconds(20));
    EXPECT_EQ(ticks, after);

    // A slow tick in flight: Kill returns only once it has finished, and nothing runs after.
    std::atomic<bool> inTick{false}, finished{false};
    id = SystemTimers().SetEvent(1, [&] {
        inTick = true;
        std::this_thread::sleep_for(milliseconds(30));
        finished = true;
    });
    while (!inTick)
        std::this_thread::sleep_for(milliseconds(1));
    SystemTimers().KillEvent(id);
    EXPECT_TRUE(finished);
}

TEST(SystemTimers, ATickMayKillItsOwnTimer) {
    std::atomic<int> ticks{0};
    std::atomic<unsigned> id{0};
    std::atomic<bool> started{false};
    id = SystemTimers().SetEvent(1, [&] {
        while (!started) // wait until the id is known
            std::this_thread::yield();
        if (++ticks == 2) SystemTimers().KillEvent(id);
    });
    started = true;
    auto until = steady_clock::now() + seconds(5);
    while (ticks < 2 && steady_clock::now() < until)
        std::this_thread::sleep_for(milliseconds(1));
    std::this_thread::sleep_for(milliseconds(20));
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(SystemTimers().KillEvent(id));
}

} // namespace
