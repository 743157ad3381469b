#include "velmorafrm.h"

#include "REMain.h"
#include "ScreenKit.h"
#include "aboutfrm1.h"
#include "animcap.h"
#include "bkfrframesfrm.h"
#include "forgrndfrm.h"
#include "frameeditfrm.h"
#include "help1.h"
#include "imview.h"
#include "mydialog.h"
#include "preference.h"
#include "prepforproject.h"
#include "screengrab.h"
#include "seriesform.h"
#include "soundfrm1.h"
#include "soundfrm2p.h"
#include "targetfrm.h"
#include "wiz1.h"

namespace quickview {

TMainfrm* Mainfrm = nullptr;

void ShowScreen(TCustomForm* screen) {
    screen->Show();
}

TMainfrm::TMainfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Mainfrm");
    SetCaption("Velmora ");
    SetBounds(0, 0, 404, 379);
    SetColor(clBlack);
    TBitmap icon;
    DrawProgramIcon(icon, 32);
    SetIcon(icon);

    makeMenu();

    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetHeight(19);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->AddPanel("Velmora 5.3 quick view", 180);
    StatusBar1->AddPanel("View only", 120);

    makeButtonStrip();
    makeToolBar();

    Label1 = new TLabel(this, this);
    Label1->SetName("Label1");
    Label1->SetAutoSize(false);
    Label1->SetWordWrap(true);
    Label1->SetHeight(62);
    Label1->SetAlign(alTop);
    Label1->SetColor(clBlack);
    Label1->SetCaption("This version is a nonfunctional view only, designed to give a quick look at the "
                       "functionality provided. To find out what a button does, hold the mouse over it "
                       "until the hint appears.");
    kit::heading(Label1, 13, clYellow);

    Image1 = new TImage(this, this);
    Image1->SetName("Image1");
    Image1->SetAlign(alClient);
    Image1->SetStretch(true);
    DrawFilmLogo(Image1->Picture().Bitmap(), 396, 150);

    OnCreate = bindMethod(this, &TMainfrm::FormCreate);
}

void TMainfrm::makeButtonStrip() {
    Panel1 = kit::alignedPanel(this, "Panel1", alBottom, 75, bvNone);
    Panel2 = kit::alignedPanel(Panel1, "Panel2", alLeft, 40);
    SpeedButton1 = kit::speedButton(Panel2, "SpeedButton1", 1, 1, 38, 36, glyph(Glyph::Left));
    SpeedButton2 = kit::speedButton(Panel2, "SpeedButton2", 1, 38, 38, 36, glyph(Glyph::Right));
    SpeedButton1->OnClick = bindMethod(this, &TMainfrm::SpeedButton1Click);
    SpeedButton2->OnClick = bindMethod(this, &TMainfrm::SpeedButton2Click);

    panlbut = kit::panel(Panel1, "panlbut", 41, 0, 976, 75, bvNone);
    panbut = kit::panel(panlbut, "panbut", 0, 0, 969, 75, bvLowered);

    struct Def {
        TBitBtn** field;
        const char* name;
        const char* caption;
        const char* hint;
        Glyph glyph;
        void (TMainfrm::*click)(TObject*);
    };
    const Def defs[] = {
        {&butmovie, "butmovie", "Movie Editor", "Launch the Movie Editor", Glyph::Film,
         &TMainfrm::butmovieClick},
        {&buttrans, "buttrans", "Special Effects", "Launch the special effects manager", Glyph::Effects,
         &TMainfrm::buttransClick},
        {&butsoundrec, "butsoundrec", "Sound Record", "Launch Sound Recorder", Glyph::Microphone,
         &TMainfrm::butsoundrecClick},
        {&BitBtn5, "BitBtn5", "Movie Player", "Launch media player", Glyph::Projector,
         &TMainfrm::BitBtn5Click},
        {&BitBtn7, "BitBtn7", "Media Player", "Link to the Windows media player", Glyph::Speaker,
         &TMainfrm::BitBtn7Click},
        {&but1, "but1", "Utility One", "User defined button", Glyph::Utility, &TMainfrm::but1Click},
        {&but2, "but2", "Utility Two", "User defined button", Glyph::Utility, &TMainfrm::but1Click},
        {&but3, "but3", "Utility Three", "User defined button", Glyph::Utility, &TMainfrm::but1Click},
        {&but4, "but4", "Utility Four", "User defined button", Glyph::Utility, &TMainfrm::but1Click},
    };
    int left = 3;
    for (const Def& d : defs) {
        TBitBtn* b = kit::bitBtn(panbut, d.name, d.caption, left, 3, 103, 69, glyph(d.glyph, 32), blGlyphTop);
        b->SetSpacing(2);
        kit::hint(b, d.hint);
        b->OnClick = bindMethod(this, d.click);
        *d.field = b;
        left += 107;
    }
}

void TMainfrm::makeToolBar() {
    Panel9 = kit::alignedPanel(this, "Panel9", alTop, 32);
    Image2 = kit::picture(Panel9, "Image2", 3, 3, 120, 26);
    Image2->SetStretch(true);
    DrawBanner(Image2->Picture().Bitmap(), 120, 26);

    auto g = [](Glyph which) { return glyph(which, 20); };
    kit::speedButtonRow(
        Panel9, 3, 28, 26, true,
        {
            {&SpeedButton13, "SpeedButton13", 132, g(Glyph::Html), "HTML Editor",
             bindMethod(this, &TMainfrm::SpeedButton13Click)},
            {&SpeedButton12, "SpeedButton12", 162, g(Glyph::Explore), "Explore Windows",
             bindMethod(this, &TMainfrm::SpeedButton12Click)},
            {&SpeedButton3, "SpeedButton3", 192, g(Glyph::Browser), "Image Browser",
             bindMethod(this, &TMainfrm::SpeedButton3Click)},
            {&SpeedButton9, "SpeedButton9", 222, g(Glyph::Music), "Play the songs in my play list",
             bindMethod(this, &TMainfrm::SpeedButton9Click)},
            {&SpeedButton5, "SpeedButton5", 252, g(Glyph::Layers),
             "Add foreground images to background frames", bindMethod(this, &TMainfrm::SpeedButton5Click)},
            {&SpeedButton4, "SpeedButton4", 312, g(Glyph::Minimize), "Minimize",
             bindMethod(this, &TMainfrm::SpeedButton4Click)},
        });
}

void TMainfrm::FormCreate(TObject*) {
    CenterOnScreen();
}

void TMainfrm::butmovieClick(TObject*) {
    ShowScreen(wizfrm);
}

void TMainfrm::buttransClick(TObject*) {
    ShowScreen(framecomposerfrm);
}

void TMainfrm::butsoundrecClick(TObject*) {
    ShowScreen(Soundfrm);
}

void TMainfrm::BitBtn5Click(TObject*) {
    ShowScreen(Soundfrm2);
}

void TMainfrm::BitBtn7Click(TObject*) {
    mydialog1->mbox("Link to the Windows media player", "or link to any file or program", "", "", "", 1);
}

void TMainfrm::but1Click(TObject*) {
    mydialog1->mbox("User defined buttons", "Link to any file or program", "", "", "", 1);
}

void TMainfrm::SpeedButton13Click(TObject*) {
    ShowScreen(MainForm);
}

void TMainfrm::SpeedButton12Click(TObject*) {
    ShowScreen(preference1);
}

void TMainfrm::SpeedButton3Click(TObject*) {
    ShowScreen(picform1);
}

void TMainfrm::SpeedButton9Click(TObject*) {
    ShowScreen(preference1);
}

void TMainfrm::SpeedButton5Click(TObject*) {
    ShowScreen(sprform);
}

void TMainfrm::SpeedButton4Click(TObject*) {
    SetWindowState(wsMinimized);
}

void TMainfrm::SpeedButton1Click(TObject*) {
    if (panbut->Left() + panbut->Width() >= ScrollStep) panbut->SetLeft(panbut->Left() - ScrollStep);
}

void TMainfrm::SpeedButton2Click(TObject*) {
    if (panbut->Left() <= panlbut->Left() - ScrollStep) panbut->SetLeft(panbut->Left() + ScrollStep);
}

void TMainfrm::NewProjectWizard1Click(TObject*) {
    ShowScreen(prepforproj);
}

void TMainfrm::OpenProject1Click(TObject*) {
    ShowScreen(seriesfrm2);
}

void TMainfrm::Preferences1Click(TObject*) {
    ShowScreen(preference1);
}

void TMainfrm::MovieEditor1Click(TObject*) {
    ShowScreen(wizfrm);
}

void TMainfrm::SequenceEditor1Click(TObject*) {
    ShowScreen(framecomposerfrm);
}

void TMainfrm::FrameEditor1Click(TObject*) {
    ShowScreen(editframefrm);
}

void TMainfrm::AnimationManager1Click(TObject*) {
    ShowScreen(AnimCap1);
}

void TMainfrm::MediaPlayer1Click(TObject*) {
    ShowScreen(Soundfrm);
}

void TMainfrm::ScreenCapturetodisk1Click(TObject*) {
    ShowScreen(Screengrabberfrm);
}

void TMainfrm::ScreenCapturetoClipboard1Click(TObject*) {
    ShowScreen(picform1);
}

void TMainfrm::SoundPlayer1Click(TObject*) {
    ShowScreen(Soundfrm2);
}

void TMainfrm::HTMLEditor1Click(TObject*) {
    ShowScreen(MainForm);
}

void TMainfrm::AddingForegroundsetstobackgrounds1Click(TObject*) {
    ShowScreen(newtargetfrm);
}

void TMainfrm::Help2Click(TObject*) {
    ShowScreen(Helpfrm);
}

void TMainfrm::About1Click(TObject*) {
    ShowScreen(Aboutform);
}

} // namespace quickview
