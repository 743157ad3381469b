#pragma once
// The RIFF container shared by the film builders: encoded video frames, optional PCM chunks
// interleaved after each frame, and the index layouts the reader must understand.
#include "MediaTypes.h"

#include <cstdint>
#include <optional>
#include <vector>

enum class FixtureIndex { Idx1, Idx1Absolute, None, OpenDML };

struct AviVideoTrack {
    int width = 0;
    int height = 0;
    FOURCC handler = 0;
    std::vector<std::uint8_t> format; // the stream's strf: BITMAPINFOHEADER and colour table
    bool compressed = false;          // chunks named "00dc" rather than "00db"
    std::vector<std::vector<std::uint8_t>> frames;
};

struct AviSoundTrack {
    int rate = 8000;
    int bits = 8;
    int channels = 1;
    std::vector<std::vector<std::uint8_t>> chunks; // chunk n follows video frame n
};

struct AviLayout {
    std::uint32_t scale = 1;
    std::uint32_t rate = 15;
    FixtureIndex index = FixtureIndex::Idx1;
    bool secondRiff = false;                     // put the second half of the frames in an AVIX list
    std::optional<std::uint32_t> lengthInHeader; // a wrong stream length
    bool unpaddedOddChunks = false;              // write odd chunks without their pad byte
};

std::vector<std::uint8_t> AssembleAvi(const AviVideoTrack& video, const std::optional<AviSoundTrack>& sound,
                                      const AviLayout& layout);

// Little-endian helpers for patching fixtures.
void PutU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v);
std::uint32_t GetU32(const std::vector<std::uint8_t>& b, std::size_t at);
