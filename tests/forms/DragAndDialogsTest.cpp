#include "Dialogs.h"
#include "DragDrop.h"
#include "FileControls.h"
#include "Forms.h"
#include "Menus.h"
#include "MessageBox.h"
#include "ModalTesting.h"
#include "RealEvents.h"
#include "TImage.h"
#include "TPanel.h"
#include "TestFolder.h"

#include <QListWidget>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class DragAndDialogsTest : public TModalTest {
protected:
    TForm form;
};

TEST_F(DragAndDialogsTest, DragFromImageToAcceptingDropSite) {
    auto* source = new TImage(&form, &form);
    auto* site = new TPanel(&form, &form);
    auto* refuser = new TPanel(&form, &form);
    std::vector<std::string> log;
    source->OnStartDrag = [&](TObject*) { log.push_back("start"); };
    source->OnEndDrag = [&](TObject*, TObject* target, int x, int y) {
        log.push_back(std::string("end ") + (target == site ? "site " : "none ") + std::to_string(x) + "," +
                      std::to_string(y));
    };
    site->OnDragOver = [&](TObject*, TObject* src, int, int, TDragState st, bool& accept) {
        if (st == dsDragEnter) log.push_back("enter");
        accept = dynamic_cast<TImage*>(src) != nullptr;
    };
    site->OnDragDrop = [&](TObject*, TObject* src, int x, int y) {
        log.push_back("drop " + std::to_string(src == source) + " " + std::to_string(x) + "," +
                      std::to_string(y));
    };
    refuser->OnDragOver = [&](TObject*, TObject*, int, int, TDragState, bool& accept) { accept = false; };

    source->BeginDrag(true);
    EXPECT_TRUE(source->Dragging());
    EXPECT_FALSE(DragDrop::MoveTo(refuser, 1, 1));
    EXPECT_TRUE(DragDrop::MoveTo(site, 5, 6));
    EXPECT_TRUE(DragDrop::MoveTo(site, 7, 8));
    DragDrop::Finish(true);
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(log, (std::vector<std::string>{"start", "enter", "drop 1 7,8", "end site 7,8"}));

    // Released over a control that refuses: no drop, the source hears of no target.
    log.clear();
    source->BeginDrag(true);
    DragDrop::MoveTo(refuser, 2, 2);
    DragDrop::Finish(true);
    EXPECT_EQ(log, (std::vector<std::string>{"start", "end none 2,2"}));
}

TEST_F(DragAndDialogsTest, AutomaticDragModeStartsOnlyAfterTheMouseMoves) {
    auto* source = new TImage(&form, &form);
    source->SetDragMode(dmAutomatic);
    int starts = 0;
    source->OnStartDrag = [&](TObject*) { ++starts; };
    source->BeginDrag(false);
    EXPECT_TRUE(DragDrop::Pending());
    EXPECT_EQ(starts, 0);
    DragDrop::MouseReleasedAt(QPoint(0, 0)); // a plain click: no drag at all
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(starts, 0);
}

TEST_F(DragAndDialogsTest, FormsReceiveDroppedFilesOnlyWhenAccepting) {
    std::vector<std::string> got;
    form.OnDropFiles = [&](TObject*, const std::vector<std::string>& files) { got = files; };
    form.DropFiles({"/tmp/a.bmp"});
    EXPECT_TRUE(got.empty());
    form.SetAcceptFiles(true);
    form.DropFiles({"/tmp/a.bmp", "/tmp/b.jpg", "/tmp/c.gif"});
    EXPECT_EQ(got.size(), 3u);
}

TEST_F(DragAndDialogsTest, SaveDialogAddsTheDefaultExtensionOnlyWhenNoneWasTyped) {
    TestFolder dir;
    TSaveDialog save(nullptr);
    save.SetDefaultExt("BMP");
    save.SetInitialDir(dir.path().string());
    struct Case {
        const char* typed;
        const char* result;
    } cases[] = {{"holder", "holder.BMP"}, {"holder.jpg", "holder.jpg"}, {"holder.gif", "holder.gif"}};
    for (auto c : cases) {
        ModalSeam().QueueFileName(c.typed);
        ASSERT_TRUE(save.Execute());
        EXPECT_EQ(save.FileName(), dir.file(c.result));
    }
    ModalSeam().QueueCancel();
    EXPECT_FALSE(save.Execute());
    EXPECT_EQ(save.FileName(), dir.file("holder.gif")) << "cancel keeps the last name";
}

TEST_F(DragAndDialogsTest, OverwritePromptAsksAndNoGoesBackToTheDialog) {
    TestFolder dir;
    std::ofstream(dir.file("old.bmp")) << "x";
    TSaveDialog save(nullptr);
    save.SetOptions(ofOverwritePrompt);
    ModalSeam().QueueFileName(dir.file("old.bmp"));
    ModalSeam().QueueButton(IDNO);
    ModalSeam().QueueFileName(dir.file("new.bmp"));
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), dir.file("new.bmp"));
    ModalSeam().QueueFileName(dir.file("old.bmp"));
    ModalSeam().QueueButton(IDYES);
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), dir.file("old.bmp"));
}

TEST_F(DragAndDialogsTest, ColourAndFontDialogsTakeTheirAnswersAndCancelKeepsTheValue) {
    TColorDialog colour(nullptr);
    colour.SetColor(clWhite);
    ModalSeam().QueueCancel();
    EXPECT_FALSE(colour.Execute());
    EXPECT_EQ(colour.Color(), clWhite);
    ModalSeam().QueueColor(clRed);
    EXPECT_TRUE(colour.Execute());
    EXPECT_EQ(colour.Color(), clRed);
    TFontDialog font(nullptr);
    TFont f;
    f.Name = "Arial";
    f.SetSize(10);
    ModalSeam().QueueFont(f);
    EXPECT_TRUE(font.Execute());
    EXPECT_EQ(font.Font().Name, "Arial");
    TPrintDialog print(nullptr);
    ModalSeam().QueueButton(IDOK);
    EXPECT_TRUE(print.Execute());
}

TEST_F(DragAndDialogsTest, FileListMasksAndSortsCaseInsensitively) {
    TestFolder dir;
    for (const char* n : {"b.JPG", "A.bmp", "c.txt", "d.Jpeg", "e.ico"})
        std::ofstream(dir.file(n)) << "x";
    auto* files = new TFileListBox(&form, &form);
    files->SetMask("*.jpeg;*.jpg;*.bmp");
    files->SetDirectory(dir.path().string());
    EXPECT_EQ(files->Items().ToVector(), (std::vector<std::string>{"A.bmp", "b.JPG", "d.Jpeg"}));
    files->SetItemIndex(1);
    EXPECT_EQ(files->FileName(), dir.file("b.JPG"));
    EXPECT_TRUE(MatchesMask("MOVIE.AVI", "*.avi"));
    EXPECT_FALSE(MatchesMask("movie.avi.txt", "*.avi"));

    auto* drives = new TDriveComboBox(&form, &form);
    EXPECT_EQ(drives->Items().Count(), 1);
    EXPECT_EQ(drives->Items()[0], "/");
    auto* folders = new TDirectoryListBox(&form, &form);
    folders->SetFileList(files);
    std::filesystem::create_directory(dir.path() / "Sub");
    folders->SetDirectory(dir.path().string());
    EXPECT_EQ(folders->Items()[folders->Items().Count() - 1], "Sub");
    folders->SetDirectory((dir.path() / "Sub").string());
    EXPECT_EQ(files->Items().Count(), 0);
}

// The user's double click lands on the list's viewport, not on the list widget itself.
TEST_F(DragAndDialogsTest, DoubleClickOnAListItemWithRealEvents) {
    TestFolder dir;
    std::filesystem::create_directory(dir.path() / "Sub");
    std::ofstream(dir.file("a.bmp")) << "x";
    form.SetBounds(0, 0, 300, 300);
    form.Show();
    auto* folders = new TDirectoryListBox(&form, &form);
    folders->SetBounds(0, 0, 200, 120);
    folders->SetDirectory(dir.path().string());
    auto* files = new TFileListBox(&form, &form);
    files->SetBounds(0, 130, 200, 120);
    files->SetDirectory(dir.path().string());
    int opened = 0;
    files->OnDblClick = [&](TObject*) { ++opened; };

    auto doubleClick = [](TListBox* list, int row) {
        QWidget* view = list->List()->viewport();
        QPoint at = list->List()->visualItemRect(list->List()->item(row)).center();
        realevents::click(view, at);
        realevents::send(view, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
        realevents::send(view, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    };
    doubleClick(files, 0);
    EXPECT_EQ(opened, 1);
    doubleClick(folders, folders->Items().Count() - 1);
    EXPECT_EQ(folders->Directory(), (dir.path() / "Sub").string());
}

TEST_F(DragAndDialogsTest, MenuItemsClickCheckAndNest) {
    TMainMenu menu(&form);
    auto* file = new TMenuItem(&menu);
    file->SetCaption("&File");
    auto* exit = new TMenuItem(&menu);
    exit->SetCaption("E&xit");
    int clicks = 0;
    exit->OnClick = [&](TObject*) { ++clicks; };
    menu.Items()->Add(file);
    file->Add(exit);
    form.SetMenu(&menu);
    exit->Action()->trigger(); // as the user chooses it
    EXPECT_EQ(clicks, 1);
    exit->SetChecked(false);
    exit->Action()->trigger();
    EXPECT_FALSE(exit->Checked()) << "choosing never ticks by itself";
    EXPECT_EQ(StripHotkey("Screen  &Capture to disk"), "Screen  Capture to disk");
    EXPECT_EQ(StripHotkey("Save && Close"), "Save & Close");
    int cw = form.ClientHeight();
    form.SetMenu(nullptr);
    EXPECT_GT(form.ClientHeight(), cw);
}

} // namespace
