// The colour bar's colour set (sixteen lines) and the small swatch panel's file (nine lines): one
// decimal colour a line.
#include "Pbook.h"
#include "ProgramFolder.h"
#include "TPanel.h"
#include "TShape.h"
#include "TStrings.h"
#include "mydialog.h"

#include <charconv>
#include <stdexcept>
#include <vector>

namespace {
std::string colorSetPath(const std::string& fileName) {
    return ProgramFolder::MapPathString(fileName.empty() ? "bin\\pal.clrs" : fileName);
}

bool parseColor(const std::string& line, TColor& out) {
    int v = 0;
    const char* end = line.data() + line.size();
    auto [p, ec] = std::from_chars(line.data(), end, v);
    if (ec != std::errc() || p != end) return false;
    out = TColor(v);
    return true;
}

enum class ColourRead { missing, unreadable, tooShort, notNumbers, read };

// The first `count` colours of a colour file, when it has at least that many lines and each of
// them is a 32-bit decimal number.
ColourRead readColours(const std::string& path, int count, std::vector<TColor>& out) {
    if (!ProgramFolder::FileExists(path)) return ColourRead::missing;
    TStringList lines;
    try {
        lines.LoadFromFile(path);
    } catch (const std::exception&) {
        return ColourRead::unreadable;
    }
    if (lines.Count() < count) return ColourRead::tooShort;
    out.assign(size_t(count), 0);
    for (int i = 0; i < count; ++i)
        if (!parseColor(lines[i], out[size_t(i)])) return ColourRead::notNumbers;
    return ColourRead::read;
}

// Writes the colours replacing the file; a failed write leaves the old file and is reported.
void writeColours(const std::string& path, const std::vector<TColor>& colours) {
    TStringList lines;
    for (TColor c : colours)
        lines.Add(std::to_string(int(c)));
    try {
        lines.SaveToFile(path);
    } catch (const std::exception&) {
        mydialog1->mbox("Unable to write to disk", "", "", "", "", 1);
    }
}
} // namespace

void TPbook1::savecolors(const std::string& fileName) {
    writeColours(colorSetPath(fileName), std::vector<TColor>(barcolors.begin(), barcolors.end()));
}

void TPbook1::loadcolors(const std::string& fileName) {
    std::vector<TColor> read;
    // A short set, or a line that is no number, leaves the bar as it was.
    if (readColours(colorSetPath(fileName), 16, read) != ColourRead::read) return;
    std::copy(read.begin(), read.end(), barcolors.begin());
    showbarcolors();
}

void TPbook1::SpeedButton61Click(TObject*) {
    std::vector<TColor> read;
    switch (readColours(ProgramFolder::MapPathString("bin\\smpal.fle"), 9, read)) {
    case ColourRead::tooShort:
        return; // the panel stays shut
    case ColourRead::read:
        for (int k = 1; k <= 9; ++k) {
            smallSwatch(k)->BrushRef().Color = read[size_t(k - 1)];
            smallSwatch(k)->Changed();
        }
        break;
    default:
        break;
    }
    Panel6->Show();
}

void TPbook1::SpeedButton63Click(TObject*) {
    std::vector<TColor> colours;
    for (int k = 1; k <= 9; ++k)
        colours.push_back(smallSwatch(k)->Brush().Color);
    writeColours(ProgramFolder::MapPathString("bin\\smpal.fle"), colours);
    Panel6->Hide();
}
