// The save prompt and the page's JPEG writer.
#include "Application.h"
#include "JpegImage.h"
#include "MessageBox.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TImage.h"
#include "TTrackBar.h"
#include "jpegop.h"

namespace {
std::string fileNamePart(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
} // namespace

bool TPbook1::checktosave() {
    if (!modified) return true;
    const std::string name = fileNamePart(Caption());
    switch (MessageDlg("Save changes to " + name + "?", mtConfirmation, mbYesNoCancel)) {
    case mrYes:
        domysave();
        return true;
    case mrNo:
        return true;
    default:
        return false;
    }
}

// Save As comes with the picture files; until then the prompt's Yes goes on as a cancelled
// Save As does.
void TPbook1::domysave() {}

void TPbook1::saveJPG(const std::string& fileName) {
    Screen->SetCursor(crHourGlass);
    Application->ProcessMessages();
    try {
        TJPEGImage jpeg;
        jpeg.Assign(ptbox1->Picture().Bitmap());
        jpeg.SetCompressionQuality(jpop1->TrackBar1->Position());
        jpeg.SetProgressiveEncoding(true);
        jpeg.Compress();
        jpeg.SaveToFile(ProgramFolder::MapPathString(fileName));
    } catch (...) {
        Screen->SetCursor(crDefault);
        throw;
    }
    Screen->SetCursor(crDefault);
}
