#pragma once
// Reading a whole file, and the one way the programs write files.
//
// Every write replaces its target safely: the bytes go to a fresh temporary file in the
// target's folder, which is flushed, synced and then renamed over the target. A target that is
// a symbolic link is written through the link (the link stays, the file it names is replaced),
// and a replaced file keeps its permission bits. On any failure the old file is byte for byte as
// it was, the temporary file is gone and EStreamError reaches the caller. No other code opens a
// file for writing.
//
// This unit sits below gdi (its own small library, fileio), because the picture codecs write
// files too; it uses nothing but the C library.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// A file that could not be opened, created, read or written ("Cannot open file ...").
class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A whole file into memory (EStreamError when it cannot be opened or read).
std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName);

// Where a streaming writer puts its bytes; a failed write throws EStreamError.
class FileSink {
public:
    virtual ~FileSink() = default;
    virtual void write(const void* data, std::size_t count) = 0;
    void write(std::span<const std::uint8_t> bytes) { write(bytes.data(), bytes.size()); }
};

// Replaces (or creates) the file with what `produce` writes to the sink. Anything `produce`
// throws leaves the old file as it was and reaches the caller unchanged.
void WriteWholeFile(const std::string& fileName, const std::function<void(FileSink&)>& produce);

// Replaces (or creates) the file with exactly these bytes.
void writeFileReplacing(const std::string& fileName, std::span<const std::uint8_t> bytes);
void writeFileReplacing(const std::string& fileName, const std::string& bytes);

// The tests' seam: failures injected into the writer's system calls while the object lives, as
// a full disk, a read-only folder or a failing device would cause them (root ignores folder
// permissions, so a real read-only folder cannot show the fault to a test run as root).
struct WriteFaults {
    long long failWriteAfter = -1; // writes fail once this many bytes are written (-1: never)
    int writeErrno = 28;           // ENOSPC: the disk is full
    int createErrno = 0;           // creating the temporary file fails with this (EACCES, EROFS...)
    int syncErrno = 0;             // fsync fails with this
    int renameErrno = 0;           // the final rename fails with this
};
class ScopedWriteFaults {
public:
    explicit ScopedWriteFaults(const WriteFaults& faults);
    ~ScopedWriteFaults();
    ScopedWriteFaults(const ScopedWriteFaults&) = delete;
    ScopedWriteFaults& operator=(const ScopedWriteFaults&) = delete;

private:
    const WriteFaults* previous_;
    WriteFaults faults_;
};
