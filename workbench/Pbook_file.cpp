// Opening pictures into the page, the image browser, paste from and to a file, and the file
// commands of the main window's menu and tool bar.
#include "Application.h"
#include "Clipboard.h"
#include "ClipboardGuard.h"
#include "Dialogs.h"
#include "Menus.h"
#include "MessageBox.h"
#include "Pbook.h"
#include "Pbook_save.h"
#include "PictureWriters.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TComboBox.h"
#include "TImage.h"
#include "TPanel.h"
#include "TScrollBox.h"
#include "TSpeedButton.h"
#include "TStatusBar.h"
#include "Toolpal.h"
#include "imview.h"
#include "jpegop.h"
#include "rotdialog.h"
#include "textstyler.h"

namespace {

// Stand-in for the floating paste of the main window's paste unit (TPbook1::doapaste in the
// Pbook paste files): the picture already waits on the clipboard; when that unit lands, this
// call becomes Pbook1->doapaste() and the stand-in goes.
void doapastePending() {}

bool moverpreviewing() {
    return Form3->toolcode >= 101 && Form3->toolcode <= 108;
}

} // namespace

// A pixel-mover preview is ended before most commands of the tool bar.
void TPbook1::endmoverpreview() {
    if (moverpreviewing()) donepv();
}

void TPbook1::opdlg() {
    if (!OpenPictureDialog1->Execute() || OpenPictureDialog1->FileName().empty()) return;
    const std::string name = OpenPictureDialog1->FileName();
    const std::string ext = UpperExtension(name);
    if (ext == ".GIF") {
        notifygif();
        return;
    }
    if (ext != ".JPG" && ext != ".BMP" && ext != ".EMF" && ext != ".ICO" && ext != ".WMF") return;
    // The loaded picture replaces the page: a modified page is offered for saving first, as a
    // drop or the browser does.
    if (!checktosave()) return;
    if (ext == ".JPG") picform1->Scale->SetItemIndex(0);
    if (picform1->openthefile(name)) picform1->loadpic();
}

void TPbook1::Open2Click(TObject*) {
    opdlg();
}
void TPbook1::SpeedButton26Click(TObject*) {
    opdlg();
}

void TPbook1::opeImfile() {
    Screen->SetCursor(crDefault);
    if (!modified || checktosave()) {
        picform1->Show();
        Application->ProcessMessages();
    }
}

void TPbook1::BrowseImages1Click(TObject*) {
    opeImfile();
}

void TPbook1::SpeedButton55Click(TObject*) {
    endmoverpreview();
    opeImfile();
}

bool TPbook1::pfromfile() {
    if (!OpenPictureDialog1->Execute() || OpenPictureDialog1->FileName().empty()) return false;
    picform1->Scale->SetItemIndex(0);
    if (!picform1->openthefile(OpenPictureDialog1->FileName())) return false;
    if (!ClipboardGuardWrite(picform1->Image1->Picture().Bitmap(), reportNoticeNotAvailableOrEmpty))
        return false;
    pbpastetobut1->SetEnabled(true);
    return true;
}

void TPbook1::SpeedButton48Click(TObject*) {
    endmoverpreview();
    if (pfromfile()) doapastePending();
    Screen->SetCursor(crDefault);
}

// The clip goes to a file of its own. The page is not saved there, so the document keeps its
// name: taking the clip's name would aim the next save of the page at the clip file.
void TPbook1::pbpastetobut1Click(TObject*) {
    endmoverpreview();
    if (!ClipboardGuardRead(reportNoticeNotAvailableOrEmpty)) return;
    TBitmap clip;
    Clipboard()->GetBitmap(clip); // a format announced with no data fails here
    clpmap1->Picture().Assign(clip);
    pbpastetobut1->SetEnabled(true);
    SavePictureDialog1->SetFileName("*.BMP;*.JPG");
    if (!SavePictureDialog1->Execute() || SavePictureDialog1->FileName().empty()) return;
    const std::string name = SavePictureDialog1->FileName();
    try {
        switch (SaveKindFor(name)) {
        case TPictureKind::Gif:
            notifygif();
            return;
        case TPictureKind::Jpeg:
            saveclipJPG(name);
            break;
        case TPictureKind::Bmp:
            WriteBmpPicture(clpmap1->Picture().Bitmap(), ProgramFolder::MapPathString(name));
            break;
        }
    } catch (const std::exception& e) {
        reportwritefailure(e);
    }
}

void TPbook1::JpegSaveOptions1Click(TObject*) {
    jpop1->Show();
}

void TPbook1::Rotate1Click(TObject*) {
    rotateform->SetTop(ScrollBox1->Top());
    rotateform->SetLeft(Left() + 100);
    rotateform->ShowModal();
}

void TPbook1::FancyText1Click(TObject*) {
    TextMakerForm->Show();
}

void TPbook1::SpeedButton44Click(TObject*) {
    if (Form3->Left() > Screen->Width()) Form3->SetLeft(Screen->Width() - 200);
    Form3->SetTop(10);
    Form3->Show();
}

void TPbook1::copyallmenuClick(TObject*) {
    Screen->SetCursor(crHourGlass);
    try {
        getcap();
    } catch (...) {
        Screen->SetCursor(crDefault);
        throw;
    }
    Screen->SetCursor(crDefault);
}

void TPbook1::SpeedButton46Click(TObject* Sender) {
    endmoverpreview();
    copyallmenuClick(Sender);
}

void TPbook1::wirefiles() {
    SavePictureDialog1 = new TSaveDialog(this);
    SavePictureDialog1->SetName("SavePictureDialog1");
    SavePictureDialog1->SetTitle("Save Bitmap");
    SavePictureDialog1->SetFilter("Images (*.BMP,*.JPG) |*.BMP;*.JPG");
    SavePictureDialog1->SetDefaultExt("BMP");
    SavePictureDialog1->SetOptions(ofHideReadOnly | ofOverwritePrompt);
    OpenPictureDialog1 = new TOpenDialog(this);
    OpenPictureDialog1->SetName("OpenPictureDialog1");
    OpenPictureDialog1->SetFilter("(*.bmp;*.jpg,*.ico;*.emf;*.wmf)|*.bmp;*.jpg;*.ico;*.emf;*.wmf|Bitmaps "
                                  "(*.bmp)|*.bmp|Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|"
                                  "Metafiles (*.wmf)|*.wmf|JPEG (*.jpg)|*.jpg");

    auto menuitem = [this](TMenuItem* parent, int index, const char* name, const char* caption,
                           TNotifyEvent click) {
        TMenuItem* m = new TMenuItem(this);
        m->SetName(name);
        m->SetCaption(caption);
        m->OnClick = std::move(click);
        parent->Insert(index, m);
        return m;
    };
    int at = Filemenu->IndexOf(New1) + 1;
    Open2 = menuitem(Filemenu, at++, "Open2", "&Open ...", [this](TObject* s) { Open2Click(s); });
    Save2 = menuitem(Filemenu, at++, "Save2", "&Save", [this](TObject* s) { Save2Click(s); });
    SaveAs1 = menuitem(Filemenu, at++, "SaveAs1", "Save &As...", [this](TObject* s) { SaveAs1Click(s); });
    menuitem(Filemenu, at++, "N3", "-", {});
    BrowseImages1 = menuitem(Filemenu, at++, "BrowseImages1", "&Browse Images",
                             [this](TObject* s) { BrowseImages1Click(s); });
    JpegSaveOptions1 = menuitem(Filemenu, at++, "JpegSaveOptions1", "&JPEG Options",
                                [this](TObject* s) { JpegSaveOptions1Click(s); });
    copyallmenu = menuitem(Editmenu, Editmenu->Count(), "copyallmenu", "&Copy",
                           [this](TObject* s) { copyallmenuClick(s); });
    Rotate1 = menuitem(Imagemenu, Imagemenu->Count(), "Rotate1", "R&otate",
                       [this](TObject* s) { Rotate1Click(s); });
    FancyText1 = menuitem(Imagemenu, Imagemenu->Count(), "FancyText1", "3Dand R&otated Text",
                          [this](TObject* s) { FancyText1Click(s); });

    int left = 214; // right of the line-width spin
    auto toolbutton = [this, &left](const char* name, const char* caption, const char* hint,
                                    TNotifyEvent click) {
        TSpeedButton* b = new TSpeedButton(this, Panel3);
        b->SetName(name);
        b->SetBounds(left, 3, 48, 24);
        left += 50;
        b->SetCaption(caption);
        b->SetHint(hint);
        b->SetShowHint(true);
        b->SetFlat(true);
        b->OnClick = std::move(click);
        return b;
    };
    SpeedButton26 = toolbutton("SpeedButton26", "Open", "Open Image using folder dialog",
                               [this](TObject* s) { SpeedButton26Click(s); });
    SpeedButton42 =
        toolbutton("SpeedButton42", "Save", "Save -  bitmap", [this](TObject* s) { SpeedButton42Click(s); });
    SpeedButton43 =
        toolbutton("SpeedButton43", "Save As", "Save As", [this](TObject* s) { SpeedButton43Click(s); });
    SpeedButton55 =
        toolbutton("SpeedButton55", "Browse", "Browse Images", [this](TObject* s) { SpeedButton55Click(s); });
    SpeedButton48 = toolbutton("SpeedButton48", "From file", "Paste from file",
                               [this](TObject* s) { SpeedButton48Click(s); });
    pbpastetobut1 = toolbutton("pbpastetobut1", "To file", "Paste to file",
                               [this](TObject* s) { pbpastetobut1Click(s); });
    pbpastetobut1->SetEnabled(false); // until a clip goes to the clipboard
    SpeedButton46 = toolbutton("SpeedButton46", "Copy", "Copy entire page to clipboard",
                               [this](TObject* s) { SpeedButton46Click(s); });
    SpeedButton44 = toolbutton("SpeedButton44", "Palette", "Load tool palette",
                               [this](TObject* s) { SpeedButton44Click(s); });

    StatusBar1->OnResize = [this](TObject* s) { StatusBar1Resize(s); };
}
