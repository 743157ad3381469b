#include "MediaFileReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::shared_ptr<TMediaFileReader> TMediaFileReader::Open(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::shared_ptr<TMediaFileReader>(new TMediaFileReader(fd, std::uint64_t(st.st_size)));
}

TMediaFileReader::~TMediaFileReader() {
    ::close(fd_);
}

bool TMediaFileReader::ReadAt(std::uint64_t offset, void* dst, std::size_t n) const {
    if (!Has(offset, n)) return false;
    auto* p = static_cast<char*>(dst);
    while (n > 0) {
        ssize_t got = ::pread(fd_, p, n, off_t(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        p += got;
        n -= std::size_t(got);
        offset += std::uint64_t(got);
    }
    return true;
}

std::uint32_t TMediaFileReader::U32(std::uint64_t offset, bool* ok) const {
    std::uint8_t b[4];
    if (!ReadAt(offset, b, 4)) {
        if (ok) *ok = false;
        return 0;
    }
    if (ok) *ok = true;
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
           (std::uint32_t(b[3]) << 24);
}
