#include "imview.h"

#include "ScreenKit.h"
#include "animcap.h"
#include "velmorafrm.h"

namespace quickview {

Tpicform1* picform1 = nullptr;

Tpicform1::Tpicform1(TComponent* AOwner) : TForm(AOwner) {
    SetName("picform1");
    SetCaption("Image Browser");
    SetBounds(0, 0, 640, 470);

    Panel1 = kit::alignedPanel(this, "Panel1", alTop, 32);
    kit::speedButtonRow(
        Panel1, 3, 26, 26, true,
        {
            {&SpeedButton1, "SpeedButton1", 4, glyph(Glyph::Open), "Open the picture in the paint workbench"},
            {&SpeedButton2, "SpeedButton2", 32, glyph(Glyph::Save), "Save the picture as BMP or JPEG"},
            {&SpeedButton3, "SpeedButton3", 70, glyph(Glyph::Copy), "Copy the picture to the clipboard"},
            {&SpeedButton4, "SpeedButton4", 98, glyph(Glyph::Camera), "Capture the screen to the clipboard"},
            {&SpeedButton5, "SpeedButton5", 136, glyph(Glyph::Play), "Slide show of the folder"},
            {&SpeedButton6, "SpeedButton6", 164, glyph(Glyph::Zoom), "Fit the picture to the window"},
            {&SpeedButton14, "SpeedButton14", 202, glyph(Glyph::ListMaker),
             "Bitmap file list manager, list maker, and previewer"},
        });

    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetHeight(19);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->AddPanel("hills000.bmp", 160);
    StatusBar1->AddPanel("320 x 240", 90);
    StatusBar1->AddPanel("24-bit colour", 100);
    StatusBar1->AddPanel("225 KB", 80);

    Panel2 = kit::alignedPanel(this, "Panel2", alLeft, 186);
    DriveComboBox1 = kit::combo(Panel2, "DriveComboBox1", {"c: [WIN98]", "d: [CDROM]", "a:"}, 0, 6, 6, 174);
    DirectoryListBox1 = kit::list(
        Panel2, "DirectoryListBox1",
        {"c:\\", "  Velmora", "    Backgrounds", "      Hills", "    Sprites", "    Sets"}, 6, 32, 174, 88);
    DirectoryListBox1->SetItemIndex(3);
    butremember =
        kit::speedButton(Panel2, "butremember", 6, 124, 86, 22, glyph(Glyph::Folder), "Remember this folder");
    butremember->SetCaption("Remember");
    butrecall = kit::speedButton(Panel2, "butrecall", 94, 124, 86, 22, glyph(Glyph::Open),
                                 "Go back to the remembered folder");
    butrecall->SetCaption("Go back");
    FileListBox1 = kit::list(Panel2, "FileListBox1",
                             {"hills000.bmp", "hills001.bmp", "hills002.bmp", "hills003.bmp", "hills004.bmp",
                              "hills005.bmp", "sunset.jpg", "title.bmp"},
                             6, 150, 174, 100);
    FileListBox1->SetItemIndex(0);
    FilterComboBox1 = kit::combo(
        Panel2, "FilterComboBox1",
        {"Pictures (*.bmp;*.jpg)", "Bitmaps (*.bmp)", "JPEG (*.jpg)", "All files (*.*)"}, 0, 6, 254, 174);
    GroupBox1 = kit::group(Panel2, "GroupBox1", "JPEG options", 6, 280, 174, 104);
    kit::label(GroupBox1, "Label1", "Scale:", 8, 22);
    ComboScale = kit::combo(GroupBox1, "ComboScale", {"1/1", "1/2", "1/4", "1/8"}, 0, 50, 18, 60);
    CheckGrey = kit::check(GroupBox1, "CheckGrey", "Greyscale", 8, 46, 120);
    kit::label(GroupBox1, "Label2", "Quality: 75", 8, 76);
    TrackQuality = new TTrackBar(this, GroupBox1);
    TrackQuality->SetName("TrackQuality");
    TrackQuality->SetBounds(72, 70, 96, 26);
    TrackQuality->SetMin(1);
    TrackQuality->SetMax(100);
    TrackQuality->SetFrequency(10);
    TrackQuality->SetPosition(75);

    ScrollBox1 = new TScrollBox(this, this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetAlign(alClient);
    ScrollBox1->SetColor(clGray);
    Image1 = kit::picture(ScrollBox1, "Image1", 0, 0, 420, 315);
    Image1->SetStretch(true);
    DrawScene(Image1->Picture().Bitmap(), 320, 240, 0);

    SpeedButton14->OnClick = bindMethod(this, &Tpicform1::SpeedButton14Click);
    OnCreate = bindMethod(this, &Tpicform1::FormCreate);
}

void Tpicform1::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tpicform1::SpeedButton14Click(TObject*) {
    ShowScreen(AnimCap1);
}

} // namespace quickview
