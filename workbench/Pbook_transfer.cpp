// The "Animation Transfer" tab: the page handed to Drag n' Save as a drag source, and any picture
// dragged onto the drop site taken back as the page.
#include "Pbook.h"
#include "TBitBtn.h"
#include "TImage.h"
#include "TPanel.h"
#include "animcap.h"
#include "animname.h"

void TPbook1::wireTransfer() {
    BitBtn44->OnClick = [this](TObject* s) { BitBtn44Click(s); };
    danbut1->OnClick = [this](TObject* s) { danbut1Click(s); };
    dragimage1->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        dragimage1MouseDown(s, b, sh, x, y);
    };
    Image1->OnDragOver = [this](TObject* s, TObject* src, int x, int y, TDragState st, bool& accept) {
        Image1DragOver(s, src, x, y, st, accept);
    };
    Image1->OnDragDrop = [this](TObject* s, TObject* src, int x, int y) { Image1DragDrop(s, src, x, y); };
}

void TPbook1::BitBtn44Click(TObject*) {
    dragimage1->Picture().Assign(ptbox1->Picture().Bitmap());
    dragimage1->Invalidate();
    danbut1->SetEnabled(true);
    Form1->Show();
}

void TPbook1::danbut1Click(TObject*) {
    AnimCap1->Show();
}

void TPbook1::dragimage1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    dragimage1->BeginDrag(true);
}

void TPbook1::Image1DragOver(TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
    Accept = dynamic_cast<TImage*>(Source) != nullptr;
}

void TPbook1::Image1DragDrop(TObject*, TObject* Source, int, int) {
    auto* source = dynamic_cast<TImage*>(Source);
    if (!source) return;
    if (!checktosave()) return;
    ptbox1->Picture().Assign(source->Picture().Bitmap());
    SetCaption("temp.bmp");
    initpages();
}
