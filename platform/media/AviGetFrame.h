#pragma once
#include "AviFile.h"
#include "MediaTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TFrameDecoder;
class TDibFrame;

// The frame decompressor of a video stream: gives each frame as a packed device-independent
// bitmap (header, biClrUsed colour-table entries, bottom-up rows) in the default output format:
// 8 bits with a colour table for palette films, 32 bits for 32-bit films, 24 bits otherwise.
class TGetFrame {
public:
    // Null (with the reason in *error) when the stream is no video stream or its frames cannot
    // be decompressed.
    static std::unique_ptr<TGetFrame> Open(std::shared_ptr<TAviStream> stream, std::string* error = nullptr);
    ~TGetFrame();

    // The frame at the stream position, valid until the next call; null outside the stream or
    // when the frame cannot be decoded. Frames that depend on earlier ones are decoded from the
    // last key frame, or onward from the frame shown last.
    const BITMAPINFOHEADER* GetFrame(std::int32_t pos);
    // Where a packed bitmap's pixels start.
    static const std::uint8_t* Bits(const BITMAPINFOHEADER* dib);

    const TAviStream& Stream() const { return *stream_; }

private:
    TGetFrame() = default;
    bool isKey(std::size_t i) const;
    std::size_t keyBefore(std::size_t i) const;
    bool decodeHeld(std::int64_t i);

    std::shared_ptr<TAviStream> stream_;
    std::unique_ptr<TFrameDecoder> decoder_;
    std::unique_ptr<TDibFrame> frame_;
    std::vector<std::uint8_t> chunk_;
    std::vector<std::size_t> keys_; // ascending chunk numbers of the key frames
    bool allKeys_ = false;
    std::int64_t current_ = -1; // chunk whose frame is in frame_
    std::int64_t limit_ = 0;    // frames the stream has: data present and within its length
    // Decoders that hold frames back: the next chunk to send, and the frame the next frame out
    // of the decoder stands for (-1: the decoder must start again from a key frame).
    std::size_t sendNext_ = 0;
    std::int64_t receiveNext_ = -1;
    bool heldAny_ = false; // a frame came out since the decoder started again
};
