#include "linklaunch1.h"

#include "Application.h"
#include "AviPlay.h"
#include "BindMethod.h"
#include "ProgramFolder.h"
#include "Screen.h"

Tlinkform* linkform = nullptr;

Tlinkform::Tlinkform(TComponent* AOwner) : TForm(AOwner) {
    SetName("linkform");
    SetCaption("Finding Link. Press OK to begin...");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientWidth(470);
    SetClientHeight(150);

    Animate1 = new TQuillAVIPlay(this, this);
    Animate1->SetName("Animate1");
    Animate1->SetAutoSize(false);
    Animate1->SetPlaySound(false);
    Animate1->SetBounds(8, 8, 48, 48);

    const char* texts[] = {
        "About to launch your default browser.",
        "If your browser is not currently active, it could take a while to load",
        "If your browser is currently active, you may need to press \"Refresh\".",
        "If you are using Communicator, you may want to launch it yourself ",
        "first, as it can sometimes take an unusually long time to load via link",
    };
    TLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    for (int i = 0; i < 5; ++i) {
        TLabel* l = new TLabel(this, this);
        l->SetName("Label" + std::to_string(i + 1));
        l->SetLeft(64);
        l->SetTop(8 + i * 18 + (i >= 3 ? 6 : 0));
        l->SetCaption(texts[i]);
        *labels[i] = l;
    }
    Label1->FontRef().Style = fsBold;
    Label1->FontChanged();

    BitBtn1 = new TBitBtn(this, this);
    BitBtn1->SetName("BitBtn1");
    BitBtn1->SetBounds(64, 116, 140, 25);
    BitBtn1->SetCaption("Press OK to begin");
    BitBtn1->SetModalResult(1);
    BitBtn1->SetDefault(true);
    BitBtn1->OnClick = bindMethod(this, &Tlinkform::BitBtn1Click);

    Button1 = new TButton(this, this);
    Button1->SetName("Button1");
    Button1->SetBounds(216, 116, 75, 25);
    Button1->SetCaption("Cancel");
    Button1->SetModalResult(2);
    Button1->SetCancel(true);
    Button1->OnClick = bindMethod(this, &Tlinkform::Button1Click);

    OnCreate = bindMethod(this, &Tlinkform::FormCreate);
    OnShow = bindMethod(this, &Tlinkform::FormShow);
    OnClose = bindMethod(this, &Tlinkform::FormClose);
}

// Top right, out of the way of the browser that is about to open.
void Tlinkform::FormCreate(TObject*) {
    SetLeft(Screen->Width() - Width());
    SetTop(0);
}

void Tlinkform::FormShow(TObject*) {
    for (int i = 0; i < 501; ++i)
        Application->ProcessMessages();
    const std::string globe = ProgramFolder::MapPathString("bin\\globe.avi");
    if (ProgramFolder::FileExists("bin\\globe.avi")) {
        Animate1->SetFileName(globe);
        Animate1->SetActive(true);
    }
}

void Tlinkform::FormClose(TObject*, TCloseAction&) {
    Animate1->SetActive(false);
    Animate1->SetFileName("");
}

// The button's modal result ends the window.
void Tlinkform::BitBtn1Click(TObject*) {}

void Tlinkform::Button1Click(TObject*) {
    Close();
}
