// The preview clock's tick, without a window: a play list of names and marks, files that exist
// or not, and a loader that can fail.
#include "PreviewTick.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

class FakePlayer : public TPreviewPlayer {
public:
    std::vector<std::string> names;
    std::vector<bool> marks;
    int spanim = 0;
    bool clock = true;
    bool stop = false;
    std::set<std::string> missing, unreadable;
    std::vector<std::string> shown;
    std::string status;
    int unreadableReports = 0;

    int count() const override { return int(names.size()); }
    bool marked(int i) const override { return marks.at(size_t(i)); }
    std::string name(int i) const override { return names.at(size_t(i)); }
    int position() const override { return spanim; }
    void setPosition(int i) override { spanim = i; }
    bool clockOn() const override { return clock; }
    void setClock(bool on) override { clock = on; }
    bool stopRequested() const override { return stop; }
    void setStopRequest(bool s) override { stop = s; }
    bool fileExists(const std::string& p) const override { return !missing.count(p); }
    bool showFrame(const std::string& p) override {
        if (unreadable.count(p)) return false;
        shown.push_back(p);
        return true;
    }
    void setStatus(const std::string& t) override { status = t; }
    void reportUnreadable() override { ++unreadableReports; }
    void pump(int) override {}

    // The frames shown by `ticks` ticks, one letter a tick ("-" for a tick that showed none).
    std::string run(int ticks) {
        std::string out;
        for (int i = 0; i < ticks; ++i) {
            size_t before = shown.size();
            previewTick(*this);
            out += shown.size() > before ? shown.back() : "-";
        }
        return out;
    }
};

FakePlayer playList(const std::string& names, const std::string& marks) {
    FakePlayer p;
    for (size_t i = 0; i < names.size(); ++i) {
        p.names.push_back(std::string(1, names[i]));
        p.marks.push_back(marks[i] == 'x');
    }
    return p;
}

} // namespace

TEST(PreviewTick, ShowsTheMarkedFramesInListOrder) {
    struct Case {
        const char* names;
        const char* marks; // 'x' marked
        const char* shows; // eight ticks
    } cases[] = {
        {"ABC", "x.x", "ACACACAC"}, // the unmarked B is skipped
        {"AB", ".x", "BBBBBBBB"},   // B at every tick
        {"AB", "x.", "A-A-A-A-"},   // A at every other tick: B, last, costs its tick
        {"ABC", "...", "--------"}, // nothing marked, nothing shown; the index cycles
    };
    for (const Case& c : cases) {
        FakePlayer p = playList(c.names, c.marks);
        EXPECT_EQ(p.run(8), c.shows) << c.names << " " << c.marks;
        EXPECT_TRUE(p.clock) << c.names << " " << c.marks;
    }
}

TEST(PreviewTick, AnIndexOutsideTheListStartsAgainFromTheTop) {
    for (int start : {-3, 3, 99}) {
        FakePlayer p = playList("ABC", "xxx");
        p.spanim = start;
        EXPECT_EQ(p.run(1), "A") << start;
        EXPECT_EQ(p.spanim, 1);
    }
}

TEST(PreviewTick, AMissingMarkedFrameStopsTheClockAndSaysWhich) {
    FakePlayer p = playList("ABC", ".xx");
    p.missing = {"B"};
    EXPECT_EQ(p.run(1), "-");
    EXPECT_FALSE(p.clock);
    EXPECT_EQ(p.status, "File Not Found -B");
    EXPECT_EQ(p.spanim, 1); // stays on the missing frame
    EXPECT_EQ(p.unreadableReports, 0);
}

TEST(PreviewTick, AnUnreadableMarkedFrameStopsTheClockWithItsMessage) {
    FakePlayer p = playList("AB", "xx");
    p.spanim = 1;
    p.unreadable = {"B"};
    p.run(1);
    EXPECT_FALSE(p.clock);
    EXPECT_EQ(p.unreadableReports, 1);
    EXPECT_EQ(p.spanim, 1);
    EXPECT_EQ(p.status, "");
}

TEST(PreviewTick, AStopRequestTurnsTheClockOffWithoutShowing) {
    FakePlayer p = playList("AB", "xx");
    p.stop = true;
    p.status = "File Not Found -old";
    EXPECT_EQ(p.run(1), "-");
    EXPECT_FALSE(p.clock);
    EXPECT_EQ(p.status, ""); // cleared at every tick
}

TEST(PreviewTick, AnEmptyListStopsTheClockAndSetsTheStopRequest) {
    FakePlayer p;
    p.run(1);
    EXPECT_FALSE(p.clock);
    EXPECT_TRUE(p.stop);
}
