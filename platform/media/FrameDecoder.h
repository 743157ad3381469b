#pragma once
#include "MediaTypes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A packed device-independent bitmap: header, colour table and bottom-up rows in one block.
class TDibFrame {
public:
    // Lays the frame out; keeps the pixels when nothing changed, else zeroes them.
    void Layout(int width, int height, int bitCount, int clrUsed);
    bool Empty() const { return mem_.empty(); }
    BITMAPINFOHEADER* Header() { return reinterpret_cast<BITMAPINFOHEADER*>(mem_.data()); }
    RGBQUAD* Colors() { return reinterpret_cast<RGBQUAD*>(mem_.data() + sizeof(BITMAPINFOHEADER)); }
    std::uint8_t* Bits() { return mem_.data() + bitsOffset_; }
    std::uint8_t* Row(int y) { return Bits() + std::size_t(y) * std::size_t(stride_); } // y from the bottom
    std::size_t Stride() const { return stride_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitCount() const { return bitCount_; }

private:
    std::vector<std::uint8_t> mem_;
    std::size_t bitsOffset_ = 0;
    std::size_t stride_ = 0;
    int width_ = 0, height_ = 0, bitCount_ = 0, clrUsed_ = -1;
};

// Turns the chunks of one video stream into frames, each decoded onto the previous frame.
class TFrameDecoder {
public:
    virtual ~TFrameDecoder() = default;
    virtual void Reset() {}             // the next chunk is a key frame
    virtual bool IntraOnly() const = 0; // every chunk stands alone
    virtual bool Decode(const std::uint8_t* data, std::size_t size, TDibFrame& out) = 0;

    // Decoders that hold frames back (codecs with frames decoded out of their display order)
    // give their frames apart from the chunks, in display order: Send a chunk (null: the end of
    // the stream, so the held frames come out), then Receive frames until there is none; Show
    // puts the frame received last into a bitmap. Decode is not used for them.
    virtual bool HoldsFrames() const { return false; }
    virtual bool Send(const std::uint8_t*, std::size_t) { return false; }
    virtual bool Receive() { return false; }
    virtual bool Show(TDibFrame&) { return false; }
};

// The largest frames a decoder makes: 4096 x 4096 always, more only where the file is big
// enough to plausibly carry them, so a few header bytes cannot demand gigabytes.
std::int64_t MaxFramePixels(std::uint64_t fileSize);

// Decoders for the stream's format (bitmap header and what follows it in the format record).
// Null when the format is not one this decoder family handles, or is unusable.
std::unique_ptr<TFrameDecoder> MakeDibDecoder(const std::vector<std::uint8_t>& format,
                                              std::int64_t maxPixels);
std::unique_ptr<TFrameDecoder> MakeCodecDecoder(const std::vector<std::uint8_t>& format, FOURCC handler,
                                                std::int64_t maxPixels, std::string* error);
