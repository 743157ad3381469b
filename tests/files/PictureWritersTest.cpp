// The picture writers and the naming rules, without windows.
#include "PictureWriters.h"
#include "BmpCodec.h"
#include "JpegImage.h"
#include "PictureFiles.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

TBitmap picture(int w = 40, int h = 30) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, RGB(x * 6, y * 8, 128));
    return b;
}

void writeText(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

TEST(PictureKind, DecidedByTheUpperCasedExtension) {
    const struct {
        const char* name;
        TPictureKind kind;
    } cases[] = {
        {"a.GIF", TPictureKind::Gif},           {"a.gif", TPictureKind::Gif},
        {"a.Gif", TPictureKind::Gif},           {"a.JPG", TPictureKind::Jpeg},
        {"a.jpg", TPictureKind::Jpeg},          {"a.jPg", TPictureKind::Jpeg},
        {"a.JPEG", TPictureKind::Jpeg},         {"a.jpeg", TPictureKind::Jpeg},
        {"a.Jpeg", TPictureKind::Jpeg},         {"a.BMP", TPictureKind::Bmp},
        {"a.bmp", TPictureKind::Bmp},           {"noext", TPictureKind::Bmp},
        {"a.png", TPictureKind::Bmp},           {"a.bmp.jpg", TPictureKind::Jpeg},
        {"a.jpg.bmp", TPictureKind::Bmp},       {"my.pics/noext", TPictureKind::Bmp},
        {"C:\\my.jpg\\pic", TPictureKind::Bmp}, {"a.", TPictureKind::Bmp},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SaveKindFor(c.name), c.kind) << c.name;
}

TEST(QuickSaveName, TakesTheNameUpToItsFirstDotAndAddsBmp) {
    const struct {
        const char* caption;
        const char* name;
    } cases[] = {
        {"TEMP.BMP", "TEMP.bmp"},         {"a.b.jpg", "a.bmp"},     {"noext", "bmp"},
        {"C:\\pics\\pic.jpg", "pic.bmp"}, {"/home/x.y/pic", "bmp"}, {"/home/x.y/pic.gif", "pic.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuickSaveName(c.caption), c.name) << c.caption;
}

TEST(PictureWriters, BmpReadsBackPixelForPixel) {
    TestFolder dir;
    const TBitmap b = picture();
    WriteBmpPicture(b, dir.file("a.jpg")); // the extension does not matter
    const TBitmap back = ReadBmpFile(dir.file("a.jpg"));
    ASSERT_EQ(back.Width(), b.Width());
    ASSERT_EQ(back.Height(), b.Height());
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            ASSERT_EQ(back.GetPixel(x, y), b.GetPixel(x, y)) << x << "," << y;
}

TEST(PictureWriters, JpegFollowsTheQualityAndTheProgressiveOption) {
    for (bool progressive : {false, true}) {
        for (int quality : {10, 30, 50, 75, 100}) {
            const JpegFacts f = jpegFacts(EncodeJpegPicture(picture(), quality, progressive));
            EXPECT_EQ(f.progressive, progressive) << quality;
            EXPECT_EQ(f.luma, expectedLuma(quality)) << quality;
            EXPECT_EQ(f.chroma, expectedChroma(quality)) << quality;
        }
    }
}

TEST(PictureWriters, JpegFileDecodesToThePicture) {
    TestFolder dir;
    WriteJpegPicture(picture(), dir.file("a.jpg"), 100, true);
    TJPEGImage j;
    j.LoadFromFile(dir.file("a.jpg"));
    EXPECT_TRUE(j.ProgressiveEncoding());
    const TBitmap& back = j.Bitmap();
    ASSERT_EQ(back.Width(), 40);
    ASSERT_EQ(back.Height(), 30);
    const TColor c = back.GetPixel(20, 15);
    EXPECT_NEAR(GetRValue(c), 120, 6);
    EXPECT_NEAR(GetGValue(c), 120, 6);
    EXPECT_NEAR(GetBValue(c), 128, 6);
}

TEST(PictureWriters, ReplacingKeepsPermissionsAndLeavesNoTemporaryFile) {
    TestFolder dir;
    const fs::path target = dir.path() / "a.bmp";
    writeText(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteBmpPicture(picture(), target.string());
    EXPECT_TRUE(isBmp(fileBytes(target)));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"a.bmp"});
}

// Root writes anywhere despite permissions, so the failures here are ones root meets too.
TEST(PictureWriters, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    TestFolder dir;
    writeText(dir.path() / "file", "not a folder");
    fs::create_directory(dir.path() / "folder");
    const fs::path old = dir.path() / "old.bmp";
    writeText(old, "the good old file");

    const struct {
        const char* what;
        fs::path target;
    } cases[] = {
        {"missing folder", dir.path() / "missing" / "a.bmp"},
        {"folder is a file", dir.path() / "file" / "a.bmp"},
        {"target is a folder", dir.path() / "folder"},
        {"no file name", dir.path() / ""},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(WriteBmpPicture(picture(), c.target.string()), EStreamError) << c.what;
        EXPECT_THROW(WriteJpegPicture(picture(), c.target.string(), 90, true), EStreamError) << c.what;
    }
    {
        // A disk that fills up half way through the picture.
        FileSizeLimit limit(1000);
        EXPECT_THROW(WriteBmpPicture(picture(200, 200), old.string()), EStreamError);
        EXPECT_THROW(WriteJpegPicture(picture(400, 400), old.string(), 100, true), EStreamError);
    }
    std::ifstream in(old);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "the good old file");
    EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string>{"file", "folder", "old.bmp"}));
    EXPECT_TRUE(fs::is_directory(dir.path() / "folder"));
}

TEST(PictureWriters, APictureThatCannotBeEncodedLeavesTheFileAlone) {
    TestFolder dir;
    const fs::path old = dir.path() / "old.jpg";
    writeText(old, "kept");
    EXPECT_ANY_THROW(WriteJpegPicture(TBitmap(), old.string(), 90, true));
    EXPECT_EQ(fileBytes(old).size(), 4u);
}

} // namespace
