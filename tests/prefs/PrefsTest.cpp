// The preferences and linked programs inside the started program: the settings file, the links
// of the "Add ons" menu and buttons, the icons, the manual pages and the file browser. Each test
// runs in a program folder of its own, with a recording launcher.
#include "AviPlay.h"
#include "BmpCodec.h"
#include "Dialogs.h"
#include "FileIO.h"
#include "FilmBuilder.h"
#include "Menus.h"
#include "MessageBox.h"
#include "OrvantaFixture.h"
#include "PictureBuilders.h"
#include "RecordingLauncher.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TTimer.h"
#include "help1.h"
#include "linklaunch1.h"
#include "mydialog.h"
#include "preference1.h"

#include <cerrno>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

const std::string kDefaults =
    "false\r\nUser defined 1\r\nUser defined 2\r\nUser defined 3\r\nUser defined 4\r\ntrue\r\n";

class PrefsTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        fresh();
    }
    // The program's link state as at a start with no settings, links or icons.
    void fresh() {
        fs::remove_all(dir.path() / "bin");
        fs::create_directory(dir.path() / "bin");
        fs::create_directory(dir.path() / "User manual");
        for (const char* page : {"Contents.html", "Movies.html", "Animation.html", "Links.html"})
            put(std::string("User manual/") + page, "<html></html>");
        ProgramFolder::SetRoot(dir.path());

        Tpreference& p = *preference;
        p.Hide();
        p.chklowres->SetChecked(false);
        p.chkmusic->SetChecked(true);
        for (int n = 0; n <= 4; ++n)
            p.linkContainer(n)->DestroyObject();
        TEdit* names[] = {p.eprog1, p.eprog2, p.eprog3, p.eprog4};
        for (int n = 1; n <= 4; ++n)
            names[n - 1]->SetText("User defined " + std::to_string(n));
        TPbook1& pb = *Pbook1;
        for (TCheckBox* c : {pb.chkmanual, pb.explore, pb.chkmovies, pb.chkanimation})
            c->SetChecked(false);
        for (auto* c :
             {pb.OleContainer1.get(), pb.OleContainer2.get(), pb.OleContainer8.get(), pb.OleContainer9.get()})
            c->DestroyObject();
        for (TMenuItem* m : {pb.utility1, pb.utility2, pb.utility3, pb.utility4})
            m->SetEnabled(false);
        pb.Timer2->SetEnabled(false);
        Application->OnException = [this](const std::exception& e) { errors.push_back(e.what()); };
    }
    void TearDown() override {
        Application->OnException = nullptr;
        preference->Hide();
        OrvantaTest::TearDown();
    }

    std::string path(const std::string& name) const { return (dir.path() / name).string(); }
    std::string put(const std::string& name, const std::string& text) const {
        writeFileReplacing(path(name), text);
        return path(name);
    }
    std::optional<std::string> read(const std::string& name) const {
        if (!fs::exists(path(name))) return std::nullopt;
        const std::vector<std::uint8_t> b = ReadWholeFile(path(name));
        return std::string(b.begin(), b.end());
    }
    // Answers the program's next message box with its button 1, 2 or 3, keeping its lines.
    void answer(int button) {
        ModalSeam().QueueScript<Tmydialog1>([this, button](Tmydialog1& d) {
            std::string text;
            for (TLabel* l : {d.l1, d.l2, d.l3, d.l4, d.l5})
                text += l->Caption() + "|";
            boxes.push_back(text);
            (button == 1 ? d.b1 : button == 2 ? d.b2 : d.b3)->Click();
        });
    }
    // A link of n to `target` made through "Browse".
    void browse(int n, const std::string& target) {
        ModalSeam().QueueFileName(target);
        answer(1);
        TSpeedButton* buttons[] = {preference->SpeedButton39, preference->SpeedButton34,
                                   preference->SpeedButton40, preference->SpeedButton41};
        buttons[n - 1]->Click();
    }

    TestFolder dir;
    RecordingLauncher launcher;
    std::vector<std::string> boxes;
    std::vector<std::string> errors;
};

// ---- The settings file ----

TEST_F(PrefsTest, SettingsAreReadAndWrittenAsStored) {
    const std::string link = linkRecord(put("tool.sh", "x"));
    const struct {
        const char* what;
        std::optional<std::string> file;
        std::string after; // the file after loading
        bool lowres;
        std::string name1, name4;
        bool music;
        bool linksLoaded;
    } cases[] = {
        {"no file: written from the defaults, then read", std::nullopt, kDefaults, false, "User defined 1",
         "User defined 4", true, true},
        {"\"True\" is not \"true\"", "True\r\na\r\nb\r\nc\r\nd\r\nTRUE\r\n",
         "True\r\na\r\nb\r\nc\r\nd\r\nTRUE\r\n", false, "a", "d", false, true},
        {"four lines: rewritten, no link loaded", "true\r\na\r\nb\r\nc\r\n", kDefaults, false,
         "User defined 1", "User defined 4", true, false},
        {"LF endings and a seventh line", "true\nfirst one\nb\nc\nlast\ntrue\nseventh\n",
         "true\nfirst one\nb\nc\nlast\ntrue\nseventh\n", true, "first one", "last", true, true},
        {"an empty sixth line", "false\r\na\r\nb\r\nc\r\nd\r\n\r\n", "false\r\na\r\nb\r\nc\r\nd\r\n\r\n",
         false, "a", "d", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fresh();
        put("bin/link1.txt", link);
        if (c.file)
            put("bin/coconfig.fle", *c.file);
        else
            fs::remove(path("bin/coconfig.fle"));
        preference->loadconfig();
        EXPECT_EQ(read("bin/coconfig.fle"), c.after);
        EXPECT_EQ(preference->chklowres->Checked(), c.lowres);
        EXPECT_EQ(Pbook1->Timer2->Enabled(), c.lowres);
        EXPECT_EQ(preference->eprog1->Text(), c.name1);
        EXPECT_EQ(preference->eprog4->Text(), c.name4);
        EXPECT_EQ(preference->chkmusic->Checked(), c.music);
        EXPECT_EQ(Pbook1->utility1->Enabled(), c.linksLoaded);
        EXPECT_EQ(preference->OleContainer4->HasObject(), c.linksLoaded);
    }
}

TEST_F(PrefsTest, AnEmptyNameIsStoredAsUserDefinedAndHostileFilesLoadWithoutHarm) {
    preference->eprog3->SetText("");
    preference->saveconfig();
    EXPECT_EQ(read("bin/coconfig.fle"), kDefaults);

    for (const std::string& hostile :
         {std::string(6, '\n'), std::string("\0\r\n\0\r\n\0\n\0\n\0\n\0", 15), std::string(200000, '\r'),
          "\r\n\r\n\r\n\r\n\r\n" + std::string(100000, 'x'),
          std::string("\xff\xfe\xc3\n\x80\n\n\n\n\n", 11)}) {
        put("bin/coconfig.fle", hostile);
        preference->loadconfig();
        EXPECT_FALSE(preference->chklowres->Checked());
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(PrefsTest, AnUnwritableBinFolderIsReportedAndKeepsTheOldFile) {
    put("bin/coconfig.fle", "old");
    answer(1);
    {
        ScopedWriteFaults faults({.createErrno = EACCES});
        preference->saveconfig();
    }
    EXPECT_EQ(boxes, std::vector<std::string>{"Unable to write to file|||||"});
    EXPECT_EQ(read("bin/coconfig.fle"), "old");
}

// Mended: "Close" used to put back the tick shown when the window opened, so the next "Close"
// wrote the old value again.
TEST_F(PrefsTest, TheLowColourTickKeepsItsValueAndActsAtTheNextStart) {
    preference->Show();
    preference->chklowres->SetChecked(true);
    preference->SpeedButton1->Click();
    EXPECT_FALSE(preference->Visible());
    EXPECT_EQ(read("bin/coconfig.fle")->substr(0, 6), "true\r\n");
    preference->Show();
    EXPECT_TRUE(preference->chklowres->Checked());
    EXPECT_TRUE(preference->chklowres2->Checked());
    preference->SpeedButton1->Click();
    EXPECT_EQ(read("bin/coconfig.fle")->substr(0, 6), "true\r\n");
    EXPECT_FALSE(Pbook1->Timer2->Enabled());

    preference->loadconfig(); // the next start
    EXPECT_TRUE(Pbook1->Timer2->Enabled());
}

TEST_F(PrefsTest, ClosingTheWindowAnyOtherWaySavesNothing) {
    put("bin/coconfig.fle", kDefaults);
    preference->Show();
    preference->chklowres->SetChecked(true);
    preference->Close();
    EXPECT_EQ(read("bin/coconfig.fle"), kDefaults);
}

// ---- Links ----

TEST_F(PrefsTest, BrowseLinksAFileOpensItAndNamesIt) {
    const std::string target = put("my notes.txt", "notes");
    browse(2, target);
    EXPECT_EQ(boxes,
              std::vector<std::string>{"About to create a link to your file||This could take a short "
                                       "while|depending on the type of file.|Press OK to create link|"});
    EXPECT_EQ(read("bin/link2.txt"), linkRecord(target));
    EXPECT_EQ(launcher.lastOpened(), target);
    EXPECT_EQ(preference->eprog2->Text(), target);
    EXPECT_FALSE(Pbook1->utility2->Enabled()) << "as designed, until the next start";

    Pbook1->butpref2->Click(); // the "Add ons" button opens it as "Utility &2" does
    EXPECT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(launcher.lastOpened(), target);

    fs::remove(target);
    answer(1);
    Pbook1->utility2->Click();
    EXPECT_EQ(boxes.back(),
              "Unable to create link|Clear all links in preferences|and reconfigure buttons|||");
    EXPECT_EQ(launcher.started.size(), 2u);
}

TEST_F(PrefsTest, ABrowseThatCannotLinkIsReportedAndChangesNothing) {
    ModalSeam().QueueCancel();
    preference->SpeedButton39->Click();
    EXPECT_FALSE(fs::exists(path("bin/link1.txt")));

    browse(1, path("gone.txt"));
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_FALSE(fs::exists(path("bin/link1.txt")));
    EXPECT_EQ(preference->eprog1->Text(), "User defined 1");
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(PrefsTest, AMissingLinkAsksWhetherToChooseOne) {
    const struct {
        TMenuItem* item;
        const char* question;
    } cases[] = {
        {Pbook1->utility2,
         "Orvanta needs to know|which file or utility to assign to|this button.|Continue?||"},
        {Pbook1->velmora1, "Orvanta needs to know|where Velmora is installed||Continue?||"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item->Name());
        boxes.clear();
        answer(2); // No
        c.item->Click();
        EXPECT_EQ(boxes, std::vector<std::string>{c.question});
        EXPECT_FALSE(preference->Visible());
        answer(1); // Yes
        c.item->Click();
        EXPECT_TRUE(preference->Visible());
        preference->Hide();
    }
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(PrefsTest, ADamagedLinkFileAtStartIsReportedAndTheRestStillLoad) {
    put("bin/coconfig.fle", kDefaults);
    put("bin/link3.txt", "not a link");
    put("bin/link4.txt", linkRecord(put("four.txt", "4")));
    put("bin/but2.bmp", "not a bitmap");
    preference->loadconfig();
    EXPECT_EQ(errors.size(), 2u);
    EXPECT_TRUE(Pbook1->utility3->Enabled());
    EXPECT_FALSE(preference->OleContainer6->HasObject());
    EXPECT_TRUE(Pbook1->utility4->Enabled());
    EXPECT_TRUE(preference->OleContainer7->HasObject());
}

TEST_F(PrefsTest, ClearAllLinksPointsEveryLinkAtTheLinksPage) {
    Pbook1->chkmanual->SetChecked(true);
    Pbook1->explore->SetChecked(true);
    Pbook1->chkmovies->SetChecked(true);
    Pbook1->OleContainer1->CreateLinkToFile(path("User manual/Contents.html"), true);
    preference->eprog1->SetText("kept");
    preference->BitBtn1->Click();
    EXPECT_TRUE(boxes.empty());
    for (TCheckBox* c : {Pbook1->chkmanual, Pbook1->explore, Pbook1->chkmovies, Pbook1->chkanimation})
        EXPECT_FALSE(c->Checked()) << c->Name();
    EXPECT_FALSE(Pbook1->OleContainer1->HasObject());
    EXPECT_EQ(preference->eprog1->Text(), "kept");
    for (int n = 0; n <= 4; ++n) {
        SCOPED_TRACE(n);
        TOleContainer c;
        c.LoadFromFile(path("bin/link" + std::to_string(n) + ".txt"));
        c.DoVerb(ovShow);
        EXPECT_EQ(launcher.lastOpened(), path("User manual/Links.html"));
    }

    fs::remove(path("User manual/Links.html"));
    answer(1);
    preference->BitBtn1->Click();
    EXPECT_EQ(boxes, std::vector<std::string>{"Unable to complete request|Reconfigure buttons||||"});
}

// ---- Manual pages and the file browser ----

TEST_F(PrefsTest, ManualPagesOpenAfterTheLinkWindow) {
    const struct {
        void (TPbook1::*command)(TObject*);
        TCheckBox* TPbook1::*made;
        const char* page;
    } cases[] = {
        {&TPbook1::SupportServices1Click, &TPbook1::chkmanual, "Contents.html"},
        {&TPbook1::MoviesontheWWW1Click, &TPbook1::chkmovies, "Movies.html"},
        {&TPbook1::CreatingAnimation1Click, &TPbook1::chkanimation, "Animation.html"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        launcher.started.clear();
        ModalSeam().QueueResult(2); // "Cancel"
        (Pbook1->*c.command)(nullptr);
        EXPECT_TRUE(launcher.started.empty());
        EXPECT_FALSE((Pbook1->*c.made)->Checked());

        launcher.failNext = 1;
        ModalSeam().QueueResult(1);
        answer(1);
        (Pbook1->*c.command)(nullptr);
        EXPECT_EQ(boxes.back(), std::string("Unable to complete request|Using explorer, click on|") + c.page +
                                    " in your manual folder|||");
        EXPECT_FALSE((Pbook1->*c.made)->Checked());

        for (int use = 0; use < 2; ++use) {
            ModalSeam().QueueResult(1); // "Press OK to begin"
            (Pbook1->*c.command)(nullptr);
            EXPECT_TRUE((Pbook1->*c.made)->Checked());
            EXPECT_EQ(launcher.lastOpened(), path(std::string("User manual/") + c.page));
        }
        EXPECT_EQ(launcher.started.size(), 2u);
    }
}

TEST_F(PrefsTest, TheHelpWindowAndTheMenusReachTheManualContents) {
    for (auto click : std::initializer_list<std::function<void()>>{
             [] { Helpfrm->bmm->Click(); }, [] { Pbook1->OnlineManual1->Click(); },
             [] { Pbook1->SupportServices1->Click(); }, [] { Pbook1->SpeedButton65->Click(); }}) {
        launcher.started.clear();
        ModalSeam().QueueResult(1);
        click();
        EXPECT_EQ(launcher.lastOpened(), path("User manual/Contents.html"));
    }
}

TEST_F(PrefsTest, TheLinkWindowSitsTopRightAndPlaysTheGlobeWhileShown) {
    EXPECT_EQ(linkform->Left(), Screen->Width() - linkform->Width());
    EXPECT_EQ(linkform->Top(), 0);
    FilmSpec globe;
    globe.frames = {uniformPicture(8, 8, clBlue), uniformPicture(8, 8, clRed)};
    WriteBytes(path("bin/globe.avi"), MakeFilm(globe));
    bool playing = false;
    std::string film;
    ModalSeam().QueueScript<Tlinkform>([&](Tlinkform& f) {
        playing = f.Animate1->Active();
        film = f.Animate1->FileName();
        f.Button1->Click();
    });
    EXPECT_EQ(linkform->ShowModal(), 2);
    EXPECT_TRUE(playing);
    EXPECT_EQ(film, path("bin/globe.avi"));
    EXPECT_FALSE(linkform->Animate1->Active());
    EXPECT_EQ(linkform->Animate1->FileName(), "");
}

TEST_F(PrefsTest, TheFileBrowserOpensTheProgramFolderAndRemakesAFailedLink) {
    Pbook1->SpeedButton8->Click();
    EXPECT_EQ(read("bin/link6.txt"), linkRecord(dir.path().string()));
    EXPECT_EQ(launcher.lastOpened(), dir.path().string());
    EXPECT_TRUE(Pbook1->explore->Checked());

    launcher.failNext = 1; // the old link fails; the fresh one opens at once
    Pbook1->SpeedButton8->Click();
    EXPECT_EQ(launcher.started.size(), 2u);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(Pbook1->explore->Checked());

    launcher.failNext = 2;
    answer(1);
    Pbook1->SpeedButton8->Click();
    EXPECT_EQ(boxes, std::vector<std::string>{"Unable to complete request|||||"});
    EXPECT_FALSE(Pbook1->explore->Checked());
}

TEST_F(PrefsTest, TheQuickOverviewOpensTheFileBrowserAndClosesThroughTheSavePrompt) {
    answer(2);
    preference->SpeedButton33->Click();
    EXPECT_TRUE(launcher.started.empty());

    Pbook1->modified = true;
    answer(1);
    ModalSeam().QueueButton(IDCANCEL); // the save prompt keeps the program open
    preference->SpeedButton33->Click();
    EXPECT_EQ(boxes.back(), "A quick overview of Velmora is|located in your Orvanta|program folder.|Click on "
                            "Tarnwick.exe using Explorer|Would you like to exit and view it now?|");
    EXPECT_EQ(launcher.lastOpened(), dir.path().string());
    EXPECT_FALSE(Application->Terminated());
    Pbook1->modified = false;
}

// ---- Icons ----

// Columns of black one pixel wide every third column on white: a stretch that drops columns
// loses some of them, one that ANDs them keeps them all.
TBitmap stripes(int w) {
    TBitmap b(w, 40, pf24bit);
    for (int x = 0; x < w; x += 3)
        for (int y = 0; y < 40; ++y)
            b.SetPixel(x, y, clBlack);
    return b;
}

TBitmap stretchedIcon(const TBitmap& picture, int mode) {
    TBitmap icon(32, 32, pf24bit);
    SetStretchBltMode(icon.Canvas(), mode);
    icon.Canvas().StretchDraw(Rect(0, 0, 32, 32), picture);
    return icon;
}

TEST_F(PrefsTest, AnIconIsStretchedTo32By32ByItsWidth) {
    const struct {
        int width;
        int mode;
    } cases[] = {{64, BLACKONWHITE}, {99, BLACKONWHITE}, {100, COLORONCOLOR}, {120, COLORONCOLOR}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const TBitmap picture = stripes(c.width);
        const TBitmap wanted = stretchedIcon(picture, c.mode);
        ASSERT_FALSE(
            samePixels(wanted, stretchedIcon(picture, c.mode == BLACKONWHITE ? COLORONCOLOR : BLACKONWHITE)))
            << "the fixture must tell the two modes apart";
        SaveBmpToFile(picture, path("pic.bmp"));
        ModalSeam().QueueFileName(path("pic.bmp"));
        ASSERT_TRUE(preference->changebut());
        EXPECT_TRUE(samePixels(preference->Image1->Picture().Bitmap(), wanted));
    }
}

TEST_F(PrefsTest, AnIconFileBecomesAStretchedPictureToo) {
    WriteBytes(path("lime.ico"), MakeIcon({SolidIcon(16, 16, 4, clLime)}));
    ModalSeam().QueueFileName(path("lime.ico"));
    ASSERT_TRUE(preference->changebut());
    EXPECT_TRUE(samePixels(preference->Image1->Picture().Bitmap(), uniformPicture(32, 32, clLime)));
}

// Mended: a file that was not a picture used to count as chosen, and a blank icon replaced the
// button's file.
TEST_F(PrefsTest, ANonPictureLeavesTheIconAndItsFileAsTheyWere) {
    SaveBmpToFile(stripes(32), path("bin/but3.bmp"));
    const std::optional<std::string> before = read("bin/but3.bmp");
    put("not a picture.bmp", "plain text, not a bitmap");
    ModalSeam().QueueFileName(path("not a picture.bmp"));
    preference->butpref3->Click();
    EXPECT_EQ(read("bin/but3.bmp"), before);
    EXPECT_TRUE(preference->Image1->Picture().Empty());
    ModalSeam().QueueCancel();
    EXPECT_FALSE(preference->changebut());
}

TEST_F(PrefsTest, TheChosenIconIsSavedAndBecomesTheAddOnsButtonAtClose) {
    preference->Show();
    SaveBmpToFile(stripes(120), path("pic.bmp"));
    ModalSeam().QueueFileName(path("pic.bmp"));
    preference->butpref1->Click();
    const TBitmap saved = ReadBmpFile(path("bin/but1.bmp"));
    EXPECT_TRUE(samePixels(saved, stretchedIcon(stripes(120), COLORONCOLOR)));
    EXPECT_TRUE(samePixels(preference->butpref1->Glyph(), saved));
    preference->SpeedButton1->Click();
    EXPECT_TRUE(samePixels(Pbook1->butpref1->Glyph(), saved));

    ModalSeam().QueueFileName(path("pic.bmp"));
    ModalSeam().QueueButton(IDOK);
    {
        ScopedWriteFaults faults({.createErrno = EACCES});
        preference->butpref2->Click();
    }
    EXPECT_FALSE(fs::exists(path("bin/but2.bmp")));
    EXPECT_EQ(ModalSeam().Log().back().name, "Error");
    EXPECT_EQ(ModalSeam().Log().back().text, "Unable to save bitmap to bin folder");
}

} // namespace
