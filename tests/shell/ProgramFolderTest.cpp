#include "ProgramFolder.h"
#include "TestFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramFolder::SetRoot(dir.path());
        fs::create_directories(dir.path() / "bin");
        fs::create_directories(dir.path() / "User Manual");
        std::ofstream(dir.path() / "bin" / "coconfig.fle") << "x";
    }
    void TearDown() override { ProgramFolder::SetRoot({}); }
    TestFolder dir;
};

TEST_F(ProgramFolderTest, MapsProgramNamesOntoTheFolder) {
    struct Case {
        std::string name;
        fs::path expected;
    } cases[] = {
        {"bin\\coconfig.fle", dir.path() / "bin" / "coconfig.fle"},
        {"BIN\\COCONFIG.FLE", dir.path() / "bin" / "coconfig.fle"},
        {"User manual\\pixelmovers.avi", dir.path() / "User Manual" / "pixelmovers.avi"},
        {ProgramFolder::RootWithSlash() + "\\clpcache", dir.path() / "clpcache"},
        {"bin\\\\\\new.txt", dir.path() / "bin" / "new.txt"},
        {"C:\\pictures\\a.bmp", fs::path("/pictures/a.bmp")},
        {"/tmp//x", fs::path("/tmp/x")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFolder::MapPath(c.name), c.expected) << c.name;
}

TEST_F(ProgramFolderTest, ExistenceIgnoresCase) {
    EXPECT_TRUE(ProgramFolder::FileExists("Bin\\CoConfig.FLE"));
    EXPECT_FALSE(ProgramFolder::FileExists("bin"));
    EXPECT_TRUE(ProgramFolder::DirectoryExists("user manual"));
    EXPECT_FALSE(ProgramFolder::FileExists("bin\\missing.fle"));
}
