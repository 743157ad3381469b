// The clipboard holder: one picture kept aside in `Image9` on the side bar. Page "3" of the paste
// panel and the holder's own pop-up menu put the clip there, send it back to the clipboard, make
// it the page, write it to a file or empty it; the picture can also be dragged to other windows.
#include "ClipboardGuard.h"
#include "Dialogs.h"
#include "Menus.h"
#include "MessageBox.h"
#include "Pbook.h"
#include "Pbook_save.h"
#include "PictureWriters.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TBitBtn.h"
#include "TButton.h"
#include "TImage.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "Toolpal.h"

void TPbook1::wireHolders() {
    Image9->SetPopupMenu(PopupMenu1);
    Image9->SetShowHint(true);
    Image9->SetDragMode(dmAutomatic);
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    BitBtn46->OnClick = [this](TObject* s) { BitBtn46Click(s); };
    BitBtn52->OnClick = [this](TObject* s) { BitBtn52Click(s); };
    BitBtn43->OnClick = [this](TObject* s) { BitBtn43Click(s); };
    Copy1->OnClick = [this](TObject* s) { Copy1Click(s); };
    Loadasminimage1->OnClick = [this](TObject* s) { Loadasminimage1Click(s); };
    Clear1->OnClick = [this](TObject* s) { Clear1Click(s); };
    Save1->OnClick = [this](TObject* s) { Save1Click(s); };
    ClipboardHolders1->OnClick = [this](TObject* s) { ClipboardHolders1Click(s); };
    SpeedButton49->OnClick = [this](TObject* s) { SpeedButton49Click(s); };
    dragimage1->OnDragOver = [this](TObject* s, TObject* source, int x, int y, TDragState st, bool& accept) {
        dragimage1DragOver(s, source, x, y, st, accept);
    };
}

void TPbook1::Button1Click(TObject*) {
    Image9->Picture().Assign(clpmap1->Picture());
}

// The held picture replaces the page. A changed page is offered for saving first, as File >
// Open does: initpages refreshes the undo copy from the new page, so Undo could not bring it back.
void TPbook1::loadHolderAsPage() {
    if (!checktosave()) return;
    ptbox1->Picture().Assign(Image9->Picture());
    initpages();
}

void TPbook1::BitBtn43Click(TObject*) {
    loadHolderAsPage();
}

void TPbook1::Loadasminimage1Click(TObject*) {
    loadHolderAsPage();
}

void TPbook1::Copy1Click(TObject*) {
    ClipboardGuardWrite(Image9->Picture().Bitmap(), reportNoticeNotAvailableOrEmpty);
}

void TPbook1::Clear1Click(TObject*) {
    Image9->Picture().Clear();
}

void TPbook1::BitBtn52Click(TObject*) {
    Image9->Picture().Clear();
}

// Only the holder goes to the file: the page keeps its name and its changed flag.
void TPbook1::BitBtn46Click(TObject*) {
    SavePictureDialog1->SetFileName("*.BMP;*.JPG");
    SavePictureDialog1->SetDefaultExt("BMP");
    if (!SavePictureDialog1->Execute() || SavePictureDialog1->FileName().empty()) return;
    const std::string name = SavePictureDialog1->FileName();
    savePictureApart(Image9->Picture().Bitmap(), name, [this, &name] { savebitJPG(Image9, name); });
}

// Offered under the page's name, but only the holder is written: the page keeps its caption and
// its changed flag, or closing would drop the page's changes and the next save would aim at the
// holder's file.
void TPbook1::Save1Click(TObject*) {
    SavePictureDialog1->SetFileName(Caption());
    if (!SavePictureDialog1->Execute() || SavePictureDialog1->FileName().empty()) {
        Screen->SetCursor(crDefault);
        return;
    }
    const std::string name = SavePictureDialog1->FileName();
    const TBitmap& held = Image9->Picture().Bitmap();
    try {
        switch (SaveKindFor(name)) {
        case TPictureKind::Gif:
            notifygif();
            if (MessageDlg("Save As " + name + ".bmp?", mtConfirmation, mbYesNoCancel) != mrYes) {
                Screen->SetCursor(crDefault);
                return;
            }
            WriteBmpPicture(held, ProgramFolder::MapPathString(name + ".bmp"));
            break;
        case TPictureKind::Jpeg:
            savebitJPG(Image9, name);
            break;
        case TPictureKind::Bmp:
            WriteBmpPicture(held, ProgramFolder::MapPathString(name));
            break;
        }
    } catch (const std::exception& e) {
        reportwritefailure(e);
        return;
    }
    Screen->SetCursor(crDefault);
}

void TPbook1::showHolderPage() {
    pastepanel1->Show();
    zmpanel1->Hide();
    SpeedButton13->SetDown(true);
    ppanel2->Hide();
    ppanel->Hide();
    panco1->Show();
    panelclip->Show();
}

// Unticked, the panel goes and paste-frame mode ends; a floating paste stays as last drawn.
void TPbook1::ClipboardHolders1Click(TObject*) {
    ClipboardHolders1->SetChecked(!ClipboardHolders1->Checked());
    panelclip->SetVisible(ClipboardHolders1->Checked());
    if (ClipboardHolders1->Checked()) {
        showHolderPage();
        return;
    }
    pastepanel1->Hide();
    Form3->pasteframe = false;
    hidePasteFrame();
}

void TPbook1::SpeedButton49Click(TObject*) {
    ClipboardHolders1->SetChecked(true);
    showHolderPage();
}

// Any picture may be dragged over the transfer image, but a drop there does nothing.
void TPbook1::dragimage1DragOver(TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
    Accept = dynamic_cast<TImage*>(Source) != nullptr;
}
