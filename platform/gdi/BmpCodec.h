#pragma once
#include "FileIO.h" // EStreamError, ReadWholeFile, WriteWholeFile
#include "TBitmap.h"

#include <cstdint>
#include <iosfwd>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// A picture whose bytes are not a picture this layer can read. what() is the text the user
// sees ("Bitmap image is not valid", "JPEG error #..."); Reason() says what exactly was wrong.
class EInvalidGraphic : public std::runtime_error {
public:
    explicit EInvalidGraphic(const std::string& message, std::string reason = {})
        : std::runtime_error(message), reason_(std::move(reason)) {}
    const std::string& Reason() const { return reason_; }

private:
    std::string reason_;
};

// Files, and a whole file held in memory, read as the platform's bitmap loader reads them:
// 1, 4, 8, 16, 24 and 32 bits a pixel; uncompressed, RLE8, RLE4 and bit-field data; bottom-up
// and top-down rows; Windows headers (40, 52, 56, 108, 124 bytes), OS/2 core (12) and OS/2 2.x
// headers. 1, 4 and 8-bit files give palette bitmaps of that format with the file's colours
// (the table padded with black to 2, 16 or 256 entries); 32-bit files give pf32bit; the others
// pf24bit. Anything malformed throws EInvalidGraphic before any large allocation.
TBitmap ReadBmp(std::span<const std::uint8_t> file);
TBitmap ReadBmp(std::istream& in); // reads the stream to its end
TBitmap ReadBmpFile(const std::string& fileName);

// The same, replacing the caller's bitmap only when the whole file was read; on any error the
// bitmap keeps its pixels, format and palette.
void LoadBmpFromFile(TBitmap& bmp, const std::string& fileName);
void LoadBmpFromStream(TBitmap& bmp, std::span<const std::uint8_t> file);

// Writing: pf1bit, pf4bit and pf8bit at their depth with their palette, pf32bit as 32-bit,
// every other format as 24-bit; uncompressed, bottom-up, 40-byte header. A failed write throws
// EStreamError. SaveBmpToFile replaces the file through the safe writer (FileIO.h).
std::vector<std::uint8_t> WriteBmp(const TBitmap& bmp);
void SaveBmpToStream(const TBitmap& bmp, std::ostream& out);
void SaveBmpToFile(const TBitmap& bmp, const std::string& fileName);

// Shared by the picture readers and writers.
// The largest picture any reader will allocate: 32768 a side and 1 GiB of pixel memory.
constexpr long long kMaxPictureSide = 32768;
constexpr long long kMaxPicturePixels = 1LL << 28;
bool PictureSizeAllowed(long long width, long long height); // both > 0 and within the caps
