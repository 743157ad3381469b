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

    Panel1 = kit::panel(this, "Panel1", 8, 8, 346, 58, bvLowered);
    Panel1->SetColor(clBlack);
    Labeltime = kit::label(Panel1, "Labeltime", "00:00:12 / 00:03:45", 10, 6);
    TFont& lcd = Labeltime->FontRef();
    lcd.Name = "Courier New";
    lcd.SetHeight(-22);
    lcd.Style = fsBold;
    lcd.Color = clLime;
    Labeltime->FontChanged();
    Labelfile =
        kit::label(Panel1, "Labelfile", "C:\\Velmora\\Sound\\theme.wav   22 kHz  16-bit  stereo", 10, 36);
    Labelfile->FontRef().Color = RGB(0, 200, 0);
    Labelfile->FontChanged();

    TrackBar1 = new TTrackBar(this, this);
    TrackBar1->SetName("TrackBar1");
    TrackBar1->SetBounds(8, 72, 346, 28);
    TrackBar1->SetMax(225);
    TrackBar1->SetFrequency(15);
    TrackBar1->SetPosition(12);

    Panel2 = kit::panel(this, "Panel2", 8, 104, 346, 36);
    kit::speedButtonRow(Panel2, 4, 30, 28, false,
                        {
                            {&butopen, "butopen", 4, glyph(Glyph::Open), "Open a WAV, AVI or MPEG file"},
                            {&butplay, "butplay", 44, glyph(Glyph::Play), "Play"},
                            {&butpause, "butpause", 76, glyph(Glyph::Pause), "Pause"},
                            {&butstop, "butstop", 108, glyph(Glyph::Stop), "Stop"},
                            {&butprev, "butprev", 148, glyph(Glyph::Rewind), "Back to the start"},
                            {&butback, "butback", 180, glyph(Glyph::StepBack), "Step back"},
                            {&butstep, "butstep", 212, glyph(Glyph::StepForward), "Step forward"},
                            {&butnext, "butnext", 244, glyph(Glyph::FastForward), "To the end"},
                        });
    CheckRepeat = kit::check(Panel2, "CheckRepeat", "Repeat", 282, 10, 60);

    GroupBox1 = kit::group(this, "GroupBox1", "Recording", 8, 146, 346, 78);
    butrecord = kit::speedButton(GroupBox1, "butrecord", 10, 20, 60, 28, glyph(Glyph::Record),
                                 "Record from the microphone");
    butrecord->SetCaption("Rec");
    kit::label(GroupBox1, "Label1", "Format:", 80, 26);
    ComboFormat = kit::combo(
        GroupBox1, "ComboFormat",
        {"11 kHz 8-bit mono", "22 kHz 16-bit mono", "22 kHz 16-bit stereo", "44 kHz 16-bit stereo"}, 2, 124,
        22, 150);
    Labelrecord = kit::label(GroupBox1, "Labelrecord", "Record to: C:\\Velmora\\Sound\\take1.wav", 10, 54);

    ListBox1 = kit::list(
        this, "ListBox1",
        {"theme.wav", "hills at dawn.wav", "runner.mid", "applause.wav", "credits.wav", "intro.avi"}, 8, 146,
        346, 78);
    ListBox1->SetVisible(false);

    OnCreate = bindMethod(this, &TSoundfrm::FormCreate);
}

void TSoundfrm::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
