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
#include "ToolCodes.h"
#include "Toolpal.h"
#include "imview.h"
#include "jpegop.h"
#include "rotdialog.h"
#include "stationary.h"
#include "textstyler.h"

// A pixel-mover preview is ended before most commands of the tool bar.
void TPbook1::endmoverpreview() {
    if (tools::isMover(Form3->toolcode)) donepv();
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
    if (pfromfile()) doapaste();
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
    savePictureApart(clpmap1->Picture().Bitmap(), name, [this, &name] { saveclipJPG(name); });
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

void TPbook1::SpeedButton51Click(TObject*) {
    endmoverpreview();
    station1->Show();
}

void TPbook1::SpeedButton57Click(TObject*) {
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

void TPbook1::wireFiles() {
    Open2->OnClick = [this](TObject* s) { Open2Click(s); };
    Save2->OnClick = [this](TObject* s) { Save2Click(s); };
    SaveAs1->OnClick = [this](TObject* s) { SaveAs1Click(s); };
    BrowseImages1->OnClick = [this](TObject* s) { BrowseImages1Click(s); };
    JpegSaveOptions1->OnClick = [this](TObject* s) { JpegSaveOptions1Click(s); };
    copyallmenu->OnClick = [this](TObject* s) { copyallmenuClick(s); };
    Rotate1->OnClick = [this](TObject* s) { Rotate1Click(s); };
    FancyText1->OnClick = [this](TObject* s) { FancyText1Click(s); };
    SpeedButton51->OnClick = [this](TObject* s) { SpeedButton51Click(s); };
    SpeedButton57->OnClick = [this](TObject* s) { SpeedButton57Click(s); };
    SpeedButton26->OnClick = [this](TObject* s) { SpeedButton26Click(s); };
    SpeedButton42->OnClick = [this](TObject* s) { SpeedButton42Click(s); };
    SpeedButton43->OnClick = [this](TObject* s) { SpeedButton43Click(s); };
    SpeedButton55->OnClick = [this](TObject* s) { SpeedButton55Click(s); };
    SpeedButton48->OnClick = [this](TObject* s) { SpeedButton48Click(s); };
    pbpastetobut1->OnClick = [this](TObject* s) { pbpastetobut1Click(s); };
    SpeedButton46->OnClick = [this](TObject* s) { SpeedButton46Click(s); };
    SpeedButton44->OnClick = [this](TObject* s) { SpeedButton44Click(s); };
    StatusBar1->OnResize = [this](TObject* s) { StatusBar1Resize(s); };
}
