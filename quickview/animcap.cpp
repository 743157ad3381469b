#include "animcap.h"

#include "ScreenKit.h"

namespace quickview {

TAnimCap1* AnimCap1 = nullptr;

TAnimCap1::TAnimCap1(TComponent* AOwner) : TForm(AOwner) {
    SetName("AnimCap1");
    SetCaption("Animation Manager");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientWidth(604);
    SetClientHeight(392);

    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetHeight(19);
    StatusBar1->AddPanel("Play list: runner.lst", 180);
    StatusBar1->AddPanel("8 frames", 80);
    StatusBar1->AddPanel("100 ms a frame", 120);
    StatusBar1->SetAlign(alBottom);

    kit::label(this, "Label1", "Folder:", 8, 12);
    ComboFolder =
        kit::combo(this, "ComboFolder", {"C:\\Velmora\\Sprites\\Runner", "C:\\Velmora\\Sets"}, 0, 48, 8, 220);
    kit::label(this, "Label2", "Frame files", 8, 38);
    FileListBox1 = kit::list(this, "FileListBox1",
                             {"run000.bmp", "run001.bmp", "run002.bmp", "run003.bmp", "run004.bmp",
                              "run005.bmp", "run006.bmp", "run007.bmp", "clip000.bmp", "clip001.bmp"},
                             8, 54, 130, 200);
    butadd = kit::button(this, "butadd", "Add >", 146, 54, 76, 25);
    butaddall = kit::button(this, "butaddall", "Add All >>", 146, 84, 76, 25);
    butremove = kit::button(this, "butremove", "< Remove", 146, 124, 76, 25);
    butclear = kit::button(this, "butclear", "<< Clear", 146, 154, 76, 25);
    kit::label(this, "Label3", "Play list", 230, 38);
    ListBox1 =
        kit::list(this, "ListBox1",
                  {"C:\\Velmora\\Sprites\\Runner\\run000.bmp", "C:\\Velmora\\Sprites\\Runner\\run001.bmp",
                   "C:\\Velmora\\Sprites\\Runner\\run002.bmp", "C:\\Velmora\\Sprites\\Runner\\run003.bmp",
                   "C:\\Velmora\\Sprites\\Runner\\run004.bmp", "C:\\Velmora\\Sprites\\Runner\\run005.bmp",
                   "C:\\Velmora\\Sprites\\Runner\\run006.bmp", "C:\\Velmora\\Sprites\\Runner\\run007.bmp"},
                  230, 54, 200, 200);
    ListBox1->SetItemIndex(0);

    butload = kit::button(this, "butload", "Load List...", 8, 264, 96, 25);
    butsave = kit::button(this, "butsave", "Save List...", 110, 264, 96, 25);
    butmake = kit::button(this, "butmake", "Make List...", 212, 264, 96, 25);
    butresize = kit::button(this, "butresize", "Resize All...", 314, 264, 96, 25);
    kit::textBlock(this, "Label4",
                   "Add frame files to the play list in the order they play, then preview them as an "
                   "animation. Lists are saved as .lst files, one frame file a line.",
                   8, 300, 420, 44);

    Panel1 = kit::panel(this, "Panel1", 440, 54, 156, 200, bvLowered);
    Panel1->SetColor(clWhite);
    Image1 = kit::picture(Panel1, "Image1", 2, 2, 152, 196);
    DrawSprite(Image1->Picture().Bitmap(), 152, 196, 2);
    kit::label(this, "Label5", "Preview", 440, 38);
    butback = kit::speedButton(this, "butback", 440, 262, 36, 26, glyph(Glyph::StepBack), "Previous frame");
    butplay =
        kit::speedButton(this, "butplay", 480, 262, 36, 26, glyph(Glyph::Play), "Preview the play list");
    butstop = kit::speedButton(this, "butstop", 520, 262, 36, 26, glyph(Glyph::Stop), "Stop the preview");
    butfwd = kit::speedButton(this, "butfwd", 560, 262, 36, 26, glyph(Glyph::StepForward), "Next frame");
    kit::label(this, "Label6", "Delay (ms):", 440, 304);
    SpinEdit1 = new TSpinEdit(this, this);
    SpinEdit1->SetName("SpinEdit1");
    SpinEdit1->SetBounds(504, 300, 60, 22);
    SpinEdit1->SetMinValue(10);
    SpinEdit1->SetMaxValue(5000);
    SpinEdit1->SetIncrement(10);
    SpinEdit1->SetValue(100);
    CheckBox1 = kit::check(this, "CheckBox1", "Loop", 440, 330, 80, true);

    OnCreate = bindMethod(this, &TAnimCap1::FormCreate);
}

void TAnimCap1::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
