#include "wiz1.h"

#include "ScreenKit.h"
#include "TSpinEdit.h"
#include "TTrackBar.h"

namespace quickview {

Twizfrm* wizfrm = nullptr;

namespace {
constexpr int ContentLeft = 140;

TSpinEdit* spin(TForm* f, TWinControl* parent, const char* name, int value, int x, int y) {
    auto* s = new TSpinEdit(f, parent);
    s->SetName(name);
    s->SetBounds(x, y, 60, 22);
    s->SetMinValue(0);
    s->SetMaxValue(9999);
    s->SetValue(value);
    return s;
}

TTrackBar* track(TForm* f, TWinControl* parent, const char* name, int pos, int x, int y) {
    auto* t = new TTrackBar(f, parent);
    t->SetName(name);
    t->SetBounds(x, y, 240, 26);
    t->SetMax(300);
    t->SetFrequency(30);
    t->SetPosition(pos);
    return t;
}
} // namespace

TTabSheet* Twizfrm::page(const char* name, const char* caption, int variant, const char* title,
                         const char* text) {
    auto* sheet = new TTabSheet(this, PageControl1);
    sheet->SetName(name);
    sheet->SetCaption(caption);
    TImage* side = kit::picture(sheet, std::string(name) + "Image", 8, 8, 121, 290);
    DrawWizardSide(side->Picture().Bitmap(), 121, 290, variant);
    kit::heading(kit::label(sheet, std::string(name) + "Title", title, ContentLeft, 10), 15, clNavy);
    kit::textBlock(sheet, std::string(name) + "Text", text, ContentLeft, 34, 396, 44);
    return sheet;
}

Twizfrm::Twizfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("wizfrm");
    SetCaption("Editing Video Streams");
    SetBorderStyle(bsDialog);
    SetClientWidth(560);
    SetClientHeight(380);

    PageControl1 = new TPageControl(this, this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetBounds(6, 6, 548, 330);

    TabSheet1 = page("TabSheet1", "Editing Video Streams", 0, "Editing video streams",
                     "Open an AVI film, mark the first and last frame of the part you want and cut, copy or "
                     "join it with other films. The frames can be saved as a numbered bitmap set.");
    kit::list(TabSheet1, "ListFilms", {"intro.avi", "hills.avi", "runner.avi", "credits.avi"}, ContentLeft,
              84, 130, 96)
        ->SetItemIndex(1);
    TPanel* pv = kit::panel(TabSheet1, "PanelFilm", ContentLeft + 140, 84, 132, 100, bvLowered);
    DrawScene(kit::picture(pv, "ImageFilm", 2, 2, 128, 96)->Picture().Bitmap(), 128, 96, 1);
    kit::label(TabSheet1, "Label11", "First frame:", ContentLeft, 198);
    track(this, TabSheet1, "TrackFirst", 40, ContentLeft + 70, 192);
    kit::label(TabSheet1, "Label12", "Last frame:", ContentLeft, 230);
    track(this, TabSheet1, "TrackLast", 210, ContentLeft + 70, 224);
    kit::button(TabSheet1, "butcut", "Cut", ContentLeft, 262, 64, 25);
    kit::button(TabSheet1, "butcopy", "Copy", ContentLeft + 70, 262, 64, 25);
    kit::button(TabSheet1, "butjoin", "Join...", ContentLeft + 140, 262, 64, 25);
    kit::button(TabSheet1, "butframes", "Save Frames...", ContentLeft + 210, 262, 100, 25);

    TabSheet2 = page("TabSheet2", "Adding Animation", 1, "Adding animation",
                     "Lay an animation, a play list of frame files, over the film. It plays from the frame "
                     "you choose, at its own speed, and can loop until the film ends.");
    kit::list(TabSheet2, "ListAnims", {"runner.lst", "gulls.lst", "title spin.lst"}, ContentLeft, 84, 150, 80)
        ->SetItemIndex(0);
    kit::label(TabSheet2, "Label21", "Start at frame:", ContentLeft, 178);
    spin(this, TabSheet2, "SpinStart2", 24, ContentLeft + 90, 174);
    kit::label(TabSheet2, "Label22", "Frames a second:", ContentLeft, 208);
    spin(this, TabSheet2, "SpinRate", 15, ContentLeft + 90, 204);
    kit::check(TabSheet2, "CheckLoop", "Loop the animation", ContentLeft, 238, 200, true);
    kit::check(TabSheet2, "CheckTransparent", "White is transparent", ContentLeft, 260, 200, true);

    TabSheet3 = page("TabSheet3", "Adding Sound", 2, "Adding sound",
                     "Give the film a sound track: a WAV recording or a MIDI song. The sound starts with the "
                     "frame you choose and can fade in and out.");
    kit::list(TabSheet3, "ListSounds", {"theme.wav", "hills at dawn.wav", "runner.mid", "applause.wav"},
              ContentLeft, 84, 150, 80)
        ->SetItemIndex(0);
    kit::label(TabSheet3, "Label31", "Start at frame:", ContentLeft, 178);
    spin(this, TabSheet3, "SpinStart3", 0, ContentLeft + 90, 174);
    kit::check(TabSheet3, "CheckFadeIn", "Fade in", ContentLeft, 208, 120, true);
    kit::check(TabSheet3, "CheckFadeOut", "Fade out", ContentLeft, 230, 120, true);
    kit::button(TabSheet3, "butlisten", "Listen", ContentLeft, 258, 75, 25);

    TabSheet4 = page("TabSheet4", "Adding Bitmaps", 3, "Adding bitmaps",
                     "Put still pictures into the film: a title, a caption or a photograph. Each bitmap is "
                     "held for the number of frames you set.");
    kit::list(TabSheet4, "ListBitmaps", {"title.bmp", "sunset.jpg", "credits.bmp", "the end.bmp"},
              ContentLeft, 84, 150, 80)
        ->SetItemIndex(0);
    kit::label(TabSheet4, "Label41", "Hold for frames:", ContentLeft, 178);
    spin(this, TabSheet4, "SpinHold", 45, ContentLeft + 90, 174);
    kit::radios(TabSheet4, "RadioPlace", "Place", {"Before the film", "After the film", "At frame"}, 0,
                ContentLeft, 206, 200, 80);

    PageControl1->SetActivePageIndex(0);
    butback = kit::button(this, "butback", "<< Back", 306, 346, 75, 25);
    butnext = kit::button(this, "butnext", "Next >>", 388, 346, 75, 25);
    butclose = kit::button(this, "butclose", "Close", 478, 346, 75, 25);

    OnCreate = bindMethod(this, &Twizfrm::FormCreate);
}

void Twizfrm::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
