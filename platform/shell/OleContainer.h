#pragma once
// Links to files, kept and opened as the program's link containers keep them: a container holds
// at most one link to a file, saves it to a link file and loads it back, and opens it with the
// show verb, which starts the program registered for the file (through the launcher).
//
// A link file holds our own record: the line "Orvanta link 1", then the target's absolute path
// in UTF-8, each line ended by CR LF.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

// A link that could not be made, loaded or opened.
class EOleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int ovShow = -1;

class TOleContainer {
public:
    // Links to an existing file or folder (its absolute path). A target that does not exist, or
    // whose name holds CR or LF, throws EOleError and leaves the container as it was.
    void CreateLinkToFile(const std::string& fileName, bool iconic);
    // Writes the link record through the safe writer (EStreamError when it cannot be written;
    // EOleError when there is no link to save).
    void SaveToFile(const std::string& fileName) const;
    // Reads a link record; anything else throws (EOleError, or EStreamError when unreadable) and
    // leaves the container as it was.
    void LoadFromFile(const std::string& fileName);
    void DestroyObject();
    bool HasObject() const { return !target_.empty(); }
    // Opens the link: EOleError when there is none, its target is gone or it cannot start.
    void DoVerb(int verb);

    // The linked file's absolute path ("" without a link).
    const std::string& LinkTarget() const { return target_; }

    // Kept for the callers that set them; a link to a file has nothing to show in place or to
    // copy on save.
    bool Iconic() const { return iconic_; }
    bool AllowInPlace() const { return allowInPlace_; }
    void SetAllowInPlace(bool a) { allowInPlace_ = a; }
    bool CopyOnSave() const { return copyOnSave_; }
    void SetCopyOnSave(bool c) { copyOnSave_ = c; }

private:
    std::string target_;
    bool iconic_ = false;
    bool allowInPlace_ = true;
    bool copyOnSave_ = true;
};

// The record's bytes for a target, and the target a record names (none for anything that is
// not exactly such a record).
std::string linkRecord(const std::string& target);
std::optional<std::string> parseLinkRecord(std::span<const std::uint8_t> bytes);
