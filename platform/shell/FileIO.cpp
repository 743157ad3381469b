#include "FileIO.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const WriteFaults* activeFaults = nullptr;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void fail(const std::string& what, const std::string& fileName, int err) {
    throw EStreamError(what + " \"" + fileName + "\". " + std::strerror(err));
}

// The system calls, with the tests' faults injected.
int createExclusive(const std::string& path) {
    if (activeFaults && activeFaults->createErrno) {
        errno = activeFaults->createErrno;
        return -1;
    }
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

ssize_t writeSome(int fd, const void* data, std::size_t count, long long written) {
    if (activeFaults && activeFaults->failWriteAfter >= 0) {
        const long long room = activeFaults->failWriteAfter - written;
        if (room <= 0) {
            errno = activeFaults->writeErrno;
            return -1;
        }
        count = std::min<std::size_t>(count, std::size_t(room));
    }
    return ::write(fd, data, count);
}

int syncFile(int fd) {
    if (activeFaults && activeFaults->syncErrno) {
        errno = activeFaults->syncErrno;
        return -1;
    }
    return ::fsync(fd);
}

int renameFile(const std::string& from, const std::string& to) {
    if (activeFaults && activeFaults->renameErrno) {
        errno = activeFaults->renameErrno;
        return -1;
    }
    return ::rename(from.c_str(), to.c_str());
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string namePartOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a name finally stands for: symbolic links followed (also one that names a file not
// there yet, which the write then creates), so the link itself stays.
std::string throughLinks(const std::string& fileName) {
    std::string path = fileName;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string target(std::size_t(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) fail("Cannot create file", fileName, errno);
        target.resize(std::size_t(n));
        path = (target.starts_with('/') || path.find('/') == std::string::npos)
                   ? target
                   : folderOf(path) + "/" + target;
    }
    fail("Cannot create file", fileName, ELOOP);
}

class FdSink : public FileSink {
public:
    FdSink(int fd, const std::string& fileName) : fd_(fd), fileName_(fileName) {}
    void write(const void* data, std::size_t count) override {
        auto p = static_cast<const std::uint8_t*>(data);
        while (count > 0) {
            const ssize_t n = writeSome(fd_, p, count, written_);
            if (n < 0) {
                if (errno == EINTR) continue;
                fail("Stream write error", fileName_, errno);
            }
            if (n == 0) fail("Stream write error", fileName_, ENOSPC);
            p += n;
            count -= std::size_t(n);
            written_ += n;
        }
    }

private:
    int fd_;
    const std::string& fileName_;
    long long written_ = 0;
};

// The temporary file beside the target; removed unless it was renamed into place.
struct TempFile {
    std::string path;
    int fd = -1;
    bool placed = false;
    ~TempFile() {
        if (fd >= 0) ::close(fd);
        if (!placed && !path.empty()) ::unlink(path.c_str());
    }
};

void createBeside(TempFile& t, const std::string& target, const std::string& fileName) {
    std::random_device rd;
    std::mt19937_64 gen((std::uint64_t(rd()) << 32) ^ rd() ^ std::uint64_t(::getpid()));
    const std::string stem = folderOf(target) + "/." + namePartOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char tag[24];
        std::snprintf(tag, sizeof tag, ".%012llx.tmp",
                      static_cast<unsigned long long>(gen() & 0xFFFFFFFFFFFFull));
        const std::string candidate = stem + tag;
        const int fd = createExclusive(candidate);
        if (fd >= 0) {
            t.path = candidate;
            t.fd = fd;
            return;
        }
        if (errno != EEXIST) fail("Cannot create file", fileName, errno);
    }
    fail("Cannot create file", fileName, EEXIST);
}

// A device or a pipe is written in place: renaming a file over it would replace the device.
void writeInPlace(const std::string& target, const std::string& fileName,
                  const std::function<void(FileSink&)>& produce) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) fail("Cannot create file", fileName, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    FdSink sink(fd, fileName);
    produce(sink);
}

} // namespace

ScopedWriteFaults::ScopedWriteFaults(const WriteFaults& faults) : previous_(activeFaults), faults_(faults) {
    activeFaults = &faults_;
}

ScopedWriteFaults::~ScopedWriteFaults() {
    activeFaults = previous_;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& fileName) {
    FilePtr f(std::fopen(fileName.c_str(), "rb"));
    if (!f) fail("Cannot open file", fileName, errno);
    // A folder opens for reading here, and its reported size is no byte count (it can be
    // LONG_MAX): refuse it before sizing anything from it.
    struct stat st {};
    if (::fstat(::fileno(f.get()), &st) != 0) fail("Cannot open file", fileName, errno);
    if (S_ISDIR(st.st_mode)) fail("Cannot open file", fileName, EISDIR);
    std::vector<std::uint8_t> bytes;
    if (S_ISREG(st.st_mode) && st.st_size > 0) {
        bytes.resize(std::size_t(st.st_size));
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f.get()));
    }
    // Something that is not a plain file (a pipe) or grew meanwhile: read on to its end.
    std::uint8_t buf[65536];
    for (std::size_t got; (got = std::fread(buf, 1, sizeof buf, f.get())) > 0;)
        bytes.insert(bytes.end(), buf, buf + got);
    if (std::ferror(f.get())) throw EStreamError("Stream read error: \"" + fileName + "\"");
    return bytes;
}

void WriteWholeFile(const std::string& fileName, const std::function<void(FileSink&)>& produce) {
    if (fileName.empty() || fileName.back() == '/')
        throw EStreamError("Cannot create file \"" + fileName + "\". No file name");
    const std::string target = throughLinks(fileName);

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) fail("Cannot create file", fileName, EISDIR);
    if (exists && !S_ISREG(old.st_mode)) return writeInPlace(target, fileName, produce);

    TempFile t;
    createBeside(t, target, fileName);
    FdSink sink(t.fd, fileName);
    produce(sink);
    if (exists) {
        // The replaced file keeps its permission bits (and its owner, where we may set it).
        if (::fchown(t.fd, old.st_uid, old.st_gid) != 0) {
            // Not ours to give away: the file becomes ours, as any new file would.
        }
        if (::fchmod(t.fd, old.st_mode & 07777) != 0) fail("Cannot create file", fileName, errno);
    }
    // A full disk may show only when the data is flushed.
    if (syncFile(t.fd) != 0 && errno != EINVAL && errno != EROFS) fail("Stream write error", fileName, errno);
    const int fd = t.fd;
    t.fd = -1;
    if (::close(fd) != 0) fail("Stream write error", fileName, errno);
    if (renameFile(t.path, target) != 0) fail("Cannot create file", fileName, errno);
    t.placed = true;
    // The rename itself survives a crash only once the folder is synced; the file is in place
    // either way, so a folder that cannot be synced is no failure.
    const int dirFd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
}

void writeFileReplacing(const std::string& fileName, std::span<const std::uint8_t> bytes) {
    WriteWholeFile(fileName, [&](FileSink& sink) { sink.write(bytes); });
}

void writeFileReplacing(const std::string& fileName, const std::string& bytes) {
    WriteWholeFile(fileName, [&](FileSink& sink) { sink.write(bytes.data(), bytes.size()); });
}
