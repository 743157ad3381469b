#pragma once
// Reading back what the writers put on disk: the file type, the JPEG's frame type and its
// quantisation tables, and the tables libjpeg makes for a quality.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& p);
bool isBmp(const std::vector<std::uint8_t>& bytes);
bool isJpeg(const std::vector<std::uint8_t>& bytes);

struct JpegFacts {
    bool progressive = false; // SOF2 rather than SOF0
    // The first three entries (zig-zag order) of tables 0 (luminance) and 1 (chrominance).
    std::array<int, 3> luma{};
    std::array<int, 3> chroma{};
};
JpegFacts jpegFacts(const std::vector<std::uint8_t>& bytes);
// What those entries are at a quality, by the standard tables scaled as libjpeg scales them.
std::array<int, 3> expectedLuma(int quality);
std::array<int, 3> expectedChroma(int quality);

// Names of the entries in a folder (temporary files left behind would show here).
std::vector<std::string> folderEntries(const std::filesystem::path& dir);

// Makes writes past `bytes` fail for this process (as a full disk does, also for root) until
// the object goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long long old_;
    void (*oldHandler_)(int);
};
