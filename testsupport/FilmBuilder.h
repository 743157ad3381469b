#pragma once
// Films and JPEG pictures made from bitmaps: the test films, the benchmark films and the
// program folder's own films are all written here.
#include "TBitmap.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

enum class FilmCoding {
    Raw,   // uncompressed: 8-bit frames with their palette, any other format as 24-bit
    Rle8,  // run-length coded 8-bit frames
    Mjpeg, // one JPEG a frame
};

struct PcmTrack {
    int rate = 11025;
    int bits = 8; // 8 (unsigned) or 16 (signed)
    int channels = 1;
    std::vector<std::uint8_t> samples; // interleaved, little-endian; split evenly over the frames
};

struct FilmSpec {
    // All of one size. Raw and Rle8 films of pf8bit frames take the first frame's palette for
    // the whole film and write each frame's indexes as they are.
    std::vector<TBitmap> frames;
    FilmCoding coding = FilmCoding::Raw;
    std::uint32_t scale = 1; // frames a second: rate / scale
    std::uint32_t rate = 15;
    std::optional<PcmTrack> sound;
    int jpegQuality = 85;
};

// The whole AVI file: one video stream, an interleaved sound stream when given, an idx1 index.
// Throws std::invalid_argument for no frames, frames of different sizes, or Rle8 of a frame
// that is not pf8bit.
std::vector<std::uint8_t> MakeFilm(const FilmSpec& spec);

// An 8-bit bitmap as BI_RLE8 data: rows bottom-up, runs and absolute stretches, each row ended
// and the picture closed.
std::vector<std::uint8_t> EncodeRle8(const TBitmap& frame);

// A baseline JPEG of the picture (any format, read through its colours).
std::vector<std::uint8_t> EncodeJpeg(const TBitmap& picture, int quality = 90);

// Any JPEG libjpeg writes, for readers' tests: another colour space, or a progressive scan
// script of the caller's (single-component scans of the first component, for hostile files).
enum class JpegColours { Rgb, Grey, Cmyk }; // Cmyk as Adobe stores it: inverted inks
struct JpegScan {
    int ss = 0, se = 0, ah = 0, al = 0;
};
struct JpegSpec {
    int width = 0;
    int height = 0;
    JpegColours colours = JpegColours::Rgb;
    int quality = 75;
    std::vector<JpegScan> scans; // the default script when empty
    // Fills row y: width samples of 3, 1 or 4 components.
    std::function<void(int y, std::uint8_t* row)> fillRow;
};
std::vector<std::uint8_t> EncodeJpeg(const JpegSpec& spec);

// A whole file written through the safe writer (throws EStreamError, a std::runtime_error).
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// One to eight random edits of a good file, as a fuzzer damages it: a byte replaced, a size-like
// word written (huge or plausible), the file cut short, a bit flipped.
void DamageFile(std::vector<std::uint8_t>& bytes, std::mt19937& rng);
