// Palette messages and files dropped from the shell.
#include "Pbook.h"
#include "TImage.h"
#include "imview.h"

#include <algorithm>
#include <cctype>

HPALETTE TPbook1::GetPalette() {
    const TPicture& page = ptbox1->Picture();
    return page.Empty() ? HPALETTE{} : page.Bitmap().Palette();
}

int TPbook1::onQueryNewPalette() {
    SelectPalette(Canvas(), GetPalette(), false);
    const int changed = RealizePalette(Canvas());
    if (changed) Invalidate();
    return changed;
}

int TPbook1::onPaletteChanged(const TCustomForm* source) {
    if (source != this) {
        SelectPalette(Canvas(), GetPalette(), true);
        RealizePalette(Canvas());
        Refresh();
    }
    return 0;
}

namespace {
// The system hands a dropped name over in a buffer of this many characters, its end included.
constexpr size_t kDropNameBuffer = 260;

std::string upperExtension(const std::string& name) {
    const size_t slash = name.find_last_of("\\/:");
    const size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = name.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return ext;
}
} // namespace

int TPbook1::onDropFiles(const std::vector<std::string>& files) {
    if (files.empty()) return 0;
    const std::string& name = files.front();
    // A longer name would arrive cut short and name another file: it is left alone.
    if (name.size() >= kDropNameBuffer) return 0;
    const std::string ext = upperExtension(name);
    if (ext == ".JPG" || ext == ".BMP") {
        if (checktosave()) picform1->openthefile(name);
    }
    return 0;
}
