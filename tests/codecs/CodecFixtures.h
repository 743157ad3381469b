#pragma once
#include "TBitmap.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// BMP files made in code, field by field, so a test can write any header, sane or not.
struct BmpSpec {
    std::uint32_t headerSize = 40; // 12 writes the OS/2 core header
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: top-down
    int bpp = 24;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    std::vector<std::uint32_t> palette;   // 0x00RRGGBB, written as the file's colour table
    std::vector<std::uint32_t> masks;     // written after a 40-byte header, or inside a larger one
    std::vector<std::uint8_t> pixels;     // the pixel data as stored in the file
    std::optional<std::uint32_t> offBits; // default: right after the colour table
};
std::vector<std::uint8_t> MakeBmp(const BmpSpec& spec);

// Pixel rows as stored in a BMP, padded to 4 bytes: each inner vector is one stored row.
std::vector<std::uint8_t> PadRows(const std::vector<std::vector<std::uint8_t>>& rows);

// A picture with smooth gradients and some edges, as a photograph-like JPEG source.
TBitmap TestPicture(int width, int height);

// A small PRNG for the fuzz tests (splitmix64), so every run mutates the same way.
struct SeededRandom {
    std::uint64_t state;
    explicit SeededRandom(std::uint64_t seed) : state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return n ? std::size_t(next() % n) : 0; }
};
// One random damage to a file: flipped bits, bytes set to extremes, a cut or an insertion.
void Mutate(std::vector<std::uint8_t>& file, SeededRandom& rnd);
// ORVANTA_FUZZ_ITERATIONS, or the given default.
int FuzzIterations(int fallback);

// How far the process's resident memory rose above where it stood while `work` ran (the
// kernel's high-water mark, reset first); -1 where the system cannot tell.
long long PeakMemoryGrowth(const std::function<void()>& work);
