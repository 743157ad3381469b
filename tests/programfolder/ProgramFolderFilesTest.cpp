// The program folder as the build lays it out: every file the programs expect beside them is
// there and passes the reader that will read it; the generator is deterministic and leaves the
// files the user changes alone.
#include "AviFile.h"
#include "AviGetFrame.h"
#include "BmpCodec.h"
#include "FilmBuilder.h"
#include "RtfReader.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace {

const fs::path kFolder = ORVANTA_PROGRAM_DIR;

std::string fileText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int runGenerator(const fs::path& folder) {
    const std::string cmd =
        std::string("\"") + MAKE_PROGRAM_FILES + "\" \"" + folder.string() + "\" \"" + PROGRAM_TEXTS + "\"";
    return std::system(cmd.c_str());
}

int colourStep(TColor a, TColor b) {
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

// The largest colour step between neighbours inside the picture, across (or down) it.
int innerStep(const TBitmap& b, bool across) {
    int most = 0;
    for (int y = 0; y + (across ? 0 : 1) < b.Height(); ++y)
        for (int x = 0; x + (across ? 1 : 0) < b.Width(); ++x)
            most = std::max(most, colourStep(b.GetPixel(x, y), b.GetPixel(x + across, y + !across)));
    return most;
}

// The largest step where one tile meets the next.
int edgeStep(const TBitmap& b, bool across) {
    int most = 0;
    for (int i = 0; i < (across ? b.Height() : b.Width()); ++i)
        most = std::max(most, across ? colourStep(b.GetPixel(b.Width() - 1, i), b.GetPixel(0, i))
                                     : colourStep(b.GetPixel(i, b.Height() - 1), b.GetPixel(i, 0)));
    return most;
}

struct PictureCase {
    std::string name;
    int minSide;   // at least this wide and high
    int exactSide; // 0: any size
};

TEST(ProgramFolderFiles, PicturesReadAtTheirSizeAndDepthAndPatternsTileWithoutSeams) {
    std::vector<PictureCase> cases;
    for (int n = 1; n <= 16; ++n)
        cases.push_back({"bin/b" + std::to_string(n) + ".bmp", 17, 0});
    for (int n = 1; n <= 4; ++n)
        cases.push_back({"bin/but" + std::to_string(n) + ".bmp", 32, 32});
    std::set<std::string> distinctPatterns;
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap b;
        ASSERT_NO_THROW(b = ReadBmpFile((kFolder / c.name).string()));
        EXPECT_EQ(b.PixelFormat(), pf24bit);
        EXPECT_GE(b.Width(), c.minSide);
        EXPECT_GE(b.Height(), c.minSide);
        if (c.exactSide) {
            EXPECT_EQ(b.Width(), c.exactSide);
            EXPECT_EQ(b.Height(), c.exactSide);
        }
        std::set<TColor> colours;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                colours.insert(b.GetPixel(x, y));
        EXPECT_GT(colours.size(), 1u);
        if (!c.exactSide) {
            distinctPatterns.insert(fileText(kFolder / c.name));
            // Tiled, the last column meets the first and the last row the first: no seam shows
            // there that the pattern does not have inside it.
            EXPECT_LE(edgeStep(b, true), innerStep(b, true)) << "a seam between tiles side by side";
            EXPECT_LE(edgeStep(b, false), innerStep(b, false)) << "a seam between tiles one above another";
        }
    }
    EXPECT_EQ(distinctPatterns.size(), 16u);
}

struct FilmCase {
    std::string name;
    int width, height;
    int minFrames, maxFrames;
    bool silent;
    bool keyedEdge; // played by an animation control, which leaves out the bottom-left colour
};

// The colour of a decoded 8-bit or 24-bit frame at (x, y from the bottom).
TColor framePixel(const BITMAPINFOHEADER* bi, int x, int y) {
    const std::uint8_t* row = TGetFrame::Bits(bi) + DibRowBytes(bi->biWidth, bi->biBitCount) * y;
    if (bi->biBitCount == 8) {
        const auto* q = reinterpret_cast<const std::uint8_t*>(bi) + bi->biSize + 4 * row[x];
        return RGB(q[2], q[1], q[0]);
    }
    return RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
}

TEST(ProgramFolderFiles, FilmsOpenAtTheirSizeAndEveryFrameDecodes) {
    const FilmCase cases[] = {
        {"bin/logo1.avi", 450, 250, 40, 50, false, false}, // about three seconds
        {"bin/globe.avi", 48, 48, 2, 200, true, false},    // its grey surround is meant to go
        {"User manual/pixelmovers.avi", 48, 47, 2, 200, true, true},
        {"User manual/Drawing.avi", 100, 100, 20, 40, true, true},
        {"User manual/Zoomspot.avi", 100, 100, 20, 40, true, true},
        {"User manual/Frames.avi", 100, 100, 20, 40, true, true},
    };
    for (const FilmCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        auto file = TAviFile::Open((kFolder / c.name).string(), &error);
        ASSERT_TRUE(file) << error;
        auto video = file->GetStream(streamtypeVIDEO);
        ASSERT_TRUE(video);
        EXPECT_GE(video->Length(), c.minFrames);
        EXPECT_LE(video->Length(), c.maxFrames);
        EXPECT_EQ(bool(file->GetStream(streamtypeAUDIO)), !c.silent);
        auto frames = TGetFrame::Open(video, &error);
        ASSERT_TRUE(frames) << error;
        std::set<std::vector<std::uint8_t>> distinct;
        for (std::int32_t n = 0; n < video->Length(); ++n) {
            const BITMAPINFOHEADER* bi = frames->GetFrame(n);
            ASSERT_TRUE(bi) << "frame " << n;
            EXPECT_EQ(bi->biWidth, c.width);
            EXPECT_EQ(std::abs(bi->biHeight), c.height);
            if (c.keyedEdge) {
                const TColor key = framePixel(bi, 0, 0);
                for (int y = 1; y + 1 < c.height; ++y)
                    for (int x = 1; x + 1 < c.width; ++x)
                        ASSERT_NE(framePixel(bi, x, y), key)
                            << "frame " << n << " loses (" << x << "," << y << ")";
            }
            const std::uint8_t* bits = TGetFrame::Bits(bi);
            distinct.emplace(bits, bits + DibRowBytes(bi->biWidth, bi->biBitCount) * c.height);
        }
        EXPECT_GT(distinct.size(), 1u) << "a film that does not move";
    }
}

TEST(ProgramFolderFiles, RichTextsReadWholeThroughOurReader) {
    struct Case {
        const char* name;
        const char* first;
        const char* last;
    };
    for (const Case& c : {Case{"Readme.rtf", "Velmora Quickview", "shows its built-in introduction."},
                          Case{"bin/Data/h1.rtf", "Image Browser", "closes the browser."}}) {
        SCOPED_TRACE(c.name);
        const std::string bytes = fileText(kFolder / c.name);
        ASSERT_TRUE(IsRtf(bytes));
        const std::string text = ReadRtf(bytes).PlainText();
        EXPECT_EQ(text.find(c.first), 0u) << text.substr(0, 80);
        EXPECT_NE(text.find(c.last), std::string::npos);
        EXPECT_EQ(text.find_first_of("\\{}"), std::string::npos) << "control words leaked into the text";
    }
}

TEST(ProgramFolderFiles, ManualPagesLinkOnlyToFilesOfTheManualFolder) {
    const fs::path manual = kFolder / "User manual";
    const std::regex link(R"re((?:href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
    int pages = 0, links = 0;
    for (const char* page : {"Contents.html", "Movies.html", "Animation.html", "Links.html"}) {
        SCOPED_TRACE(page);
        const std::string html = fileText(manual / page);
        ASSERT_FALSE(html.empty());
        ++pages;
        EXPECT_EQ(html.find("://"), std::string::npos) << "a remote address";
        EXPECT_EQ(html.find("www."), std::string::npos) << "a remote address";
        EXPECT_EQ(html.find("<script"), std::string::npos);
        for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[1];
            EXPECT_EQ(target.find('/'), std::string::npos) << target;
            EXPECT_TRUE(fs::is_regular_file(manual / target)) << target;
            ++links;
        }
    }
    EXPECT_EQ(pages, 4);
    EXPECT_GE(links, 8);
}

TEST(ProgramFolderFiles, TarnwickLiesBesideOrvanta) {
    EXPECT_TRUE(fs::is_regular_file(kFolder / "orvanta"));
    EXPECT_TRUE(fs::is_regular_file(kFolder / "tarnwick"));
    EXPECT_TRUE(fs::is_regular_file(kFolder / "Readme.rtf"));
}

std::map<std::string, std::string> folderFiles(const fs::path& root) {
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) out[fs::relative(e.path(), root).generic_string()] = fileText(e.path());
    return out;
}

TEST(ProgramFolderGenerator, TwoRunsGiveIdenticalBytes) {
    TestFolder one, two;
    ASSERT_EQ(runGenerator(one.path()), 0);
    ASSERT_EQ(runGenerator(two.path()), 0);
    const auto a = folderFiles(one.path()), b = folderFiles(two.path());
    EXPECT_EQ(a.size(), 16u + 4 + 6 + 4 + 2);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name;
        EXPECT_TRUE(bytes == b.at(name)) << name << " differs between runs";
    }
}

TEST(ProgramFolderGenerator, ARebuildKeepsTheUsersPatternAndIconAndRefreshesTheRest) {
    TestFolder dir;
    ASSERT_EQ(runGenerator(dir.path()), 0);
    const auto fresh = folderFiles(dir.path());
    const std::string mine = "BM not really a bitmap, but the user's own";
    for (const char* name : {"bin/b3.bmp", "bin/but2.bmp", "bin/logo1.avi", "User manual/Links.html"})
        WriteBytes((dir.path() / name).string(), std::vector<std::uint8_t>(mine.begin(), mine.end()));
    fs::remove(dir.path() / "bin/b4.bmp");
    ASSERT_EQ(runGenerator(dir.path()), 0);
    const auto after = folderFiles(dir.path());
    EXPECT_EQ(after.at("bin/b3.bmp"), mine);
    EXPECT_EQ(after.at("bin/but2.bmp"), mine);
    EXPECT_TRUE(after.at("bin/b4.bmp") == fresh.at("bin/b4.bmp")) << "a missing pattern comes back";
    EXPECT_TRUE(after.at("bin/logo1.avi") == fresh.at("bin/logo1.avi"));
    EXPECT_TRUE(after.at("User manual/Links.html") == fresh.at("User manual/Links.html"));
}

} // namespace
