#pragma once
#include "Geometry.h"

#include <cstdint>
#include <string>

// The records the film and sound layer exchanges with its callers, laid out as the file formats
// and the platform's multimedia calls have them (little-endian, packed where the file is).

using FOURCC = std::uint32_t;

constexpr FOURCC mmioFOURCC(char a, char b, char c, char d) {
    return FOURCC(std::uint8_t(a)) | (FOURCC(std::uint8_t(b)) << 8) | (FOURCC(std::uint8_t(c)) << 16) |
           (FOURCC(std::uint8_t(d)) << 24);
}
inline FOURCC mmioStringToFOURCC(const char* s) {
    return mmioFOURCC(s[0], s[1], s[2], s[3]);
}
std::string FourCCToString(FOURCC f);

constexpr FOURCC streamtypeVIDEO = mmioFOURCC('v', 'i', 'd', 's');
constexpr FOURCC streamtypeAUDIO = mmioFOURCC('a', 'u', 'd', 's');

// Bitmap compression codes of a device-independent bitmap.
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;

#pragma pack(push, 1)
struct BITMAPINFOHEADER {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0; // positive: rows bottom-up
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = BI_RGB;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
};

constexpr std::uint16_t WAVE_FORMAT_PCM = 1;
constexpr std::uint16_t WAVE_FORMAT_IEEE_FLOAT = 3;
constexpr std::uint16_t WAVE_FORMAT_EXTENSIBLE = 0xFFFE;

struct WAVEFORMATEX {
    std::uint16_t wFormatTag = WAVE_FORMAT_PCM;
    std::uint16_t nChannels = 1;
    std::uint32_t nSamplesPerSec = 0;
    std::uint32_t nAvgBytesPerSec = 0;
    std::uint16_t nBlockAlign = 0;
    std::uint16_t wBitsPerSample = 0;
    std::uint16_t cbSize = 0;
};
static_assert(sizeof(WAVEFORMATEX) == 18);
#pragma pack(pop)

// Bytes of one row of a device-independent bitmap (rows are padded to 4 bytes).
constexpr std::int64_t DibRowBytes(std::int64_t width, int bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

// The stream information record (the 140-byte ANSI layout).
struct AVISTREAMINFO {
    FOURCC fccType = 0;
    FOURCC fccHandler = 0;
    std::uint32_t dwFlags = 0;
    std::uint32_t dwCaps = 0;
    std::uint16_t wPriority = 0;
    std::uint16_t wLanguage = 0;
    std::uint32_t dwScale = 0;
    std::uint32_t dwRate = 0;
    std::uint32_t dwStart = 0;
    std::uint32_t dwLength = 0;
    std::uint32_t dwInitialFrames = 0;
    std::uint32_t dwSuggestedBufferSize = 0;
    std::uint32_t dwQuality = 0;
    std::uint32_t dwSampleSize = 0;
    std::int32_t rcFrameLeft = 0;
    std::int32_t rcFrameTop = 0;
    std::int32_t rcFrameRight = 0;
    std::int32_t rcFrameBottom = 0;
    std::uint32_t dwEditCount = 0;
    std::uint32_t dwFormatChangeCount = 0;
    char szName[64] = {};

    TRect rcFrame() const { return {rcFrameLeft, rcFrameTop, rcFrameRight, rcFrameBottom}; }
};
static_assert(sizeof(AVISTREAMINFO) == 140);

// The file's main header ("avih").
struct AVIMAINHEADER {
    std::uint32_t dwMicroSecPerFrame = 0;
    std::uint32_t dwMaxBytesPerSec = 0;
    std::uint32_t dwPaddingGranularity = 0;
    std::uint32_t dwFlags = 0;
    std::uint32_t dwTotalFrames = 0;
    std::uint32_t dwInitialFrames = 0;
    std::uint32_t dwStreams = 0;
    std::uint32_t dwSuggestedBufferSize = 0;
    std::uint32_t dwWidth = 0;
    std::uint32_t dwHeight = 0;
    std::uint32_t dwReserved[4] = {};
};
static_assert(sizeof(AVIMAINHEADER) == 56);

// Result codes of the film calls.
enum AviResult : int {
    AVIERR_OK = 0,
    AVIERR_BADPARAM = 1,
    AVIERR_BUFFERTOOSMALL = 2,
    AVIERR_FILEREAD = 3,
    AVIERR_NODATA = 4,
    AVIERR_BADFORMAT = 5,
};
