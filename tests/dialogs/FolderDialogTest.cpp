#include "ModalTesting.h"
#include "TestFolder.h"
#include "WindowAlone.h"
#include "dirpathdlg.h"

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(FramePrefixTest, NameUpToItsFirstDot) {
    struct Case {
        const char* file;
        const char* prefix;
    };
    const Case cases[] = {
        {"Bfly001.bmp", "Bfly001"},   {"a.b.bmp", "a"},
        {"frame", "frame"},           {"/pics/x.y/Walk12.BMP", "Walk12"},
        {"C:\\anim\\run.bmp", "run"}, {".bmp", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FramePrefixOf(c.file), c.prefix) << c.file;
}

// The folder holds two frame files, a text file and a subfolder:
//   shots/  Bfly001.bmp  a.b.bmp  notes.txt  sub/
class FolderDialogTest : public TModalTest {
protected:
    void SetUp() override {
        TModalTest::SetUp();
        dlg = makeDialog(folderdlg1);
        shots = (dir.path() / "shots").string();
        fs::create_directories(dir.path() / "shots" / "sub");
        for (const char* f : {"Bfly001.bmp", "a.b.bmp", "notes.txt"})
            std::ofstream(dir.path() / "shots" / f) << "x";
        dlg->DirectoryListBox1->SetDirectory(shots);
    }
    // Shows the dialog modally, runs `inside` against it and returns the modal result.
    int show(std::function<void(Tfolderdlg1&)> inside) {
        ModalSeam().QueueScript<Tfolderdlg1>(inside);
        return dlg->ShowModal();
    }
    static int indexOf(TListBox* list, const std::string& item) {
        for (int i = 0; i < list->Items().Count(); ++i)
            if (list->Items()[i] == item) return i;
        return -1;
    }
    // The user clicks an item.
    static void pick(TListBox* list, const std::string& item) {
        list->SetItemIndex(indexOf(list, item));
        list->Click();
    }
    TestFolder dir;
    std::string shots;
    Tfolderdlg1* dlg = nullptr;
};

TEST_F(FolderDialogTest, DesignTexts) {
    EXPECT_EQ(dlg->Caption(), "Choose a folder");
    EXPECT_EQ(dlg->Label2->Caption(), "Folder name");
    EXPECT_EQ(dlg->Label3->Caption(), "Name Prefix");
    EXPECT_EQ(dlg->Label4->Caption(), "001.bmp");
    EXPECT_EQ(dlg->Label1->Alignment(), taRightJustify);
    EXPECT_EQ(dlg->BitBtn1->Caption(), "OK");
    EXPECT_EQ(dlg->BitBtn2->Caption(), "Cancel");
    EXPECT_EQ(dlg->BitBtn3->Caption(), "Create New");
    EXPECT_EQ(dlg->FileListBox1->Mask(), "*.bmp");
    EXPECT_EQ(dlg->OpenPictureDialog1->Filter(), "All Files|*.*");
    EXPECT_FALSE(dlg->Panel5->Visible());
    EXPECT_EQ(dlg->SpinEdit1->Value(), 0);
    EXPECT_EQ(dlg->SpinEdit2->Value(), 0);
    dlg->SpinEdit2->SetValue(123456); // no range limit
    EXPECT_EQ(dlg->SpinEdit2->Value(), 123456);
    dlg->SpinEdit2->SetValue(0);
}

TEST_F(FolderDialogTest, ShowsTheFolderAndItsFrameFilesAndTakesAPrefixFromAFile) {
    dlg->Edit1->SetText("*.bmp");
    show([&](Tfolderdlg1& d) {
        EXPECT_EQ(d.Label1->Caption(), shots);
        EXPECT_EQ(d.FileListBox1->Directory(), shots);
        EXPECT_EQ(d.FileListBox1->Items().Count(), 2);
        EXPECT_LT(indexOf(d.FileListBox1, "notes.txt"), 0);
        EXPECT_EQ(d.Edit1->Text(), "*.bmp");

        pick(d.FileListBox1, "Bfly001.bmp");
        EXPECT_EQ(d.Edit1->Text(), "Bfly001");
        pick(d.FileListBox1, "a.b.bmp");
        EXPECT_EQ(d.Edit1->Text(), "a");
        d.BitBtn1->Click();
    });
    EXPECT_EQ(dlg->Label1->Caption(), shots);
    EXPECT_EQ(dlg->Edit1->Text(), "a");
}

TEST_F(FolderDialogTest, ChangingFolderMovesTheLabelAndTheFileList) {
    std::string sub = (fs::path(shots) / "sub").string();
    EXPECT_EQ(show([&](Tfolderdlg1& d) {
                  d.DirectoryListBox1->SetDirectory(sub);
                  EXPECT_EQ(d.Label1->Caption(), sub);
                  EXPECT_EQ(d.FileListBox1->Directory(), sub);
                  EXPECT_EQ(d.FileListBox1->Items().Count(), 0);
                  d.BitBtn1->Click();
              }),
              mrOk);
    EXPECT_EQ(dlg->Label1->Caption(), sub);
}

TEST_F(FolderDialogTest, CancelEmptiesTheFolderButTheCloseBoxKeepsTheFolderShown) {
    show([](Tfolderdlg1& d) { d.BitBtn2->Click(); });
    EXPECT_EQ(dlg->Label1->Caption(), "");

    show([](Tfolderdlg1& d) { d.Close(); });
    EXPECT_EQ(dlg->Label1->Caption(), shots);
}

TEST_F(FolderDialogTest, CreateNewOpensTheSystemDialogInTheFolderThenRereadsIt) {
    show([&](Tfolderdlg1& d) {
        // The user makes a folder from the system dialog and cancels it.
        fs::create_directories(fs::path(shots) / "made");
        ModalSeam().QueueCancel();
        d.BitBtn3->Click();
        EXPECT_EQ(d.OpenPictureDialog1->InitialDir(), shots);
        EXPECT_GE(indexOf(d.DirectoryListBox1, "made"), 0);
        EXPECT_EQ(d.Label1->Caption(), shots);
        d.BitBtn1->Click();
    });
}

} // namespace
