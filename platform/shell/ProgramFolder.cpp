#include "ProgramFolder.h"

#include <cctype>
#include <system_error>

namespace fs = std::filesystem;

namespace ProgramFolder {
namespace {

fs::path& overrideRoot() {
    static fs::path root;
    return root;
}

fs::path executableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) return exe.parent_path();
    return fs::current_path();
}

bool iequals(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The existing entry of `dir` whose name equals `part` whatever its case, else `part`.
std::string matchCase(const fs::path& dir, const std::string& part) {
    std::error_code ec;
    if (fs::exists(dir / part, ec)) return part;
    fs::directory_iterator it(dir, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (iequals(name, part)) return name;
    }
    return part;
}

} // namespace

fs::path Root() {
    if (!overrideRoot().empty()) return overrideRoot();
    static const fs::path exeRoot = executableFolder();
    return exeRoot;
}

void SetRoot(const fs::path& root) {
    overrideRoot() = root;
}

std::string RootWithSlash() {
    std::string s = Root().string();
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

fs::path MapPath(const std::string& name) {
    std::string s = name;
    for (char& c : s)
        if (c == '\\') c = '/';
    bool absolute = false;
    if (s.size() >= 2 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':') {
        s = s.substr(2);
        absolute = true;
    }
    if (!s.empty() && s[0] == '/') absolute = true;

    fs::path result = absolute ? fs::path("/") : Root();
    size_t i = 0;
    while (i <= s.size()) {
        size_t j = s.find('/', i);
        if (j == std::string::npos) j = s.size();
        std::string part = s.substr(i, j - i);
        i = j + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            result = result.parent_path();
            continue;
        }
        result /= matchCase(result, part);
    }
    return result;
}

std::string MapPathString(const std::string& name) {
    return MapPath(name).string();
}

bool FileExists(const std::string& name) {
    std::error_code ec;
    return fs::is_regular_file(MapPath(name), ec);
}

bool DirectoryExists(const std::string& name) {
    std::error_code ec;
    return fs::is_directory(MapPath(name), ec);
}

} // namespace ProgramFolder
