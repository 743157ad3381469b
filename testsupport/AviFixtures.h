#pragma once
// Small AVI and WAV films made in code. Each frame is one solid colour, so a decoded frame
// proves which frame it is; sound bytes follow a fixed pattern, so a read proves its range.
// The container options (index kinds, AVIX lists, wrong lengths, unpadded chunks) make the
// damaged and unusual films the reader tests need.
#include "AviAssembly.h"
#include "FilmBuilder.h"
#include "MediaTypes.h"
#include "TColor.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class FixtureCodec { Raw24, Raw8, Raw16, Raw32, Rle8, Rle4, Mjpeg };

struct FixtureAudio {
    int rate = 8000;
    int bits = 8; // 8 or 16
    int channels = 1;
    int bytesPerChunk = 0; // 0: one video frame's worth
};

struct FixtureSpec {
    FixtureCodec codec = FixtureCodec::Raw24;
    int width = 16;
    int height = 12;
    int frames = 5;
    std::uint32_t scale = 1;
    std::uint32_t rate = 15;
    std::optional<FixtureAudio> audio;
    FixtureIndex index = FixtureIndex::Idx1;
    bool secondRiff = false;                     // put the second half of the frames in an AVIX list
    std::optional<std::uint32_t> lengthInHeader; // a wrong stream length
    bool unpaddedOddChunks = false;              // write odd chunks without their pad byte
};

// The colour of frame n (distinct for n below 64, far apart for lossy codecs).
TColor FrameColour(int n);
// Byte n of a fixture's sound data.
std::uint8_t SoundByte(std::size_t n);

std::vector<std::uint8_t> MakeAvi(const FixtureSpec& spec);
std::vector<std::uint8_t> MakeWav(int rate, int bits, int channels, std::size_t bytes);
std::vector<std::uint8_t> EncodeJpeg(int width, int height, TColor colour, int quality = 90);

// Offset of the first occurrence of a four-character code (npos when absent).
std::size_t FindFourCC(const std::vector<std::uint8_t>& b, const char* id, std::size_t from = 0);
