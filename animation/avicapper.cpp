#include "avicapper.h"

#include "Application.h"
#include "AviPlay.h"
#include "BindMethod.h"
#include "ClipboardGuard.h"
#include "FormKit.h"
#include "MessageBox.h"
#include "ModalSeam.h"
#include "Pbook.h"
#include "PictureWriters.h"
#include "Screen.h"
#include "dirpathdlg.h"

#include <algorithm>
#include <charconv>

TAVICAP* AVICAP = nullptr;

namespace {
// The capture button's camera and the go-to button's arrow, drawn here.
TBitmap cameraGlyph() {
    TBitmap g(16, 16);
    TCanvas& c = g.Canvas();
    c.Brush.Color = clGray;
    c.FillRect(Rect(1, 4, 15, 14));
    c.FillRect(Rect(4, 2, 9, 4));
    c.Brush.Color = clBlack;
    c.Ellipse(5, 6, 12, 13);
    return g;
}

TBitmap arrowGlyph() {
    TBitmap g(16, 16);
    TCanvas& c = g.Canvas();
    c.Brush.Color = clNavy;
    c.Pen.Color = clNavy;
    c.Polygon({{3, 3}, {12, 8}, {3, 13}});
    return g;
}

// The whole text as a 32-bit integer; nothing for any other text.
bool parseInt(const std::string& text, int& out) {
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && p == end && !text.empty();
}
} // namespace

TAVICAP::TAVICAP(TComponent* AOwner) : TForm(AOwner) {
    SetName("AVICAP");
    SetCaption("AVI Capture");
    SetFormStyle(fsStayOnTop);
    SetClientWidth(480);
    SetClientHeight(376);

    Panel2 = kit::panel(this, "Panel2", 8, 8, 352, 288, bvLowered);
    AVI = new TQuillAVIPlay(this, Panel2);
    AVI->SetName("AVI");
    AVI->SetAlign(alClient);

    Image2 = kit::picture(this, "Image2", 372, 8, 89, 97);
    Image2->SetStretch(true);
    BitBtn1 = kit::bitBtn(this, "BitBtn1", "", 372, 110, 89, 26, cameraGlyph(), blGlyphTop);
    kit::hint(BitBtn1, "Capture frame to the clipboard");
    ComboBox1 =
        kit::combo(this, "ComboBox1", {"Normal", "Double", "1/2", "1/4", "Stretch"}, 0, 372, 142, 100);
    ComboBox1->SetText("Normal");
    CheckSound = kit::check(this, "CheckSound", "Sound", 372, 172, 100, true);
    CheckTransparent = kit::check(this, "CheckTransparent", "Transparent", 372, 192, 100, true);
    CheckCenter = kit::check(this, "CheckCenter", "Center", 372, 212, 100, true);
    tim = kit::check(this, "tim", "On Timer", 372, 236, 100);
    fbut = kit::bitBtn(this, "fbut", "Faster", 372, 258, 50, 25, TBitmap());
    fbut->SetVisible(false);
    sbut = kit::bitBtn(this, "sbut", "Slower", 424, 258, 50, 25, TBitmap());

    BitBtn2 = kit::bitBtn(this, "BitBtn2", "Play", 8, 304, 70, 25, TBitmap());
    BitBtn3 = kit::bitBtn(this, "BitBtn3", "Stop", 82, 304, 70, 25, TBitmap());
    BitBtn5 = kit::bitBtn(this, "BitBtn5", ">>", 156, 304, 40, 25, TBitmap());
    BitBtn4 = kit::bitBtn(this, "BitBtn4", "", 200, 304, 30, 25, arrowGlyph());
    kit::hint(BitBtn4, "Go to frame");
    Edit1 = kit::edit(this, "Edit1", "0", 234, 306, 50);
    BitBtn6 = kit::bitBtn(this, "BitBtn6", "Dump", 290, 304, 70, 25, TBitmap());
    stopbut = kit::bitBtn(this, "stopbut", "Abort", 372, 304, 89, 25, TBitmap());
    stopbut->SetVisible(false);
    stop = kit::check(this, "stop", "stop", 600, 8, 60);
    stop->SetVisible(false);

    tb = new TTrackBar(this, this);
    tb->SetName("tb");
    tb->SetBounds(8, 336, 352, 32);
    tb->SetPosition(0);
    tb->SetVisible(false);
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(10);
    Timer1->SetEnabled(false);

    CheckSound->OnClick = bindMethod(this, &TAVICAP::CheckSoundClick);
    CheckTransparent->OnClick = bindMethod(this, &TAVICAP::CheckTransparentClick);
    CheckCenter->OnClick = bindMethod(this, &TAVICAP::CheckCenterClick);
    BitBtn2->OnClick = bindMethod(this, &TAVICAP::BitBtn2Click);
    BitBtn3->OnClick = bindMethod(this, &TAVICAP::BitBtn3Click);
    BitBtn5->OnClick = bindMethod(this, &TAVICAP::BitBtn5Click);
    BitBtn4->OnClick = bindMethod(this, &TAVICAP::BitBtn4Click);
    tb->OnChange = bindMethod(this, &TAVICAP::tbChange);
    tim->OnClick = bindMethod(this, &TAVICAP::timClick);
    Timer1->OnTimer = bindMethod(this, &TAVICAP::Timer1Timer);
    fbut->OnClick = bindMethod(this, &TAVICAP::fbutClick);
    sbut->OnClick = bindMethod(this, &TAVICAP::sbutClick);
    ComboBox1->OnClick = bindMethod(this, &TAVICAP::ComboBox1Click);
    BitBtn1->OnClick = bindMethod(this, &TAVICAP::BitBtn1Click);
    BitBtn6->OnClick = bindMethod(this, &TAVICAP::BitBtn6Click);
    stopbut->OnClick = bindMethod(this, &TAVICAP::stopbutClick);
    Image2->OnDragOver = bindMethod(this, &TAVICAP::Image2DragOver);
    Image2->OnDragDrop = bindMethod(this, &TAVICAP::Image2DragDrop);
    OnClose = bindMethod(this, &TAVICAP::FormClose);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}

void TAVICAP::CheckSoundClick(TObject*) {
    AVI->SetPlaySound(CheckSound->Checked());
}

void TAVICAP::CheckTransparentClick(TObject*) {
    AVI->SetTransparent(CheckTransparent->Checked());
}

void TAVICAP::CheckCenterClick(TObject*) {
    AVI->SetCenter(CheckCenter->Checked());
}

void TAVICAP::BitBtn2Click(TObject*) {
    AVI->Play(0, AVI->FFrameCount() - 1, 0);
}

void TAVICAP::BitBtn3Click(TObject*) {
    AVI->Stop();
    Timer1->SetEnabled(false);
}

void TAVICAP::BitBtn5Click(TObject*) {
    if (AVI->FCurrentFrame() < AVI->FFrameCount()) AVI->Seek(AVI->FCurrentFrame() + 1);
}

void TAVICAP::showSlider() {
    tb->SetMax(AVI->FFrameCount());
    tb->SetFrequency(int(Trunc(AVI->FFrameCount() * 0.01)));
    tb->SetVisible(true);
}

void TAVICAP::BitBtn4Click(TObject*) {
    showSlider();
    int frame = 0;
    if (parseInt(Edit1->Text(), frame)) AVI->Seek(frame);
}

void TAVICAP::tbChange(TObject*) {
    AVI->Seek(tb->Position());
}

void TAVICAP::timClick(TObject*) {
    if (tim->Checked()) {
        AVI->Stop();
        showSlider();
        Timer1->SetEnabled(true);
        CheckSound->SetChecked(false);
        fbut->SetVisible(true);
        sbut->SetVisible(true);
    } else {
        tb->SetVisible(false);
        Timer1->SetEnabled(false);
        BitBtn2Click(this);
        CheckSound->SetChecked(true);
        fbut->SetVisible(false);
        sbut->SetVisible(false);
    }
}

void TAVICAP::Timer1Timer(TObject*) {
    if (AVI->FCurrentFrame() >= AVI->FFrameCount() - 1) {
        AVI->Reopen();
    } else {
        AVI->Seek(AVI->FCurrentFrame() + 1);
        tb->SetPosition(AVI->FCurrentFrame());
    }
}

void TAVICAP::fbutClick(TObject*) {
    Timer1->SetInterval(std::max(Timer1->Interval() - 100, 0));
}

void TAVICAP::sbutClick(TObject*) {
    Timer1->SetInterval(Timer1->Interval() + 100);
}

void TAVICAP::ComboBox1Click(TObject*) {
    const std::string mode = ComboBox1->Text();
    if (mode == "Stretch") {
        AVI->SetAlign(alClient);
        AVI->SetStretch(true);
    } else if (mode == "Normal") {
        AVI->SetStretch(false);
        AVI->SetAlign(alClient);
    } else if (mode == "Double" || mode == "1/2" || mode == "1/4") {
        AVI->SetAlign(alNone);
        AVI->SetBounds(0, 0, AVI->Width(), AVI->Height());
        AVI->SetAutoSize(true);
        AVI->Repaint();
        AVI->SetAutoSize(false);
        if (mode == "Double") {
            AVI->SetBounds(0, 0, AVI->Width() * 2, AVI->Height() * 2);
        } else {
            if (AVI->Width() < 1 || AVI->Height() < 1) return;
            const int shift = mode == "1/2" ? 1 : 2;
            AVI->SetBounds(0, 0, AVI->Width() >> shift, AVI->Height() / (1 << shift));
        }
        AVI->SetStretch(true);
    }
    Repaint();
}

// Out of any alignment at the film's own size, at the top left of its panel.
void TAVICAP::oneToOne() {
    const std::string mode = ComboBox1->Text();
    if (mode != "Normal" && mode != "Double") return;
    AVI->SetAlign(alNone);
    AVI->SetStretch(false);
    AVI->SetAutoSize(true);
    AVI->SetBounds(0, 0, AVI->Width(), AVI->Height());
}

void TAVICAP::capit() {
    // A seek only marks the player for drawing: draw the frame now, so the screen holds it.
    AVI->DrawFrame();
    AVI->Repaint();
    TBitmap& bmp = Image2->Picture().Bitmap();
    bmp.SetSize(AVI->Width(), AVI->Height());
    const TPoint at = AVI->ClientToScreen(TPoint{0, 0});
    // Only the player's rectangle is read; the part comes cut to the screen, its corner moved
    // into it, so pixels off the screen stay off the copy as with the whole screen.
    TBitmap screen = Screen->Capture(Bounds(at.x, at.y, AVI->Width(), AVI->Height()));
    const int left = std::clamp(at.x, 0, Screen->Width()), top = std::clamp(at.y, 0, Screen->Height());
    bmp.Canvas().CopyRect(Rect(0, 0, AVI->Width(), AVI->Height()), screen.Canvas(),
                          Bounds(at.x - left, at.y - top, AVI->Width(), AVI->Height()));
    bmp.Canvas().MoveTo(0, 0);
    bmp.Canvas().LineTo(1, 0);
    Image2->Invalidate();
    Application->ProcessMessages();
}

void TAVICAP::BitBtn1Click(TObject*) {
    oneToOne();
    capit();
    ClipboardGuardWrite(Image2->Picture().Bitmap(), reportBoxUnavailableClipboardError);
}

void TAVICAP::BitBtn6Click(TObject*) {
    oneToOne();
    folderdlg1->Panel5->SetVisible(true);
    folderdlg1->SpinEdit1->SetValue(1);
    folderdlg1->SpinEdit2->SetValue(AVI->FFrameCount());
    folderdlg1->ShowModal();
    folderdlg1->Panel5->SetVisible(false);
    const std::string folder = folderdlg1->Label1->Caption();
    if (folder.empty()) return;
    if (MessageDlg("OK to dump all the fames to files?", mtInformation, mbYesNoCancel) != mrYes) return;
    const std::string prefix = ChosenFramePrefix(*folderdlg1->Edit1);
    const std::string base = frameFileBase(folder, prefix);
    const int first = std::max(folderdlg1->SpinEdit1->Value(), 1);
    const int last = std::min(folderdlg1->SpinEdit2->Value(), AVI->FFrameCount());

    AVI->Reopen();
    Repaint();
    Application->ProcessMessages();
    stopbut->SetVisible(true);
    stop->SetChecked(false);
    dumping_ = true;
    // Frame k of the range is the player's frame k - 1, and its file carries that number.
    for (int k = first; k <= last; ++k) {
        if (stop->Checked() || Application->Terminated()) break;
        AVI->Seek(k - 1);
        capit();
        try {
            WriteBmpPicture(Image2->Picture().Bitmap(), frameFileName(base, k - 1));
        } catch (const std::exception& e) {
            // A cut dump must not look finished: say why it ended; the files written stay.
            Application->HandleException(e);
            break;
        }
        if (!stop->Checked()) Application->ProcessMessages();
    }
    dumping_ = false;
    stop->SetChecked(false);
    stopbut->SetVisible(false);
}

void TAVICAP::stopbutClick(TObject*) {
    stop->SetChecked(true);
    stopbut->SetVisible(false);
}

void TAVICAP::Image2DragOver(TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
    Accept = dynamic_cast<TImage*>(Source) != nullptr;
}

void TAVICAP::Image2DragDrop(TObject*, TObject* Source, int, int) {
    if (auto* src = dynamic_cast<TImage*>(Source)) Image2->Picture().Bitmap().Assign(src->Picture().Bitmap());
    Image2->Invalidate();
}

// Closing ends a dump as "Abort" does and stops the film as "Stop" does, so nothing goes on
// capturing or playing out of sight.
void TAVICAP::FormClose(TObject*, TCloseAction&) {
    if (dumping_) stopbutClick(this);
    BitBtn3Click(this);
    Pbook1->donil(Image2);
}
