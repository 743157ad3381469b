// The "Zoom" tab's frame camera: a box laid over the zoom view, moved by its bars and spins, whose
// contents are written as numbered frame files or copied to the clipboard.
#include "Blit.h"
#include "ClipboardGuard.h"
#include "Menus.h"
#include "Pbook.h"
#include "PictureWriters.h"
#include "TBitBtn.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "Zoompic.h"
#include "capbox.h"
#include "dirpathdlg.h"

#include <algorithm>

void TPbook1::wireZoomPage() {
    BitBtn27->OnClick = [this](TObject* s) { BitBtn27Click(s); };
    BitBtn33->OnClick = [this](TObject* s) { BitBtn33Click(s); };
    BitBtn39->OnClick = [this](TObject* s) { BitBtn39Click(s); };
    zbrowsebut1->OnClick = [this](TObject* s) { zbrowsebut1Click(s); };
    zcambut1->OnClick = [this](TObject* s) { zcambut1Click(s); };
    zclipbut1->OnClick = [this](TObject* s) { zclipbut1Click(s); };
    zrtop->OnClick = [this](TObject* s) { zrtopClick(s); };
    zrleft->OnClick = [this](TObject* s) { zrleftClick(s); };
    zrbot->OnClick = [this](TObject* s) { zrbotClick(s); };
    zrright->OnClick = [this](TObject* s) { zrrightClick(s); };
    spbox1->OnChange = [this](TObject* s) { spbox1Change(s); };
    spbox2->OnChange = [this](TObject* s) { spbox2Change(s); };
    SpinEdit5->OnChange = [this](TObject* s) { SpinEdit5Change(s); };
    SpinEdit6->OnChange = [this](TObject* s) { SpinEdit6Change(s); };
    zsnum->OnChange = [this](TObject* s) { zsnumChange(s); };
    BitBtn56->OnClick = [this](TObject* s) { BitBtn56Click(s); };
    BitBtn57->OnClick = [this](TObject* s) { BitBtn57Click(s); };
    SpeedButton17->OnClick = [this](TObject* s) { SpeedButton17Click(s); };
    CaptureBox1->OnClick = [this](TObject* s) { CaptureBox1Click(s); };
}

void TPbook1::zposbox(bool fromspins) {
    const int W = zm1->Bitmap().Width(), H = zm1->Bitmap().Height();
    const int bw = SpinEdit5->Value(), bh = SpinEdit6->Value();
    int x = 0, y = 0;
    if (fromspins) {
        x = spbox1->Value();
        y = spbox2->Value();
    } else {
        x = std::max((W - bw) / 2, 0);
        y = std::max((H - bh) / 2, 0);
    }
    // Nothing else holds the box: it may reach past the picture at the right and bottom.
    if (W < bw) x = 0;
    if (H < bh) y = 0;

    zrtop->SetWidth(bw + zrleft->Width() + zrright->Width());
    zrbot->SetWidth(zrtop->Width());
    zrright->SetHeight(bh);
    zrleft->SetHeight(zrright->Height());
    zrtop->SetLeft(x - zrleft->Width());
    zrbot->SetLeft(zrtop->Left());
    zrleft->SetLeft(x - zrleft->Width());
    zrright->SetLeft(x + bw);
    zrtop->SetTop(y - zrtop->Height());
    zrbot->SetTop(zrtop->Top() + zrtop->Height() + zrleft->Height());
    zrleft->SetTop(zrtop->Top() + zrtop->Height());
    zrright->SetTop(zrleft->Top());

    spbox1->SetValue(x);
    spbox2->SetValue(y);
}

void TPbook1::zsizebox() {
    zposbox(true);
}

std::string TPbook1::getzmname() {
    const int n = zspin1->Value();
    zspin1->SetValue(n + 1);
    return frameFileName(zlabel1->Caption() + zedit1->Text(), n);
}

TBitmap TPbook1::zoomboxrender() {
    const TBitmap& view = zm1->Bitmap();
    const int x = zrtop->Left() + zrleft->Width(), y = zrtop->Top() + zrtop->Height();
    TBitmap box(SpinEdit5->Value(), SpinEdit6->Value());
    // The box's part of a page-sized work bitmap over which the visible rectangle, from one
    // column left of the view, is stretched; what lies outside that bitmap stays white.
    box.Canvas().StretchMode = BLACKONWHITE;
    StretchBitmap(box.Canvas(), -x, -y, view.Width(), view.Height(), view, zm1->visleft() - 1, zm1->vistop(),
                  zm1->visright() - zm1->visleft(), zm1->visbottom() - zm1->vistop(), SRCCOPY);
    return box;
}

void TPbook1::snapit() {
    const TBitmap box = zoomboxrender();
    WriteBmpPicture(box, getzmname());
}

void TPbook1::zcambut1Click(TObject*) {
    snapit();
}

void TPbook1::zclipbut1Click(TObject*) {
    const TBitmap box = zoomboxrender();
    ClipboardGuardWrite(box, reportNoticeNotAvailableOrEmpty);
}

void TPbook1::zbrowsebut1Click(TObject*) {
    // The close box leaves the folder the dialog showed in Label1: only OK chooses.
    const bool chosen = folderdlg1->ShowModal() == mrOk;
    std::string folder = folderdlg1->Label1->Caption();
    if (!chosen || folder.empty()) return;
    const std::string prefix = ChosenFramePrefix(*folderdlg1->Edit1);
    if (folder.back() != '/' && (prefix.empty() || prefix.front() != '/')) folder += "/";
    zlabel1->SetCaption(folder);
    zedit1->SetText(prefix);
    zcambut1->SetEnabled(true);
}

void TPbook1::BitBtn27Click(TObject*) {
    SpinEdit5->SetValue(176);
    SpinEdit6->SetValue(144);
    zposbox(false);
}

void TPbook1::BitBtn33Click(TObject*) {
    SpinEdit5->SetValue(352);
    SpinEdit6->SetValue(288);
    zposbox(false);
}

void TPbook1::BitBtn39Click(TObject*) {
    SpinEdit5->SetValue(zm1->Bitmap().Width());
    SpinEdit6->SetValue(zm1->Bitmap().Height());
    zposbox(false);
}

void TPbook1::zrtopClick(TObject*) {
    spbox2->SetValue(spbox2->Value() - zsnum->Value());
    zposbox(true);
}

void TPbook1::zrbotClick(TObject*) {
    spbox2->SetValue(spbox2->Value() + zsnum->Value());
    zposbox(true);
}

void TPbook1::zrleftClick(TObject*) {
    spbox1->SetValue(spbox1->Value() - zsnum->Value());
    zposbox(true);
}

void TPbook1::zrrightClick(TObject*) {
    spbox1->SetValue(spbox1->Value() + zsnum->Value());
    zposbox(true);
}

void TPbook1::spbox1Change(TObject*) {
    zposbox(true);
}

void TPbook1::spbox2Change(TObject*) {
    zposbox(true);
}

void TPbook1::SpinEdit5Change(TObject*) {
    zsizebox();
}

void TPbook1::SpinEdit6Change(TObject*) {
    zsizebox();
}

void TPbook1::zsnumChange(TObject*) {
    const int step = zsnum->Value();
    for (TSpinEdit* e : {zm1spin, spinedit1, SpinEdit2, SpinEdit4, spbox1, spbox2})
        e->SetIncrement(step);
}

void TPbook1::hideCaptureBox() {
    capbox->Hide();
}

void TPbook1::SpeedButton17Click(TObject*) {
    cappos1->Show();
}

void TPbook1::CaptureBox1Click(TObject*) {
    cappos1->Show();
}

void TPbook1::raiseZoomBox() {
    for (TSpeedButton* b : {zrtop, zrbot, zrleft, zrright})
        b->BringToFront();
}

void TPbook1::BitBtn56Click(TObject*) {
    for (TSpeedButton* b : {zrtop, zrbot, zrleft, zrright})
        b->Show();
    raiseZoomBox();
    zoomtoolrow->Show();
    Panel2->Hide();
    Panel12->Hide();
    zposbox(false);
}

void TPbook1::BitBtn57Click(TObject*) {
    for (TSpeedButton* b : {zrtop, zrbot, zrleft, zrright})
        b->Hide();
    zoomtoolrow->Hide();
    Panel2->Show();
    Panel12->Show();
}
