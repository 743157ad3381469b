// Writing the page, the clip and image-control pictures; the save prompt, Save As and quick save.
#include "Pbook_save.h"
#include "Application.h"
#include "BmpCodec.h"
#include "Dialogs.h"
#include "MessageBox.h"
#include "Pbook.h"
#include "PictureWriters.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TImage.h"
#include "TStatusBar.h"
#include "TTrackBar.h"
#include "jpegop.h"

namespace {

// The hourglass for the length of a write, also when it throws.
struct HourGlass {
    HourGlass() {
        Screen->SetCursor(crHourGlass);
        Application->ProcessMessages();
    }
    ~HourGlass() { Screen->SetCursor(crDefault); }
};

// Every JPEG of a picture on screen is written progressively.
constexpr bool kProgressive = true;
// The clip goes to a file at the JPEG object's own default quality, not the options dialog's.
constexpr int kClipQuality = 90;

} // namespace

// The writers take names as the program writes them ("C:\pics\a.jpg" or its own "\"-names).
void TPbook1::saveJPG(const std::string& fileName) {
    HourGlass busy; // messages were pumped: the page is read only now
    WriteJpegPicture(ptbox1->Picture().Bitmap(), ProgramFolder::MapPathString(fileName),
                     jpop1->TrackBar1->Position(), kProgressive);
}

void TPbook1::savebitJPG(TImage* image, const std::string& fileName) {
    HourGlass busy;
    WriteJpegPicture(image->Picture().Bitmap(), ProgramFolder::MapPathString(fileName),
                     jpop1->TrackBar1->Position(), kProgressive);
}

void TPbook1::saveclipJPG(const std::string& fileName) {
    HourGlass busy;
    WriteJpegPicture(clpmap1->Picture().Bitmap(), ProgramFolder::MapPathString(fileName), kClipQuality,
                     kProgressive);
}

void TPbook1::savepagebmp(const std::string& fileName) {
    WriteBmpPicture(ptbox1->Picture().Bitmap(), ProgramFolder::MapPathString(fileName));
}

void TPbook1::notifygif() {
    MessageBox("Gif utilities available at our website", "Error", MB_OK);
}

void reportwritefailure(const std::exception& e) {
    Screen->SetCursor(crDefault);
    if (dynamic_cast<const EStreamError*>(&e))
        MessageBox("Unable to write to disk", "Error", MB_OK | MB_ICONERROR);
    else
        Application->HandleException(e);
}

void TPbook1::savePictureApart(const TBitmap& bmp, const std::string& fileName,
                               const std::function<void()>& writeJpeg) {
    try {
        switch (SaveKindFor(fileName)) {
        case TPictureKind::Gif:
            notifygif();
            return;
        case TPictureKind::Jpeg:
            writeJpeg();
            break;
        case TPictureKind::Bmp:
            WriteBmpPicture(bmp, ProgramFolder::MapPathString(fileName));
            break;
        }
    } catch (const std::exception& e) {
        reportwritefailure(e);
    }
}

bool TPbook1::dosaveas() {
    SavePictureDialog1->SetFileName(Caption());
    if (!SavePictureDialog1->Execute() || SavePictureDialog1->FileName().empty()) {
        Screen->SetCursor(crDefault);
        return false;
    }
    const std::string name = SavePictureDialog1->FileName();
    try {
        switch (SaveKindFor(name)) {
        case TPictureKind::Gif:
            notifygif();
            if (MessageDlg("Save As " + name + ".bmp?", mtConfirmation, mbYesNoCancel) != mrYes) {
                Screen->SetCursor(crDefault);
                return false;
            }
            savepagebmp(name + ".bmp");
            break;
        case TPictureKind::Jpeg:
            saveJPG(name);
            break;
        case TPictureKind::Bmp:
            savepagebmp(name);
            break;
        }
    } catch (const std::exception& e) {
        reportwritefailure(e);
        return false;
    }
    modified = false;
    SetCaption(name); // a GIF name stays as chosen, without the ".bmp" it was written under
    Screen->SetCursor(crDefault);
    return true;
}

void TPbook1::domysave() {
    dosaveas();
}

// Yes counts as "go on" only when the page really reached the disk: a cancelled Save As or a
// failed write stops the caller, which would otherwise throw the changes away.
bool TPbook1::checktosave() {
    if (!modified) return true;
    switch (MessageDlg("Save changes to " + FileNamePart(Caption()) + "?", mtConfirmation, mbYesNoCancel)) {
    case mrYes:
        return dosaveas();
    case mrNo:
        return true;
    default:
        return false;
    }
}

void TPbook1::SaveAs1Click(TObject*) {
    Application->ProcessMessages();
    domysave();
}

void TPbook1::SpeedButton43Click(TObject* Sender) {
    SaveAs1Click(Sender);
}

// The bare name lands in the process's current folder, wherever the page came from.
void TPbook1::Save2Click(TObject*) {
    const std::string name = QuickSaveName(Caption());
    try {
        WriteBmpPicture(ptbox1->Picture().Bitmap(), name);
    } catch (const std::exception& e) {
        reportwritefailure(e);
        return;
    }
    modified = false;
    MessageBox("Saved as " + name, "Saved", MB_OK);
}

void TPbook1::SpeedButton42Click(TObject* Sender) {
    Save2Click(Sender);
}

// The bar is laid out before the first page exists; a size of 0 x 0 would only mislead.
void TPbook1::StatusBar1Resize(TObject*) {
    const TPicture& page = ptbox1->Picture();
    if (page.Empty()) return;
    StatusBar1->SetSimpleText("Width:" + std::to_string(page.Width()) +
                              " Height:" + std::to_string(page.Height()));
}
