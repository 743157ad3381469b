#include "gradpal.h"

#include "BindMethod.h"
#include "TImage.h"
#include "TLabel.h"
#include "TListBox.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TTrackBar.h"
#include "Toolpal.h"
#include "gradient.h"

#include <string>

Tgradform1* gradform1 = nullptr;

namespace {
// The offset buttons' tags: channel (0 red, 1 green, 2 blue) times 2, plus 1 for down.
constexpr int kDown = 1;
} // namespace

Tgradform1::Tgradform1(TComponent* AOwner) : TForm(AOwner) {
    SetName("gradform1");
    SetCaption("Use a stretch of gradient color ");
    SetBorderStyle(bsToolWindow);
    SetFormStyle(fsStayOnTop);
    SetClientWidth(515);
    SetClientHeight(79);

    Image1 = new TImage(this, this);
    Image1->SetName("Image1");
    Image1->SetBounds(0, 0, 515, 25);
    Image1->SetCursor(crCross);
    Image1->OnMouseUp = bindMethod(this, &Tgradform1::Image1MouseUp);

    auto marker = [this](const char* name, const char* caption, int left) {
        TLabel* l = new TLabel(this, this);
        l->SetName(name);
        l->SetCaption(caption);
        l->SetBounds(left, 25, 8, 13);
        l->FontRef().Style |= fsBold;
        l->FontChanged();
        return l;
    };
    Label1 = marker("Label1", "L", 72);
    Label2 = marker("Label2", "R", 456);

    Panel4 = new TPanel(this, this);
    Panel4->SetName("Panel4");
    Panel4->SetCaption("");
    Panel4->SetBounds(0, 38, 515, 41);
    TrackBar2 = new TTrackBar(this, Panel4);
    TrackBar2->SetName("TrackBar2");
    TrackBar2->SetBounds(0, 1, 512, 18);
    TrackBar2->SetMin(1);
    TrackBar2->SetMax(512);
    TrackBar2->SetPosition(120);
    TrackBar2->SetLineSize(4);
    TrackBar2->SetPageSize(1);
    TrackBar2->SetFrequency(4);
    TrackBar2->SetTickMarks(tmTopLeft);
    TrackBar2->OnChange = bindMethod(this, &Tgradform1::TrackBar2Change);
    TrackBar2->OnKeyUp = [this](TObject* s, unsigned short&, TShiftState) { TrackBar2Change(s); };

    auto button = [this](const char* name, const char* caption, int left, int width, TNotifyEvent click) {
        TSpeedButton* b = new TSpeedButton(this, Panel4);
        b->SetName(name);
        b->SetCaption(caption);
        b->SetBounds(left, 19, width, 20);
        b->OnClick = std::move(click);
        return b;
    };
    const TNotifyEvent offset = bindMethod(this, &Tgradform1::offsetClick);
    SpeedButton6 = button("SpeedButton6", "R+", 4, 32, offset);
    SpeedButton1 = button("SpeedButton1", "R-", 38, 32, offset);
    SpeedButton7 = button("SpeedButton7", "G+", 78, 32, offset);
    SpeedButton2 = button("SpeedButton2", "G-", 112, 32, offset);
    SpeedButton8 = button("SpeedButton8", "B+", 152, 32, offset);
    SpeedButton3 = button("SpeedButton3", "B-", 186, 32, offset);
    SpeedButton6->SetTag(0);
    SpeedButton1->SetTag(kDown);
    SpeedButton7->SetTag(2);
    SpeedButton2->SetTag(2 + kDown);
    SpeedButton8->SetTag(4);
    SpeedButton3->SetTag(4 + kDown);
    SpeedButton4 = button("SpeedButton4", "", 226, 24, bindMethod(this, &Tgradform1::SpeedButton4Click));
    SpeedButton5 = button("SpeedButton5", "", 252, 24, bindMethod(this, &Tgradform1::SpeedButton5Click));
    // Up and down arrows for the two uncaptioned buttons.
    for (TSpeedButton* b : {SpeedButton4, SpeedButton5}) {
        TBitmap g(9, 9, pf24bit);
        TCanvas& c = g.Canvas();
        c.Brush.Color = clSilver;
        c.FillRect(Rect(0, 0, 9, 9));
        c.Pen.Color = clBlack;
        c.Brush.Color = clBlack;
        if (b == SpeedButton4)
            c.Polygon({Point(4, 1), Point(8, 6), Point(0, 6)});
        else
            c.Polygon({Point(0, 2), Point(8, 2), Point(4, 7)});
        b->SetGlyph(g);
    }
    SpeedButton10 =
        button("SpeedButton10", "Close", 440, 70, bindMethod(this, &Tgradform1::SpeedButton10Click));

    OnCreate = bindMethod(this, &Tgradform1::FormCreate);
    OnShow = bindMethod(this, &Tgradform1::FormShow);
}

void Tgradform1::FormCreate(TObject*) {
    Image1->Picture().Bitmap().SetSize(Image1->Width(), Image1->Height());
    offsetr = offsetg = offsetb = 0;
    stretch = 20;
    stretchcolor();
    SetLeft(10);
    SetTop(10);
}

void Tgradform1::FormShow(TObject*) {
    SetTop(1);
    stretch = TrackBar2->Position();
    stretchcolor();
}

void Tgradform1::TrackBar2Change(TObject*) {
    stretch = TrackBar2->Position();
    stretchcolor();
}

void Tgradform1::stretchcolor() {
    if (!Form3) return;
    TCanvas& c = Image1->Picture().Bitmap().Canvas();
    paintStretch(c, stretchBands(Form3->leftcolor, Form3->rightcolor, {offsetr, offsetg, offsetb}, stretch));
    Invalidate();
}

void Tgradform1::setcolorstretch() {
    stretchcolor();
    if (!Form3) return;
    TStrings& items = Form3->ListBox1->Items();
    items.Clear();
    for (TColor c : stretchList(Image1->Picture().Bitmap(), Form3->leftcolor, Label1->Left(), Label2->Left()))
        items.Add(std::to_string(c));
}

void Tgradform1::Image1MouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
    if (!Form3) return;
    TColor c = Image1->Picture().Bitmap().Canvas().Pixels(X, Y);
    if (Button == mbLeft) {
        Form3->leftcolor = c;
        Label1->SetLeft(X);
        if (X != 0) TrackBar2->SetSelStart(X);
    } else if (Button == mbRight) {
        Form3->rightcolor = c;
        Label2->SetLeft(X);
        if (X != 0) TrackBar2->SetSelEnd(X);
    }
    Form3->showcfcb();
}

void Tgradform1::offsetClick(TObject* Sender) {
    auto* b = dynamic_cast<TComponent*>(Sender);
    if (!b) return;
    int* offsets[3] = {&offsetr, &offsetg, &offsetb};
    *offsets[b->Tag() / 2] += (b->Tag() & kDown) ? -2 : 2;
    stretchcolor();
}

void Tgradform1::SpeedButton4Click(TObject*) {
    for (int* o : {&offsetr, &offsetg, &offsetb})
        if (*o < 255) ++*o;
    stretchcolor();
}

void Tgradform1::SpeedButton5Click(TObject*) {
    for (int* o : {&offsetr, &offsetg, &offsetb})
        if (*o > 0) --*o;
    stretchcolor();
}

void Tgradform1::SpeedButton10Click(TObject*) {
    setcolorstretch();
    if (Form3) Form3->showgrad();
    Close();
}
