#include "imview.h"

#include "BmpCodec.h"
#include "JpegImage.h"
#include "Pbook.h"
#include "PictureLoader.h"
#include "ProgramFolder.h"
#include "TComboBox.h"
#include "TImage.h"
#include "TPageControl.h"
#include "mydialog.h"

#include <algorithm>
#include <cctype>

Tpicform1* picform1 = nullptr;

namespace {
std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return s;
}

// The extension of the file-name part, with its dot ("" when there is none).
std::string extensionOf(const std::string& name) {
    size_t slash = name.find_last_of("\\/:");
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return name.substr(dot);
}
} // namespace

Tpicform1::Tpicform1(TComponent* AOwner) : TForm(AOwner) {
    SetName("picform1");
    SetCaption("Image Browser");
    SetBounds(0, 0, 600, 450);
    OnCreate = [this](TObject*) { CenterOnScreen(); };

    Scale = new TComboBox(this, this);
    Scale->SetName("Scale");
    Scale->SetBounds(8, 8, 70, 22);
    for (const char* s : {"1:1", "1:2", "1:4", "1:8"})
        Scale->Items().Add(s);
    Scale->SetItemIndex(0);

    Image1 = new TImage(this, this);
    Image1->SetName("Image1");
    Image1->SetBounds(8, 40, 100, 100);
    Image1->SetAutoSize(true);
}

bool Tpicform1::openthefile(const std::string& name) {
    if (name.empty()) return false;
    std::string ext = upper(extensionOf(name));
    std::string path = ProgramFolder::MapPathString(name);
    TBitmap loaded;
    bool ok = true;
    try {
        TLoadedPicture picture = LoadPictureFile(path);
        if (picture.IsJpeg()) {
            picture.jpeg->SetScale(TJPEGScale(std::clamp(Scale->ItemIndex(), 0, 3)));
            loaded = picture.jpeg->Bitmap();
        } else {
            loaded = std::move(picture.bitmap);
        }
    } catch (const EInvalidGraphic&) {
        ok = false;
    }
    if (ok) {
        Image1->Picture().Assign(loaded);
        picname = name;
    } else {
        Image1->Picture().Clear();
    }
    if (ext != ".BMP" && ext != ".JPG") picname = name.substr(0, name.find('.')) + ".bmp";
    SetCaption(picname);
    return ok;
}

void Tpicform1::loadpic() {
    if (Image1->Picture().Empty()) {
        mydialog1->mbox("Not Enough Resources", "", "", "", "", 1);
        return;
    }
    Pbook1->ptbox1->Picture().Assign(Image1->Picture());
    Pbook1->pagesready = true;
    Pbook1->initpages();
    Pbook1->PageControl1->SetActivePage(Pbook1->TabSheet1);
    Pbook1->SetCaption(picname);
    if (!Pbook1->Visible()) Pbook1->Show();
}
