#include "scrntest.h"

#include "BindMethod.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TTimer.h"
#include "animcap.h"

Tscreentest1* screentest1 = nullptr;

Tscreentest1::Tscreentest1(TComponent* AOwner) : TForm(AOwner) {
    SetName("screentest1");
    SetCaption("Preview");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 320, 240);
    Image1 = new TImage(this, this);
    Image1->SetName("Image1");
    Image1->SetAlign(alClient);
    Image1->SetStretch(true);
    OnCreate = bindMethod(this, &Tscreentest1::FormCreate);
    OnClose = bindMethod(this, &Tscreentest1::FormClose);
}

void Tscreentest1::FormCreate(TObject*) {
    SetLeft(0);
    SetTop(0);
}

void Tscreentest1::FormClose(TObject*, TCloseAction&) {
    if (AnimCap1 && AnimCap1->Timer1->Enabled()) {
        AnimCap1->stopanimation->SetChecked(true);
        AnimCap1->Timer1->SetEnabled(false);
    }
}
