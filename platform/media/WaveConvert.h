#pragma once
#include "MediaTypes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// Turns the buffers of a compressed sound format into 16-bit PCM of the same rate and channels,
// buffer by buffer, for a waveform device that plays PCM only.
class TWaveConverter {
public:
    // Null when the format is PCM already or nothing decodes it; else *pcm is the format the
    // converted buffers have. `extra` holds the format record's cbSize bytes after its header.
    static std::unique_ptr<TWaveConverter> Make(const WAVEFORMATEX& format,
                                                std::span<const std::uint8_t> extra, WAVEFORMATEX& pcm);
    ~TWaveConverter();

    // Appends the PCM of the next bytes of the stream to out.
    void Convert(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out);
    // The stream starts again elsewhere: forget what is held from before.
    void Reset();

private:
    TWaveConverter();
    void decode(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out);
    void resample(std::vector<std::uint8_t>& out);

    struct Codec;
    std::unique_ptr<Codec> codec_;
    std::vector<std::uint8_t> pending_; // part of a block, waiting for the rest
    std::vector<std::uint8_t> scratch_;
    std::size_t blockAlign_ = 1;
    std::size_t pcmBlock_ = 2;
};
