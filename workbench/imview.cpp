#include "imview.h"

#include "Application.h"
#include "BindMethod.h"
#include "Clipboard.h"
#include "ClipboardGuard.h"
#include "Dialogs.h"
#include "DirFile.h"
#include "FormKit.h"
#include "MessageBox.h"
#include "Pbook.h"
#include "PictureLoader.h"
#include "PictureWriters.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TPageControl.h"
#include "TScrollBox.h"
#include "TShape.h"
#include "TSpinEdit.h"
#include "TTimer.h"
#include "animcap.h"
#include "capboximview.h"
#include "capdlg.h"
#include "cappastepositioner.h"
#include "help1.h"
#include "jpegop.h"
#include "mydialog.h"
#include "resizefrm.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

Tpicform1* picform1 = nullptr;

namespace {

// The command buttons' pictures, 18 x 18 on the button face.
TBitmap browserGlyph(const std::string& name) {
    TBitmap g(18, 18);
    TCanvas& c = g.Canvas();
    c.Brush.SetColor(clSilver);
    c.FillRect(Rect(0, 0, 18, 18));
    c.Pen.Color = clBlack;
    auto box = [&](int l, int t, int r, int b, TColor fill) {
        c.Brush.SetColor(fill);
        c.Rectangle(l, t, r, b);
    };
    if (name == "butsave") {
        box(2, 2, 16, 16, clNavy);
        box(5, 3, 13, 8, clWhite);
        box(5, 11, 13, 16, clSilver);
    } else if (name == "SpeedButton5") {
        box(2, 3, 16, 15, clWhite);
        box(5, 6, 13, 12, clRed);
    } else if (name == "SpeedButton6") {
        for (int y : {2, 10})
            for (int x : {2, 10})
                box(x, y, x + 6, y + 6, clTeal);
    } else if (name == "SpeedButton7") {
        c.Pen.Style = psDot;
        c.Pen.Color = clMaroon;
        c.Brush.Style = bsClear;
        c.Rectangle(2, 3, 16, 15);
    } else if (name == "SpeedButton10") {
        box(2, 2, 11, 12, clWhite);
        box(7, 6, 16, 16, clWhite);
    } else if (name == "SpeedButton11") {
        box(2, 2, 16, 12, clBlue);
        box(6, 12, 12, 16, clGray);
    } else if (name == "SpeedButton12") {
        box(2, 2, 16, 16, clWhite);
        box(2, 9, 9, 16, clGreen);
    } else if (name == "SpeedButton13") {
        box(2, 5, 16, 15, clYellow);
        box(2, 3, 8, 6, clYellow);
    } else if (name == "SpeedButton14" || name == "SpeedButton2") {
        box(2, 2, 16, 16, name == "SpeedButton2" ? clOlive : clBlack);
        for (int y = 4; y < 15; y += 4)
            box(4, y, 7, y + 2, clWhite);
    } else if (name == "SpeedButton15") {
        box(4, 11, 14, 14, clBlack);
    } else if (name == "SpeedButton3") {
        box(4, 4, 14, 14, clRed);
    } else if (name == "bpleft" || name == "bpright") {
        c.Brush.SetColor(clBlack);
        const bool left = name == "bpleft";
        c.Polygon({{left ? 5 : 12, 9}, {left ? 12 : 5, 3}, {left ? 12 : 5, 15}});
    } else if (name == "SpeedButton8") {
        c.Font.Name = "Arial";
        c.Font.SetHeight(-14);
        c.Font.Style = fsBold;
        c.Font.Color = clBlue;
        c.Brush.Style = bsClear;
        c.TextOut(5, 1, "?");
    }
    return g;
}

// Runs the pending messages `times` times, as the program waits for windows to repaint.
void pump(int times) {
    for (int i = 0; i < times; ++i)
        Application->ProcessMessages();
}

bool hasFolderPart(const std::string& name) {
    return name.find_first_of("\\/:") != std::string::npos;
}

} // namespace

Tpicform1::Tpicform1(TComponent* AOwner) : TForm(AOwner) {
    createControls();
    OnCreate = bindMethod(this, &Tpicform1::FormCreate);
    OnShow = bindMethod(this, &Tpicform1::FormShow);
    OnPaint = bindMethod(this, &Tpicform1::FormPaint);
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

Tpicform1::~Tpicform1() = default;

void Tpicform1::createControls() {
    SetName("picform1");
    SetCaption("Image Browser");
    SetBounds(0, 0, 640, 480);

    Panel1 = kit::alignedPanel(this, "Panel1", alLeft, 180);
    DriveComboBox1 = new TDriveComboBox(this, Panel1);
    DriveComboBox1->SetName("DriveComboBox1");
    DriveComboBox1->SetBounds(4, 4, 140, 21);
    bd1 = kit::speedButton(Panel1, "bd1", 148, 4, 13, 21, TBitmap(), "Hide the command strip");
    bd1->SetCaption("-");
    bd2 = kit::speedButton(Panel1, "bd2", 162, 4, 13, 21, TBitmap(), "Show the command strip");
    bd2->SetCaption("+");
    bd2->SetVisible(false);
    DirectoryListBox1 = new TDirectoryListBox(this, Panel1);
    DirectoryListBox1->SetName("DirectoryListBox1");
    DirectoryListBox1->SetBounds(4, 28, 172, 100);
    SpeedButton1 =
        kit::speedButton(Panel1, "SpeedButton1", 4, 130, 30, 20, TBitmap(), "Memorize folder location");
    SpeedButton1->SetCaption("M");
    mrb = kit::speedButton(Panel1, "mrb", 36, 130, 30, 20, TBitmap(), "Recall folder location");
    mrb->SetCaption("MR");
    mrb->SetEnabled(false);
    FileListBox1 = new TFileListBox(this, Panel1);
    FileListBox1->SetName("FileListBox1");
    FileListBox1->SetBounds(4, 152, 172, 140);
    FileListBox1->SetMultiSelect(true);
    DriveComboBox1->SetDirList(DirectoryListBox1);
    DirectoryListBox1->SetFileList(FileListBox1);

    Panel3 = kit::panel(Panel1, "Panel3", 2, 296, 176, 150, bvLowered);
    Label1 = kit::label(Panel3, "Label1", "JPEG image options", 6, 4);
    SpeedButton8 = kit::speedButton(Panel3, "SpeedButton8", 150, 2, 22, 20, browserGlyph("SpeedButton8"),
                                    "JPEG options help");
    Scale = kit::combo(Panel3, "Scale", {"1:1", "1:2", "1:4", "1:8"}, 0, 6, 22, 78);
    PixelFormat = kit::combo(Panel3, "PixelFormat", {"True Color", "256 Colors"}, 0, 90, 22, 80);
    ColorSpace = kit::combo(Panel3, "ColorSpace", {"RGB", "Grayscale"}, 0, 6, 48, 78);
    Performance = kit::combo(Panel3, "Performance", {"Quality", "Speed"}, 0, 90, 48, 80);
    for (TComboBox* c : {Scale, PixelFormat, ColorSpace, Performance}) {
        c->SetStyle(csDropDownList);
        c->SetEnabled(false);
    }
    ProgressiveDisplay = kit::check(Panel3, "ProgressiveDisplay", "Progressive JPEG", 6, 76, 160);
    ProgressiveDisplay->SetEnabled(false);
    IncrementalDisplay = kit::check(Panel3, "IncrementalDisplay", "Incremental Display", 6, 98, 160);

    Panel2 = kit::alignedPanel(this, "Panel2", alTop, 34);
    SpeedButton4 = kit::speedButton(Panel2, "SpeedButton4", 4, 5, 48, 24, TBitmap(),
                                    "View marked files as a Slide Show");
    SpeedButton4->SetCaption("Slides");
    SpeedButton9 = kit::speedButton(Panel2, "SpeedButton9", 54, 5, 80, 24, TBitmap(), "Set slide show delay");
    SpeedButton9->SetCaption("Frame Delay");
    SpeedButton3 = kit::speedButton(Panel2, "SpeedButton3", 136, 5, 26, 24, browserGlyph("SpeedButton3"),
                                    "Stop the thumbnail or Slideshow process.");
    SpeedButton3->SetEnabled(false);
    cancelbut = kit::speedButton(Panel2, "cancelbut", 164, 5, 56, 24, TBitmap(), "Cancel and close");
    cancelbut->SetCaption("Cancel");
    SpeedButton15 = kit::speedButton(Panel2, "SpeedButton15", 224, 5, 26, 24, browserGlyph("SpeedButton15"),
                                     "Minimize the Image Browser");
    Panel7 = kit::panel(Panel2, "Panel7", 287, 2, 340, 30);
    auto cmd = [&](TSpeedButton*& field, const char* name, int left, const char* hint) {
        field = kit::speedButton(Panel7, name, left, 2, 26, 26, browserGlyph(name), hint);
    };
    cmd(bpleft, "bpleft", 2, "Slide the buttons left");
    cmd(bpright, "bpright", 2, "Slide the buttons right");
    bpright->SetVisible(false);
    cmd(butsave, "butsave", 30, "Save Image to disk");
    cmd(SpeedButton5, "SpeedButton5", 56, "load into Paint");
    cmd(SpeedButton6, "SpeedButton6", 82, "Create thumbnails of images");
    cmd(SpeedButton7, "SpeedButton7", 108, "Capture an area of the current image");
    cmd(SpeedButton10, "SpeedButton10", 134, "Copy image to clipboard");
    cmd(SpeedButton2, "SpeedButton2", 160, "Bitmap file list manager, list maker, and previewer");
    cmd(SpeedButton11, "SpeedButton11", 186, "Capture screen");
    cmd(SpeedButton12, "SpeedButton12", 212, "Resize the current image");
    cmd(SpeedButton13, "SpeedButton13", 238, "Explore");
    cmd(SpeedButton14, "SpeedButton14", 264, "Bitmap file list manager, list maker, and previewer");

    ScrollBox1 = new TScrollBox(this, this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetAlign(alClient);
    ScrollBox1->SetColor(clGray);
    Image1 = kit::picture(ScrollBox1, "Image1", 0, 0, 100, 100);
    Image1->SetAutoSize(true);
    Image1->SetIncrementalDisplay(true);
    capbox = new TShape(this, ScrollBox1);
    capbox->SetName("capbox");
    capbox->SetBounds(0, 0, 356, 292);
    TPen dotted;
    dotted.Color = clMaroon;
    dotted.Style = psDot;
    dotted.Width = 2;
    capbox->SetPen(dotted);
    TBrush clear;
    clear.Style = bsClear;
    capbox->SetBrush(clear);
    capbox->SetVisible(false);
    clpmap1 = kit::picture(ScrollBox1, "clpmap1", 1, 1, 200, 200);
    clpmap1->SetStretch(true);
    clpmap1->SetTransparent(true);
    clpmap1->SetVisible(false);
    clpshape = new TShape(this, ScrollBox1);
    clpshape->SetName("clpshape");
    clpshape->SetBounds(0, 0, 204, 204);
    TPen dashDotDot;
    dashDotDot.Style = psDashDotDot;
    dashDotDot.Width = 2;
    clpshape->SetPen(dashDotDot);
    clpshape->SetBrush(clear);
    clpshape->SetVisible(false);
    chkclip = kit::check(ScrollBox1, "chkclip", "chkclip", 0, 0, 60);
    chkclip->SetVisible(false);

    Panel5 = kit::panel(this, "Panel5", 200, 60, 170, 70);
    Label2 = kit::label(Panel5, "Label2", "Frame Delay", 8, 8);
    SpinEdit1 = new TSpinEdit(this, Panel5);
    SpinEdit1->SetName("SpinEdit1");
    SpinEdit1->SetBounds(8, 28, 80, 22);
    SpinEdit1->SetValue(100);
    BitBtn1 = kit::bitBtn(Panel5, "BitBtn1", "OK", 96, 26, 64, 26, TBitmap());
    Panel5->SetVisible(false);

    SavePictureDialog1 = new TSaveDialog(this);
    SavePictureDialog1->SetName("SavePictureDialog1");
    SavePictureDialog1->SetFilter("Bitmap or JPG|*.bmp;*.jpg");
    SavePictureDialog1->SetDefaultExt("jpg");
    ListBox1 = kit::list(this, "ListBox1", {}, 0, 0, 10, 10);
    ListBox1->SetVisible(false);
    ListBox2 = kit::list(this, "ListBox2", {}, 0, 0, 10, 10);
    ListBox2->SetVisible(false);
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1000);

    FileListBox1->OnClick = bindMethod(this, &Tpicform1::FileListBox1Click);
    FileListBox1->OnDblClick = bindMethod(this, &Tpicform1::FileListBox1DblClick);
    SpeedButton1->OnClick = bindMethod(this, &Tpicform1::SpeedButton1Click);
    mrb->OnClick = bindMethod(this, &Tpicform1::mrbClick);
    for (TControl* c :
         std::initializer_list<TControl*>{Scale, PixelFormat, ColorSpace, Performance, ProgressiveDisplay})
        c->OnClick = bindMethod(this, &Tpicform1::SetJPEGOptions);
    SpeedButton8->OnClick = bindMethod(this, &Tpicform1::SpeedButton8Click);
    bd1->OnClick = bindMethod(this, &Tpicform1::bd1Click);
    bd2->OnClick = bindMethod(this, &Tpicform1::bd2Click);
    SpeedButton4->OnClick = bindMethod(this, &Tpicform1::SpeedButton4Click);
    SpeedButton9->OnClick = bindMethod(this, &Tpicform1::SpeedButton9Click);
    SpeedButton3->OnClick = bindMethod(this, &Tpicform1::SpeedButton3Click);
    cancelbut->OnClick = bindMethod(this, &Tpicform1::cancelbutClick);
    SpeedButton15->OnClick = bindMethod(this, &Tpicform1::SpeedButton15Click);
    bpleft->OnClick = bindMethod(this, &Tpicform1::bpleftClick);
    bpright->OnClick = bindMethod(this, &Tpicform1::bprightClick);
    butsave->OnClick = bindMethod(this, &Tpicform1::butsaveClick);
    SpeedButton5->OnClick = bindMethod(this, &Tpicform1::SpeedButton5Click);
    SpeedButton6->OnClick = bindMethod(this, &Tpicform1::SpeedButton6Click);
    SpeedButton7->OnClick = bindMethod(this, &Tpicform1::SpeedButton7Click);
    SpeedButton10->OnClick = bindMethod(this, &Tpicform1::SpeedButton10Click);
    SpeedButton11->OnClick = bindMethod(this, &Tpicform1::SpeedButton11Click);
    SpeedButton12->OnClick = bindMethod(this, &Tpicform1::SpeedButton12Click);
    SpeedButton13->OnClick = bindMethod(this, &Tpicform1::SpeedButton13Click);
    SpeedButton14->OnClick = bindMethod(this, &Tpicform1::SpeedButton14Click);
    SpeedButton2->OnClick = bindMethod(this, &Tpicform1::SpeedButton2Click);
    BitBtn1->OnClick = bindMethod(this, &Tpicform1::BitBtn1Click);
    Timer1->OnTimer = bindMethod(this, &Tpicform1::Timer1Timer);
}

void Tpicform1::FormCreate(TObject*) {
    CenterOnScreen();
    for (TComboBox* c : {Scale, PixelFormat, ColorSpace, Performance})
        c->SetItemIndex(0);
    FileListBox1->SetMask("*.jpeg;*.jpg;*.bmp;*.wmf;*.emf;*.ico");
    captionname = "TEMP.BMP";
    picname = "TEMP.BMP";
    stopflag = false;
    mrb->SetEnabled(dirFileExists());
}

void Tpicform1::FormShow(TObject*) {
    stopflag = false;
    FileListBox1->SetDirectory(DirectoryListBox1->Directory());
    FileListBox1->Update();
    SetJPEGOptions(nullptr);
}

void Tpicform1::FormPaint(TObject*) {
    // The lists leave themselves alone when their folder has not changed, so this does not
    // paint again; the flag keeps a paint pumped from inside a refresh from starting another.
    if (refreshing_) return;
    refreshing_ = true;
    try {
        DirectoryListBox1->Update();
        FileListBox1->Update();
    } catch (...) {
        refreshing_ = false;
        throw;
    }
    refreshing_ = false;
}

void Tpicform1::FormClose(TObject*, TCloseAction&) {
    stopRun();
    ListBox2->Items().Clear();
}

// ---- loading ----

std::string Tpicform1::inShownFolder(const std::string& name) const {
    if (name.empty() || hasFolderPart(name)) return name;
    return (std::filesystem::path(DirectoryListBox1->Directory()) / name).string();
}

bool Tpicform1::openthefile(const std::string& fileName) {
    const std::string name = fileName.empty() ? FileListBox1->FileName() : fileName;
    const std::string ext = UpperExtension(name);
    bool ok = true;
    jpeg_.reset();
    try {
        TLoadedPicture picture = LoadPictureFile(ProgramFolder::MapPathString(inShownFolder(name)));
        if (picture.IsJpeg()) {
            jpeg_ = std::move(picture.jpeg);
            jpeg_->OnProgress = [this](TProgressStage s, int p, const TBitmap* partial) {
                jpegProgress(s, p, partial);
            };
            Image1->Picture().Clear();
        } else {
            Image1->Picture().Assign(picture.bitmap);
        }
        picname = name;
    } catch (const EInvalidGraphic&) {
        Image1->Picture().Clear();
        ok = false;
    }
    SetJPEGOptions(nullptr);
    try {
        cnvtbit();
    } catch (const EInvalidGraphic&) {
        // A JPEG whose body does not decode is as invalid as one whose header does not read.
        Image1->Picture().Clear();
        jpeg_.reset();
        ok = false;
    }
    if (ext != ".BMP" && ext != ".JPG") picname = name.substr(0, name.find('.')) + ".bmp";
    SetCaption(picname);
    return ok;
}

void Tpicform1::jpegProgress(TProgressStage stage, int percent, const TBitmap* partial) {
    if (stage != psRunning) {
        SetCaption(captionname);
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", percent);
    SetCaption(text);
    if (partial && Image1->IncrementalDisplay()) {
        Image1->Picture().Assign(*partial);
        Image1->Repaint();
    }
}

void Tpicform1::SetJPEGOptions(TObject*) {
    const bool jpeg = jpeg_ != nullptr;
    if (jpeg) {
        jpeg_->SetPixelFormat(PixelFormat->ItemIndex() == 1 ? jf8Bit : jf24Bit);
        jpeg_->SetScale(TJPEGScale(std::clamp(Scale->ItemIndex(), 0, 3)));
        jpeg_->SetGrayscale(ColorSpace->ItemIndex() == 1);
        jpeg_->SetPerformance(Performance->ItemIndex() == 1 ? jpBestSpeed : jpBestQuality);
        jpeg_->SetProgressiveDisplay(ProgressiveDisplay->Checked());
    }
    for (TComboBox* c : {Scale, PixelFormat, ColorSpace, Performance})
        c->SetEnabled(jpeg);
    ProgressiveDisplay->SetEnabled(jpeg && jpeg_->ProgressiveEncoding());
    Image1->SetIncrementalDisplay(IncrementalDisplay->Checked());
}

void Tpicform1::cnvtbit() {
    TBitmap converted;
    if (jpeg_) {
        const TBitmap& decoded = jpeg_->Bitmap();
        converted = TBitmap(decoded.Width(), decoded.Height());
        converted.Canvas().Draw(0, 0, decoded);
        jpeg_.reset();
    } else {
        const TBitmap& held = Image1->Picture().Bitmap();
        if (held.Empty()) return;
        converted = TBitmap(held.Width(), held.Height());
        converted.Canvas().Draw(0, 0, held);
    }
    Image1->Picture().Assign(converted);
}

void Tpicform1::FileListBox1Click(TObject*) {
    const std::string ext = UpperExtension(FileListBox1->FileName());
    const bool jpeg = ext == ".JPG" || ext == ".JPEG";
    for (TComboBox* c : {Scale, PixelFormat, ColorSpace, Performance})
        c->SetEnabled(jpeg);
    ProgressiveDisplay->SetEnabled(jpeg);
}

void Tpicform1::FileListBox1DblClick(TObject*) {
    openthefile("");
}

// ---- the page ----

void Tpicform1::loadpic() {
    TScrollBox* box = Pbook1->ScrollBox1;
    const bool autoScroll = box->AutoScroll();
    box->SetAutoScroll(false);
    Pbook1->ptbox1->SetTop(0);
    box->SetAutoScroll(autoScroll);
    if (Image1->Picture().Empty()) {
        mydialog1->mbox("Not Enough Resources", "", "", "", "", 1);
        return;
    }
    Pbook1->ptbox1->Picture().Assign(Image1->Picture());
    Pbook1->pagesready = true;
    Pbook1->initpages();
    Pbook1->PageControl1->SetActivePage(Pbook1->TabSheet1);
    Pbook1->SetCaption(picname);
    if (!Pbook1->Visible()) Pbook1->Show();
}

void Tpicform1::SpeedButton5Click(TObject*) {
    loadpic();
    Close();
}

// ---- saving ----

void Tpicform1::saveasjpg(const std::string& fileName) {
    jpop1->ShowModal();
    Screen->SetCursor(crHourGlass);
    try {
        WriteJpegPicture(Image1->Picture().Bitmap(), fileName, jpop1->TrackBar1->Position(), true);
    } catch (...) {
        Screen->SetCursor(crDefault);
        throw;
    }
    Screen->SetCursor(crDefault);
}

void Tpicform1::butsaveClick(TObject*) {
    if (Image1->Picture().Empty()) return;
    SavePictureDialog1->SetDefaultExt("bmp");
    SavePictureDialog1->SetFileName(picname);
    if (!SavePictureDialog1->Execute()) return;
    const std::string name = SavePictureDialog1->FileName();
    switch (SaveKindFor(name)) {
    case TPictureKind::Gif:
        Pbook1->notifygif();
        return;
    case TPictureKind::Jpeg:
        saveasjpg(name);
        break;
    case TPictureKind::Bmp:
        WriteBmpPicture(Image1->Picture().Bitmap(), name);
        picname = name;
        SetCaption(name);
        break;
    }
    FileListBox1->Update();
}

// ---- slide show ----

void Tpicform1::SpeedButton4Click(TObject*) {
    slideindex = 0;
    stopflag = false;
    ListBox1->Items().Clear();
    for (int i = 0; i < FileListBox1->Items().Count(); ++i)
        if (FileListBox1->Selected(i)) ListBox1->Items().Add(FileListBox1->Items()[i]);
    Timer1->SetEnabled(true);
    SpeedButton3->SetEnabled(true);
}

void Tpicform1::Timer1Timer(TObject*) {
    Timer1->SetInterval(SpinEdit1->Value());
    const int count = ListBox1->Items().Count();
    if (count > 0 && slideindex >= 0 && slideindex < count) {
        const std::string name = ListBox1->Items()[slideindex];
        ++slideindex;
        openthefile(name);
    }
    if (slideindex > ListBox1->Items().Count() - 1) slideindex = 0;
    Application->ProcessMessages();
}

void Tpicform1::SpeedButton9Click(TObject*) {
    Panel5->SetVisible(true);
}

void Tpicform1::BitBtn1Click(TObject*) {
    Panel5->SetVisible(false);
}

void Tpicform1::stopRun() {
    Timer1->SetEnabled(false);
    ListBox1->Items().Clear();
    SpeedButton3->SetEnabled(false);
    slideindex = 0;
    stopflag = true;
    Application->ProcessMessages();
}

void Tpicform1::SpeedButton3Click(TObject*) {
    stopRun();
}

void Tpicform1::cancelbutClick(TObject*) {
    stopRun();
    Close();
}

// ---- thumbnail sheets ----

void Tpicform1::SpeedButton6Click(TObject*) {
    SpeedButton3->SetEnabled(true);
    stopflag = false;
    const int n = FileListBox1->Items().Count();
    if (n == 0) return;
    Scale->SetItemIndex(0);
    ListBox1->Items().Clear();
    for (int i = 0; i < n; ++i)
        ListBox1->Items().Add(
            (std::filesystem::path(FileListBox1->Directory()) / FileListBox1->Items()[i]).string());
    const int rows = (n + 3) / 4;
    const int sheetRows = rows < 11 ? rows : 10;

    TBitmap sheet(500, 150 * sheetRows);
    TCanvas& c = sheet.Canvas();
    c.Font.Name = "Arial";
    c.Font.SetSize(10);
    c.Font.Color = clBlack;
    int next = 0;
    bool runEnds = false;
    while (!runEnds && next < n) {
        int x[4] = {10, 130, 250, 370};
        int y = 10;
        int column = 0;
        int rowsDone = 0;
        // A sheet ends at a stop, at the last file, or when its rows are full; the next sheet
        // starts at the next file.
        while (next < n) {
            const std::string path = ListBox1->Items()[next];
            const std::string bare = FileListBox1->Items()[next];
            openthefile(path);
            if (UpperExtension(path) == ".JPG") {
                const TPicture& p = Image1->Picture();
                const int w = p.Width() < 201 ? 1 : p.Width() / 100;
                const int h = p.Height() < 201 ? 1 : p.Height() / 100;
                if (!(w == 1 && h == 1)) {
                    Scale->SetItemIndex(h > 4 || w > 4 ? 3 : h > 3 || w > 3 ? 2 : 1);
                    openthefile(bare);
                    Scale->SetItemIndex(0);
                }
            }
            TBitmap& picture = Image1->Picture().Bitmap();
            const int pw = std::max(1, picture.Width()), ph = std::max(1, picture.Height());
            if (picture.Width() < 1 || picture.Height() < 1) picture.SetSize(pw, ph);
            const double factor = pw >= ph ? 100.0 / pw : 100.0 / ph;
            const int tw = int(std::nearbyint(pw * factor)), th = int(std::nearbyint(ph * factor));
            c.StretchMode = pw >= 100 ? COLORONCOLOR : BLACKONWHITE;
            StretchBlt(c, x[column], y, tw, th, picture.Canvas(), 0, 0, pw, ph, SRCCOPY);
            // A name wider than the cell shows its last 16 characters, centred.
            std::string caption = FileNamePart(path);
            if (c.TextWidth(caption) > 120 && caption.size() > 16)
                caption = caption.substr(caption.size() - 16);
            c.Brush.SetColor(clWhite);
            c.TextOut(x[column] + int(std::nearbyint((120 - c.TextWidth(caption)) / 2.0)), y + 120, caption);
            ++next;
            if (++column == 4) {
                column = 0;
                y += 150;
                ++rowsDone;
            }
            Application->ProcessMessages();
            if (next >= n) stopflag = true;
            if (stopflag || rowsDone == sheetRows) break;
        }
        Image1->Picture().Assign(sheet);
        c.Brush.SetColor(clWhite);
        c.Pen.Color = clWhite;
        c.Rectangle(0, 0, sheet.Width(), sheet.Height());
        const int answer = MessageDlg("Save Thumbnails?", mtConfirmation, mbYesNoCancel);
        if (answer == mrCancel) break;
        if (answer == mrYes) {
            SavePictureDialog1->SetFilter("*.jpg");
            if (!SavePictureDialog1->Execute() || SavePictureDialog1->FileName().empty()) break;
            const std::string name = SavePictureDialog1->FileName();
            if (std::filesystem::exists(ProgramFolder::MapPath(name)) &&
                MessageDlg("OK to overwrite " + name, mtConfirmation, mbYesNoCancel) != mrYes)
                break;
            if (UpperExtension(name) == ".JPG") {
                jpop1->ShowModal();
                WriteJpegPicture(Image1->Picture().Bitmap(), name, jpop1->TrackBar1->Position(), true);
            } else {
                WriteBmpPicture(Image1->Picture().Bitmap(), name);
            }
        }
        runEnds = stopflag;
    }
    ListBox1->Items().Clear();
    if (next >= n) SpeedButton3->SetEnabled(false);
}

// ---- capture, resize, clipboard ----

void Tpicform1::SpeedButton11Click(TObject*) {
    pump(100);
    // The picture takes the screen's size only once the capture is confirmed, so Cancel leaves
    // it as it was.
    if (capformdlg->ShowModal() != mrOk) return;
    pump(1000);
    Application->Minimize();
    pump(1000);
    const TBitmap shot = Screen->Capture();
    TBitmap& picture = Image1->Picture().Bitmap();
    picture.SetSize(Screen->Width(), Screen->Height());
    BitBlt(picture.Canvas(), 0, 0, picture.Width(), picture.Height(), &const_cast<TBitmap&>(shot).Canvas(), 0,
           0, SRCCOPY);
    Image1->Picture().Assign(picture);
    pump(1);
    Application->Restore();
}

void Tpicform1::SpeedButton12Click(TObject*) {
    ResizeForm->PresetSize(Image1->Picture().Width(), Image1->Picture().Height());
    if (ResizeForm->ShowModal() != mrOk) return;
    int w = std::max(10, ResizeForm->SpinEdit1->Value());
    int h = std::max(10, ResizeForm->SpinEdit2->Value());
    const std::string oldname = picname;
    int r = 0;
    if (ResizeForm->RadioGroup2->ItemIndex() == 0) {
        const double rw = double(Image1->Picture().Width()) / w, rh = double(Image1->Picture().Height()) / h;
        r = int(std::nearbyint(std::max(rw, rh)));
    }
    if (r == 2 || r == 4 || r == 8) {
        const std::string temp = "bin\\$TEMP$.JPG";
        WriteJpegPicture(Image1->Picture().Bitmap(), ProgramFolder::MapPathString(temp), 100, true);
        // The reduced decode is for this load only: later loads keep the scale the user chose.
        const int oldscale = Scale->ItemIndex();
        Scale->SetItemIndex(r == 2 ? 1 : r == 4 ? 2 : 3);
        try {
            openthefile(temp);
        } catch (...) {
            Scale->SetItemIndex(oldscale);
            throw;
        }
        Scale->SetItemIndex(oldscale);
    } else {
        const TBitmap old = Image1->Picture().Bitmap();
        TBitmap resized(w, h);
        resized.Canvas().StretchMode = (w < old.Width() || h < old.Height()) ? COLORONCOLOR : BLACKONWHITE;
        StretchBlt(resized.Canvas(), 0, 0, w, h, const_cast<TBitmap&>(old).Canvas(), 0, 0, old.Width(),
                   old.Height(), SRCCOPY);
        Image1->Picture().Assign(resized);
    }
    Application->ProcessMessages();
    picname = oldname;
    SetCaption(picname);
    if (mydialog1->mbox("Save Resized Image?", "", "", "", "", 2) == 0) butsaveClick(nullptr);
}

void Tpicform1::SpeedButton10Click(TObject*) {
    if (Image1->Picture().Empty()) return;
    ClipboardGuardWrite(Image1->Picture().Bitmap(), reportBoxNotAvailableError);
}

void Tpicform1::SpeedButton2Click(TObject*) {
    chkclip->SetChecked(false);
    if (!ClipboardGuardRead(reportMboxNotavailable)) return;
    TBitmap clip;
    Clipboard()->GetBitmap(clip);
    clpmap1->Picture().Assign(clip);
    clpmap1->SetBounds(Image1->Left() + 1, Image1->Top() + 1, clip.Width(), clip.Height());
    clpshape->SetBounds(Image1->Left(), Image1->Top(), clip.Width() + 4, clip.Height() + 4);
    clpmap1->SetVisible(true);
    clpshape->SetVisible(true);
    chkclip->SetChecked(true);
    cappastefrm->Show();
}

void Tpicform1::SpeedButton7Click(TObject*) {
    if (!Image1->Picture().Empty()) cappos2->Show();
}

// ---- folders ----

void Tpicform1::SpeedButton1Click(TObject*) {
    ListBox2->Items().Clear();
    ListBox2->Items().Add(std::string(1, DriveComboBox1->Drive()));
    ListBox2->Items().Add(DirectoryListBox1->Directory());
    try {
        saveDirFile(ListBox2->Items());
    } catch (const std::exception&) {
        mydialog1->mbox("Unable to write to disk", "Disk may be full", "", "", "", 1);
    }
    mrb->SetEnabled(true);
}

void Tpicform1::mrbClick(TObject*) {
    if (!dirFileExists()) {
        mrb->SetEnabled(false);
        return;
    }
    try {
        loadDirFile(ListBox2->Items());
        DirectoryListBox1->SetDirectory(ListBox2->Items()[1]);
    } catch (const std::exception&) {
        // An unreadable or short file, or a folder that has gone: the lists stay where they are.
    }
}

// ---- the rest ----

void Tpicform1::SpeedButton8Click(TObject*) {
    Helpfrm->LoadHelpFile(ProgramFolder::RootWithSlash() + "bin\\Data\\h1.rtf");
    Helpfrm->Show();
}

void Tpicform1::SpeedButton13Click(TObject* Sender) {
    Pbook1->SpeedButton8Click(Sender);
}

void Tpicform1::SpeedButton14Click(TObject*) {
    SetWindowState(wsMinimized);
    AnimCap1->Show();
}

void Tpicform1::SpeedButton15Click(TObject*) {
    SetWindowState(wsMinimized);
}

void Tpicform1::bpleftClick(TObject*) {
    bpright->SetVisible(true);
    bpleft->SetVisible(false);
    if (Panel7->Left() > 40)
        for (int i = 0; i < 25; ++i) {
            Panel7->SetLeft(Panel7->Left() - 1);
            Application->ProcessMessages();
        }
    Panel7->SetLeft(40);
}

void Tpicform1::bprightClick(TObject*) {
    bpleft->SetVisible(true);
    bpright->SetVisible(false);
    if (Panel7->Left() <= 40)
        for (int i = 0; i < 25; ++i) {
            Panel7->SetLeft(Panel7->Left() + 1);
            Application->ProcessMessages();
        }
    Panel7->SetLeft(287);
}

void Tpicform1::bd1Click(TObject*) {
    Panel2->SetVisible(false);
    bd1->SetVisible(false);
    bd2->SetVisible(true);
}

void Tpicform1::bd2Click(TObject*) {
    Panel2->SetVisible(true);
    bd2->SetVisible(false);
    bd1->SetVisible(true);
}
