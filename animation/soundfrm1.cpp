#include "soundfrm1.h"

#include "Application.h"
#include "AviPlay.h"
#include "FormKit.h"
#include "Numbers.h"
#include "PictureWriters.h"
#include "avicapper.h"
#include "moviedisplay1.h"
#include "scrntest.h"

TSoundfrm* Soundfrm = nullptr;

namespace {
void pump(int times) {
    for (int i = 0; i < times; ++i)
        Application->ProcessMessages();
}

TSpeedButton* transport(TSoundfrm* f, const char* name, int left, const char* caption, const char* h) {
    TSpeedButton* b = kit::speedButton(f, name, left, 32, 24, 24, TBitmap(), h);
    b->SetCaption(caption);
    b->SetEnabled(false);
    return b;
}
} // namespace

TSoundfrm::TSoundfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Soundfrm");
    SetCaption("Mediaplayer 1");
    SetFormStyle(fsStayOnTop);
    SetClientWidth(338);
    SetHeight(88);

    SpeedButton1 = kit::speedButton(this, "SpeedButton1", 4, 4, 24, 24, TBitmap(), "Open a multimedia file");
    SpeedButton1->SetCaption("...");
    Edit1 = kit::edit(this, "Edit1", "", 32, 6, 98);
    ProgressBar1 = new TProgressBar(this, this);
    ProgressBar1->SetName("ProgressBar1");
    ProgressBar1->SetBounds(134, 8, 200, 16); // 200 wide: a click at x seeks to progressstep x x
    ProgressBar1->SetMin(0);
    ProgressBar1->SetMax(200);
    ProgressBar1->SetCursor(crHandPoint);

    b1 = transport(this, "b1", 4, ">", "Play");
    b2 = transport(this, "b2", 30, "||", "Pause");
    b2->SetGroupIndex(1);
    b2->SetAllowAllUp(true);
    b3 = transport(this, "b3", 56, ">>", "Fast Forward");
    b4 = transport(this, "b4", 82, "[]", "Stop");
    b5 = transport(this, "b5", 108, "|<", "Rewind");
    b6 = transport(this, "b6", 134, ">|", "End");
    cbut =
        kit::speedButton(this, "cbut", 166, 32, 24, 24, TBitmap(), "Capture Frames and Dump frames to disk");
    cbut->SetCaption("C");
    cbut->SetEnabled(false);
    SpeedButton4 = kit::speedButton(this, "SpeedButton4", 192, 32, 24, 24, TBitmap(), "Expand Display");
    SpeedButton4->SetCaption("v");
    butr = kit::speedButton(this, "butr", 220, 32, 50, 24, TBitmap());
    butr->SetCaption("Repeat");
    Panel2 = kit::panel(this, "Panel2", 274, 32, 60, 24);

    Panel3 = kit::panel(this, "Panel3", 0, 61, 338, 52);
    Panel3->SetVisible(false);
    Label1 = kit::label(Panel3, "Label1", "No File or Device Open", 4, 4);
    SpinEdit1 = new TSpinEdit(this, Panel3);
    SpinEdit1->SetName("SpinEdit1");
    SpinEdit1->SetBounds(4, 22, 72, 22);
    SpinEdit1->SetValue(0);
    BitBtn2 = kit::bitBtn(Panel3, "BitBtn2", "Mark", 80, 20, 48, 25, TBitmap());
    kit::hint(BitBtn2, "Mark current position");
    SpeedButton2 = kit::speedButton(Panel3, "SpeedButton2", 132, 20, 44, 25, TBitmap(),
                                    "You may have to hit this button several times.");
    SpeedButton2->SetCaption("Seek");
    BitBtn4 = kit::bitBtn(Panel3, "BitBtn4", "<", 182, 20, 30, 25, TBitmap());
    BitBtn1 = kit::bitBtn(Panel3, "BitBtn1", ">", 214, 20, 30, 25, TBitmap());
    BitBtn3 = kit::bitBtn(Panel3, "BitBtn3", ">>", 246, 20, 34, 25, TBitmap());
    for (TControl* c :
         {static_cast<TControl*>(BitBtn4), static_cast<TControl*>(BitBtn1), static_cast<TControl*>(BitBtn3)})
        kit::hint(c, "Step into");
    SpeedButton3 = kit::speedButton(Panel3, "SpeedButton3", 312, 4, 20, 20, TBitmap());
    SpeedButton3->SetCaption("x");

    // Flags between handlers, out of sight.
    CheckBox1 = kit::check(this, "CheckBox1", "CheckBox1", 400, 4, 90);
    CheckBox1->SetVisible(false);
    stopnow2 = kit::check(this, "stopnow2", "stopnow2", 400, 24, 90);
    stopnow2->SetVisible(false);

    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(1); // runs at the timers' 10 ms floor
    Timer1->SetEnabled(false);
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");
    OpenDialog1->SetFilter("*.WAV,*.AVI,*.MPG|*.WAV;*.AVI;*.MPG|*.*   All Files|*.*");
    MediaPlayer1 = new TMediaPlayer(this);
    MediaPlayer1->SetName("MediaPlayer1");

    SpeedButton1->OnClick = bindMethod(this, &TSoundfrm::SpeedButton1Click);
    b1->OnClick = bindMethod(this, &TSoundfrm::b1Click);
    b2->OnClick = bindMethod(this, &TSoundfrm::b2Click);
    b3->OnClick = bindMethod(this, &TSoundfrm::b3Click);
    b4->OnClick = bindMethod(this, &TSoundfrm::b4Click);
    b5->OnMouseDown = bindMethod(this, &TSoundfrm::b5MouseDown);
    b5->OnClick = bindMethod(this, &TSoundfrm::b5Click);
    b6->OnMouseDown = bindMethod(this, &TSoundfrm::b6MouseDown);
    b6->OnClick = bindMethod(this, &TSoundfrm::b6Click);
    ProgressBar1->OnMouseUp = bindMethod(this, &TSoundfrm::ProgressBar1MouseUp);
    SpinEdit1->OnMouseDown = bindMethod(this, &TSoundfrm::SpinEdit1MouseDown);
    BitBtn2->OnClick = bindMethod(this, &TSoundfrm::BitBtn2Click);
    SpeedButton2->OnClick = bindMethod(this, &TSoundfrm::SpeedButton2Click);
    BitBtn1->OnClick = bindMethod(this, &TSoundfrm::BitBtn1Click);
    BitBtn4->OnClick = bindMethod(this, &TSoundfrm::BitBtn4Click);
    BitBtn3->OnClick = bindMethod(this, &TSoundfrm::BitBtn3Click);
    SpeedButton4->OnClick = bindMethod(this, &TSoundfrm::SpeedButton4Click);
    Panel2->OnClick = bindMethod(this, &TSoundfrm::Panel2Click);
    SpeedButton3->OnClick = bindMethod(this, &TSoundfrm::SpeedButton3Click);
    butr->OnClick = bindMethod(this, &TSoundfrm::butrClick);
    cbut->OnClick = bindMethod(this, &TSoundfrm::cbutClick);
    Timer1->OnTimer = bindMethod(this, &TSoundfrm::Timer1Timer);
    OnShow = bindMethod(this, &TSoundfrm::FormShow);
    OnClose = bindMethod(this, &TSoundfrm::FormClose);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

void TSoundfrm::replaceBar() {
    progressmark = Real48(static_cast<long double>(MediaPlayer1->Position()));
    ProgressBar1->SetPosition(int(Trunc(progressmark / progressstep)));
}

void TSoundfrm::refreshTimes(int n) {
    for (int i = 0; i < n; ++i)
        mrefresh();
}

void TSoundfrm::mrefresh() {
    if (screentest1 && screentest1->Visible()) {
        screentest1->SetCaption(MediaPlayer1->FileName());
        screentest1->Repaint();
    }
    if (MediaPlayer1->Surface()) MediaPlayer1->Surface()->Repaint();
    pump(500);
}

void TSoundfrm::SpeedButton1Click(TObject*) {
    SpinEdit1->SetValue(0);
    if (!OpenDialog1->Execute()) return;
    const std::string name = OpenDialog1->FileName();
    const std::string ext = UpperExtension(name);
    MediaPlayer1->SetFileName(name);
    ProgressBar1->SetPosition(0);
    stopnow2->SetChecked(false); // a new file gets its progress clock again
    Timer1->SetEnabled(true);
    MediaPlayer1->Open();
    if (ext == ".MPG" || ext == ".MPEG" || ext == ".MOV" || ext == ".AVI") {
        MediaPlayer1->SetDisplay(Moviedisplay->Panel1);
        CheckBox1->SetChecked(true);
        MediaPlayer1->SetDisplayRect(Moviedisplay->Panel1->ClientRect());
        Moviedisplay->Show();
        MediaPlayer1->SetPosition(1);
        cbut->SetEnabled(true);
    }
    for (TSpeedButton* b : {b1, b2, b3, b4, b5, b6})
        b->SetEnabled(true);
    Label1->SetCaption("Position");
    Edit1->SetText(name);
    progressmark = progressstep = 1.0L;
    if (MediaPlayer1->Length() > 0) {
        progressstep = Real48(static_cast<long double>(MediaPlayer1->Length()) * 0.005L);
        progressmark = progressstep;
    }
}

void TSoundfrm::b1Click(TObject*) {
    if (progressstep < 1.0L) progressstep = 1.0L;
    if (progressmark < 1.0L) progressmark = 1.0L;
    if (MediaPlayer1->Position() == MediaPlayer1->Length()) {
        MediaPlayer1->SetPosition(1);
        replaceBar();
    }
    MediaPlayer1->Play();
    b2->SetDown(false);
}

void TSoundfrm::b2Click(TObject*) {
    if (MediaPlayer1->Mode() == mpPaused)
        MediaPlayer1->Play();
    else if (MediaPlayer1->Mode() == mpPlaying)
        MediaPlayer1->Pause();
    b2->SetDown(MediaPlayer1->Mode() == mpPaused);
}

void TSoundfrm::b3Click(TObject*) {
    MediaPlayer1->Rewind();
    ProgressBar1->SetPosition(1);
    progressmark = progressstep;
}

void TSoundfrm::b4Click(TObject*) {
    MediaPlayer1->Stop();
    b2->SetDown(false);
}

void TSoundfrm::b5MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    if (MediaPlayer1->Position() > 0) MediaPlayer1->SetPosition(MediaPlayer1->Position() - 1);
}

void TSoundfrm::b5Click(TObject*) {
    MediaPlayer1->SetPosition(1);
    replaceBar();
    mrefresh();
}

void TSoundfrm::b6MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    if (MediaPlayer1->Position() < MediaPlayer1->Length())
        MediaPlayer1->SetPosition(MediaPlayer1->Position() + 1);
}

void TSoundfrm::b6Click(TObject*) {
    MediaPlayer1->SetPosition(MediaPlayer1->Length());
    replaceBar();
    mrefresh();
}

void TSoundfrm::ProgressBar1MouseUp(TObject*, TMouseButton, TShiftState, int X, int) {
    try {
        MediaPlayer1->SetPosition(std::int64_t(Trunc(progressstep * X)));
        replaceBar();
    } catch (const EMCIDeviceError&) {
    }
}

void TSoundfrm::SpinEdit1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    const std::int64_t p = MediaPlayer1->Position();
    if (p >= 1 && p < MediaPlayer1->Length()) {
        MediaPlayer1->SetPosition(SpinEdit1->Value());
        replaceBar();
    }
}

void TSoundfrm::BitBtn2Click(TObject*) {
    if (MediaPlayer1->IsOpen()) SpinEdit1->SetValue(int(MediaPlayer1->Position()));
}

void TSoundfrm::SpeedButton2Click(TObject*) {
    if (MediaPlayer1->IsOpen() && SpinEdit1->Value() > 0 && SpinEdit1->Value() < MediaPlayer1->Length()) {
        for (int i = 0; i < 3; ++i) // one seek may not take effect
            MediaPlayer1->SetPosition(SpinEdit1->Value());
        outahere();
    }
    replaceBar();
    mrefresh();
}

void TSoundfrm::BitBtn1Click(TObject*) {
    try {
        if (MediaPlayer1->Position() < MediaPlayer1->Length()) {
            MediaPlayer1->SetPosition(MediaPlayer1->Position() + 1);
            refreshTimes(5);
        }
    } catch (const EMCIDeviceError&) {
    }
}

void TSoundfrm::BitBtn4Click(TObject*) {
    try {
        if (MediaPlayer1->Position() > 1) {
            MediaPlayer1->SetPosition(MediaPlayer1->Position() - 1);
            refreshTimes(5);
        }
    } catch (const EMCIDeviceError&) {
    }
}

void TSoundfrm::BitBtn3Click(TObject*) {
    MediaPlayer1->Step();
    refreshTimes(5);
}

void TSoundfrm::SpeedButton4Click(TObject*) {
    SetHeight(Height() == 88 ? 140 : 88);
    expandRest();
}

// "Expand Display" after its height: the lower panel shown with the position.
void TSoundfrm::expandRest() {
    Panel3->SetVisible(true);
    if (MediaPlayer1->IsOpen()) {
        SpinEdit1->SetValue(int(MediaPlayer1->Position()));
        SpinEdit1->SetColor(clWhite);
        Label1->SetCaption("Position");
    } else {
        SpinEdit1->SetValue(0);
        SpinEdit1->SetColor(clInfoBk);
        Label1->SetCaption("No File or Device Open");
    }
}

// The panel opens the lower panel; it does not toggle it shut as "Expand Display" would.
void TSoundfrm::Panel2Click(TObject*) {
    SetHeight(140);
    expandRest();
}

void TSoundfrm::SpeedButton3Click(TObject*) {
    SetHeight(88);
    Panel3->SetVisible(false);
}

void TSoundfrm::butrClick(TObject*) {
    butr->SetFlat(!butr->Flat());
    butr->FontRef().Color = butr->Flat() ? clRed : clWindowText;
    butr->FontChanged();
}

void TSoundfrm::cbutClick(TObject*) {
    Moviedisplay->Close();
    AVICAP->AVI->SetFileName(MediaPlayer1->FileName());
    AVICAP->Show();
    Close();
}

void TSoundfrm::Timer1Timer(TObject*) {
    if (!stopnow2->Checked()) outahere();
}

void TSoundfrm::outahere() {
    pump(500);
    if (stopnow2->Checked()) {
        Timer1->SetEnabled(false);
        pump(500);
        return;
    }
    if (!Timer1->Enabled()) return;
    try {
        if (CheckBox1->Checked()) {
            MediaPlayer1->SetDisplayRect(Moviedisplay->Panel1->ClientRect());
            MediaPlayer1->SetDisplay(Moviedisplay->Panel1);
            CheckBox1->SetChecked(false);
        }
        if (progressmark < static_cast<long double>(MediaPlayer1->Position())) {
            progressmark = Real48(progressmark + progressstep);
            ProgressBar1->SetPosition(std::min(ProgressBar1->Position() + 1, 200));
        }
        if (Repeating() && MediaPlayer1->Position() >= MediaPlayer1->Length()) {
            MediaPlayer1->Rewind();
            MediaPlayer1->Play();
            ProgressBar1->SetPosition(1);
            progressmark = progressstep;
        }
    } catch (const EMCIDeviceError&) {
        Timer1->SetEnabled(false);
        stopnow2->SetChecked(true);
    }
}

void TSoundfrm::FormShow(TObject*) {
    cbut->SetEnabled(false);
    if (MediaPlayer1->FileName().empty()) return;
    for (TSpeedButton* b : {b1, b2, b3, b4, b5, b6})
        b->SetEnabled(true);
    Label1->SetCaption("Position");
    Edit1->SetText(MediaPlayer1->FileName());
    try {
        if (MediaPlayer1->Length() > 0)
            progressstep = Real48(static_cast<long double>(MediaPlayer1->Length()) * 0.005L);
    } catch (const EMCIDeviceError&) {
    }
}

void TSoundfrm::FormClose(TObject*, TCloseAction&) {
    Timer1->SetEnabled(false);
    Edit1->SetText("");
    for (TSpeedButton* b : {b1, b2, b3, b4, b5, b6})
        b->SetEnabled(false);
    SetHeight(88);
    Panel3->SetVisible(false);
    Label1->SetCaption("No File or Device Open");
    SpinEdit1->SetValue(0);
    ProgressBar1->SetPosition(1);
    if (Moviedisplay->Visible()) Moviedisplay->Close();
    MediaPlayer1->Close();
    pump(1);
    if (auto* main = dynamic_cast<TForm*>(Application->MainForm()))
        if (main->WindowState() == wsMinimized) main->SetWindowState(wsNormal);
    MediaPlayer1->SetFileName("");
}
