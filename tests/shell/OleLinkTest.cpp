// Link containers and the launcher: link records made, saved and loaded back, hostile link
// files refused, opening through the launcher, and the system launcher's argument handling.
#include "FileIO.h"
#include "Launcher.h"
#include "OleContainer.h"
#include "RecordingLauncher.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

std::string put(const TestFolder& dir, const std::string& name, const std::string& text) {
    writeFileReplacing(dir.file(name), text);
    return dir.file(name);
}

TEST(OleLink, SavedLinkLoadsBackAndOpensItsTarget) {
    TestFolder dir;
    RecordingLauncher launcher;
    const std::string target = put(dir, "notes page.html", "<html></html>");
    TOleContainer c;
    c.CreateLinkToFile(target, true);
    c.SaveToFile(dir.file("link1.txt"));
    EXPECT_EQ(ReadWholeFile(dir.file("link1.txt")), bytes("Orvanta link 1\r\n" + target + "\r\n"));

    TOleContainer back;
    back.LoadFromFile(dir.file("link1.txt"));
    ASSERT_TRUE(back.HasObject());
    back.DoVerb(ovShow);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].program, "xdg-open");
    EXPECT_EQ(launcher.started[0].arguments, std::vector<std::string>{target});
}

TEST(OleLink, LinkingWhatCannotBeLinkedLeavesTheContainerAsItWas) {
    TestFolder dir;
    const std::string target = put(dir, "a.txt", "a");
    TOleContainer c;
    c.CreateLinkToFile(target, true);
    EXPECT_THROW(c.CreateLinkToFile(dir.file("missing.txt"), true), EOleError);
    EXPECT_THROW(c.CreateLinkToFile(dir.file("a.txt\nb"), true), EOleError);
    EXPECT_THROW(c.CreateLinkToFile(dir.file("a.txt\r"), true), EOleError);
    EXPECT_EQ(c.LinkTarget(), target);

    TOleContainer empty;
    EXPECT_THROW(empty.SaveToFile(dir.file("link.txt")), EOleError);
    EXPECT_FALSE(fs::exists(dir.file("link.txt")));
}

TEST(OleLink, OpeningFailsWithoutALinkAGoneTargetOrAFailingStart) {
    TestFolder dir;
    RecordingLauncher launcher;
    TOleContainer c;
    EXPECT_THROW(c.DoVerb(ovShow), EOleError);

    const std::string target = put(dir, "a.txt", "a");
    c.CreateLinkToFile(target, true);
    launcher.failNext = 1;
    EXPECT_THROW(c.DoVerb(ovShow), EOleError);
    fs::remove(target);
    EXPECT_THROW(c.DoVerb(ovShow), EOleError);
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_TRUE(c.HasObject()) << "a failed opening keeps the link";
}

TEST(OleLink, HostileLinkFilesAreRefusedAndTheContainerKept) {
    TestFolder dir;
    const std::string good = put(dir, "good.txt", "g");
    const std::string head = "Orvanta link 1\r\n";
    const struct {
        const char* what;
        std::string content;
    } cases[] = {
        {"empty", ""},
        {"header only", head},
        {"another format", "OLE2 link 1\r\n" + good + "\r\n"},
        {"LF endings", "Orvanta link 1\n" + good + "\n"},
        {"no final line break", head + good},
        {"relative path", head + "good.txt\r\n"},
        {"empty path", head + "\r\n"},
        {"a third line", head + good + "\r\n" + "more\r\n"},
        {"NUL in the path", head + "/tmp/a" + std::string(1, '\0') + "b\r\n"},
        {"CR inside the path", head + "/tmp/a\rb\r\n"},
        {"huge", head + "/" + std::string(100000, 'a') + "\r\n"},
        {"binary", std::string("\xff\xfe\x00\x01\x02", 5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = put(dir, "link.txt", c.content);
        TOleContainer container;
        container.CreateLinkToFile(good, true);
        EXPECT_THROW(container.LoadFromFile(file), EOleError);
        EXPECT_EQ(container.LinkTarget(), good);
    }
    TOleContainer container;
    EXPECT_THROW(container.LoadFromFile(dir.file("no such link.txt")), EStreamError);
    EXPECT_THROW(container.LoadFromFile(dir.path().string()), std::exception);
}

int fuzzIterations() {
    const char* env = std::getenv("ORVANTA_FUZZ_ITERATIONS");
    return env ? std::max(1, std::atoi(env)) : 3000;
}

// Seeded mutations of a good record: nothing crashes, and whatever is accepted is a usable
// absolute path with no line break in it.
TEST(OleLinkFuzz, MutatedRecordsAreRefusedOrGiveAUsablePath) {
    const std::string record = linkRecord("/home/user/My Pictures/film.avi");
    std::mt19937 rng(1234);
    for (int i = 0; i < fuzzIterations(); ++i) {
        std::vector<std::uint8_t> b(record.begin(), record.end());
        const int edits = 1 + int(rng() % 4);
        for (int e = 0; e < edits; ++e) {
            switch (rng() % 3) {
            case 0:
                if (!b.empty()) b[rng() % b.size()] = std::uint8_t(rng());
                break;
            case 1:
                if (!b.empty()) b.erase(b.begin() + long(rng() % b.size()));
                break;
            default:
                b.insert(b.begin() + long(rng() % (b.size() + 1)), std::uint8_t(rng()));
            }
        }
        const std::optional<std::string> target = parseLinkRecord(b);
        if (!target) continue;
        ASSERT_FALSE(target->empty()) << "iteration " << i;
        ASSERT_EQ(target->front(), '/') << "iteration " << i;
        ASSERT_EQ(target->find_first_of(std::string("\r\n\0", 3)), std::string::npos) << "iteration " << i;
    }
}

// Waits (bounded) for a file a started process writes last.
bool waitFor(const fs::path& p) {
    for (int i = 0; i < 200 && !fs::exists(p); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    return fs::exists(p);
}

std::string executable(const TestFolder& dir, const std::string& name, const std::string& script) {
    const std::string path = put(dir, name, script);
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
    return path;
}

class PathWithRecorder : public ::testing::Test {
protected:
    void SetUp() override {
        old = std::getenv("PATH") ? std::getenv("PATH") : "";
        // Writes the count of its arguments and each argument on a line of its own, then renames
        // the file into place, so the test never reads it half written.
        executable(bin, "xdg-open",
                   "#!/bin/sh\n"
                   "out=\"$(dirname \"$0\")/opened\"\n"
                   "printf '%s\\n' \"$#\" \"$@\" > \"$out.part\" && mv \"$out.part\" \"$out\"\n");
        setenv("PATH", (bin.path().string() + ":" + old).c_str(), 1);
    }
    void TearDown() override { setenv("PATH", old.c_str(), 1); }
    std::string opened() {
        if (!waitFor(bin.path() / "opened")) return "(never opened)";
        const std::vector<std::uint8_t> b = ReadWholeFile(bin.file("opened"));
        return {b.begin(), b.end()};
    }
    TestFolder bin;
    std::string old;
};

TEST_F(PathWithRecorder, AnOddNameReachesXdgOpenAsOneArgument) {
    TestFolder dir;
    const std::string target = put(dir, "my 'odd' \"file\" $HOME `x`; rm.html", "x");
    ASSERT_TRUE(openTarget(target));
    EXPECT_EQ(opened(), "1\n" + target + "\n");
}

TEST_F(PathWithRecorder, AnExecutableStartsDirectlyInItsFolder) {
    TestFolder dir;
    const std::string tool = executable(dir, "tool", "#!/bin/sh\npwd > ran.part && mv ran.part ran\n");
    ASSERT_TRUE(openTarget(tool));
    ASSERT_TRUE(waitFor(dir.path() / "ran"));
    const std::vector<std::uint8_t> b = ReadWholeFile(dir.file("ran"));
    EXPECT_EQ(fs::canonical(std::string(b.begin(), b.end() - 1)), fs::canonical(dir.path()));
    EXPECT_FALSE(fs::exists(bin.path() / "opened")) << "an executable does not go through xdg-open";
}

TEST(Launcher, NothingStartsForAMissingTargetAndAFailedStartIsReported) {
    TestFolder dir;
    RecordingLauncher launcher;
    EXPECT_FALSE(openTarget(dir.file("missing.html")));
    EXPECT_TRUE(launcher.started.empty());
    launcher.failNext = 1;
    EXPECT_FALSE(openTarget(dir.path().string()));
    EXPECT_TRUE(openTarget(dir.path().string()));
    EXPECT_EQ(launcher.lastOpened(), dir.path().string());
}

} // namespace
