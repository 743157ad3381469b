// Saving the page: Save As by extension, quick save, the save prompt, and failed writes.
#include "OrvantaFixture.h"

#include "BmpCodec.h"
#include "Menus.h"
#include "MessageBox.h"
#include "PictureFiles.h"
#include "TSpeedButton.h"
#include "TTrackBar.h"
#include "jpegop.h"

#include <fstream>

namespace fs = std::filesystem;

namespace {

class PbookSaveTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        loadPage(30, 20);
    }
    void answerSaveAs(const fs::path& p) { ModalSeam().QueueFileName(p.string()); }
    // The document as a user left it: changed, under a name of its own.
    void changedDocument(const std::string& caption = "orig.bmp") {
        Pbook1->SetCaption(caption);
        Pbook1->modified = true;
    }
    TestFolder dir; // where the test's pictures go
};

TEST_F(PbookSaveTest, SaveAsWritesTheTypeTheExtensionNames) {
    const struct {
        const char* chosen;  // the name given in the dialog
        const char* written; // the file that must appear ("" = none)
        bool jpeg;
        const char* caption; // "" = unchanged
    } cases[] = {
        {"p1.bmp", "p1.bmp", false, "p1.bmp"},   {"p2.BMP", "p2.BMP", false, "p2.BMP"},
        {"p3.JPG", "p3.JPG", true, "p3.JPG"},    {"p4.jpg", "p4.jpg", true, "p4.jpg"},
        {"p5.jpeg", "p5.jpeg", true, "p5.jpeg"}, {"p6.JPEG", "p6.JPEG", true, "p6.JPEG"},
        {"p7", "p7.BMP", false, "p7.BMP"},       {"p8.png", "p8.png", false, "p8.png"},
    };
    for (const auto& c : cases) {
        changedDocument();
        answerSaveAs(dir.path() / c.chosen);
        Pbook1->SaveAs1->Click();
        const auto bytes = fileBytes(dir.path() / c.written);
        EXPECT_TRUE(c.jpeg ? isJpeg(bytes) : isBmp(bytes)) << c.chosen;
        EXPECT_EQ(Pbook1->Caption(), (dir.path() / c.caption).string()) << c.chosen;
        EXPECT_FALSE(Pbook1->modified) << c.chosen;
    }
    EXPECT_EQ(ModalSeam().Log().front().name, "Save Bitmap");
}

TEST_F(PbookSaveTest, GifIsRefusedThenOfferedAsBmp) {
    for (const char* name : {"pic.gif", "pic.GIF", "pic.Gif"}) {
        for (int answer : {IDNO, IDCANCEL, IDYES}) {
            changedDocument();
            const fs::path chosen = dir.path() / name;
            answerSaveAs(chosen);
            ModalSeam().QueueButton(IDOK); // "Gif utilities available at our website"
            ModalSeam().QueueButton(answer);
            EXPECT_EQ(Pbook1->dosaveas(), answer == IDYES);
            const bool written = fs::exists(chosen.string() + ".bmp");
            EXPECT_EQ(written, answer == IDYES) << name << " " << answer;
            EXPECT_FALSE(fs::exists(chosen));
            EXPECT_EQ(Pbook1->Caption(), answer == IDYES ? chosen.string() : "orig.bmp");
            EXPECT_EQ(Pbook1->modified, answer != IDYES);
            if (written) {
                EXPECT_TRUE(isBmp(fileBytes(chosen.string() + ".bmp")));
            }
            fs::remove(chosen.string() + ".bmp");
        }
    }
    EXPECT_TRUE(shown("Gif utilities available at our website"));
    EXPECT_TRUE(shown("Save As " + (dir.path() / "pic.gif").string() + ".bmp?"));
}

TEST_F(PbookSaveTest, PageJpegFollowsTheOptionsDialogAndTheClipDoesNot) {
    jpop1->TrackBar1->SetPosition(30);
    answerSaveAs(dir.path() / "page.jpg");
    Pbook1->domysave();
    JpegFacts page = jpegFacts(fileBytes(dir.path() / "page.jpg"));
    EXPECT_TRUE(page.progressive);
    EXPECT_EQ(page.luma, expectedLuma(30));
    EXPECT_EQ(page.chroma, expectedChroma(30));

    Pbook1->savebitJPG(Pbook1->ptbox1, (dir.path() / "image.jpg").string());
    EXPECT_EQ(jpegFacts(fileBytes(dir.path() / "image.jpg")).luma, expectedLuma(30));

    Pbook1->clpmap1->Picture().Assign(TBitmap(12, 12));
    Pbook1->saveclipJPG((dir.path() / "clip.jpg").string());
    const JpegFacts clip = jpegFacts(fileBytes(dir.path() / "clip.jpg"));
    EXPECT_TRUE(clip.progressive);
    EXPECT_EQ(clip.luma, expectedLuma(90));

    jpop1->TrackBar1->SetPosition(100);
    answerSaveAs(dir.path() / "best.JPG");
    Pbook1->domysave();
    EXPECT_EQ(jpegFacts(fileBytes(dir.path() / "best.JPG")).luma, expectedLuma(100));
}

TEST_F(PbookSaveTest, QuickSaveWritesTheBareNameInTheCurrentFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    const struct {
        const char* caption;
        const char* name;
    } cases[] = {{"TEMP.BMP", "TEMP.bmp"}, {"/somewhere/else/a.b.jpg", "a.bmp"}, {"noext", "bmp"}};
    for (const auto& c : cases) {
        changedDocument(c.caption);
        ModalSeam().QueueButton(IDOK);
        if (&c == &cases[0])
            Pbook1->Save2->Click(); // the menu and the tool bar do the same
        else
            Pbook1->SpeedButton42->Click();
        EXPECT_TRUE(isBmp(fileBytes(dir.path() / c.name))) << c.caption;
        EXPECT_FALSE(Pbook1->modified);
        EXPECT_EQ(Pbook1->Caption(), c.caption);
        EXPECT_EQ(ModalSeam().Log().back().text, std::string("Saved as ") + c.name);
        EXPECT_EQ(ModalSeam().Log().back().name, "Saved");
    }
    fs::current_path(before);
}

TEST_F(PbookSaveTest, SavePromptAnswers) {
    const fs::path target = dir.path() / "answer.bmp";
    const struct {
        const char* what;
        std::function<void()> answer;
        bool goesOn;
        bool written;
    } cases[] = {
        {"No", [] { ModalSeam().QueueButton(IDNO); }, true, false},
        {"Cancel", [] { ModalSeam().QueueButton(IDCANCEL); }, false, false},
        {"Yes, saved",
         [&] {
             ModalSeam().QueueButton(IDYES);
             answerSaveAs(target);
         },
         true, true},
        {"Yes, then Cancel in Save As",
         [] {
             ModalSeam().QueueButton(IDYES);
             ModalSeam().QueueCancel();
         },
         false, false},
        {"Yes, then a write that fails",
         [&] {
             ModalSeam().QueueButton(IDYES);
             answerSaveAs(dir.path() / "missing" / "a.bmp");
             ModalSeam().QueueButton(IDOK); // "Unable to write to disk"
         },
         false, false},
    };
    for (const auto& c : cases) {
        fs::remove(target);
        changedDocument("/pics/orig.bmp");
        c.answer();
        EXPECT_EQ(Pbook1->checktosave(), c.goesOn) << c.what;
        EXPECT_EQ(fs::exists(target), c.written) << c.what;
        EXPECT_EQ(Pbook1->modified, !c.written) << c.what;
        EXPECT_EQ(Pbook1->Caption(), c.written ? target.string() : "/pics/orig.bmp") << c.what;
    }
    EXPECT_TRUE(shown("Save changes to orig.bmp?"));

    ModalSeam().Reset();
    Pbook1->modified = false;
    EXPECT_TRUE(Pbook1->checktosave());
    EXPECT_TRUE(ModalSeam().Log().empty());
}

TEST_F(PbookSaveTest, NewPageAndExitStopWhenTheSaveIsCancelled) {
    Pbook1->ptbox1->Picture().Bitmap().SetSize(77, 55);
    changedDocument();
    ModalSeam().QueueButton(IDYES);
    ModalSeam().QueueCancel(); // Save As
    Pbook1->opeImNew();
    EXPECT_EQ(Pbook1->ptbox1->Picture().Width(), 77);

    ModalSeam().QueueButton(IDYES);
    ModalSeam().QueueCancel();
    TCloseAction action = caHide;
    Pbook1->FormClose(Pbook1, action);
    EXPECT_EQ(action, caNone);
    EXPECT_TRUE(Pbook1->modified);
}

// Root is not stopped by permissions: the failing writes are a folder that is not there, a
// folder that is a file, and a disk that fills up.
TEST_F(PbookSaveTest, AFailedWriteKeepsTheOldFileTheCaptionAndTheFlag) {
    for (const char* name : {"old.bmp", "old.jpg"})
        std::ofstream(dir.path() / name, std::ios::binary) << "good";
    std::ofstream(dir.path() / "afile") << "x";
    for (const fs::path& target : {dir.path() / "missing" / "p.bmp", dir.path() / "afile" / "p.jpg"}) {
        changedDocument();
        answerSaveAs(target);
        ModalSeam().QueueButton(IDOK);
        Pbook1->SaveAs1Click(Pbook1);
        EXPECT_EQ(ModalSeam().Log().back().text, "Unable to write to disk") << target;
        EXPECT_EQ(Pbook1->Caption(), "orig.bmp");
        EXPECT_TRUE(Pbook1->modified);
    }

    // A noisy page, so that neither file fits in what the disk has left.
    TBitmap& page = Pbook1->ptbox1->Picture().Bitmap();
    page.SetSize(300, 300);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            page.SetPixel(x, y, TColor((x * 7919 + y * 104729) & 0xFFFFFF));
    for (const char* name : {"old.bmp", "old.jpg"}) {
        changedDocument();
        const fs::path target = dir.path() / name;
        ModalSeam().QueueFileName(target.string());
        ModalSeam().QueueButton(IDYES); // it exists: replace it
        ModalSeam().QueueButton(IDOK);  // "Unable to write to disk"
        {
            FileSizeLimit full(1000);
            Pbook1->SaveAs1Click(Pbook1);
        }
        EXPECT_EQ(fileBytes(target).size(), 4u) << name;
        EXPECT_EQ(Pbook1->Caption(), "orig.bmp");
        EXPECT_TRUE(Pbook1->modified);
    }
    EXPECT_EQ(folderEntries(dir.path()), (std::vector<std::string>{"afile", "old.bmp", "old.jpg"}));

    // Quick save into a current folder that has gone.
    const fs::path before = fs::current_path();
    fs::create_directory(dir.path() / "gone");
    fs::current_path(dir.path() / "gone");
    fs::remove(dir.path() / "gone");
    changedDocument();
    ModalSeam().QueueButton(IDOK);
    Pbook1->Save2Click(Pbook1);
    fs::current_path(before);
    EXPECT_EQ(ModalSeam().Log().back().text, "Unable to write to disk");
    EXPECT_TRUE(Pbook1->modified);
}

} // namespace
