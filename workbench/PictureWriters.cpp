#include "PictureWriters.h"

#include "BmpCodec.h"
#include "JpegImage.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

std::string FileNamePart(const std::string& path) {
    const size_t sep = path.find_last_of("\\/:");
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string UpperExtension(const std::string& fileName) {
    const std::string name = FileNamePart(fileName);
    const size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return {};
    std::string ext = name.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return ext;
}

TPictureKind SaveKindFor(const std::string& fileName) {
    const std::string ext = UpperExtension(fileName);
    if (ext == ".GIF") return TPictureKind::Gif;
    // ".JPEG" is what the loader takes as JPEG too: BMP data under that name would not load back.
    if (ext == ".JPG" || ext == ".JPEG") return TPictureKind::Jpeg;
    return TPictureKind::Bmp;
}

std::string QuickSaveName(const std::string& caption) {
    const std::string name = FileNamePart(caption);
    const size_t dot = name.find('.');
    return (dot == std::string::npos ? std::string() : name.substr(0, dot + 1)) + "bmp";
}

namespace {

[[noreturn]] void fail(const std::string& what, const std::string& fileName, int err) {
    throw EStreamError(what + " \"" + fileName + "\". " + std::strerror(err));
}

// Removes the temporary file unless it was renamed into place.
struct TempFile {
    std::string path;
    int fd = -1;
    bool placed = false;
    ~TempFile() {
        if (fd >= 0) ::close(fd);
        if (!placed && !path.empty()) ::unlink(path.c_str());
    }
};

void openBeside(TempFile& t, const fs::path& target) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::random_device rd;
    std::mt19937_64 gen((std::uint64_t(rd()) << 32) ^ rd() ^ std::uint64_t(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        char tag[24];
        std::snprintf(tag, sizeof tag, ".%012llx.tmp",
                      static_cast<unsigned long long>(gen() & 0xFFFFFFFFFFFFull));
        const std::string candidate = (dir / ("." + target.filename().string() + tag)).string();
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            t.path = candidate;
            t.fd = fd;
            return;
        }
        if (errno != EEXIST) fail("Cannot create file", target.string(), errno);
    }
    fail("Cannot create file", target.string(), EEXIST);
}

} // namespace

void WriteFileReplacing(const std::string& fileName, std::span<const std::uint8_t> bytes) {
    const fs::path target(fileName);
    if (target.filename().empty())
        throw EStreamError("Cannot create file \"" + fileName + "\". No file name");
    TempFile t;
    openBeside(t, target);

    const std::uint8_t* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(t.fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("Stream write error", fileName, errno);
        }
        p += n;
        left -= size_t(n);
    }
    // The replaced file keeps the permissions it had.
    struct stat old {};
    if (::stat(fileName.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(t.fd, old.st_mode & 07777);
    // A full disk may show only when the data is flushed.
    if (::fsync(t.fd) != 0 && errno != EINVAL && errno != EROFS) fail("Stream write error", fileName, errno);
    const int fd = t.fd;
    t.fd = -1;
    if (::close(fd) != 0) fail("Stream write error", fileName, errno);
    if (::rename(t.path.c_str(), fileName.c_str()) != 0) fail("Cannot create file", fileName, errno);
    t.placed = true;
}

void WriteBmpPicture(const TBitmap& bmp, const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = WriteBmp(bmp);
    WriteFileReplacing(fileName, bytes);
}

std::vector<std::uint8_t> EncodeJpegPicture(const TBitmap& bmp, int quality, bool progressive) {
    TJPEGImage jpeg;
    jpeg.Assign(bmp);
    jpeg.SetCompressionQuality(quality);
    jpeg.SetProgressiveEncoding(progressive);
    jpeg.Compress();
    return jpeg.Data();
}

void WriteJpegPicture(const TBitmap& bmp, const std::string& fileName, int quality, bool progressive) {
    const std::vector<std::uint8_t> bytes = EncodeJpegPicture(bmp, quality, progressive);
    WriteFileReplacing(fileName, bytes);
}
