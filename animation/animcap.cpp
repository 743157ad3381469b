#include "animcap.h"

#include "Application.h"
#include "Blit.h"
#include "BmpCodec.h"
#include "ClipboardGuard.h"
#include "Dialogs.h"
#include "DirFile.h"
#include "FileControls.h"
#include "FormKit.h"
#include "MessageBox.h"
#include "Pbook.h"
#include "Pbook_save.h"
#include "PictureWriters.h"
#include "PreviewTick.h"
#include "Screen.h"
#include "TProgressBar.h"
#include "TSpinEdit.h"
#include "TStatusBar.h"
#include "TTimer.h"
#include "TTrackBar.h"
#include "imview.h"
#include "mydialog.h"
#include "resizefrm.h"
#include "scrntest.h"

#include <algorithm>
#include <filesystem>

TAnimCap1* AnimCap1 = nullptr;

namespace fs = std::filesystem;

namespace {

const char* const restingHint = "These Filenames Will be played";
const char* const noItemHint = "These Filenames will be played";

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec) && !fs::is_directory(path, ec);
}

// The hourglass while a command runs, the normal cursor on every way out.
struct HourGlass {
    HourGlass() { Screen->SetCursor(crHourGlass); }
    ~HourGlass() { Screen->SetCursor(crDefault); }
    HourGlass(const HourGlass&) = delete;
    HourGlass& operator=(const HourGlass&) = delete;
};

void pump(int times) {
    for (int i = 0; i < times; ++i)
        Application->ProcessMessages();
}

// The preview tick over the manager's controls and the Preview window.
class ManagerPlayer : public TPreviewPlayer {
public:
    explicit ManagerPlayer(TAnimCap1& m) : m_(m) {}
    int count() const override { return m_.ListBox1->Items().Count(); }
    bool marked(int i) const override { return m_.ListBox1->Selected(i); }
    std::string name(int i) const override { return m_.ListBox1->Items().Get(i); }
    int position() const override { return m_.spanim->Value(); }
    void setPosition(int i) override { m_.spanim->SetValue(i); }
    bool clockOn() const override { return m_.Timer1->Enabled(); }
    void setClock(bool on) override { m_.Timer1->SetEnabled(on); }
    bool stopRequested() const override { return m_.stopanimation->Checked(); }
    void setStopRequest(bool stop) override { m_.stopanimation->SetChecked(stop); }
    bool fileExists(const std::string& path) const override { return ::fileExists(path); }
    bool showFrame(const std::string& path) override {
        try {
            LoadBmpFromFile(screentest1->Image1->Picture().Bitmap(), path);
        } catch (const std::exception&) {
            return false;
        }
        return true;
    }
    void setStatus(const std::string& text) override {
        if (m_.StatusBar1->SimpleText() != text) m_.StatusBar1->SetSimpleText(text);
    }
    void reportUnreadable() override { mydialog1->mbox("File not found", "", "", "", "", 1); }
    void pump(int times) override { ::pump(times); }

private:
    TAnimCap1& m_;
};

} // namespace

TAnimCap1::TAnimCap1(TComponent* AOwner) : TForm(AOwner) {
    SetName("AnimCap1");
    SetCaption("Animation Manager");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientWidth(620);
    SetClientHeight(470);
    createControls();
    OnCreate = bindMethod(this, &TAnimCap1::FormCreate);
    OnShow = bindMethod(this, &TAnimCap1::FormShow);
    OnPaint = bindMethod(this, &TAnimCap1::FormPaint);
    OnClose = bindMethod(this, &TAnimCap1::FormClose);
}

void TAnimCap1::createControls() {
    // ---- The frame folder, down the left ----
    DriveComboBox1 = new TDriveComboBox(this, this);
    DriveComboBox1->SetName("DriveComboBox1");
    DriveComboBox1->SetBounds(8, 8, 190, 22);
    DirectoryListBox1 = new TDirectoryListBox(this, this);
    DirectoryListBox1->SetName("DirectoryListBox1");
    DirectoryListBox1->SetBounds(8, 34, 190, 120);
    DirectoryListBox1->SetDragMode(dmAutomatic);
    FileListBox1 = new TFileListBox(this, this);
    FileListBox1->SetName("FileListBox1");
    FileListBox1->SetBounds(8, 158, 190, 170);
    FileListBox1->SetMultiSelect(true);
    FileListBox1->SetMask("*.bmp");
    kit::hint(FileListBox1, "Double click to add filename to preview list");
    DriveComboBox1->SetDirList(DirectoryListBox1);
    DirectoryListBox1->SetFileList(FileListBox1);
    SpeedButton3 =
        kit::speedButton(this, "SpeedButton3", 8, 334, 30, 24, TBitmap(), "Memorize folder location");
    SpeedButton3->SetCaption("M");
    mrbut = kit::speedButton(this, "mrbut", 42, 334, 30, 24, TBitmap(), "Memory location");
    mrbut->SetCaption("MR");
    mrbut->SetEnabled(false);
    Image3 = kit::picture(this, "Image3", 117, 334, 81, 73);
    Image3->SetStretch(true);
    Image3->SetDragMode(dmAutomatic);
    chkmin = kit::check(this, "chkmin", "Minimize Window on preview", 8, 414, 200);

    // ---- Adding and editing, in the middle ----
    const TBitmap none;
    BitBtn3 = kit::bitBtn(this, "BitBtn3", "UnMarked", 208, 34, 100, 25, none);
    BitBtn5 = kit::bitBtn(this, "BitBtn5", "Marked", 208, 62, 100, 25, none);
    BitBtn15 = kit::bitBtn(this, "BitBtn15", "Insert", 208, 90, 100, 25, none);
    BitBtn13 = kit::bitBtn(this, "BitBtn13", "Select All", 208, 128, 100, 25, none);
    Button2 = kit::button(this, "Button2", "Deselect All", 208, 156, 100, 25);
    BitBtn4 = kit::bitBtn(this, "BitBtn4", "Remove", 208, 194, 100, 25, none);
    Button1 = kit::button(this, "Button1", "Reverse order", 208, 222, 100, 25);
    SpeedButton5 = kit::speedButton(this, "SpeedButton5", 208, 250, 100, 25, none);
    SpeedButton5->SetCaption("1/2");
    BitBtn14 = kit::bitBtn(this, "BitBtn14", "Resize", 208, 288, 100, 25, none);
    copybut = kit::bitBtn(this, "copybut", "Top Down", 208, 326, 100, 25, none);
    BitBtn8 = kit::bitBtn(this, "BitBtn8", "Bottom Up", 208, 354, 100, 25, none);

    // ---- The play list and the preview, on the right ----
    ListBox1 = new TListBox(this, this);
    ListBox1->SetName("ListBox1");
    ListBox1->SetBounds(318, 8, 294, 236);
    ListBox1->SetMultiSelect(true);
    kit::hint(ListBox1, restingHint);
    BitBtn6 = kit::bitBtn(this, "BitBtn6", "Save Play List", 318, 250, 145, 25, none);
    BitBtn7 = kit::bitBtn(this, "BitBtn7", "Load Play List", 467, 250, 145, 25, none);
    BitBtn10 = kit::bitBtn(this, "BitBtn10", "Preview", 318, 288, 90, 25, none);
    BitBtn11 = kit::bitBtn(this, "BitBtn11", "Stop", 412, 288, 90, 25, none);
    spanim = new TSpinEdit(this, this);
    spanim->SetName("spanim");
    spanim->SetBounds(532, 289, 80, 22);
    kit::hint(spanim, "Current item number in preview box");
    TrackBar1 = new TTrackBar(this, this);
    TrackBar1->SetName("TrackBar1");
    TrackBar1->SetBounds(318, 322, 184, 30);
    TrackBar1->SetMin(0);
    TrackBar1->SetMax(10);
    TrackBar1->SetPosition(2);
    Label3 = kit::label(this, "Label3", "= 200 ms", 510, 328);
    SpinEdit4 = new TSpinEdit(this, this);
    SpinEdit4->SetName("SpinEdit4");
    SpinEdit4->SetBounds(318, 356, 80, 22);
    SpinEdit4->SetMinValue(20);
    SpinEdit4->SetMaxValue(1000);
    SpinEdit4->SetIncrement(20);
    SpinEdit4->SetValue(100);
    kit::hint(SpinEdit4, "Frame delay multiplier");
    SpeedButton4 = kit::speedButton(this, "SpeedButton4", 404, 355, 30, 24, none, "0 preview delay interval");
    SpeedButton4->SetCaption("0");

    // ---- Help, links and closing, along the bottom ----
    SpeedButton1 = kit::speedButton(this, "SpeedButton1", 318, 414, 30, 25, none, "Help");
    SpeedButton1->SetCaption("?");
    SpeedButton2 = kit::speedButton(this, "SpeedButton2", 352, 414, 30, 25, none, "Launch your file browser");
    SpeedButton2->SetCaption("...");
    hbutonline = kit::button(this, "hbutonline", "Making Movies (on-line help)", 386, 414, 170, 25);
    BitBtn9 = kit::bitBtn(this, "BitBtn9", "&Close", 560, 414, 52, 25, none);

    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetAlign(alBottom);
    StatusBar1->SetHeight(19);
    StatusBar1->SetSimplePanel(true);
    Pb1 = new TProgressBar(this, this);
    Pb1->SetName("Pb1");
    Pb1->SetAlign(alBottom);
    Pb1->SetHeight(12);
    Pb1->SetMin(0);
    Pb1->SetMax(100);
    Pb1->Hide();

    // ---- Hidden ----
    ListBox2 = kit::list(this, "ListBox2", {}, 0, 0, 10, 10);
    ListBox2->Hide();
    chksaved = kit::check(this, "chksaved", "", 0, 0, 10, true);
    chksaved->Hide();
    stopanimation = kit::check(this, "stopanimation", "", 0, 0, 10, true);
    stopanimation->Hide();
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(200);
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetName("SaveDialog1");
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");

    // ---- Events ----
    FileListBox1->OnClick = bindMethod(this, &TAnimCap1::FileListBox1Click);
    FileListBox1->OnDblClick = bindMethod(this, &TAnimCap1::FileListBox1DblClick);
    BitBtn3->OnClick = bindMethod(this, &TAnimCap1::BitBtn3Click);
    BitBtn5->OnClick = bindMethod(this, &TAnimCap1::BitBtn5Click);
    BitBtn15->OnClick = bindMethod(this, &TAnimCap1::BitBtn15Click);
    ListBox1->OnDragOver = bindMethod(this, &TAnimCap1::ListBox1DragOver);
    ListBox1->OnDragDrop = bindMethod(this, &TAnimCap1::ListBox1DragDrop);
    ListBox1->OnDblClick = bindMethod(this, &TAnimCap1::ListBox1DblClick);
    ListBox1->OnMouseMove = bindMethod(this, &TAnimCap1::ListBox1MouseMove);
    BitBtn4->OnClick = bindMethod(this, &TAnimCap1::BitBtn4Click);
    Button1->OnClick = bindMethod(this, &TAnimCap1::Button1Click);
    SpeedButton5->OnClick = bindMethod(this, &TAnimCap1::SpeedButton5Click);
    BitBtn13->OnClick = bindMethod(this, &TAnimCap1::BitBtn13Click);
    Button2->OnClick = bindMethod(this, &TAnimCap1::Button2Click);
    BitBtn10->OnClick = bindMethod(this, &TAnimCap1::BitBtn10Click);
    BitBtn11->OnClick = bindMethod(this, &TAnimCap1::BitBtn11Click);
    Timer1->OnTimer = bindMethod(this, &TAnimCap1::Timer1Timer);
    TrackBar1->OnChange = bindMethod(this, &TAnimCap1::TrackBar1Change);
    SpinEdit4->OnChange = bindMethod(this, &TAnimCap1::SpinEdit4Change);
    SpeedButton4->OnClick = bindMethod(this, &TAnimCap1::SpeedButton4Click);
    spanim->OnChange = bindMethod(this, &TAnimCap1::spanimChange);
    copybut->OnClick = bindMethod(this, &TAnimCap1::copybutClick);
    BitBtn8->OnClick = bindMethod(this, &TAnimCap1::BitBtn8Click);
    BitBtn14->OnClick = bindMethod(this, &TAnimCap1::BitBtn14Click);
    BitBtn6->OnClick = bindMethod(this, &TAnimCap1::BitBtn6Click);
    BitBtn7->OnClick = bindMethod(this, &TAnimCap1::BitBtn7Click);
    SpeedButton3->OnClick = bindMethod(this, &TAnimCap1::SpeedButton3Click);
    mrbut->OnClick = bindMethod(this, &TAnimCap1::mrbutClick);
    SpeedButton1->OnClick = bindMethod(this, &TAnimCap1::SpeedButton1Click);
    SpeedButton2->OnClick = bindMethod(this, &TAnimCap1::SpeedButton2Click);
    hbutonline->OnClick = bindMethod(this, &TAnimCap1::hbutonlineClick);
    BitBtn9->OnClick = bindMethod(this, &TAnimCap1::BitBtn9Click);
}

void TAnimCap1::FormCreate(TObject*) {
    CenterOnScreen();
}

// ---- Showing, painting and closing ----

void TAnimCap1::FormShow(TObject*) {
    // The drive, folder and file list as they were, read again.
    DirectoryListBox1->SetDirectory(DirectoryListBox1->Directory());
    FileListBox1->SetDirectory(DirectoryListBox1->Directory());
    if (dirFileExists()) mrbut->SetEnabled(true);
    StatusBar1->SetSimpleText("");
}

void TAnimCap1::FormPaint(TObject*) {
    // Only a text that is there is cleared, so the paint causes no further paint.
    if (!StatusBar1->SimpleText().empty()) StatusBar1->SetSimpleText("");
}

void TAnimCap1::FormClose(TObject*, TCloseAction&) {
    closeSteps();
}

void TAnimCap1::closeSteps() {
    stopanimation->SetChecked(true);
    Timer1->SetEnabled(false);
    StatusBar1->SetSimpleText("");
    if (ListBox1->Items().Count() > 0) {
        bool keep = false;
        if (!chksaved->Checked() &&
            mydialog1->mbox("Save the list of bitmap filenames?", "", "", "", "", 2) == 0)
            keep = !listsave(); // a list the user asked to keep is not lost to a cancel or a failed write
        if (!keep) ListBox1->Clear();
    }
    if (picform1 && picform1->WindowState() == wsMinimized) picform1->SetWindowState(wsNormal);
}

void TAnimCap1::BitBtn9Click(TObject*) {
    screentest1->Close();
    Close();
}

// ---- Adding names ----

std::vector<std::string> TAnimCap1::chosenFiles() const {
    std::vector<std::string> files;
    const TStrings& items = FileListBox1->Items();
    for (int i = 0; i < items.Count(); ++i)
        if (FileListBox1->Selected(i))
            files.push_back((fs::path(FileListBox1->Directory()) / items.Get(i)).string());
    return files;
}

void TAnimCap1::FileListBox1Click(TObject*) {
    const std::string name = FileListBox1->FileName();
    if (name.empty()) return;
    try {
        LoadBmpFromFile(Image3->Picture().Bitmap(), name);
    } catch (const std::exception&) {
        Image3->Picture().Clear();
        Image3->Invalidate();
    }
}

void TAnimCap1::FileListBox1DblClick(TObject*) {
    const std::string name = FileListBox1->FileName();
    if (name.empty()) return;
    ListBox1->Items().Add(name);
    chksaved->SetChecked(false);
}

void TAnimCap1::addNames(bool mark) {
    TStrings& items = ListBox1->Items();
    for (const std::string& f : chosenFiles()) {
        items.Add(f);
        if (mark) ListBox1->SetSelected(items.Count() - 1, true);
    }
    chksaved->SetChecked(false);
}

void TAnimCap1::BitBtn3Click(TObject*) {
    addNames(false);
}

void TAnimCap1::BitBtn5Click(TObject*) {
    addNames(true);
}

void TAnimCap1::BitBtn15Click(TObject*) {
    int at = std::max(0, ListBox1->ItemIndex());
    for (const std::string& f : chosenFiles())
        ListBox1->Items().Insert(at++, f);
    chksaved->SetChecked(false);
}

void TAnimCap1::ListBox1DragOver(TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
    Accept = dynamic_cast<TListBox*>(Source) != nullptr;
}

void TAnimCap1::ListBox1DragDrop(TObject*, TObject* Source, int, int) {
    auto* source = dynamic_cast<TListBox*>(Source);
    if (!source) return;
    // Read first: the source may be the play list itself.
    std::vector<std::string> names;
    for (int i = 0; i < source->Items().Count(); ++i)
        if (source->Selected(i)) names.push_back(source->Items().Get(i));
    for (const std::string& n : names)
        ListBox1->Items().Add(n);
    chksaved->SetChecked(false);
}

void TAnimCap1::ListBox1MouseMove(TObject*, TShiftState, int X, int Y) {
    int i = ListBox1->ItemAtPos(TPoint{X, Y}, true);
    std::string text = i >= 0 ? ListBox1->Items().Get(i) : std::string(noItemHint);
    if (ListBox1->Hint() != text) ListBox1->SetHint(text);
}

// ---- Editing ----

bool TAnimCap1::haltClock() {
    const bool wasOn = Timer1->Enabled();
    stopanimation->SetChecked(true);
    Timer1->SetEnabled(false);
    return wasOn;
}

// A preview that was running ends at its next tick: the clock comes back with the stop request.
void TAnimCap1::rearm(bool clockWasOn) {
    Timer1->SetEnabled(clockWasOn);
    stopanimation->SetChecked(clockWasOn);
}

void TAnimCap1::rebuild(const std::vector<std::string>& names) {
    ListBox2->Items().SetStrings(names);
    ListBox1->Items().Assign(ListBox2->Items());
    ListBox2->Clear();
}

void TAnimCap1::BitBtn4Click(TObject*) {
    const bool wasOn = haltClock();
    pump(500);
    std::vector<std::string> kept;
    for (int i = ListBox1->Items().Count() - 1; i >= 0; --i)
        if (!ListBox1->Selected(i)) kept.insert(kept.begin(), ListBox1->Items().Get(i));
    ListBox1->Clear();
    if (kept.empty()) return;
    rebuild(kept);
    rearm(wasOn);
}

void TAnimCap1::Button1Click(TObject*) {
    const bool wasOn = haltClock();
    if (ListBox1->Items().Count() == 0) return;
    pump(500);
    std::vector<std::string> names = ListBox1->Items().ToVector();
    std::reverse(names.begin(), names.end());
    rebuild(names);
    rearm(wasOn);
}

void TAnimCap1::ListBox1DblClick(TObject*) {
    if (ListBox1->Items().Count() == 0) return;
    const bool wasOn = haltClock();
    ListBox1->Items().Delete(std::max(0, ListBox1->ItemIndex()));
    if (ListBox1->Items().Count() > 0) rearm(wasOn);
}

void TAnimCap1::SpeedButton5Click(TObject*) {
    if (ListBox1->Items().Count() < 3) {
        mydialog1->mbox("This button will reduce the names", "in the box by half", "", "", "", 1);
        return;
    }
    if (mydialog1->mbox("Remove every other name from the list?", "", "", "", "", 2) != 0) return;
    std::vector<std::string> kept;
    for (int i = 0; i < ListBox1->Items().Count(); i += 2)
        kept.push_back(ListBox1->Items().Get(i));
    rebuild(kept);
}

void TAnimCap1::BitBtn13Click(TObject*) {
    HourGlass busy;
    for (int i = 0; i < ListBox1->Items().Count(); ++i)
        ListBox1->SetSelected(i, true);
}

void TAnimCap1::Button2Click(TObject*) {
    haltClock();
    HourGlass busy;
    for (int i = 0; i < ListBox1->Items().Count(); ++i)
        ListBox1->SetSelected(i, false);
}

// ---- The preview ----

void TAnimCap1::BitBtn10Click(TObject*) {
    StatusBar1->SetSimpleText("");
    spanim->SetValue(0);
    if (chkmin->Checked()) SetWindowState(wsMinimized);
    if (ListBox1->Items().Count() == 0) return;
    screentest1->SetLeft(1);
    screentest1->SetTop(1);
    TBitmap& frame = screentest1->Image1->Picture().Bitmap();
    LoadBmpFromFile(frame, ListBox1->Items().Get(0));
    screentest1->SetClientWidth(frame.Width());
    screentest1->SetClientHeight(frame.Height());
    screentest1->Show();
    stopanimation->SetChecked(false);
    Timer1->SetEnabled(true);
}

void TAnimCap1::BitBtn11Click(TObject*) {
    haltClock();
}

void TAnimCap1::Timer1Timer(TObject*) {
    doshow2();
}

void TAnimCap1::doshow2() {
    ManagerPlayer player(*this);
    previewTick(player);
}

void TAnimCap1::setInterval() {
    const int m = std::clamp(SpinEdit4->Value(), 0, 1000);
    const int t = m * TrackBar1->Position();
    if (t >= 0 && t <= 10000) Timer1->SetInterval(t);
    // Built by appending: GCC 12's Release build warns (-Wrestrict) falsely on "=" + string.
    std::string text = "=";
    text += std::to_string(Timer1->Interval());
    text += " ms";
    Label3->SetCaption(text);
}

void TAnimCap1::TrackBar1Change(TObject*) {
    setInterval();
}

void TAnimCap1::SpinEdit4Change(TObject*) {
    setInterval();
}

void TAnimCap1::SpeedButton4Click(TObject*) {
    haltClock();
    Timer1->SetInterval(0);
    TrackBar1->SetPosition(0);
    SpinEdit4->SetValue(20);
}

void TAnimCap1::spanimChange(TObject*) {
    const int count = ListBox1->Items().Count();
    if (Timer1->Enabled() || count == 0) return;
    const int at = std::clamp(spanim->Value(), 0, count - 1);
    if (at != spanim->Value()) spanim->SetValue(at);
    const std::string name = ListBox1->Items().Get(at);
    if (fileExists(name)) LoadBmpFromFile(Image3->Picture().Bitmap(), name);
}

// ---- Frames to the clipboard ----

void TAnimCap1::putclip(const std::string& fileName) {
    if (!fileExists(fileName)) return;
    // Read before the guard takes the clipboard: an unreadable frame leaves it as it was.
    LoadBmpFromFile(Image3->Picture().Bitmap(), fileName);
    ClipboardGuardWrite(Image3->Picture().Bitmap(), reportBoxNotAvailableError);
}

void TAnimCap1::copybutClick(TObject*) {
    HourGlass busy;
    for (int i = 0; i < ListBox1->Items().Count(); ++i)
        if (ListBox1->Selected(i)) {
            putclip(ListBox1->Items().Get(i));
            ListBox1->SetSelected(i, false);
            break;
        }
}

void TAnimCap1::BitBtn8Click(TObject*) {
    HourGlass busy;
    for (int i = ListBox1->Items().Count() - 1; i >= 0; --i)
        if (ListBox1->Selected(i)) {
            putclip(ListBox1->Items().Get(i));
            ListBox1->SetSelected(i, false);
            break;
        }
}

// ---- Batch resize ----

void TAnimCap1::BitBtn14Click(TObject*) {
    if (ListBox1->Items().Count() == 0) {
        mydialog1->mbox("Add files to list first", "", "", "", "", 1);
        return;
    }
    const std::string first = ListBox1->Items().Get(0);
    if (!fileExists(first)) {
        mydialog1->mbox("File not found", "", "", "", "", 1);
        return;
    }
    LoadBmpFromFile(Image3->Picture().Bitmap(), first);
    ResizeForm->PresetSize(Image3->Picture().Width(), Image3->Picture().Height());
    if (ResizeForm->ShowModal() != mrOk) return;
    if (MessageDlg("OK to resize all marked files?", mtConfirmation, mbYesNoCancel) != mrYes) return;
    resize_it();
}

void TAnimCap1::resize_it() {
    HourGlass busy;
    struct BarShown {
        TProgressBar* bar;
        explicit BarShown(TProgressBar* b) : bar(b) {
            bar->SetPosition(0);
            bar->Show();
        }
        ~BarShown() { bar->Hide(); }
    } shown(Pb1);

    const int count = ListBox1->Items().Count();
    for (int i = 0; i < count; ++i) {
        Pb1->SetPosition((i + 1) * 100 / count);
        if (!ListBox1->Selected(i)) continue;
        if (ResizeForm->SpinEdit1->Value() < 10) ResizeForm->SpinEdit1->SetValue(10);
        if (ResizeForm->SpinEdit2->Value() < 10) ResizeForm->SpinEdit2->SetValue(10);
        const int w = ResizeForm->SpinEdit1->Value();
        const int h = ResizeForm->SpinEdit2->Value();
        const std::string name = ListBox1->Items().Get(i);
        TBitmap& source = Image3->Picture().Bitmap();
        LoadBmpFromFile(source, name);
        // The frame's pixel format and palette, at the new size; the stretch fills every pixel,
        // so the source's own pixels need no copy first.
        TBitmap sized(w, h, source.PixelFormat());
        sized.SetPalette(source.Palette());
        TCanvas& c = sized.Canvas();
        c.StretchMode = w <= source.Width() && h <= source.Height() ? COLORONCOLOR : BLACKONWHITE;
        StretchBitmap(c, 0, 0, w, h, source, 0, 0, source.Width(), source.Height(), SRCCOPY);
        try {
            WriteBmpPicture(sized, name);
        } catch (const EStreamError& e) {
            // The frame is whole and stays marked; the run ends here.
            reportwritefailure(e);
            return;
        }
        ListBox1->SetSelected(i, false);
    }
}

// ---- Play-list files ----

bool TAnimCap1::listsave() {
    SaveDialog1->SetTitle("Save Filename List");
    SaveDialog1->SetDefaultExt("LST");
    SaveDialog1->SetFilter("*.LST");
    SaveDialog1->SetOptions(ofOverwritePrompt | ofHideReadOnly);
    SaveDialog1->SetFileName("*.lst");
    if (!SaveDialog1->Execute()) return false;
    try {
        ListBox1->Items().SaveToFile(SaveDialog1->FileName());
    } catch (const std::exception& e) {
        Application->HandleException(e);
        return false;
    }
    chksaved->SetChecked(true);
    return true;
}

void TAnimCap1::BitBtn6Click(TObject*) {
    listsave();
}

void TAnimCap1::checksave() {
    if (MessageDlg("Save Filename List?", mtConfirmation, mbYesNoCancel) == mrYes) listsave();
}

void TAnimCap1::BitBtn7Click(TObject*) {
    if (ListBox1->Items().Count() > 0) checksave();
    OpenDialog1->SetTitle("Load a List of Filenames");
    OpenDialog1->SetFileName("*.lst");
    OpenDialog1->SetFilter("List File (*.LST)|*.LST|All Files  (List of FileNames  OK )|*.*");
    if (!OpenDialog1->Execute()) return;
    ListBox1->Items().LoadFromFile(OpenDialog1->FileName());
}

// ---- Folder memory ----

void TAnimCap1::SpeedButton3Click(TObject*) {
    TStrings& lines = ListBox2->Items();
    lines.Clear();
    lines.Add(std::string(1, DriveComboBox1->Drive()));
    lines.Add(DirectoryListBox1->Directory());
    try {
        saveDirFile(lines);
    } catch (const EStreamError&) {
        MessageBox("Unable to write to program launch directory", "Information", MB_OK);
    }
    mrbut->SetEnabled(true);
}

void TAnimCap1::mrbutClick(TObject*) {
    if (!dirFileExists()) {
        mrbut->SetEnabled(false);
        return;
    }
    loadDirFile(ListBox2->Items());
    // A file of one line is the list's range error, never a read past it.
    DirectoryListBox1->SetDirectory(ListBox2->Items().Get(1));
}

// ---- Links into the main window ----

void TAnimCap1::SpeedButton1Click(TObject*) {
    Pbook1->dohelp("");
}

void TAnimCap1::SpeedButton2Click(TObject*) {
    Pbook1->SpeedButton8Click(this);
}

void TAnimCap1::hbutonlineClick(TObject*) {
    Pbook1->SupportServices1Click(this);
    SetWindowState(wsMinimized);
}
