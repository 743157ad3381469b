#include "seriesform.h"

#include "ScreenKit.h"

namespace quickview {

Tseriesfrm2* seriesfrm2 = nullptr;

Tseriesfrm2::Tseriesfrm2(TComponent* AOwner) : TForm(AOwner) {
    SetName("seriesfrm2");
    SetCaption("Velmora Project Manager");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientWidth(580);

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem* project = kit::Item(this, MainMenu1->Items(), "Project1", "&Project");
    for (const char* c : {"&New...", "&Open...", "&Save", "&Close"})
        kit::Item(this, project, "", c);
    TMenuItem* frames = kit::Item(this, MainMenu1->Items(), "Frames1", "F&rames");
    for (const char* c : {"&Add bitmaps...", "&Remove", "Move &up", "Move &down", "&Renumber"})
        kit::Item(this, frames, "", c);
    TMenuItem* make = kit::Item(this, MainMenu1->Items(), "Make1", "&Make");
    for (const char* c : {"&Preview", "Make &AVI...", "Make animated &GIF..."})
        kit::Item(this, make, "", c);
    SetMenu(MainMenu1);
    SetClientHeight(380);

    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetHeight(19);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->AddPanel("MyMovie.vpj", 140);
    StatusBar1->AddPanel("5 bitmaps", 90);
    StatusBar1->AddPanel("15 frames a second", 140);

    kit::Label(this, "Label1", "Project:", 8, 12);
    Editproject = kit::Edit(this, "Editproject", "C:\\Velmora\\Projects\\MyMovie\\MyMovie.vpj", 56, 8, 300);
    kit::Label(this, "Label2", "Bitmaps in playing order", 8, 38);
    ListBox1 = kit::List(this, "ListBox1",
                         {"001  title.bmp", "002  beach000.bmp", "003  beach001.bmp", "004  beach002.bmp",
                          "005  beach003.bmp"},
                         8, 54, 190, 212);
    ListBox1->SetItemIndex(1);
    butup = kit::Button(this, "butup", "Up", 206, 54, 60, 25);
    butdown = kit::Button(this, "butdown", "Down", 206, 84, 60, 25);
    butadd = kit::Button(this, "butadd", "Add...", 206, 124, 60, 25);
    butremove = kit::Button(this, "butremove", "Remove", 206, 154, 60, 25);

    kit::Label(this, "Label3", "Frame", 276, 38);
    Panel1 = kit::Panel(this, "Panel1", 276, 54, 296, 212, bvLowered);
    Panel1->SetColor(clBlack);
    Image1 = kit::Picture(Panel1, "Image1", 7, 2, 282, 208);
    Image1->SetStretch(true);
    DrawScene(Image1->Picture().Bitmap(), 282, 208, 3);

    kit::Label(this, "Label4", "Notes", 8, 272);
    Memo1 = kit::Memo(this, "Memo1",
                      {"Beach scene for the club evening.", "Hold the title for two seconds;",
                       "gulls come in on frame 3. Music: theme.wav"},
                      8, 288, 400, 64);
    butpreview = kit::Button(this, "butpreview", "Preview", 416, 288, 75, 25);
    butmakeavi = kit::Button(this, "butmakeavi", "Make AVI...", 497, 288, 75, 25);

    OnCreate = [this](TObject* s) { FormCreate(s); };
}

void Tseriesfrm2::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
