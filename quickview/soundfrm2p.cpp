#include "soundfrm2p.h"

namespace quickview {

TSoundfrm2* Soundfrm2 = nullptr;

// The same player laid out around its play list: the display, a play button and the list.
TSoundfrm2::TSoundfrm2(TComponent* AOwner) : TSoundfrm(AOwner) {
    SetName("Soundfrm2");
    SetCaption("Playlist player");
    SetClientWidth(362);
    SetClientHeight(300);

    Labeltime->SetCaption("00:00:00 / 00:02:10");
    Labelfile->SetCaption("Play list: My songs.lst   6 titles");
    TrackBar1->SetVisible(false);
    GroupBox1->SetVisible(false);
    CheckRepeat->SetVisible(false);
    for (TSpeedButton* b : {butopen, butpause, butprev, butback, butstep, butnext})
        b->SetVisible(false);
    Panel2->SetBounds(8, 72, 346, 36);
    butplay->SetBounds(4, 4, 72, 28);
    butplay->SetCaption("Play");
    butstop->SetBounds(80, 4, 72, 28);
    butstop->SetCaption("Stop");
    ListBox1->SetBounds(8, 114, 346, 178);
    ListBox1->SetVisible(true);
    ListBox1->SetItemIndex(0);
}

} // namespace quickview
