// The colour bar's colour set: one decimal colour a line, sixteen lines.
#include "Pbook.h"
#include "ProgramFolder.h"
#include "TStrings.h"
#include "mydialog.h"

#include <charconv>
#include <stdexcept>

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
} // namespace

void TPbook1::savecolors(const std::string& fileName) {
    TStringList lines;
    for (TColor c : barcolors)
        lines.Add(std::to_string(int(c)));
    try {
        lines.SaveToFile(colorSetPath(fileName));
    } catch (const std::exception&) {
        mydialog1->mbox("Unable to write to disk", "", "", "", "", 1);
    }
}

void TPbook1::loadcolors(const std::string& fileName) {
    const std::string path = colorSetPath(fileName);
    if (!ProgramFolder::FileExists(path)) return;
    TStringList lines;
    try {
        lines.LoadFromFile(path);
    } catch (const std::exception&) {
        return;
    }
    if (lines.Count() <= 15) return;
    // A line that is not a number spoils the set: the bar keeps its colours.
    std::array<TColor, 16> read{};
    for (int i = 0; i < 16; ++i)
        if (!parseColor(lines[i], read[size_t(i)])) return;
    barcolors = read;
}
