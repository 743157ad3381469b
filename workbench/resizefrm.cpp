#include "resizefrm.h"
#include "BindMethod.h"

#include "Pbook.h"
#include "TImage.h"

TResizeForm* ResizeForm = nullptr;

namespace {

struct StandardSize {
    const char* text;
    int width, height;
};

// The last item, "Custom", leaves the spins as they are.
const StandardSize standardSizes[] = {
    {"176x144  Netshow (div 16)", 176, 144}, {"320x240     VGA", 320, 240},
    {"400x400     Typical ", 400, 400},      {"468x60       Web Banner", 468, 60},
    {"640x480     VGA ", 640, 480},          {"800x600     SVGA ", 800, 600},
    {"1024x768   SVGA", 1024, 768},          {"850x1100  Desktop Pub Page", 850, 1100},
};
constexpr int customItem = 8;

// The page's size, or the spins' own values while there is no main window.
TPoint mainPageSize(const TResizeForm* f) {
    if (!Pbook1 || !Pbook1->ptbox1) return TPoint{f->SpinEdit1->Value(), f->SpinEdit2->Value()};
    const TPicture& page = Pbook1->ptbox1->Picture();
    return TPoint{page.Width(), page.Height()};
}

} // namespace

TResizeForm::TResizeForm(TComponent* AOwner)
    : TForm(AOwner), PageSize([this] { return mainPageSize(this); }) {
    SetName("ResizeForm");
    SetCaption("Resize");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetFormStyle(fsStayOnTop);
    SetClientWidth(436);
    SetClientHeight(292);

    Label1 = new TLabel3d(this, this);
    Label1->SetName("Label1");
    Label1->SetAStyle3D(Raised3d);
    Label1->SetAShadeLTSet(false);
    Label1->SetBounds(16, 14, 40, 16);
    Label1->SetCaption("Width");
    SpinEdit1 = new TSpinEdit(this, this);
    SpinEdit1->SetName("SpinEdit1");
    SpinEdit1->SetBounds(64, 10, 73, 22);
    SpinEdit1->SetMinValue(0);
    SpinEdit1->SetMaxValue(4000);

    Label2 = new TLabel3d(this, this);
    Label2->SetName("Label2");
    Label2->SetAStyle3D(Raised3d);
    Label2->SetAShadeLTSet(false);
    Label2->SetBounds(16, 46, 40, 16);
    Label2->SetCaption("Height");
    SpinEdit2 = new TSpinEdit(this, this);
    SpinEdit2->SetName("SpinEdit2");
    SpinEdit2->SetBounds(64, 42, 73, 22);
    SpinEdit2->SetMinValue(0);
    SpinEdit2->SetMaxValue(4000);

    SpeedButton1 = new TSpeedButton(this, this);
    SpeedButton1->SetName("SpeedButton1");
    SpeedButton1->SetBounds(148, 10, 48, 22);
    SpeedButton1->SetCaption("X 2");
    SpeedButton1->OnClick = bindMethod(this, &TResizeForm::SpeedButton1Click);
    SpeedButton2 = new TSpeedButton(this, this);
    SpeedButton2->SetName("SpeedButton2");
    SpeedButton2->SetBounds(148, 42, 48, 22);
    SpeedButton2->SetCaption("1 / 2");
    SpeedButton2->OnClick = bindMethod(this, &TResizeForm::SpeedButton2Click);

    RadioGroup1 = new TRadioGroup(this, this);
    RadioGroup1->SetName("RadioGroup1");
    RadioGroup1->SetBounds(208, 4, 220, 236);
    RadioGroup1->SetCaption("Standard Sizes");
    RadioGroup1->SetHint("Suggested Sizes");
    RadioGroup1->SetShowHint(true);
    for (const StandardSize& s : standardSizes)
        RadioGroup1->Items().Add(s.text);
    RadioGroup1->Items().Add("Custom");
    RadioGroup1->OnClick = bindMethod(this, &TResizeForm::RadioGroup1Click);

    RadioGroup2 = new TRadioGroup(this, this);
    RadioGroup2->SetName("RadioGroup2");
    RadioGroup2->SetBounds(8, 76, 192, 64);
    RadioGroup2->SetCaption("When reducing by half");
    RadioGroup2->Items().Add("Best Quality");
    RadioGroup2->Items().Add("Speed");
    RadioGroup2->SetItemIndex(1);

    Label3 = new TLabel(this, this);
    Label3->SetName("Label3");
    Label3->SetAutoSize(false);
    Label3->SetWordWrap(true);
    Label3->SetBounds(8, 146, 192, 48);
    Label3->SetCaption("\"Best Quality\" will not preserve transparency but will "
                       "preserve the greatest detail.");

    BitBtn1 = new TBitBtn(this, this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetBounds(252, 252, 80, 28);
    BitBtn1->SetKind(bkOK);
    BitBtn1->SetDefault(true);
    BitBtn1->SetModalResult(mrOk);
    BitBtn1->OnClick = bindMethod(this, &TResizeForm::BitBtn1Click);
    BitBtn2 = new TBitBtn(this, this);
    BitBtn2->SetName("BitBtn2");
    BitBtn2->SetBounds(344, 252, 80, 28);
    BitBtn2->SetKind(bkCancel);
    BitBtn2->SetCancel(true);
    BitBtn2->SetModalResult(mrCancel);
    BitBtn2->OnClick = bindMethod(this, &TResizeForm::BitBtn2Click);

    OnCreate = bindMethod(this, &TResizeForm::FormCreate);
    OnShow = bindMethod(this, &TResizeForm::FormShow);
}

void TResizeForm::PresetSize(int width, int height) {
    SpinEdit1->SetValue(width);
    SpinEdit2->SetValue(height);
    preset_ = true;
}

void TResizeForm::takePageSize() {
    TPoint size = PageSize ? PageSize() : TPoint{SpinEdit1->Value(), SpinEdit2->Value()};
    SpinEdit1->SetValue(size.x);
    SpinEdit2->SetValue(size.y);
}

void TResizeForm::FormCreate(TObject*) {
    CenterOnScreen();
    takePageSize();
}

void TResizeForm::FormShow(TObject*) {
    RadioGroup1->SetItemIndex(customItem);
    if (preset_)
        preset_ = false;
    else
        takePageSize();
}

void TResizeForm::RadioGroup1Click(TObject*) {
    int i = RadioGroup1->ItemIndex();
    if (i < 0 || i >= customItem) return;
    SpinEdit1->SetValue(standardSizes[i].width);
    SpinEdit2->SetValue(standardSizes[i].height);
}

void TResizeForm::SpeedButton1Click(TObject*) {
    SpinEdit1->SetValue(SpinEdit1->Value() * 2);
    SpinEdit2->SetValue(SpinEdit2->Value() * 2);
}

void TResizeForm::SpeedButton2Click(TObject*) {
    if (SpinEdit1->Value() > 0) SpinEdit1->SetValue(SpinEdit1->Value() / 2);
    if (SpinEdit2->Value() > 0) SpinEdit2->SetValue(SpinEdit2->Value() / 2);
}

void TResizeForm::BitBtn1Click(TObject*) {
    SetModalResult(mrOk);
}

void TResizeForm::BitBtn2Click(TObject*) {
    SetModalResult(mrCancel);
}
