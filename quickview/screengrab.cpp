#include "screengrab.h"

#include "ScreenKit.h"

namespace quickview {

TScreengrabberfrm* Screengrabberfrm = nullptr;

namespace {
TSpinEdit* spin(TForm* f, const char* name, int value, int x, int y) {
    auto* s = new TSpinEdit(f, f);
    s->SetName(name);
    s->SetBounds(x, y, 65, 22);
    s->SetMinValue(1);
    s->SetMaxValue(9999);
    s->SetValue(value);
    return s;
}
} // namespace

TScreengrabberfrm::TScreengrabberfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Screengrabberfrm");
    SetCaption("Screen Grabber");
    SetBorderStyle(bsDialog);
    SetBounds(0, 0, 372, 262);

    RadioGroup1 =
        kit::radios(this, "RadioGroup1", "Capture",
                    {"Full screen", "Active window", "Region drawn with the mouse"}, 0, 8, 8, 196, 89);
    kit::label(this, "Label1", "Frames:", 216, 16);
    SpinFrames = spin(this, "SpinFrames", 30, 292, 12);
    kit::label(this, "Label2", "Delay (ms):", 216, 48);
    SpinDelay = spin(this, "SpinDelay", 100, 292, 44);
    CheckBox1 = kit::check(this, "CheckBox1", "Hide Velmora", 216, 78, 130, true);

    kit::label(this, "Label3", "Save frames in folder:", 8, 108);
    Edit1 = kit::edit(this, "Edit1", "C:\\Velmora\\Grabs\\", 8, 124, 260);
    kit::label(this, "Label4", "File name prefix:", 8, 154);
    Edit2 = kit::edit(this, "Edit2", "grab", 8, 170, 100);
    kit::label(this, "Label5", "grab000.bmp, grab001.bmp ...", 116, 174);

    butprepare = kit::button(this, "butprepare", "Prepare", 196, 200, 75, 25);
    butcancel = kit::button(this, "butcancel", "Cancel", 280, 200, 75, 25);

    OnCreate = bindMethod(this, &TScreengrabberfrm::FormCreate);
}

void TScreengrabberfrm::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
