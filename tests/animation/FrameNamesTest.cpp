#include "PictureWriters.h"
#include "dirpathdlg.h"

#include <gtest/gtest.h>

TEST(FrameNames, FolderAndPrefixJoinWithOneSlash) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"/tmp/f", "a", "/tmp/f/a"},
        {"/tmp/f/", "a", "/tmp/f/a"},
        {"/tmp/f", "/a", "/tmp/f/a"},
        {"C:\\f\\", "a", "C:/f/a"},
        {"/tmp/f", "\\sub\\a", "/tmp/f/sub/a"}};
    for (auto [folder, prefix, base] : cases)
        EXPECT_EQ(frameFileBase(folder, prefix), base) << folder << " + " << prefix;
}

TEST(FrameNames, NumbersArePaddedToThreeDigitsBelow100) {
    const std::pair<int, const char*> cases[] = {{0, "000"}, {7, "007"}, {42, "042"}, {123, "123"}};
    for (auto [n, text] : cases)
        EXPECT_EQ(FrameNumberText(n), text) << n;
}
