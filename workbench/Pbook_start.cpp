// Start-up, layout of the page and closing.
#include "Application.h"
#include "MessageBox.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TImage.h"
#include "TPageControl.h"
#include "TScrollBox.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "TStatusBar.h"
#include "Zoompic.h"
#include "animcap.h"
#include "soundfrm1.h"

#include <filesystem>
#include <new>
#include <stdexcept>

void TPbook1::FormCreate(TObject*) {
    pathname1->SetText(ProgramFolder::RootWithSlash());
    tempdir1->SetText(ProgramFolder::RootWithSlash());
    std::error_code ignored; // it usually exists already
    std::filesystem::create_directory(ProgramFolder::MapPath(pathname1->Text() + "\\clpcache"), ignored);
    dostart();
    loadcolors("");
}

void TPbook1::dostart() {
    cappaste = spraymix = modified = pagesready = zoomwritten = zoomon = buttondown = false;
    morfmode = bezhandles = pensetup = firstoutline = pastedragging = pastesized = false;
    bezplaced = bezgrab1 = bezgrab2 = bezgrab3 = bezgrab4 = bezdragging = false;
    mousedown = zoomloaded = zoomrefresh = false;
    pastezoom = pastewidth = pasteheight = 0;
    sizedwidth = sizedheight = 0;
    draganchor = TPoint{};
    chk1->SetChecked(false);
    capturewidth = 1;
    SetBounds(10, 43, 640, 480);
    ptbox1->Picture().Bitmap().SetSize(450, 250);
    SetCaption("TEMP.BMP");
    pagesready = true;
    initpages();
    if (Screen->Height() == 480) SetBounds(0, 0, 640, 460);
}

void TPbook1::FormShow(TObject*) {
    // The window's first appearance is a resize on the platform, which shows the page size.
    FormResize(this);
    placePageCorner();
    const std::string film = "bin\\logo1.avi";
    if (ProgramFolder::FileExists(film)) {
        try {
            TMediaPlayer* player = Soundfrm->MediaPlayer1;
            player->SetFileName(ProgramFolder::MapPathString(film));
            player->SetDisplay(TabSheet1);
            player->Open();
            PageControl1->SetActivePage(TabSheet1);
            player->Play();
            // Its last frame would stay over the page, hiding what Copy and Save take from it.
            player->OnPlayEnd = [this, player] {
                if (player->Display() == TabSheet1)
                    endIntroFilm();
                else
                    player->OnPlayEnd = nullptr; // the player went on to another film
            };
        } catch (...) {
            // The intro film is optional: the program starts on the "Paint" tab without it.
        }
    }
    PageControl1->SetActivePage(TabSheet1);
}

void TPbook1::endIntroFilm() {
    TMediaPlayer* player = Soundfrm->MediaPlayer1;
    player->OnPlayEnd = nullptr;
    try {
        player->Close();
    } catch (...) {
        // the intro film may never have opened
    }
    // A name left with no film open would make the media window's buttons offer a play that
    // can only fail ("not open").
    player->SetFileName("");
}

void TPbook1::SpeedButton52Click(TObject*) {
    Soundfrm->Show();
}

void TPbook1::FormResize(TObject*) {
    const TPicture& page = ptbox1->Picture();
    if (!page.Empty())
        StatusBar1->SetSimpleText("   " + std::to_string(page.Width()) + "x" + std::to_string(page.Height()));
}

void TPbook1::FormClose(TObject*, TCloseAction& Action) {
    savecolors("");
    if (modified && !checktosave()) Action = caNone;
    // The program ends without closing its other windows: the animation manager's closing
    // steps (its save prompt among them) run here.
    if (Action != caNone && AnimCap1) AnimCap1->closeSteps();
}

bool TPbook1::initpages() {
    if (!pagesready) return false;
    const bool wasmaximised = WindowState() == wsMaximized;
    if (wasmaximised) SetWindowState(wsNormal);

    // Shrinking the page first resets the scroll position.
    ScrollBox1->SetAutoScroll(false);
    ptbox1->SetBounds(0, 0, 10, 10);
    Application->ProcessMessages();
    ScrollBox1->SetAutoScroll(true);
    ScrollBox1->Refresh();

    // Messages were pumped: read the page size only now.
    const int w = ptbox1->Picture().Width();
    const int h = ptbox1->Picture().Height();
    ptbox1->SetBounds(0, 0, w, h);
    clpmap1->SetBounds(clpmap1->Left(), clpmap1->Top(), ptbox1->Width(), ptbox1->Height());
    zm1->SetBounds(ptbox1->Left(), ptbox1->Top(), ptbox1->Width(), ptbox1->Height());
    Image2->SetBounds(ptbox1->Left(), ptbox1->Top(), ptbox1->Width(), ptbox1->Height());
    zm1->SetXCenter(w / 2);
    zm1->SetYCenter(h / 2);

    try {
        clpmap1->Picture().Bitmap().SetSize(1, 1);
        Image2->Picture().Assign(ptbox1->Picture());
        undoptb1->SetEnabled(true);
        chk1->SetEnabled(true);
        redoptb1->SetEnabled(true);
    } catch (const std::exception&) {
        MessageBox("Not enough Resources", "Error", MB_OK);
        return false;
    }

    const HPALETTE pal = ptbox1->Picture().Bitmap().Palette();
    if (pal) {
        zm1->Bitmap().SetPalette(pal);
        clpmap1->Picture().Bitmap().SetPalette(pal);
        Image2->Picture().Bitmap().SetPalette(pal);
    }
    zm1->SetzoomValue(zm1spin->Value());
    ptbox1->SetAlign(alNone);
    zm1->SetAlign(alNone);

    if (wasmaximised) SetWindowState(wsMaximized);
    return true;
}
