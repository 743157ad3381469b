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
    TMenuItem* project = kit::item(this, MainMenu1->Items(), "Project1", "&Project");
    for (const char* c : {"&New...", "&Open...", "&Save", "&Close"})
        kit::item(this, project, "", c);
    TMenuItem* frames = kit::item(this, MainMenu1->Items(), "Frames1", "F&rames");
    for (const char* c : {"&Add bitmaps...", "&Remove", "Move &up", "Move &down", "&Renumber"})
        kit::item(this, frames, "", c);
    TMenuItem* make = kit::item(this, MainMenu1->Items(), "Make1", "&Make");
    for (const char* c : {"&Preview", "Make &AVI...", "Make animated &GIF..."})
        kit::item(this, make, "", c);
    SetMenu(MainMenu1);
    SetClientHeight(380);

    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetHeight(19);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->AddPanel("MyMovie.vpj", 140);
    StatusBar1->AddPanel("5 bitmaps", 90);
    StatusBar1->AddPanel("15 frames a second", 140);

    kit::label(this, "Label1", "Project:", 8, 12);
    Editproject = kit::edit(this, "Editproject", "C:\\Velmora\\Projects\\MyMovie\\MyMovie.vpj", 56, 8, 300);
    kit::label(this, "Label2", "Bitmaps in playing order", 8, 38);
    ListBox1 = kit::list(this, "ListBox1",
                         {"001  title.bmp", "002  beach000.bmp", "003  beach001.bmp", "004  beach002.bmp",
                          "005  beach003.bmp"},
                         8, 54, 190, 212);
    ListBox1->SetItemIndex(1);
    butup = kit::button(this, "butup", "Up", 206, 54, 60, 25);
    butdown = kit::button(this, "butdown", "Down", 206, 84, 60, 25);
    butadd = kit::button(this, "butadd", "Add...", 206, 124, 60, 25);
    butremove = kit::button(this, "butremove", "Remove", 206, 154, 60, 25);

    kit::label(this, "Label3", "Frame", 276, 38);
    Panel1 = kit::panel(this, "Panel1", 276, 54, 296, 212, bvLowered);
    Panel1->SetColor(clBlack);
    Image1 = kit::picture(Panel1, "Image1", 7, 2, 282, 208);
    Image1->SetStretch(true);
    DrawScene(Image1->Picture().Bitmap(), 282, 208, 3);

    kit::label(this, "Label4", "Notes", 8, 272);
    Memo1 = kit::memo(this, "Memo1",
                      {"Beach scene for the club evening.", "Hold the title for two seconds;",
                       "gulls come in on frame 3. Music: theme.wav"},
                      8, 288, 400, 64);
    butpreview = kit::button(this, "butpreview", "Preview", 416, 288, 75, 25);
    butmakeavi = kit::button(this, "butmakeavi", "Make AVI...", 497, 288, 75, 25);

    OnCreate = bindMethod(this, &Tseriesfrm2::FormCreate);
}

void Tseriesfrm2::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
