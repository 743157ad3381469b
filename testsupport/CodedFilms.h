#pragma once
// Films with compressed video or sound, encoded in code through libavcodec, with what a
// reference decode through libavcodec's own API makes of them.
#include "MediaTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CodedVideo {
    std::string encoder;  // libavcodec's name: "mpeg4", "libx264", "mjpeg"
    FOURCC fourcc = 0;    // the AVI compression code
    int pixelFormat = -1; // an AVPixelFormat; -1: the encoder's first
    int width = 64;
    int height = 48;
    int frames = 30;
    int bFrames = 0;
    int gop = 12;
};

struct CodedSound {
    std::string encoder; // "adpcm_ima_wav", "adpcm_ms", "libmp3lame", "pcm_alaw"
    int rate = 22050;
    int channels = 1;
    double seconds = 1.0;
};

struct CodedFilm {
    std::vector<std::uint8_t> avi;
    // Reference frames in display order, each as packed 24-bit rows, bottom row first, rows
    // padded to 4 bytes (the layout the frame decompressor gives).
    std::vector<std::vector<std::uint8_t>> frames;
    std::vector<std::uint8_t> sound; // the sound stream's bytes as stored
    std::vector<std::uint8_t> pcm;   // their reference decode, 16-bit interleaved
    WAVEFORMATEX soundFormat;
};

// Whether libavcodec here has the encoder.
bool HaveEncoder(const std::string& name);

// A film of moving stripes and gradients (and a swept tone for the sound); video only, sound
// only (with a still 8 x 8 video stream of one frame a second beside it), or both.
CodedFilm MakeCodedFilm(const std::optional<CodedVideo>& video, const std::optional<CodedSound>& sound);
