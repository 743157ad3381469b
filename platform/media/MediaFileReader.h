#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A read-only file read at positions; every read is checked against the file's real length.
// Positioned reads need no shared file offset, so threads may read at once.
class TMediaFileReader {
public:
    static std::shared_ptr<TMediaFileReader> Open(const std::string& path);
    ~TMediaFileReader();
    TMediaFileReader(const TMediaFileReader&) = delete;
    TMediaFileReader& operator=(const TMediaFileReader&) = delete;

    std::uint64_t Size() const { return size_; }
    // True only when all n bytes at offset lie in the file and were read.
    bool ReadAt(std::uint64_t offset, void* dst, std::size_t n) const;
    bool Has(std::uint64_t offset, std::uint64_t n) const { return offset <= size_ && n <= size_ - offset; }
    std::uint32_t U32(std::uint64_t offset, bool* ok) const;

private:
    TMediaFileReader(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    int fd_;
    std::uint64_t size_;
};
