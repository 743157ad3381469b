// Every writer of the programs goes through the safe writer: a disk that fills up keeps the old
// file, and a link is written through. (Before, all but the page save truncated the target first,
// and every save replaced a link with a plain file.)
#include "BmpCodec.h"
#include "FileIO.h"
#include "JpegImage.h"
#include "OrvantaFixture.h"
#include "PictureFiles.h"
#include "PictureWriters.h"
#include "TRichEdit.h"
#include "TStrings.h"

#include <functional>

namespace fs = std::filesystem;

namespace {

class SafeWritesTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        loadPage(30, 20);
    }
    TestFolder dir; // where the test's files go
    struct Writer {
        const char* what;
        std::function<void(const std::string&)> write; // throws EStreamError on failure
        bool tellsTheUser = false;                     // shows its own message instead of throwing
    };
    static TBitmap picture() {
        TBitmap b(64, 48);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                b.SetPixel(x, y, RGB(x * 4, y * 5, 90));
        return b;
    }
    std::vector<Writer> writers() {
        return {
            {"SaveBmpToFile", [](const std::string& f) { SaveBmpToFile(picture(), f); }},
            {"TJPEGImage::SaveToFile",
             [](const std::string& f) {
                 TJPEGImage j;
                 j.Assign(picture());
                 j.SaveToFile(f);
             }},
            {"WriteBmpPicture", [](const std::string& f) { WriteBmpPicture(picture(), f); }},
            {"WriteJpegPicture", [](const std::string& f) { WriteJpegPicture(picture(), f, 75, false); }},
            {"TStrings::SaveToFile",
             [](const std::string& f) {
                 TStringList l;
                 l.Add("one");
                 l.Add("two");
                 l.SaveToFile(f);
             }},
            {"rich edit",
             [](const std::string& f) {
                 TRichEdit r(nullptr, nullptr);
                 r.Lines().SetText("some text");
                 r.Lines().SaveToFile(f);
             }},
            {"colour set", [](const std::string& f) { Pbook1->savecolors(f); }, true},
        };
    }
};

TEST_F(SafeWritesTest, AFullDiskKeepsTheOldFile) {
    const fs::path target = dir.path() / "old.file";
    for (const Writer& w : writers()) {
        writeFileReplacing(target.string(), std::string("old contents"));
        {
            ScopedWriteFaults full({.failWriteAfter = 5});
            if (w.tellsTheUser) {
                ModalSeam().QueueResult(mrOk);
                w.write(target.string());
                EXPECT_EQ(ModalSeam().Pending(), 0u) << w.what;
            } else {
                EXPECT_THROW(w.write(target.string()), EStreamError) << w.what;
            }
        }
        const auto bytes = fileBytes(target);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old contents") << w.what;
        EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"old.file"}) << w.what;
        w.write(target.string()); // and without the fault it writes
        EXPECT_NE(fileBytes(target).size(), 12u) << w.what;
    }
}

TEST_F(SafeWritesTest, ALinkIsWrittenThrough) {
    fs::create_directory(dir.path() / "real");
    const fs::path file = dir.path() / "real" / "target";
    const fs::path link = dir.path() / "link";
    fs::create_symlink("real/target", link);
    for (const Writer& w : writers()) {
        writeFileReplacing(file.string(), std::string("old contents"));
        w.write(link.string());
        EXPECT_TRUE(fs::is_symlink(link)) << w.what;
        EXPECT_NE(fileBytes(file).size(), 12u) << w.what;
        EXPECT_EQ(folderEntries(dir.path() / "real"), std::vector<std::string>{"target"}) << w.what;
    }
}

} // namespace
