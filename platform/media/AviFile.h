#pragma once
#include "MediaTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TAviStream;
class TMediaFileReader;

// One chunk of a stream's data as the index (or a scan of the data lists) found it.
struct TAviChunk {
    std::uint64_t offset = 0; // file offset of the data (behind the chunk header)
    std::uint32_t size = 0;   // bytes of data actually present in the file
    bool keyFrame = true;
};

// How the chunk list of the file was found.
enum class TAviIndexKind { OpenDML, Idx1, Scan };

// A RIFF AVI file opened read-only. Parsing never trusts a size from the file: every read is
// checked against the file's real length, and no list grows faster than the bytes that hold it.
class TAviFile {
public:
    ~TAviFile();
    TAviFile(const TAviFile&) = delete;
    TAviFile& operator=(const TAviFile&) = delete;

    // Null with a readable reason in *error when the file is missing or no AVI film.
    static std::shared_ptr<TAviFile> Open(const std::string& path, std::string* error = nullptr);

    const AVIMAINHEADER& MainHeader() const { return main_; }
    int StreamCount() const { return int(streams_.size()); }
    // The index-th stream of the type (0 for any type); null when there is none.
    std::shared_ptr<TAviStream> GetStream(FOURCC type, int index = 0) const;
    TAviIndexKind IndexKind() const { return indexKind_; }
    std::uint64_t FileSize() const;

private:
    friend class TAviParser;
    TAviFile();
    std::shared_ptr<TMediaFileReader> reader_;
    AVIMAINHEADER main_;
    std::vector<std::shared_ptr<TAviStream>> streams_;
    TAviIndexKind indexKind_ = TAviIndexKind::Scan;
};

// One stream of an AVI file. Sample positions are the stream's own: the first data sample is at
// Info().dwStart. Streams with a fixed sample size (sound) address samples across chunks; others
// hold one sample a chunk (a video frame).
class TAviStream {
public:
    const AVISTREAMINFO& Info() const { return info_; }
    FOURCC Type() const { return info_.fccType; }
    std::int32_t Start() const { return std::int32_t(info_.dwStart); }
    std::int32_t Length() const { return std::int32_t(info_.dwLength); }

    // The format record: a bitmap header with its colour table for video, a wave format for sound.
    const std::vector<std::uint8_t>& Format() const { return format_; }
    int FormatSize() const { return int(format_.size()); }
    int ReadFormat(void* buffer, int* size) const; // like the platform call: *size in, bytes out
    // The format as a bitmap header / wave format (zeroed fields where the record is short).
    BITMAPINFOHEADER BitmapHeader() const;
    WAVEFORMATEX WaveFormat() const;

    // Reads up to `samples` samples from `start` into buffer. With a null buffer, *bytes receives the
    // size needed. Returns AVIERR_OK when anything was read (fewer samples at the end of the data or
    // where the file is cut short), AVIERR_NODATA outside the data, AVIERR_BUFFERTOOSMALL when not
    // even one sample fits.
    int Read(std::int32_t start, std::int32_t samples, void* buffer, std::int32_t bufferSize,
             std::int32_t* bytes, std::int32_t* samplesRead) const;

    // Milliseconds of a sample and the sample at a time, both clamped to the stream; -1 without a rate.
    std::int32_t SampleToTime(std::int32_t sample) const;
    std::int32_t TimeToSample(std::int32_t ms) const;

    const std::vector<TAviChunk>& Chunks() const { return chunks_; }
    // The chunk's bytes; false when the file cannot give them.
    bool ReadChunk(std::size_t index, std::vector<std::uint8_t>& out) const;
    bool ReadChunkInto(std::size_t index, std::uint8_t* dst, std::size_t size) const;
    // Total bytes of data (for fixed sample sizes: data samples = DataBytes() / sample size).
    std::uint64_t DataBytes() const { return chunkEnd_.empty() ? 0 : chunkEnd_.back(); }
    std::uint64_t FileSize() const;

private:
    friend class TAviParser;
    std::shared_ptr<TMediaFileReader> reader_;
    AVISTREAMINFO info_;
    std::vector<std::uint8_t> format_;
    std::vector<TAviChunk> chunks_;
    std::vector<std::uint64_t> chunkEnd_; // running byte totals, for addressing samples across chunks
    std::uint64_t superIndexOffset_ = 0;  // the stream's OpenDML index in its header list
    std::uint32_t superIndexSize_ = 0;
};
