// The safe writer: what a failure leaves behind, links, permission bits.
#include "FileIO.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void putText(const fs::path& p, const std::string& text) {
    writeFileReplacing(p.string(), text);
}

std::vector<std::string> entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

const std::string kOld = "the good old file\n";
const std::string kNew(100000, 'n'); // large enough to be written in several pieces

TEST(SafeWrite, SuccessReplacesTheFileAndLeavesNothingElse) {
    TestFolder dir;
    const fs::path target = dir.path() / "a.txt";
    putText(target, kOld);
    writeFileReplacing(target.string(), kNew);
    EXPECT_EQ(readText(target), kNew);
    writeFileReplacing(target.string(), std::string()); // an empty file is a file too
    EXPECT_TRUE(fs::exists(target));
    EXPECT_EQ(fs::file_size(target), 0u);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"a.txt"});
}

TEST(SafeWrite, AFailureLeavesTheOldFileByteForByteAndNoTemporaryFile) {
    TestFolder dir;
    fs::create_directory(dir.path() / "plain");
    const fs::path target = dir.path() / "plain" / "a.txt";
    putText(target, kOld);
    fs::create_directory(dir.path() / "locked");
    putText(dir.path() / "locked" / "b.txt", kOld);
    fs::permissions(dir.path() / "locked", fs::perms::owner_read | fs::perms::owner_exec);

    const struct {
        const char* what;
        WriteFaults faults;
        fs::path target;
    } cases[] = {
        {"disk full at the start", {.failWriteAfter = 0}, target},
        {"disk full half way", {.failWriteAfter = 50000}, target},
        {"disk full at the end", {.failWriteAfter = 99999}, target},
        {"disk full seen at sync", {.syncErrno = ENOSPC}, target},
        {"I/O error", {.failWriteAfter = 10, .writeErrno = EIO}, target},
        {"rename refused", {.renameErrno = EXDEV}, target},
        // Root ignores the folder's bits, so the fault stands in for them there.
        {"read-only folder", {.createErrno = ::geteuid() == 0 ? EACCES : 0}, dir.path() / "locked" / "b.txt"},
        {"read-only file system", {.createErrno = EROFS}, target},
    };
    for (const auto& c : cases) {
        ScopedWriteFaults faults(c.faults);
        try {
            writeFileReplacing(c.target.string(), kNew);
            ADD_FAILURE() << c.what << ": no EStreamError";
        } catch (const EStreamError& e) {
            EXPECT_NE(std::string(e.what()).find(c.target.string()), std::string::npos) << c.what;
        }
        EXPECT_EQ(readText(c.target), kOld) << c.what;
        EXPECT_EQ(entries(c.target.parent_path()), std::vector<std::string>{c.target.filename().string()})
            << c.what;
    }
    fs::permissions(dir.path() / "locked", fs::perms::owner_all);
}

TEST(SafeWrite, ABadTargetIsRefusedAndNothingIsMade) {
    TestFolder dir;
    putText(dir.path() / "file", kOld);
    fs::create_directory(dir.path() / "folder");
    const struct {
        const char* what;
        fs::path target;
    } cases[] = {
        {"missing folder", dir.path() / "missing" / "a.txt"},
        {"folder is a file", dir.path() / "file" / "a.txt"},
        {"target is a folder", dir.path() / "folder"},
        {"no file name", dir.path() / ""},
    };
    for (const auto& c : cases)
        EXPECT_THROW(writeFileReplacing(c.target.string(), kNew), EStreamError) << c.what;
    EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"file", "folder"}));
    EXPECT_TRUE(entries(dir.path() / "folder").empty());
    EXPECT_EQ(readText(dir.path() / "file"), kOld);
}

TEST(SafeWrite, WhatTheProducerThrowsReachesTheCallerAndTheFileStays) {
    TestFolder dir;
    const fs::path target = dir.path() / "a.txt";
    putText(target, kOld);
    EXPECT_THROW(WriteWholeFile(target.string(),
                                [](FileSink& sink) {
                                    sink.write("partial", 7);
                                    throw std::logic_error("cannot encode");
                                }),
                 std::logic_error);
    EXPECT_EQ(readText(target), kOld);
    EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"a.txt"});
}

// Saving over a link used to replace the link with a plain file and leave the file it named.
TEST(SafeWrite, ALinkIsWrittenThroughAndStays) {
    TestFolder dir;
    fs::create_directory(dir.path() / "real");
    const fs::path file = dir.path() / "real" / "pic.bmp";
    putText(file, kOld);
    const struct {
        const char* what;
        fs::path link;
        fs::path pointsTo;
        fs::path written;
    } cases[] = {
        {"absolute link", dir.path() / "abs.bmp", file, file},
        {"relative link", dir.path() / "rel.bmp", "real/pic.bmp", file},
        {"link to a link", dir.path() / "chain.bmp", "rel.bmp", file},
        {"link to a file not there yet", dir.path() / "dangling.bmp", "real/new.bmp",
         dir.path() / "real" / "new.bmp"},
    };
    for (const auto& c : cases) {
        fs::create_symlink(c.pointsTo, c.link);
        const std::string text = std::string("through ") + c.what;
        writeFileReplacing(c.link.string(), text);
        EXPECT_TRUE(fs::is_symlink(c.link)) << c.what;
        EXPECT_EQ(fs::read_symlink(c.link), c.pointsTo) << c.what;
        EXPECT_EQ(readText(c.written), text) << c.what;
    }
    EXPECT_EQ(entries(dir.path() / "real"), (std::vector<std::string>{"new.bmp", "pic.bmp"}));

    // A failure through a link leaves the file it names as it was.
    putText(file, kOld);
    {
        ScopedWriteFaults faults({.failWriteAfter = 3});
        EXPECT_THROW(writeFileReplacing((dir.path() / "abs.bmp").string(), kNew), EStreamError);
    }
    EXPECT_EQ(readText(file), kOld);
    EXPECT_EQ(entries(dir.path() / "real"), (std::vector<std::string>{"new.bmp", "pic.bmp"}));
}

TEST(SafeWrite, TheReplacedFileKeepsItsPermissionBits) {
    TestFolder dir;
    const fs::path target = dir.path() / "a.txt";
    for (fs::perms mode :
         {fs::perms::owner_read | fs::perms::owner_write,
          fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read,
          fs::perms::owner_all | fs::perms::group_exec}) {
        putText(target, kOld);
        fs::permissions(target, mode);
        writeFileReplacing(target.string(), kNew);
        EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, mode);
        EXPECT_EQ(readText(target), kNew);
    }
    // A new file gets what the process's mask allows, as any created file does.
    const mode_t mask = ::umask(022);
    writeFileReplacing((dir.path() / "new.txt").string(), kNew);
    ::umask(mask);
    EXPECT_EQ(fs::status(dir.path() / "new.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST(SafeWrite, ADeviceIsWrittenInPlaceNotReplaced) {
    writeFileReplacing("/dev/null", kNew);
    EXPECT_THROW(writeFileReplacing("/dev/full", kNew), EStreamError);
    struct stat st {};
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

TEST(ReadWholeFile, ReadsEveryByteOrSaysWhyNot) {
    TestFolder dir;
    const std::string bytes("a\0b\r\n\xff", 6);
    putText(dir.path() / "a", bytes);
    const std::vector<std::uint8_t> got = ReadWholeFile(dir.file("a"));
    EXPECT_EQ(std::string(got.begin(), got.end()), bytes);
    EXPECT_THROW(ReadWholeFile(dir.file("missing")), EStreamError);
    // A folder named like a file: refused as such, not sized from its directory entry.
    EXPECT_THROW(ReadWholeFile(dir.path().string()), EStreamError);
}

} // namespace
