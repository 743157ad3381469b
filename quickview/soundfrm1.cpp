#include "soundfrm1.h"

#include "ScreenKit.h"

namespace quickview {

TSoundfrm* Soundfrm = nullptr;

TSoundfrm::TSoundfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Soundfrm");
    SetCaption("Mediaplayer 1");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientWidth(362);
    SetClientHeight(232);

    Panel1 = kit::Panel(this, "Panel1", 8, 8, 346, 58, bvLowered);
    Panel1->SetColor(clBlack);
    Labeltime = kit::Label(Panel1, "Labeltime", "00:00:12 / 00:03:45", 10, 6);
    TFont& lcd = Labeltime->FontRef();
    lcd.Name = "Courier New";
    lcd.SetHeight(-22);
    lcd.Style = fsBold;
    lcd.Color = clLime;
    Labeltime->FontChanged();
    Labelfile =
        kit::Label(Panel1, "Labelfile", "C:\\Velmora\\Sound\\theme.wav   22 kHz  16-bit  stereo", 10, 36);
    Labelfile->FontRef().Color = RGB(0, 200, 0);
    Labelfile->FontChanged();

    TrackBar1 = new TTrackBar(this, this);
    TrackBar1->SetName("TrackBar1");
    TrackBar1->SetBounds(8, 72, 346, 28);
    TrackBar1->SetMax(225);
    TrackBar1->SetFrequency(15);
    TrackBar1->SetPosition(12);

    Panel2 = kit::Panel(this, "Panel2", 8, 104, 346, 36);
    struct Def {
        TSpeedButton** field;
        const char* name;
        Glyph glyph;
        const char* hint;
        int left;
    };
    const Def defs[] = {
        {&butopen, "butopen", Glyph::Open, "Open a WAV, AVI or MPEG file", 4},
        {&butplay, "butplay", Glyph::Play, "Play", 44},
        {&butpause, "butpause", Glyph::Pause, "Pause", 76},
        {&butstop, "butstop", Glyph::Stop, "Stop", 108},
        {&butprev, "butprev", Glyph::Rewind, "Back to the start", 148},
        {&butback, "butback", Glyph::StepBack, "Step back", 180},
        {&butstep, "butstep", Glyph::StepForward, "Step forward", 212},
        {&butnext, "butnext", Glyph::FastForward, "To the end", 244},
    };
    for (const Def& d : defs)
        *d.field = kit::Speed(Panel2, d.name, d.left, 4, 30, 28, d.glyph, d.hint);
    CheckRepeat = kit::Check(Panel2, "CheckRepeat", "Repeat", 282, 10, 60);

    GroupBox1 = kit::Group(this, "GroupBox1", "Recording", 8, 146, 346, 78);
    butrecord =
        kit::Speed(GroupBox1, "butrecord", 10, 20, 60, 28, Glyph::Record, "Record from the microphone");
    butrecord->SetCaption("Rec");
    kit::Label(GroupBox1, "Label1", "Format:", 80, 26);
    ComboFormat = kit::Combo(
        GroupBox1, "ComboFormat",
        {"11 kHz 8-bit mono", "22 kHz 16-bit mono", "22 kHz 16-bit stereo", "44 kHz 16-bit stereo"}, 2, 124,
        22, 150);
    Labelrecord = kit::Label(GroupBox1, "Labelrecord", "Record to: C:\\Velmora\\Sound\\take1.wav", 10, 54);

    ListBox1 = kit::List(
        this, "ListBox1",
        {"theme.wav", "hills at dawn.wav", "runner.mid", "applause.wav", "credits.wav", "intro.avi"}, 8, 146,
        346, 78);
    ListBox1->SetVisible(false);

    OnCreate = [this](TObject* s) { FormCreate(s); };
}

void TSoundfrm::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
