// Tarnwick's windows, headless, through their real handlers and the modal seam.
#include "Application.h"
#include "ModalTesting.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TarnwickProgram.h"
#include "TestFolder.h"

#include "REMain.h"
#include "aboutfrm1.h"
#include "animcap.h"
#include "backgroundsfrm.h"
#include "bkfrframesfrm.h"
#include "forgrndfrm.h"
#include "frameeditfrm.h"
#include "help1.h"
#include "imview.h"
#include "listcopier.h"
#include "mn1.h"
#include "mydialog.h"
#include "preference.h"
#include "prepforproject.h"
#include "screengrab.h"
#include "seriesform.h"
#include "soundfrm1.h"
#include "soundfrm2p.h"
#include "targetfrm.h"
#include "velmorafrm.h"
#include "wiz1.h"

#include "RealEvents.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TListBox.h"
#include "TPageControl.h"
#include "TRadioGroup.h"
#include "TSpinEdit.h"
#include "TTrackBar.h"

#include <QApplication>
#include <QListWidget>
#include <functional>
#include <map>
#include <type_traits>

#include <fstream>
#include <set>
#include <string>
#include <vector>

using namespace quickview;

namespace {

TestFolder* folder = nullptr;

std::vector<TCustomForm*> screens() {
    return {Aboutform, AnimCap1, Helpfrm,  listcpy2,         prepforproj,  Screengrabberfrm,
            MainForm,  picform1, Soundfrm, wizfrm,           seriesfrm2,   preference1,
            Soundfrm2, bkgfrm,   sprform,  framecomposerfrm, editframefrm, newtargetfrm};
}

std::set<TCustomForm*> visibleScreens() {
    std::set<TCustomForm*> out;
    for (TCustomForm* f : screens())
        if (f->Visible()) out.insert(f);
    return out;
}

void hideScreens() {
    for (TCustomForm* f : screens())
        f->Hide();
}

// The menu item reached by following captions from the main menu.
TMenuItem* menuItem(const std::vector<std::string>& path) {
    TMenuItem* item = Mainfrm->MainMenu1->Items();
    for (const std::string& caption : path) {
        TMenuItem* next = nullptr;
        for (int i = 0; i < item->Count(); ++i)
            if (item->Items(i)->Caption() == caption) next = item->Items(i);
        if (!next) return nullptr;
        item = next;
    }
    return item;
}

struct Message {
    std::string l1, l2;
    bool ok = false; // one OK button, the other lines empty
};

// Queues the answer for the message box: records its lines and presses its only button.
void expectMessage(Message& seen) {
    ModalSeam().QueueScript<Tmydialog1>([&seen](Tmydialog1& d) {
        seen.l1 = d.l1->Caption();
        seen.l2 = d.l2->Caption();
        seen.ok = d.b1->Visible() && d.b1->Caption() == "OK" && !d.b2->Visible() && !d.b3->Visible() &&
                  !d.l3->Visible() && !d.l4->Visible() && !d.l5->Visible();
        d.b1->Click();
    });
}

class Quickview : public TModalTest {
protected:
    static void SetUpTestSuite() {
        folder = new TestFolder;
        ProgramFolder::SetRoot(folder->path());
        Screen->SetSize(1024, 768);
        StartTarnwick();
    }
    void SetUp() override {
        TModalTest::SetUp();
        hideScreens();
        std::filesystem::remove(folder->path() / "Readme.rtf");
    }
    void TearDown() override {
        hideScreens();
        Mainfrm->Hide();
        Mainfrm->SetWindowState(wsNormal);
        mn->SetWindowState(wsNormal);
        TModalTest::TearDown();
    }
};

TEST_F(Quickview, WindowsAreCreatedInOrderAndEveryScreenStartsCentred) {
    const auto& forms = Application->Forms();
    ASSERT_EQ(forms.size(), 22u);
    EXPECT_EQ(Application->Title(), "Velmora");
    EXPECT_EQ(Application->MainForm(), mn);
    EXPECT_EQ(forms[0], mn);
    EXPECT_EQ(forms[1], Mainfrm);
    std::vector<TCustomForm*> order = screens();
    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(forms[i + 2], order[i]) << "screen " << i + 1;
    EXPECT_EQ(forms.back(), mydialog1);

    struct Row {
        TCustomForm* form;
        const char* caption;
    };
    const Row captions[] = {
        {Aboutform, "About Velmora"},
        {AnimCap1, "Animation Manager"},
        {Helpfrm, "Devir Ovidaro Help"},
        {listcpy2, "Prepare a list of bitmap file names and copy them to your new project folder"},
        {prepforproj, "Gather necessary items for your new project"},
        {Screengrabberfrm, "Screen Grabber"},
        {MainForm, "INDEX.HTML"},
        {picform1, "Image Browser"},
        {Soundfrm, "Mediaplayer 1"},
        {wizfrm, "Editing Video Streams"},
        {seriesfrm2, "Velmora Project Manager"},
        {preference1, "Preferences"},
        {Soundfrm2, "Playlist player"},
        {bkgfrm, "Identifying the background image(s)"},
        {sprform, "Identifying the foreground image(s)"},
        {framecomposerfrm, "Movie frame composition"},
        {editframefrm, "Edit Frame"},
        {newtargetfrm, "Create a target folder and name the new set"},
    };
    for (const Row& r : captions) {
        EXPECT_EQ(r.form->Caption(), r.caption);
        EXPECT_FALSE(r.form->Visible()) << r.caption;
        EXPECT_EQ(r.form->Left(), 512 - r.form->Width() / 2) << r.caption;
        EXPECT_EQ(r.form->Top(), 384 - r.form->Height() / 2) << r.caption;
    }
    EXPECT_EQ(mn->BoundsRect(), Bounds(279, 231, 466, 307));
    EXPECT_EQ(Mainfrm->BoundsRect(), Bounds(310, 195, 404, 379));
    // The play-list player is the media player in another layout.
    EXPECT_NE(dynamic_cast<TSoundfrm*>(Soundfrm2), nullptr);
    EXPECT_TRUE(Soundfrm2->ListBox1->Visible());
    EXPECT_FALSE(Soundfrm->ListBox1->Visible());
}

TEST_F(Quickview, ReadmeBesideTheProgramReplacesTheBuiltInIntroduction) {
    mn->Show();
    ASSERT_GE(mn->RichEdit1->Lines().Count(), 5);
    EXPECT_EQ(mn->RichEdit1->Lines()[0], "Velmora Quickview");
    EXPECT_EQ(mn->RichEdit1->Lines()[1], "");
    EXPECT_EQ(mn->RichEdit1->Lines()[2], "");
    EXPECT_EQ(mn->RichEdit1->Lines()[3], "You have received a quick view of the Velmora program.");
    EXPECT_EQ(mn->RichEdit1->Lines()[4], "");
    mn->Hide();

    {
        std::ofstream out(folder->path() / "Readme.rtf", std::ios::binary);
        out << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\b Release notes\\b0\\par Version 5.3 of the quick "
               "view.\\par}";
    }
    mn->Show();
    ASSERT_EQ(mn->RichEdit1->Lines().Count(), 2);
    EXPECT_EQ(mn->RichEdit1->Lines()[0], "Release notes");
    EXPECT_EQ(mn->RichEdit1->Lines()[1], "Version 5.3 of the quick view.");
    mn->RichEdit1->SetSelStart(1);
    EXPECT_TRUE(mn->RichEdit1->SelAttributes().Style() & fsBold) << "read as rich text, not as its bytes";
    mn->Hide();
}

TEST_F(Quickview, StartHereShowsTheMainWindowAndMinimisesTheStartWindow) {
    mn->Show();
    EXPECT_EQ(mn->BitBtn1->Caption(), "Start Here");
    mn->BitBtn1->Click();
    EXPECT_TRUE(Mainfrm->Visible());
    EXPECT_EQ(mn->WindowState(), wsMinimized);
    EXPECT_TRUE(visibleScreens().empty());

    // Closing the main window only hides it; the program goes on.
    Mainfrm->Close();
    EXPECT_FALSE(Mainfrm->Visible());
    EXPECT_FALSE(Application->Terminated());
    EXPECT_EQ(mn->WindowState(), wsMinimized);
    mn->Hide();
}

TEST_F(Quickview, MainWindowButtonsOpenTheirScreenOrTellWhatTheyLinkTo) {
    struct Row {
        const char* control;
        const char* caption; // empty: a tool button without caption
        const char* hint;    // empty: not checked
        TCustomForm* shows;  // null: a message
        const char* line1;
        const char* line2;
    };
    const char* media1 = "Link to the Windows media player";
    const char* media2 = "or link to any file or program";
    const char* user1 = "User defined buttons";
    const char* user2 = "Link to any file or program";
    const Row rows[] = {
        {"butmovie", "Movie Editor", "Launch the Movie Editor", wizfrm, "", ""},
        {"buttrans", "Special Effects", "Launch the special effects manager", framecomposerfrm, "", ""},
        {"butsoundrec", "Sound Record", "Launch Sound Recorder", Soundfrm, "", ""},
        {"BitBtn5", "Movie Player", "Launch media player", Soundfrm2, "", ""},
        {"BitBtn7", "Media Player", "", nullptr, media1, media2},
        {"but1", "Utility One", "", nullptr, user1, user2},
        {"but2", "Utility Two", "", nullptr, user1, user2},
        {"but3", "Utility Three", "", nullptr, user1, user2},
        {"but4", "Utility Four", "", nullptr, user1, user2},
        {"SpeedButton13", "", "HTML Editor", MainForm, "", ""},
        {"SpeedButton12", "", "Explore Windows", preference1, "", ""},
        {"SpeedButton3", "", "Image Browser", picform1, "", ""},
        {"SpeedButton9", "", "Play the songs in my play list", preference1, "", ""},
        {"SpeedButton5", "", "Add foreground images to background frames", sprform, "", ""},
    };
    Mainfrm->Show();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.control);
        hideScreens();
        auto* c = dynamic_cast<TControl*>(Mainfrm->FindComponent(r.control));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Caption(), r.caption);
        if (*r.hint) {
            EXPECT_EQ(c->Hint(), r.hint);
            EXPECT_TRUE(c->ShowHint());
        }
        size_t modals = ModalSeam().Log().size();
        Message seen;
        if (!r.shows) expectMessage(seen);
        c->Click();
        if (r.shows) {
            EXPECT_EQ(visibleScreens(), std::set<TCustomForm*>{r.shows});
            EXPECT_EQ(ModalSeam().Log().size(), modals);
        } else {
            EXPECT_TRUE(visibleScreens().empty());
            EXPECT_EQ(seen.l1, r.line1);
            EXPECT_EQ(seen.l2, r.line2);
            EXPECT_TRUE(seen.ok);
        }
    }
    hideScreens();
    EXPECT_EQ(Mainfrm->SpeedButton4->Hint(), "Minimize");
    Mainfrm->SpeedButton4->Click();
    EXPECT_EQ(Mainfrm->WindowState(), wsMinimized);
    EXPECT_TRUE(visibleScreens().empty());
}

TEST_F(Quickview, MainMenuItemsOpenTheirScreens) {
    enum Kind { Opens, Nothing, Disabled };
    struct Row {
        std::vector<std::string> path;
        Kind kind;
        TCustomForm* shows;
    };
    const std::vector<Row> rows = {
        {{"&File", "&New Project Wizard"}, Opens, prepforproj},
        {{"&File", "&Open Project"}, Opens, seriesfrm2},
        {{"&File", "&View Project Form"}, Opens, seriesfrm2},
        {{"&File", "Printer S&etup"}, Nothing, nullptr},
        {{"&File", "E&xit"}, Nothing, nullptr},
        {{"&File", "&Preferences"}, Opens, preference1},
        {{"&Browse Media Files...", "&Movies"}, Nothing, nullptr},
        {{"&Browse Media Files...", "&Sounds"}, Nothing, nullptr},
        {{"&Browse Media Files...", "&Image Files"}, Nothing, nullptr},
        {{"&Browse Media Files...", "&Web Page Source"}, Nothing, nullptr},
        {{"&Browse Media Files...", "Browse &Text Files"}, Nothing, nullptr},
        {{"&Browse Media Files...", "&Bitmap Lists"}, Nothing, nullptr},
        {{"&Browse Media Files...", "&Projects"}, Nothing, nullptr},
        {{"&Movie Edit", "&Movie Editor "}, Opens, wizfrm},
        {{"&Movie Edit", "Sequence Editor"}, Opens, framecomposerfrm},
        {{"&Movie Edit", "Frame Editor"}, Opens, editframefrm},
        {{"&Movie Edit", "Animation Manager"}, Opens, AnimCap1},
        {{"&Movie Edit", "&Media Player "}, Opens, Soundfrm},
        {{"&Movie Edit", "Screen  &Capture to disk"}, Opens, Screengrabberfrm},
        {{"&Movie Edit", "Screen Capture to Clipboard"}, Opens, picform1},
        {{"&Sound", "Sound &Recorder "}, Opens, Soundfrm},
        {{"&Sound", "Sound Player "}, Opens, Soundfrm2},
        {{"&Web", "&How to make your own movies"}, Disabled, nullptr},
        {{"&Web", "Making &Animation for the Web"}, Disabled, nullptr},
        {{"&Web", "Streaming &Video on the Web"}, Disabled, nullptr},
        {{"&Web", "Images and Video on the &Newsgroups"}, Disabled, nullptr},
        {{"S&pecial Effects", "&Transition Magic"}, Nothing, nullptr},
        {{"S&pecial Effects", "&Add ins...", "&Orvanta"}, Disabled, nullptr},
        {{"S&pecial Effects", "&Add ins...", "User Defined &1"}, Disabled, nullptr},
        {{"S&pecial Effects", "&Add ins...", "User Defined &2"}, Disabled, nullptr},
        {{"S&pecial Effects", "&Add ins...", "User Defined &3"}, Disabled, nullptr},
        {{"S&pecial Effects", "&Add ins...", "User Defined &4"}, Disabled, nullptr},
        {{"Text and HTML", "&HTML Editor"}, Opens, MainForm},
        {{"Text and HTML", "&Word Processor"}, Opens, MainForm},
        {{"Wizards", "Editing Video &Streams"}, Opens, wizfrm},
        {{"Wizards", "Adding &Sound"}, Opens, wizfrm},
        {{"Wizards", "A&dding Bitmaps"}, Opens, wizfrm},
        {{"Wizards", "Adding &AVI"}, Opens, wizfrm},
        {{"Wizards", "New Project Wizard"}, Opens, prepforproj},
        {{"Wizards", "Adding Foreground sets to backgrounds"}, Opens, newtargetfrm},
        {{"&Help", "&Help"}, Opens, Helpfrm},
        {{"&Help", "Color Issues"}, Opens, Helpfrm},
        {{"&Help", "Support Services"}, Opens, Helpfrm},
        {{"&Help", "File Types"}, Opens, Helpfrm},
        {{"&Help", "About"}, Opens, Aboutform},
    };
    Mainfrm->Show();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.path.back());
        hideScreens();
        TMenuItem* item = menuItem(r.path);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Enabled(), r.kind != Disabled);
        item->Click();
        if (r.kind == Opens)
            EXPECT_EQ(visibleScreens(), std::set<TCustomForm*>{r.shows});
        else
            EXPECT_TRUE(visibleScreens().empty());
        EXPECT_TRUE(ModalSeam().Log().empty());
        EXPECT_TRUE(Mainfrm->Visible());
    }
    EXPECT_EQ(menuItem({"&File", "&New Project Wizard"})->ShortCut(), ShortCut('N', scCtrl));
}

TEST_F(Quickview, ScrollButtonsMoveTheStripInStepsAndStopAtItsEnds) {
    TPanel* strip = Mainfrm->panbut;
    ASSERT_EQ(strip->Left(), 0);
    ASSERT_EQ(strip->Width(), 969);
    ASSERT_EQ(Mainfrm->panlbut->Left(), 41);
    Mainfrm->SpeedButton2->Click();
    EXPECT_EQ(strip->Left(), 0) << "never right of its start";
    for (int i = 1; i <= 10; ++i) {
        Mainfrm->SpeedButton1->Click();
        EXPECT_EQ(strip->Left(), -89 * i);
    }
    Mainfrm->SpeedButton1->Click();
    EXPECT_EQ(strip->Left(), -890) << "an eleventh click does nothing";
    for (int i = 9; i >= 0; --i) {
        Mainfrm->SpeedButton2->Click();
        EXPECT_EQ(strip->Left(), -89 * i);
    }
    Mainfrm->SpeedButton2->Click();
    EXPECT_EQ(strip->Left(), 0);
}

TEST_F(Quickview, NextButtonsFollowTheWizardChainsLeavingEachScreenOpen) {
    EXPECT_EQ(sprform->butnext->Caption(), "Next >>>");
    EXPECT_EQ(bkgfrm->butnext->Caption(), "Next >>>");
    EXPECT_EQ(newtargetfrm->butnext->Caption(), "Next >>>");
    EXPECT_EQ(framecomposerfrm->SpeedButton7->Hint(), "Frame Editor");
    EXPECT_EQ(framecomposerfrm->SpeedButton8->Hint(), "Frame Editor");

    Mainfrm->SpeedButton5->Click();
    std::set<TCustomForm*> open = {sprform};
    EXPECT_EQ(visibleScreens(), open);
    const std::pair<TControl*, TCustomForm*> foreground[] = {{sprform->butnext, bkgfrm},
                                                             {bkgfrm->butnext, newtargetfrm},
                                                             {newtargetfrm->butnext, framecomposerfrm},
                                                             {framecomposerfrm->SpeedButton7, editframefrm}};
    for (auto [button, next] : foreground) {
        button->Click();
        open.insert(next);
        EXPECT_EQ(visibleScreens(), open) << next->Caption();
    }
    editframefrm->Hide();
    framecomposerfrm->SpeedButton8->Click();
    EXPECT_TRUE(editframefrm->Visible());

    hideScreens();
    EXPECT_EQ(prepforproj->bcont->Caption(), "Next >>>");
    EXPECT_EQ(listcpy2->Buttonnext->Caption(), "Next >>");
    prepforproj->Show();
    prepforproj->bcont->Click();
    listcpy2->Buttonnext->Click();
    EXPECT_EQ(visibleScreens(), (std::set<TCustomForm*>{prepforproj, listcpy2, seriesfrm2}));

    hideScreens();
    EXPECT_EQ(picform1->SpeedButton14->Hint(), "Bitmap file list manager, list maker, and previewer");
    picform1->Show();
    picform1->SpeedButton14->Click();
    EXPECT_EQ(visibleScreens(), (std::set<TCustomForm*>{picform1, AnimCap1}));
    EXPECT_TRUE(ModalSeam().Log().empty());
}

TEST_F(Quickview, EveryOtherControlOfTheScreensStartsNothing) {
    const std::set<TComponent*> chained = {prepforproj->bcont,
                                           listcpy2->Buttonnext,
                                           sprform->butnext,
                                           bkgfrm->butnext,
                                           newtargetfrm->butnext,
                                           framecomposerfrm->SpeedButton7,
                                           framecomposerfrm->SpeedButton8,
                                           picform1->SpeedButton14};
    int clicked = 0;
    for (TCustomForm* screen : screens()) {
        hideScreens();
        screen->Show();
        for (int i = 0; i < screen->ComponentCount(); ++i) {
            auto* c = dynamic_cast<TControl*>(screen->Components(i));
            if (!c || chained.count(c)) continue;
            if (!dynamic_cast<TButton*>(c) && !dynamic_cast<TSpeedButton*>(c)) continue;
            c->Click();
            ++clicked;
            EXPECT_EQ(visibleScreens(), std::set<TCustomForm*>{screen}) << screen->Name() << "." << c->Name();
        }
    }
    EXPECT_GT(clicked, 60);
    EXPECT_TRUE(ModalSeam().Log().empty());
    EXPECT_FALSE(Mainfrm->Visible());
}

TEST_F(Quickview, OpeningAnOpenScreenBringsItForwardAndAClosedOneReturnsWhereItWasLeft) {
    int shows = 0;
    wizfrm->OnShow = [&](TObject*) { ++shows; };
    size_t forms = Application->Forms().size();
    Mainfrm->Show();
    Mainfrm->butmovie->Click();
    ASSERT_TRUE(wizfrm->Visible());
    // The user drags it elsewhere, then opens it again from the menu.
    wizfrm->SetBounds(40, 50, wizfrm->Width(), wizfrm->Height());
    menuItem({"Wizards", "Adding &AVI"})->Click();
    EXPECT_EQ(shows, 1) << "already open: no second show";
    EXPECT_EQ(Application->Forms().size(), forms);
    EXPECT_EQ(visibleScreens(), std::set<TCustomForm*>{wizfrm});
    EXPECT_EQ(wizfrm->Left(), 40);

    wizfrm->Close();
    EXPECT_FALSE(wizfrm->Visible());
    EXPECT_FALSE(Application->Terminated());
    Mainfrm->butmovie->Click();
    EXPECT_TRUE(wizfrm->Visible());
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(wizfrm->Left(), 40);
    EXPECT_EQ(wizfrm->Top(), 50);
    wizfrm->OnShow = nullptr;
    wizfrm->CenterOnScreen();
}

// Whatever lies beside the program under the readme's name, the start window opens; a file whose
// name differs only in case is the readme.
TEST_F(Quickview, AnyReadmeLeavesTheStartWindowWorking) {
    const std::string junk("\x00\xff{\\rtf1\\bin99999 \x01\x02}}}\\par{", 22);
    struct Row {
        const char* what;
        const char* name;
        std::string bytes; // a folder when empty and `folder`
        bool folder;
        const char* firstLine; // null: not checked
    };
    const Row rows[] = {
        {"upper-case name", "README.RTF", "{\\rtf1\\ansi Shouted\\par}", false, "Shouted"},
        {"truncated", "Readme.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Ar", false, nullptr},
        {"unbalanced groups", "Readme.rtf", "}}}{\\rtf1 Text\\par", false, nullptr},
        {"control bytes", "Readme.rtf", junk, false, nullptr},
        {"empty", "Readme.rtf", "", false, nullptr},
        {"a folder of that name", "Readme.rtf", "", true, "Velmora Quickview"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        mn->RichEdit1->Lines().SetText("Velmora Quickview");
        const auto path = folder->path() / r.name;
        if (r.folder)
            std::filesystem::create_directory(path);
        else
            std::ofstream(path, std::ios::binary) << r.bytes;
        mn->Show();
        EXPECT_TRUE(mn->Visible());
        if (r.firstLine) {
            ASSERT_GE(mn->RichEdit1->Lines().Count(), 1);
            EXPECT_EQ(mn->RichEdit1->Lines()[0], r.firstLine);
        }
        mn->BitBtn1->Click();
        EXPECT_TRUE(Mainfrm->Visible());
        mn->Hide();
        mn->SetWindowState(wsNormal);
        Mainfrm->Hide();
        std::filesystem::remove_all(path);
    }
}

// A minimised window opened again comes back as it was, the same window, without showing anew.
// Dialog screens have no minimise box of their own, but a window manager may still minimise them.
TEST_F(Quickview, AMinimisedWindowOpenedAgainComesBack) {
    struct Row {
        TCustomForm* form;
        std::function<void()> open; // as the user opens it again
    };
    const Row rows[] = {
        {Mainfrm, [] { mn->BitBtn1->Click(); }},
        {Aboutform, [] { Mainfrm->About1->Click(); }},
        {AnimCap1, [] { Mainfrm->AnimationManager1->Click(); }},
        {Helpfrm, [] { Mainfrm->Help2->Click(); }},
        {listcpy2, [] { prepforproj->bcont->Click(); }},
        {prepforproj, [] { Mainfrm->NewProjectWizard1->Click(); }},
        {Screengrabberfrm, [] { Mainfrm->ScreenCapturetodisk1->Click(); }},
        {MainForm, [] { Mainfrm->SpeedButton13->Click(); }},
        {picform1, [] { Mainfrm->SpeedButton3->Click(); }},
        {Soundfrm, [] { Mainfrm->butsoundrec->Click(); }},
        {wizfrm, [] { Mainfrm->butmovie->Click(); }},
        {seriesfrm2, [] { Mainfrm->OpenProject1->Click(); }},
        {preference1, [] { Mainfrm->Preferences1->Click(); }},
        {Soundfrm2, [] { Mainfrm->BitBtn5->Click(); }},
        {bkgfrm, [] { sprform->butnext->Click(); }},
        {sprform, [] { Mainfrm->SpeedButton5->Click(); }},
        {framecomposerfrm, [] { Mainfrm->SequenceEditor1->Click(); }},
        {editframefrm, [] { framecomposerfrm->SpeedButton8->Click(); }},
        {newtargetfrm, [] { Mainfrm->AddingForegroundsetstobackgrounds1->Click(); }},
    };
    mn->Show();
    Mainfrm->Show();
    const size_t forms = Application->Forms().size();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.form->Caption());
        r.open();
        ASSERT_TRUE(r.form->Visible());
        int shows = 0;
        r.form->OnShow = [&](TObject*) { ++shows; };
        if (r.form == Mainfrm)
            Mainfrm->SpeedButton4->Click();
        else
            r.form->SetWindowState(wsMinimized);
        ASSERT_EQ(r.form->WindowState(), wsMinimized);
        r.open();
        EXPECT_EQ(r.form->WindowState(), wsNormal);
        EXPECT_FALSE(r.form->Window()->isMinimized());
        EXPECT_TRUE(r.form->Visible());
        EXPECT_EQ(shows, 0) << "still open: no second show";
        EXPECT_EQ(Application->Forms().size(), forms) << "no second instance";
        r.form->OnShow = nullptr;
    }
    // Hidden while minimised (from the task bar), then opened again.
    Mainfrm->SpeedButton4->Click();
    Mainfrm->Close();
    ASSERT_FALSE(Mainfrm->Visible());
    mn->BitBtn1->Click();
    EXPECT_TRUE(Mainfrm->Visible());
    EXPECT_EQ(Mainfrm->WindowState(), wsNormal);
    EXPECT_FALSE(Mainfrm->Window()->isMinimized());
    EXPECT_TRUE(ModalSeam().Log().empty());
    mn->Hide();
}

// Each window centres itself when made: halves truncated toward zero, left of the screen's edge
// when the screen is narrower than the window.
TEST_F(Quickview, WindowsCentreThemselvesOnAnyScreenSize) {
    struct Made {
        std::string name;
        TRect bounds;
    };
    // A fresh instance of the window made as the program makes it, on the current screen.
    auto make = [](auto* sample) {
        using Form = std::remove_pointer_t<decltype(sample)>;
        auto* f = new Form();
        if (f->OnCreate) f->OnCreate(f);
        Made m{f->Name(), f->BoundsRect()};
        delete f;
        return m;
    };
    auto all = [&] {
        return std::vector<Made>{
            make(mn),         make(Mainfrm),          make(Aboutform),    make(AnimCap1),
            make(Helpfrm),    make(listcpy2),         make(prepforproj),  make(Screengrabberfrm),
            make(MainForm),   make(picform1),         make(Soundfrm),     make(wizfrm),
            make(seriesfrm2), make(preference1),      make(Soundfrm2),    make(bkgfrm),
            make(sprform),    make(framecomposerfrm), make(editframefrm), make(newtargetfrm)};
    };
    struct Size {
        int w, h;
        TPoint mn; // where the start window goes
    };
    const Size sizes[] = {
        {1024, 768, {279, 231}}, {1023, 767, {278, 230}}, {800, 601, {167, 147}},
        {400, 300, {-33, -3}},   {201, 99, {-133, -104}},
    };
    bool oddWindow = false;
    for (const Size& s : sizes) {
        SCOPED_TRACE(std::to_string(s.w) + " x " + std::to_string(s.h));
        Screen->SetSize(s.w, s.h);
        std::vector<Made> made = all();
        EXPECT_EQ(made[0].bounds, Bounds(s.mn.x, s.mn.y, 466, 307));
        for (const Made& m : made) {
            const int w = m.bounds.Width(), h = m.bounds.Height();
            oddWindow = oddWindow || w % 2 || h % 2;
            EXPECT_EQ(m.bounds.Left, s.w / 2 - w / 2) << m.name;
            EXPECT_EQ(m.bounds.Top, s.h / 2 - h / 2) << m.name;
        }
    }
    Screen->SetSize(1024, 768);
    EXPECT_TRUE(oddWindow) << "some window of odd size, so the halves are truncated";
}

TEST_F(Quickview, StripButtonsAndStartHereShowTheirGlyphAboveTheCaption) {
    struct Row {
        TBitBtn* button;
        const char* caption;
        const char* hint;
    };
    const Row rows[] = {
        {Mainfrm->butmovie, "Movie Editor", "Launch the Movie Editor"},
        {Mainfrm->buttrans, "Special Effects", "Launch the special effects manager"},
        {Mainfrm->butsoundrec, "Sound Record", "Launch Sound Recorder"},
        {Mainfrm->BitBtn5, "Movie Player", "Launch media player"},
        {Mainfrm->BitBtn7, "Media Player", "Link to the Windows media player"},
        {Mainfrm->but1, "Utility One", "User defined button"},
        {Mainfrm->but2, "Utility Two", "User defined button"},
        {Mainfrm->but3, "Utility Three", "User defined button"},
        {Mainfrm->but4, "Utility Four", "User defined button"},
        {mn->BitBtn1, "Start Here", "Open the Velmora main window"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        EXPECT_EQ(r.button->Caption(), r.caption);
        EXPECT_EQ(r.button->Hint(), r.hint);
        EXPECT_TRUE(r.button->ShowHint());
        EXPECT_EQ(r.button->Layout(), blGlyphTop);
        EXPECT_FALSE(r.button->Glyph().Empty());
    }
    for (int i = 0; i < Mainfrm->panbut->ControlCount(); ++i)
        EXPECT_NE(dynamic_cast<TBitBtn*>(Mainfrm->panbut->Controls(i)), nullptr) << "only the nine";
    EXPECT_EQ(Mainfrm->panbut->ControlCount(), 9);
}

// Menus, lists, combos, spins, track bars, check boxes, radio groups, edits and tabs of every
// screen: the user may work them all, and none opens a window or a message.
TEST_F(Quickview, EveryMenuListComboSpinTrackCheckAndTabOfTheScreensStartsNothing) {
    std::map<std::string, int> worked;
    auto folderFiles = [] {
        std::set<std::filesystem::path> out;
        for (const auto& e : std::filesystem::recursive_directory_iterator(folder->path()))
            out.insert(e.path());
        return out;
    };
    const auto filesBefore = folderFiles();
    auto doubleClick = [](TListBox* list) {
        QWidget* view = list->List()->viewport();
        QPoint at = list->List()->visualItemRect(list->List()->item(0)).center();
        realevents::click(view, at);
        realevents::send(view, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
        realevents::send(view, QEvent::MouseButtonRelease, at, Qt::LeftButton);
    };
    for (TCustomForm* screen : screens()) {
        hideScreens();
        screen->Show();
        QApplication::processEvents();
        for (int i = 0; i < screen->ComponentCount(); ++i) {
            TComponent* c = screen->Components(i);
            std::string kind;
            if (auto* m = dynamic_cast<TMenuItem*>(c)) {
                if (m->Count() || m->Caption() == "-") continue;
                m->Click();
                kind = "menu item";
            } else if (auto* l = dynamic_cast<TListBox*>(c)) {
                if (!l->Visible() || !l->Items().Count()) continue;
                doubleClick(l);
                kind = "list";
            } else if (auto* cb = dynamic_cast<TComboBox*>(c)) {
                cb->SetItemIndex((cb->ItemIndex() + 1) % cb->Items().Count());
                kind = "combo";
            } else if (auto* s = dynamic_cast<TSpinEdit*>(c)) {
                s->SetValue(s->Value() + 1);
                kind = "spin";
            } else if (auto* t = dynamic_cast<TTrackBar*>(c)) {
                t->SetPosition(t->Position() + 1);
                kind = "track bar";
            } else if (auto* k = dynamic_cast<TCheckBox*>(c)) {
                if (!k->Visible()) continue;
                const bool was = k->Checked();
                realevents::click(k, QPoint(6, k->Height() / 2));
                EXPECT_NE(k->Checked(), was) << "the user's click reached " << k->Name();
                kind = "check box";
            } else if (auto* r = dynamic_cast<TRadioGroup*>(c)) {
                r->SetItemIndex((r->ItemIndex() + 1) % r->Items().Count());
                kind = "radio group";
            } else if (auto* e = dynamic_cast<TEdit*>(c)) {
                e->SetText(e->Text() + "x");
                kind = "edit";
            } else if (auto* p = dynamic_cast<TPageControl*>(c)) {
                for (int page = p->PageCount() - 1; page >= 0; --page)
                    p->SelectPage(p->Pages(page));
                kind = "tabs";
            } else {
                continue;
            }
            ++worked[kind];
            EXPECT_EQ(visibleScreens(), std::set<TCustomForm*>{screen}) << screen->Name() << "." << c->Name();
        }
    }
    for (auto [kind, least] : std::map<std::string, int>{{"menu item", 54},
                                                         {"list", 17},
                                                         {"combo", 9},
                                                         {"spin", 10},
                                                         {"track bar", 6},
                                                         {"check box", 25},
                                                         {"radio group", 3},
                                                         {"edit", 20},
                                                         {"tabs", 3}})
        EXPECT_GE(worked[kind], least) << kind;
    EXPECT_TRUE(ModalSeam().Log().empty());
    EXPECT_FALSE(Mainfrm->Visible());
    EXPECT_EQ(folderFiles(), filesBefore) << "the quick view writes nothing";
}

// Last: it ends the program.
TEST_F(Quickview, ExitOnTheStartWindowEndsTheProgram) {
    mn->Show();
    EXPECT_EQ(mn->SpeedButton1->Caption(), "Exit");
    mn->SpeedButton1->Click();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(mn->Visible());
}

} // namespace
