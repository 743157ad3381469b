#include "stationary.h"

#include "Application.h"
#include "ClipboardGuard.h"
#include "Dialogs.h"
#include "FormKit.h"
#include "MessageBox.h"
#include "MyRotate.h"
#include "PageProgress.h"
#include "Pbook.h"
#include "Pbook_save.h"
#include "PictureLoader.h"
#include "PictureWriters.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TProgressBar.h"
#include "TShape.h"
#include "TStatusBar.h"
#include "TTrackBar.h"
#include "fade.h"
#include "jpegop.h"

#include <filesystem>

Tstation1* station1 = nullptr;

namespace {

// The command buttons' pictures, 18 x 18 on the button face.
TBitmap faderGlyph(int which) {
    TBitmap g(18, 18);
    TCanvas& c = g.Canvas();
    c.Brush.SetColor(clSilver);
    c.FillRect(Rect(0, 0, 18, 18));
    auto box = [&](int l, int t, int r, int b, TColor fill) {
        c.Pen.Color = clBlack;
        c.Brush.SetColor(fill);
        c.Rectangle(l, t, r, b);
    };
    switch (which) {
    case 1: // fade colour
        box(2, 2, 16, 16, clFuchsia);
        break;
    case 3: // alternate fade: dark at the bottom right
    case 4: // fade: dark at the top left
        for (int i = 0; i < 14; ++i) {
            const int v = (which == 4 ? i : 13 - i) * 18;
            c.Pen.Color = TColor(v | v << 8 | v << 16);
            c.MoveTo(2 + i, 2);
            c.LineTo(2 + i, 16);
        }
        break;
    case 5: // load image
        box(2, 5, 16, 15, clYellow);
        break;
    case 6: // new page
        box(3, 2, 15, 16, clWhite);
        break;
    case 7: // clipboard
        box(3, 3, 15, 16, clOlive);
        box(6, 1, 12, 5, clSilver);
        break;
    case 8: // disk
        box(2, 2, 16, 16, clNavy);
        box(5, 3, 13, 8, clWhite);
        break;
    default: // help
        c.Font.Name = "Arial";
        c.Font.SetHeight(-14);
        c.Font.Style = fsBold;
        c.Font.Color = clBlue;
        c.Brush.Style = bsClear;
        c.TextOut(5, 1, "?");
    }
    return g;
}

} // namespace

Tstation1::Tstation1(TComponent* AOwner) : TForm(AOwner) {
    SetName("station1");
    SetCaption("Image Fader and Transitioner");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 630, 440);
    OnCreate = [this](TObject*) { CenterOnScreen(); };

    Image1 = kit::picture(this, "Image1", 130, 40, 360, 270);
    Image1->SetStretch(true);
    Image1->SetCursor(crHandPoint);
    kit::hint(Image1, "Click Here to load image");
    Shape1 = new TShape(this, this);
    Shape1->SetName("Shape1");
    Shape1->SetBounds(510, 40, 40, 40);
    kit::hint(Shape1, "Click Here to clear picture");
    Shape4 = new TShape(this, this);
    Shape4->SetName("Shape4");
    Shape4->SetBounds(560, 40, 40, 40);
    for (TShape* s : {Shape1, Shape4}) {
        TBrush b;
        b.Color = clWhite;
        s->SetBrush(b);
    }

    TrackBar1 = new TTrackBar(this, this);
    TrackBar1->SetName("TrackBar1");
    TrackBar1->SetOrientation(trVertical);
    TrackBar1->SetBounds(8, 40, 30, 270);
    TrackBar1->SetMin(1);
    TrackBar1->SetMax(400);
    TrackBar1->SetPosition(120);
    kit::hint(TrackBar1, "Adust area affected");
    MyLabelRotate1 = new TMyLabelRotate(this, this);
    MyLabelRotate1->SetName("MyLabelRotate1");
    MyLabelRotate1->SetBounds(38, 100, 90, 120);
    MyLabelRotate1->SetCaption("Smaller Area =>");
    MyLabelRotate1->LabelStyle().SetAngle(90);
    TrackBar2 = new TTrackBar(this, this);
    TrackBar2->SetName("TrackBar2");
    TrackBar2->SetBounds(230, 316, 260, 30);
    TrackBar2->SetMin(1);
    TrackBar2->SetMax(400);
    TrackBar2->SetPosition(120);
    kit::hint(TrackBar2, "Adust Darkness");
    Label1 = kit::label(this, "Label1", "Darker Area ===>", 130, 322);

    struct Button {
        TSpeedButton** field;
        const char* name;
        int which;
        int left, top;
        const char* hint;
    };
    for (const Button& b : std::initializer_list<Button>{
             {&SpeedButton1, "SpeedButton1", 1, 510, 100, "Choose fade color"},
             {&SpeedButton4, "SpeedButton4", 4, 510, 130, "Fade image "},
             {&SpeedButton3, "SpeedButton3", 3, 540, 130, "Alternate fade"},
             {&SpeedButton5, "SpeedButton5", 5, 510, 160, "Load image"},
             {&SpeedButton6, "SpeedButton6", 6, 540, 160, "New page"},
             {&SpeedButton7, "SpeedButton7", 7, 510, 190, "capture to clipboard"},
             {&SpeedButton8, "SpeedButton8", 8, 540, 190, "Save to disk"},
             {&SpeedButton2, "SpeedButton2", 2, 570, 190, ""},
         })
        *b.field = kit::speedButton(this, b.name, b.left, b.top, 28, 28, faderGlyph(b.which), b.hint);

    BitBtn3 = kit::bitBtn(this, "BitBtn3", "OK", 510, 240, 90, 28, TBitmap());
    BitBtn3->SetDefault(true);
    kit::hint(BitBtn3, "Load into River Iziv");
    BitBtn4 = kit::bitBtn(this, "BitBtn4", "Cancel", 510, 274, 90, 28, TBitmap());
    BitBtn4->SetCancel(true);
    kit::hint(BitBtn4, "Close");
    Label2 = kit::textBlock(this, "Label2",
                            "Load an image and fade the image from Paint into it, or fade to a color.", 130,
                            8, 420, 28);
    bg1 = new TProgressBar(this, this);
    bg1->SetName("bg1");
    bg1->SetBounds(8, 354, 610, 14);
    bg1->SetMin(0);
    bg1->SetMax(100);
    bg1->SetVisible(false);
    StatusBar1 = new TStatusBar(this, this);
    StatusBar1->SetName("StatusBar1");
    StatusBar1->SetAlign(alBottom);
    StatusBar1->SetHeight(19);

    Panel3 = kit::panel(this, "Panel3", 130, 40, 360, 270);
    Image2 = kit::picture(Panel3, "Image2", 8, 8, 96, 72);
    {
        TBitmap sample(96, 72);
        for (int x = 0; x < 96; ++x) {
            const int v = x * 255 / 95;
            sample.Canvas().Pen.Color = TColor(v | v << 8 | 255 << 16);
            sample.Canvas().MoveTo(x, 0);
            sample.Canvas().LineTo(x, 72);
        }
        Image2->Picture().Assign(sample);
    }
    Label3 = kit::label(Panel3, "Label3", "Samples", 112, 8);
    Memo1 = kit::memo(Panel3, "Memo1",
                      {"Fade the page into a colour: choose the colour, then one of the fade buttons.",
                       "Fade it into a picture: click the picture area or Load image, then fade.",
                       "The left slider sets how far the fade reaches, the lower one how dark it is.",
                       "OK puts the result on the page (Undo brings the page back)."},
                      8, 88, 344, 140);
    Memo1->SetReadOnly(true);
    Button1 = kit::button(Panel3, "Button1", "OK", 276, 236, 75, 25);
    Panel3->SetVisible(false);

    OpenPictureDialog1 = new TOpenDialog(this);
    OpenPictureDialog1->SetFilter(
        "(*.bmp;*.jpg,*.ico;*.emf;*.wmf)|*.bmp;*.jpg;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|Icons "
        "(*.ico)|*.ico|"
        "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf|JPEG (*.jpg)|*.jpg");
    SavePictureDialog1 = new TSaveDialog(this);
    SavePictureDialog1->SetFilter("Windows Bitmap (*.BMP)|*.bmp|JPEG (*.JPG)|*.jpg");
    ColorDialog1 = new TColorDialog(this);

    Image1->OnClick = bindMethod(this, &Tstation1::Image1Click);
    Shape1->OnClick = bindMethod(this, &Tstation1::Shape1Click);
    SpeedButton1->OnClick = bindMethod(this, &Tstation1::SpeedButton1Click);
    SpeedButton2->OnClick = bindMethod(this, &Tstation1::SpeedButton2Click);
    SpeedButton3->OnClick = bindMethod(this, &Tstation1::SpeedButton3Click);
    SpeedButton4->OnClick = bindMethod(this, &Tstation1::SpeedButton4Click);
    SpeedButton5->OnClick = bindMethod(this, &Tstation1::SpeedButton5Click);
    SpeedButton6->OnClick = bindMethod(this, &Tstation1::SpeedButton6Click);
    SpeedButton7->OnClick = bindMethod(this, &Tstation1::SpeedButton7Click);
    SpeedButton8->OnClick = bindMethod(this, &Tstation1::SpeedButton8Click);
    BitBtn3->OnClick = bindMethod(this, &Tstation1::BitBtn3Click);
    BitBtn4->OnClick = bindMethod(this, &Tstation1::BitBtn4Click);
    Button1->OnClick = bindMethod(this, &Tstation1::Button1Click);
}

void Tstation1::dosoften(int k, int mode) {
    TBitmap& page = Pbook1->ptbox1->Picture().Bitmap();
    TBitmap scratch(page.Width(), page.Height());
    scratch.Canvas().Brush.SetColor(Shape1->Brush().Color);
    scratch.Canvas().FloodFill(2, 2, clWhite, fsSurface);
    if (!colourTarget && !Image1->Picture().Empty())
        scratch.Canvas().StretchDraw(Rect(0, 0, scratch.Width(), scratch.Height()),
                                     Image1->Picture().Bitmap());
    TBarProgress bar(bg1);
    fadeInto(scratch, page, TrackBar1->Position(), k, mode, bar);
    Image1->Picture().Assign(scratch);
}

void Tstation1::opit() {
    if (!OpenPictureDialog1->Execute()) return;
    colourTarget = false;
    try {
        TLoadedPicture p = LoadPictureFile(ProgramFolder::MapPathString(OpenPictureDialog1->FileName()));
        if (p.IsJpeg()) {
            const TBitmap& decoded = p.jpeg->Bitmap();
            TBitmap redrawn(decoded.Width(), decoded.Height());
            redrawn.Canvas().Draw(0, 0, decoded);
            Image1->Picture().Assign(redrawn);
        } else {
            Image1->Picture().Assign(p.bitmap);
        }
    } catch (const EInvalidGraphic&) {
        Image1->Picture().Clear();
    }
}

void Tstation1::clearPicture() {
    colourTarget = true;
    TCanvas& c = Image1->Canvas();
    c.Brush.SetColor(Shape1->Brush().Color);
    c.Pen.Color = Shape1->Brush().Color;
    c.Pen.Width = 0;
    c.Rectangle(0, 0, Image1->Picture().Width(), Image1->Picture().Height());
}

void Tstation1::Image1Click(TObject*) {
    opit();
}

void Tstation1::SpeedButton5Click(TObject*) {
    opit();
}

void Tstation1::Shape1Click(TObject*) {
    clearPicture();
}

void Tstation1::SpeedButton6Click(TObject*) {
    clearPicture();
}

void Tstation1::SpeedButton1Click(TObject*) {
    colourTarget = true;
    if (!ColorDialog1->Execute()) return;
    for (TShape* s : {Shape1, Shape4}) {
        TBrush b = s->Brush();
        b.SetColor(ColorDialog1->Color());
        s->SetBrush(b);
    }
}

void Tstation1::SpeedButton4Click(TObject*) {
    dosoften(TrackBar2->Position(), 0);
}

void Tstation1::SpeedButton3Click(TObject*) {
    dosoften(TrackBar2->Position(), 1);
}

void Tstation1::SpeedButton2Click(TObject*) {
    Panel3->SetVisible(true);
}

void Tstation1::Button1Click(TObject*) {
    Panel3->SetVisible(false);
}

void Tstation1::BitBtn3Click(TObject*) {
    // With nothing faded or loaded the page would become an empty picture: keep it.
    if (!Image1->Picture().Empty()) {
        Pbook1->Image2->Picture().Assign(Pbook1->ptbox1->Picture());
        Pbook1->ptbox1->Picture().Assign(Image1->Picture());
    }
    Close();
}

void Tstation1::BitBtn4Click(TObject*) {
    Close();
}

void Tstation1::SpeedButton7Click(TObject*) {
    ClipboardGuardWrite(Image1->Picture().Bitmap(), reportNoticeNotAvailableOrEmpty);
}

void Tstation1::SpeedButton8Click(TObject*) {
    const TBitmap copy = Image1->Picture().Bitmap();
    SavePictureDialog1->SetFileName(Pbook1->Caption());
    if (!SavePictureDialog1->Execute()) return;
    const std::string name = SavePictureDialog1->FileName();
    if (name.empty()) return;
    if (std::filesystem::exists(ProgramFolder::MapPath(name)) &&
        MessageDlg("OK to overwrite " + name, mtConfirmation, mbYesNoCancel) != mrYes)
        return;
    // The page is not this picture, so the main window keeps its document name.
    try {
        switch (SaveKindFor(name)) {
        case TPictureKind::Gif:
            Pbook1->notifygif();
            break;
        case TPictureKind::Jpeg:
            Screen->SetCursor(crHourGlass);
            WriteJpegPicture(copy, name, jpop1->TrackBar1->Position(), true);
            Screen->SetCursor(crDefault);
            break;
        case TPictureKind::Bmp:
            WriteBmpPicture(copy, name);
            break;
        }
    } catch (const std::exception& e) {
        reportwritefailure(e);
    }
}
