#include "PictureFiles.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <sys/resource.h>

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool isBmp(const std::vector<std::uint8_t>& b) {
    return b.size() > 54 && b[0] == 'B' && b[1] == 'M';
}
bool isJpeg(const std::vector<std::uint8_t>& b) {
    return b.size() > 4 && b[0] == 0xFF && b[1] == 0xD8;
}

JpegFacts jpegFacts(const std::vector<std::uint8_t>& b) {
    JpegFacts f;
    size_t i = 2;
    while (i + 4 <= b.size()) {
        if (b[i] != 0xFF) throw std::runtime_error("not a marker");
        const int marker = b[i + 1];
        const size_t len = size_t(b[i + 2]) << 8 | b[i + 3];
        if (marker == 0xDA) break;
        if (marker == 0xC2) f.progressive = true;
        if (marker == 0xDB) {
            for (size_t t = i + 4; t < i + 2 + len; t += 65) {
                const int id = b[t] & 15;
                std::array<int, 3>& into = id == 0 ? f.luma : f.chroma;
                for (int k = 0; k < 3; ++k)
                    into[size_t(k)] = b[t + 1 + size_t(k)];
            }
        }
        i += 2 + len;
    }
    return f;
}

namespace {
std::array<int, 3> scaled(std::array<int, 3> base, int quality) {
    const int scale = quality < 50 ? 5000 / quality : 200 - quality * 2;
    for (int& v : base)
        v = std::clamp((v * scale + 50) / 100, 1, 255);
    return base;
}
} // namespace

std::array<int, 3> expectedLuma(int quality) {
    return scaled({16, 11, 12}, quality);
}
std::array<int, 3> expectedChroma(int quality) {
    return scaled({17, 18, 18}, quality);
}

std::vector<std::string> folderEntries(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

FileSizeLimit::FileSizeLimit(unsigned long long bytes) {
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    old_ = r.rlim_cur;
    r.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &r);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = old_;
    setrlimit(RLIMIT_FSIZE, &r);
    std::signal(SIGXFSZ, oldHandler_);
}
