#include "jpegop.h"
#include "BindMethod.h"

Tjpop1* jpop1 = nullptr;

namespace {

TLabel* makeLabel(Tjpop1* f, const char* name, int left, int top, const char* caption) {
    auto* l = new TLabel(f, f);
    l->SetName(name);
    l->SetLeft(left);
    l->SetTop(top);
    l->SetCaption(caption);
    return l;
}

} // namespace

Tjpop1::Tjpop1(TComponent* AOwner) : TForm(AOwner) {
    SetName("jpop1");
    SetCaption("Jpeg Save Options");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientWidth(392);
    SetClientHeight(168);

    Label1 = makeLabel(this, "Label1", 16, 10, "JPEG Save Options");
    TFont& title = Label1->FontRef();
    title.SetHeight(-16);
    title.Style = fsBold;
    Label1->FontChanged();

    Label2 = makeLabel(this, "Label2", 16, 44, "<-----   Smaller Files Less Quality");
    TrackBar1 = new TTrackBar(this, this);
    TrackBar1->SetName("TrackBar1");
    TrackBar1->SetBounds(16, 62, 360, 36);
    TrackBar1->SetOrientation(trHorizontal);
    TrackBar1->SetMin(10);
    TrackBar1->SetMax(100);
    TrackBar1->SetPosition(100);
    TrackBar1->SetFrequency(2);
    TrackBar1->SetTickMarks(tmBottomRight);
    Label3 = makeLabel(this, "Label3", 16, 100, "10%");
    Label4 = makeLabel(this, "Label4", 120, 100, "Better Quality Larger Files ------>");
    Label4->SetAutoSize(false);
    Label4->SetBounds(120, 100, 218, 16);
    Label4->SetAlignment(taRightJustify);
    Label5 = makeLabel(this, "Label5", 348, 100, "100%");

    BitBtn1 = new TBitBtn(this, this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetBounds(158, 128, 75, 25);
    BitBtn1->SetKind(bkOK);
    BitBtn1->SetDefault(true);
    BitBtn1->OnClick = bindMethod(this, &Tjpop1::BitBtn1Click);

    OnCreate = bindMethod(this, &Tjpop1::FormCreate);
}

void Tjpop1::FormCreate(TObject*) {
    CenterOnScreen();
}

// OK puts the window away and the quality stays on the bar. Shown modally, the button's modal
// result 1 already ends the showing; closing as well would turn it into Cancel.
void Tjpop1::BitBtn1Click(TObject*) {
    if (!Modal()) Close();
}
