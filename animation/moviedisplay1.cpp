#include "moviedisplay1.h"

#include "Application.h"
#include "BindMethod.h"
#include "UIThread.h"
#include "soundfrm1.h"

TMoviedisplay* Moviedisplay = nullptr;

TMoviedisplay::TMoviedisplay(TComponent* AOwner) : TForm(AOwner) {
    SetName("Moviedisplay");
    SetCaption("Movie display");
    SetFormStyle(fsStayOnTop);
    SetBounds(0, 0, 320, 240);
    Panel1 = new TPanel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetAlign(alClient);
    Panel1->SetCaption("");
    Panel1->OnClick = bindMethod(this, &TMoviedisplay::Panel1Click);
    Panel1->OnResize = bindMethod(this, &TMoviedisplay::FormResize);
    OnPaint = bindMethod(this, &TMoviedisplay::FormPaint);
    OnResize = bindMethod(this, &TMoviedisplay::FormResize);
    OnClose = bindMethod(this, &TMoviedisplay::FormClose);
    OnCreate = [this](TObject*) { SetBounds(0, 0, Width(), Height()); };
}

// Only asks the player's progress tick to put the display in place again; the messages are
// pumped after the paint has ended, never inside it.
void TMoviedisplay::displayChanged() {
    if (Soundfrm) Soundfrm->CheckBox1->SetChecked(true);
    if (pumpPosted_) return;
    pumpPosted_ = true;
    PostToUIThread([this] {
        pumpPosted_ = false;
        Application->ProcessMessages();
    });
}

void TMoviedisplay::FormPaint(TObject*) {
    displayChanged();
}

void TMoviedisplay::FormResize(TObject*) {
    displayChanged();
}

void TMoviedisplay::Panel1Click(TObject*) {
    if (WindowState() == wsMaximized) SetWindowState(wsNormal);
}

void TMoviedisplay::FormClose(TObject*, TCloseAction&) {
    if (Soundfrm) {
        Soundfrm->MediaPlayer1->SetDisplay(nullptr);
        try {
            Soundfrm->b4Click(this);
        } catch (const EMCIDeviceError&) {
            // nothing was open to stop
        }
    }
    Application->ProcessMessages();
}
