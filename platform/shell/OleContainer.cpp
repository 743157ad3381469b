#include "OleContainer.h"

#include "FileIO.h"
#include "Launcher.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const std::string kHeader = "Orvanta link 1";
// Longer than any path the system accepts; a bigger file is not a link record.
constexpr std::uintmax_t kMaxRecord = 8192;

bool validTarget(const std::string& path) {
    return !path.empty() && path.front() == '/' &&
           path.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

} // namespace

std::string linkRecord(const std::string& target) {
    return kHeader + "\r\n" + target + "\r\n";
}

std::optional<std::string> parseLinkRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxRecord) return std::nullopt;
    const std::string text(bytes.begin(), bytes.end());
    const std::string head = kHeader + "\r\n";
    if (text.compare(0, head.size(), head) != 0) return std::nullopt;
    const size_t end = text.find("\r\n", head.size());
    if (end == std::string::npos || end + 2 != text.size()) return std::nullopt;
    std::string target = text.substr(head.size(), end - head.size());
    if (!validTarget(target)) return std::nullopt;
    return target;
}

void TOleContainer::CreateLinkToFile(const std::string& fileName, bool iconic) {
    if (fileName.find_first_of("\r\n") != std::string::npos)
        throw EOleError("Cannot link to a file whose name holds a line break");
    std::error_code ec;
    const fs::path path = fs::absolute(fs::path(fileName), ec);
    if (ec || !fs::exists(path, ec))
        throw EOleError("Cannot link to " + fileName + ": the file does not exist");
    target_ = path.lexically_normal().string();
    iconic_ = iconic;
}

void TOleContainer::SaveToFile(const std::string& fileName) const {
    if (!HasObject()) throw EOleError("There is no link to save");
    writeFileReplacing(fileName, linkRecord(target_));
}

void TOleContainer::LoadFromFile(const std::string& fileName) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(fileName, ec);
    if (!ec && size > kMaxRecord) throw EOleError(fileName + " is not a link file");
    const std::vector<std::uint8_t> bytes = ReadWholeFile(fileName);
    std::optional<std::string> target = parseLinkRecord(bytes);
    if (!target) throw EOleError(fileName + " is not a link file");
    target_ = *target;
    iconic_ = true;
}

void TOleContainer::DestroyObject() {
    target_.clear();
}

void TOleContainer::DoVerb(int) {
    if (!HasObject()) throw EOleError("There is no linked file to open");
    std::error_code ec;
    if (!fs::exists(fs::path(target_), ec))
        throw EOleError("The linked file " + target_ + " no longer exists");
    if (!openTarget(target_)) throw EOleError("Unable to start the program for " + target_);
}
