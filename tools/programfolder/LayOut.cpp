#include "FilmBuilder.h"
#include "ProgramFiles.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The hand-written pages, in the folder's own layout below `texts`, sorted by name.
std::vector<GeneratedFile> textFiles(const fs::path& texts) {
    std::vector<GeneratedFile> out;
    for (const auto& e : fs::recursive_directory_iterator(texts))
        if (e.is_regular_file())
            out.push_back({fs::relative(e.path(), texts).generic_string(), readFile(e.path())});
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return out;
}

} // namespace

int layOutProgramFolder(const fs::path& folder, const fs::path& texts) {
    std::vector<GeneratedFile> files = patternFiles();
    for (auto* more : {iconFiles, filmFiles})
        for (auto& f : more())
            files.push_back(std::move(f));
    for (auto& f : textFiles(texts))
        files.push_back(std::move(f));
    int written = 0;
    for (const GeneratedFile& f : files) {
        const fs::path target = folder / f.name;
        const bool exists = fs::exists(target);
        if (exists && (f.usersOwn || readFile(target) == f.bytes)) continue;
        fs::create_directories(target.parent_path());
        WriteBytes(target.string(), f.bytes);
        ++written;
    }
    return written;
}
