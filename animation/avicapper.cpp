#include "avicapper.h"

#include "AviPlay.h"
#include "TPanel.h"

TAVICAP* AVICAP = nullptr;

TAVICAP::TAVICAP(TComponent* AOwner) : TForm(AOwner) {
    SetName("AVICAP");
    SetCaption("AVI Capture");
    SetBounds(0, 0, 500, 420);
    Panel2 = new TPanel(this, this);
    Panel2->SetAlign(alClient);
    AVI = new TQuillAVIPlay(this, Panel2);
    AVI->SetAlign(alClient);
    OnCreate = [this](TObject*) { CenterOnScreen(); };
}
