#include "palettecolorsfrm1.h"

#include "Application.h"
#include "BindMethod.h"
#include "ClipboardGuard.h"
#include "Dialogs.h"
#include "Pbook.h"
#include "PictureLoader.h"
#include "PictureWriters.h"
#include "Screen.h"
#include "TBitBtn.h"
#include "TImage.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "Toolpal.h"
#include "colormap.h"

TPaletteColorsfrm* PaletteColorsfrm = nullptr;

namespace {
const char* const kFilter =
    "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|Icons "
    "(*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";

// The main window's bar, put back and hidden however a pass ends.
struct BarAway {
    TProgress& bar;
    ~BarAway() {
        bar.SetPosition(1);
        bar.Hide();
    }
};
} // namespace

TPaletteColorsfrm::TPaletteColorsfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("PaletteColorsfrm");
    SetCaption("Selected Colors");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientWidth(272);
    SetClientHeight(352);

    Label1 = new TLabel(this, this);
    Label1->SetName("Label1");
    Label1->SetBounds(8, 4, 256, 28);
    Label1->SetWordWrap(true);
    Label1->SetAutoSize(false);
    Label1->SetCaption("Created palette may not be large enough to hold all colors");
    Panel1 = new TPanel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetCaption("");
    Panel1->SetBounds(6, 34, 260, 260);
    Panel1->SetBevelOuter(bvLowered);
    Image1 = new TImage(this, Panel1);
    Image1->SetName("Image1");
    Image1->SetBounds(2, 2, 256, 256);
    Image1->SetCursor(crCross);
    Image1->SetHint("Right or Left click to select color");
    Image1->SetShowHint(true);
    Image1->OnMouseMove = bindMethod(this, &TPaletteColorsfrm::Image1MouseMove);
    Image1->OnMouseUp = bindMethod(this, &TPaletteColorsfrm::Image1MouseUp);
    SpinEdit1 = new TSpinEdit(this, this);
    SpinEdit1->SetName("SpinEdit1");
    SpinEdit1->SetBounds(8, 300, 70, 22);
    SpinEdit1->SetMinValue(0);
    SpinEdit1->SetMaxValue(0);
    SpinEdit1->SetHint("Number of colors");
    SpinEdit1->SetShowHint(true);
    Shape1 = new TShape(this, this);
    Shape1->SetName("Shape1");
    Shape1->SetBounds(84, 298, 25, 25);
    Shape1->OnMouseMove = bindMethod(this, &TPaletteColorsfrm::Image1MouseMove);
    auto glyphButton = [this](const char* name, const char* caption, int x, TNotifyEvent click) {
        TSpeedButton* b = new TSpeedButton(this, this);
        b->SetName(name);
        b->SetCaption(caption);
        b->SetBounds(x, 299, 24, 24);
        b->OnClick = std::move(click);
        return b;
    };
    SpeedButton1 =
        glyphButton("SpeedButton1", "C", 116, bindMethod(this, &TPaletteColorsfrm::SpeedButton1Click));
    SpeedButton1->SetHint("Copy");
    SpeedButton2 =
        glyphButton("SpeedButton2", "S", 142, bindMethod(this, &TPaletteColorsfrm::SpeedButton2Click));
    SpeedButton2->SetHint("Save");
    SpeedButton3 =
        glyphButton("SpeedButton3", "O", 168, bindMethod(this, &TPaletteColorsfrm::SpeedButton3Click));
    SpeedButton3->SetHint("Open");
    butpalmake = new TBitBtn(this, this);
    butpalmake->SetName("butpalmake");
    butpalmake->SetCaption("Create Palette");
    butpalmake->SetBounds(8, 326, 120, 24);
    butpalmake->SetHint("Save then load new palette");
    butpalmake->SetShowHint(true);
    butpalmake->SetEnabled(false);
    butpalmake->OnClick = bindMethod(this, &TPaletteColorsfrm::butpalmakeClick);
    BitBtn2 = new TBitBtn(this, this);
    BitBtn2->SetName("BitBtn2");
    BitBtn2->SetCaption("Close");
    BitBtn2->SetBounds(196, 326, 70, 24);
    BitBtn2->OnClick = bindMethod(this, &TPaletteColorsfrm::BitBtn2Click);
    SavePictureDialog1 = new TSaveDialog(this);
    SavePictureDialog1->SetName("SavePictureDialog1");
    SavePictureDialog1->SetFilter(kFilter);
    OpenPictureDialog1 = new TOpenDialog(this);
    OpenPictureDialog1->SetName("OpenPictureDialog1");
    OpenPictureDialog1->SetFilter(kFilter);

    OnCreate = [this](TObject*) { CenterOnScreen(); };
    OnShow = bindMethod(this, &TPaletteColorsfrm::FormShow);
    OnClose = bindMethod(this, &TPaletteColorsfrm::FormClose);
}

void TPaletteColorsfrm::sizeMap() {
    Image1->SetBounds(Image1->Left(), Image1->Top(), 256, 256);
    Image1->Picture().Bitmap().SetSize(256, 256);
}

void TPaletteColorsfrm::cocount() {
    const TBitmap copy(Image1->Picture().Bitmap());
    for (int i = 0; i < 500; ++i)
        Application->ProcessMessages();
    Image1->Picture().Clear();
    TProgress& bar = Pbook1->progress();
    int count = 0;
    {
        BarAway away{bar};
        bar.SetPosition(1);
        bar.Show();
        plotColourMap(copy, Image1->Picture().Bitmap(), bar);
        bar.SetPosition(1);
        count = countMapColours(Image1->Picture().Bitmap(), bar);
    }
    sizeMap();
    SpinEdit1->SetValue(count);
    butpalmake->SetEnabled(true);
    Show();
    Screen->SetCursor(crDefault);
}

void TPaletteColorsfrm::butpalmakeClick(TObject*) {
    sizeMap();
    const int N = SpinEdit1->Value();
    if (std::min(N, 1280) < 1) return;
    SavePictureDialog1->SetFileName("palette2.bmp");
    if (!SavePictureDialog1->Execute()) return;
    TProgress& bar = Pbook1->progress();
    BarAway away{bar};
    bar.SetPosition(1);
    bar.Show();
    TBitmap sheet = paletteSheet(Image1->Picture().Bitmap(), N, bar);
    Pbook1->Image6->Picture().Assign(sheet);
    Pbook1->Image6->SetBounds(0, 0, sheet.Width(), sheet.Height());
    WriteBmpPicture(sheet, SavePictureDialog1->FileName());
}

void TPaletteColorsfrm::Image1MouseMove(TObject*, TShiftState, int X, int Y) {
    Shape1->BrushRef().Color = Image1->Picture().Bitmap().GetPixel(X, Y);
    Shape1->Changed();
}

void TPaletteColorsfrm::Image1MouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
    const TColor c = Image1->Picture().Bitmap().GetPixel(X, Y);
    if (Button == mbRight)
        Form3->rightcolor = c;
    else if (Button == mbLeft)
        Form3->leftcolor = c;
    Shape1->BrushRef().Color = c;
    Shape1->Changed();
    Form3->showcfcb();
}

void TPaletteColorsfrm::SpeedButton1Click(TObject*) {
    TBitmap& map = Image1->Picture().Bitmap();
    ClipboardGuardWrite(map, reportBoxUnavailableClipboardError, [&map] {
        SelectPalette(map.Canvas(), map.Palette(), false);
        RealizePalette(map.Canvas());
        Application->ProcessMessages();
    });
}

void TPaletteColorsfrm::SpeedButton2Click(TObject*) {
    SavePictureDialog1->SetFileName("colors.bmp");
    if (SavePictureDialog1->Execute())
        WriteBmpPicture(Image1->Picture().Bitmap(), SavePictureDialog1->FileName());
}

void TPaletteColorsfrm::SpeedButton3Click(TObject*) {
    OpenPictureDialog1->SetFileName("colors.bmp");
    if (OpenPictureDialog1->Execute()) {
        // A file that is no picture goes to the default error report and maps nothing.
        TLoadedPicture loaded = LoadPictureFile(OpenPictureDialog1->FileName());
        if (loaded.IsJpeg())
            Image1->Picture().Assign(loaded.jpeg->Bitmap());
        else
            Image1->Picture().Assign(loaded.bitmap);
    }
    Screen->SetCursor(crHourGlass);
    cocount();
    Screen->SetCursor(crDefault);
}

void TPaletteColorsfrm::BitBtn2Click(TObject*) {
    Image1->Picture().Clear();
    butpalmake->SetEnabled(false);
    Close();
}

void TPaletteColorsfrm::FormClose(TObject*, TCloseAction&) {
    sizeMap();
    Screen->SetCursor(crDefault);
}

void TPaletteColorsfrm::FormShow(TObject*) {
    if (Pbook1) Pbook1->butpfrm->Show();
    sizeMap();
}
