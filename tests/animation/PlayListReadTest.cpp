// Play-list files as the list boxes read them: split at CR, LF or CR LF, each line one item taken
// byte for byte, whatever the file holds.
#include "FileIO.h"
#include "TListBox.h"
#include "TestFolder.h"
#include "WindowAlone.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readThrough(TListBox& box, const std::string& bytes) {
    TestFolder dir;
    const std::string f = dir.file("list.lst");
    writeFileReplacing(f, bytes);
    box.Items().LoadFromFile(f);
    return box.Items().ToVector();
}

TListBox& playList() {
    static TListBox* box = nullptr;
    if (!box) {
        box = new TListBox(plainMainForm(), plainMainForm());
        box->SetMultiSelect(true);
    }
    return *box;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(PlayListRead, LinesSplitAtEveryEnding) {
    const std::string nul("a\0b", 3);
    struct Case {
        const char* what;
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"LF", "a\nb\n", {"a", "b"}},
        {"CR", "a\rb\r", {"a", "b"}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"empty lines kept", "a\n\n\r\n\rb\n", {"a", "", "", "", "b"}},
        {"no final ending", "/f/a.bmp\r\n/f/b.bmp", {"/f/a.bmp", "/f/b.bmp"}},
        {"CR CR LF", "a\r\r\nb", {"a", "", "b"}},
        {"empty file", "", {}},
        {"Latin-1 path", "/f/fr\xe9me.bmp\r\n", {"/f/fr\xe9me.bmp"}},
        {"bytes that are no text", "\xff\xfe\x80\x01\n" + nul, {"\xff\xfe\x80\x01", nul}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readThrough(playList(), c.bytes), c.lines) << c.what;
}

TEST(PlayListRead, ItemsSaveBackByteForByte) {
    TListBox& box = playList();
    const std::string file = "/f/fr\xe9me.bmp\r\n\xc3\xa9t\xc3\xa9.bmp\r\n\xff\r\n";
    readThrough(box, file);
    EXPECT_EQ(box.Items().Text(), file);
}

TEST(PlayListRead, AnyBytesGiveLinesWithoutEndingsHoldingEveryOtherByte) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(size_t(rng() % 400), '\0');
        for (char& ch : bytes) {
            unsigned r = rng() % 16;
            ch = r == 0 ? '\r' : r == 1 ? '\n' : char(rng() & 0xFF);
        }
        Lines lines = readThrough(playList(), bytes);
        std::string joined, expected;
        for (const std::string& l : lines) {
            EXPECT_EQ(l.find_first_of("\r\n"), std::string::npos);
            joined += l;
        }
        for (char ch : bytes)
            if (ch != '\r' && ch != '\n') expected += ch;
        EXPECT_EQ(joined, expected) << "round " << round;
    }
}
