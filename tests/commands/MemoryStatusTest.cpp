// The memory status behind the about box: the /proc/meminfo reader and the load in 64 bits.
#include "MemoryStatus.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

TEST(MemoryStatusTest, ReadsTotalAndAvailableAndWorksOutTheLoad) {
    TMemoryStatus s;
    ASSERT_TRUE(parseMeminfo("MemTotal:       65536 kB\nMemFree:  100 kB\nMemAvailable:   37748 kB\n", s));
    EXPECT_EQ(s.dwTotalPhys, 65536ull * 1024);
    EXPECT_EQ(s.dwAvailPhys, 37748ull * 1024);
    EXPECT_EQ(s.dwMemoryLoad, 42u); // 27788 x 100 div 65536
}

TEST(MemoryStatusTest, LoadIsWorkedOutWithoutOverflow) {
    const std::uint64_t GB = 1ull << 30;
    struct Case {
        std::uint64_t total, available;
        std::uint32_t load;
    } cases[] = {
        {16 * GB, 8 * GB, 50}, {1000, 800, 20}, {~0ull, 0, 100}, {~0ull, ~0ull / 2, 50},
        {100, 200, 0},         {0, 0, 0},       {3, 0, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(memoryLoad(c.total, c.available), c.load) << c.total << " " << c.available;
}

// Hostile texts: each is refused (the status stays as it was) or read within bounds.
TEST(MemoryStatusTest, HostileTextsAreRefusedOrReadWithinBounds) {
    using namespace std::string_literals;
    struct Case {
        std::string text;
        bool read;
    } cases[] = {
        {"", false},
        {"MemTotal:\n", false},
        {"MemTotal: 0 kB\nMemAvailable: 0 kB\n", false},
        {"MemTotal: -5 kB\n", false},
        {"MemTotal: abc kB\n", false},
        {"MemTotal: 99999999999999999999999 kB\n", false},    // more than 64 bits
        {"MemTotal: 18014398509481984 kB\n", false},          // fits, but not as bytes
        {"MemTotal: 1000 kB", true},                          // no end of line, no available line
        {"MemTotal: 1000 kB\nMemAvailable: 5000 kB\n", true}, // more available than there is
        {"MemAvailable: 5 kB\nMemTotal:\t2048 kB\n", true},
        {"memtotal: 1000 kB\n", false},
        {"MemTotal: 1000 kB\0MemAvailable: 1 kB"s, true},
    };
    for (const Case& c : cases) {
        TMemoryStatus s;
        s.dwTotalPhys = 7;
        const bool read = parseMeminfo(c.text, s);
        EXPECT_EQ(read, c.read) << c.text;
        if (!read) {
            EXPECT_EQ(s.dwTotalPhys, 7u) << c.text;
        }
        EXPECT_LE(s.dwMemoryLoad, 100u);
        EXPECT_LE(s.dwAvailPhys, s.dwTotalPhys);
    }
}

TEST(MemoryStatusTest, RandomBytesNeverBreakTheReader) {
    std::mt19937 rng(123);
    const std::string seed = "MemTotal:       16314000 kB\nMemFree: 10 kB\nMemAvailable:   9000000 kB\n";
    for (int round = 0; round < 2000; ++round) {
        std::string text = seed;
        for (int k = 0; k < 4; ++k)
            text[rng() % text.size()] = char(rng() % 256);
        TMemoryStatus s;
        parseMeminfo(text, s);
        EXPECT_LE(s.dwMemoryLoad, 100u);
        EXPECT_LE(s.dwAvailPhys, s.dwTotalPhys);
    }
}

TEST(MemoryStatusTest, TheMachinesStatusAndATestsFigures) {
    const TMemoryStatus real = GlobalMemoryStatus();
    EXPECT_GT(real.dwTotalPhys, 0u);
    {
        ScopedMemoryStatus fake(64ull << 20, 42);
        EXPECT_EQ(GlobalMemoryStatus().dwTotalPhys, 64ull << 20);
        EXPECT_EQ(GlobalMemoryStatus().dwMemoryLoad, 42u);
    }
    EXPECT_EQ(GlobalMemoryStatus().dwTotalPhys, real.dwTotalPhys);
}

} // namespace
