#include "AviFile.h"

#include "AviParser.h"
#include "MediaFileReader.h"

#include <algorithm>
#include <climits>
#include <cstring>

TAviFile::TAviFile() = default;
TAviFile::~TAviFile() = default;

std::shared_ptr<TAviFile> TAviFile::Open(const std::string& path, std::string* error) {
    auto reader = TMediaFileReader::Open(path);
    if (!reader) {
        if (error) *error = "cannot open the file";
        return nullptr;
    }
    auto file = std::shared_ptr<TAviFile>(new TAviFile());
    TAviParser parser(*file, reader);
    if (!parser.Parse(error)) return nullptr;
    return file;
}

std::shared_ptr<TAviStream> TAviFile::GetStream(FOURCC type, int index) const {
    for (const auto& s : streams_)
        if (type == 0 || s->Type() == type)
            if (index-- == 0) return s;
    return nullptr;
}

std::uint64_t TAviFile::FileSize() const {
    return reader_ ? reader_->Size() : 0;
}

std::uint64_t TAviStream::FileSize() const {
    return reader_ ? reader_->Size() : 0;
}

int TAviStream::ReadFormat(void* buffer, int* size) const {
    if (!size) return AVIERR_BADPARAM;
    if (!buffer) {
        *size = FormatSize();
        return AVIERR_OK;
    }
    int n = std::min(*size, FormatSize());
    if (n > 0) std::memcpy(buffer, format_.data(), std::size_t(n));
    *size = n;
    return n < FormatSize() ? AVIERR_BUFFERTOOSMALL : AVIERR_OK;
}

BITMAPINFOHEADER TAviStream::BitmapHeader() const {
    BITMAPINFOHEADER bi;
    bi.biSize = 0;
    bi.biPlanes = 0;
    if (!format_.empty()) std::memcpy(&bi, format_.data(), std::min(format_.size(), sizeof bi));
    return bi;
}

WAVEFORMATEX TAviStream::WaveFormat() const {
    WAVEFORMATEX wf;
    wf.wFormatTag = 0;
    wf.nChannels = 0;
    if (!format_.empty()) std::memcpy(&wf, format_.data(), std::min(format_.size(), sizeof wf));
    return wf;
}

bool TAviStream::ReadChunkInto(std::size_t index, std::uint8_t* dst, std::size_t size) const {
    if (index >= chunks_.size() || size > chunks_[index].size) return false;
    return reader_->ReadAt(chunks_[index].offset, dst, size);
}

bool TAviStream::ReadChunk(std::size_t index, std::vector<std::uint8_t>& out) const {
    if (index >= chunks_.size()) return false;
    out.resize(chunks_[index].size);
    return ReadChunkInto(index, out.data(), out.size());
}

int TAviStream::Read(std::int32_t start, std::int32_t samples, void* buffer, std::int32_t bufferSize,
                     std::int32_t* bytes, std::int32_t* samplesRead) const {
    if (bytes) *bytes = 0;
    if (samplesRead) *samplesRead = 0;
    if (samples < 0 || (buffer && bufferSize < 0)) return AVIERR_BADPARAM;
    std::int64_t i = std::int64_t(start) - std::int64_t(info_.dwStart);
    if (info_.dwSampleSize == 0) {
        if (i < 0 || i >= std::int64_t(chunks_.size())) return AVIERR_NODATA;
        std::uint32_t size = chunks_[std::size_t(i)].size;
        if (bytes) *bytes = std::int32_t(std::min<std::uint32_t>(size, INT32_MAX));
        if (!buffer) {
            if (samplesRead) *samplesRead = 1;
            return AVIERR_OK;
        }
        if (std::uint32_t(bufferSize) < size) return AVIERR_BUFFERTOOSMALL;
        if (!ReadChunkInto(std::size_t(i), static_cast<std::uint8_t*>(buffer), size)) {
            if (bytes) *bytes = 0;
            return AVIERR_FILEREAD;
        }
        if (samplesRead) *samplesRead = 1;
        return AVIERR_OK;
    }

    const std::uint64_t ss = info_.dwSampleSize;
    const std::int64_t total = std::int64_t(DataBytes() / ss);
    if (i < 0 || i >= total) return AVIERR_NODATA;
    std::int64_t n = std::min<std::int64_t>(samples, total - i);
    if (buffer) n = std::min<std::int64_t>(n, std::int64_t(std::uint64_t(bufferSize) / ss));
    if (n <= 0) return samples == 0 ? AVIERR_OK : AVIERR_BUFFERTOOSMALL;
    if (!buffer) {
        if (bytes) *bytes = std::int32_t(std::min<std::uint64_t>(std::uint64_t(n) * ss, INT32_MAX));
        if (samplesRead) *samplesRead = std::int32_t(n);
        return AVIERR_OK;
    }
    std::uint64_t pos = std::uint64_t(i) * ss;
    std::uint64_t want = std::uint64_t(n) * ss;
    std::uint64_t done = 0;
    auto* out = static_cast<std::uint8_t*>(buffer);
    std::size_t c =
        std::size_t(std::upper_bound(chunkEnd_.begin(), chunkEnd_.end(), pos) - chunkEnd_.begin());
    while (done < want && c < chunks_.size()) {
        std::uint64_t chunkStart = chunkEnd_[c] - chunks_[c].size;
        std::uint64_t within = pos + done - chunkStart;
        std::uint64_t take = std::min<std::uint64_t>(chunks_[c].size - within, want - done);
        if (!reader_->ReadAt(chunks_[c].offset + within, out + done, std::size_t(take))) break;
        done += take;
        ++c;
    }
    std::int64_t got = std::int64_t(done / ss);
    if (bytes) *bytes = std::int32_t(std::uint64_t(got) * ss);
    if (samplesRead) *samplesRead = std::int32_t(got);
    return got > 0 ? AVIERR_OK : AVIERR_FILEREAD;
}

namespace {
std::int64_t clampToStream(std::int64_t v, const AVISTREAMINFO& in) {
    std::int64_t lo = in.dwStart;
    std::int64_t hi = lo + std::int64_t(in.dwLength);
    return std::max(lo, std::min(v, hi));
}
std::int32_t toInt32(__int128 v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return std::int32_t(v);
}
} // namespace

// Times are rounded up and samples down, so a frame's own time leads back to that frame.
std::int32_t TAviStream::SampleToTime(std::int32_t sample) const {
    if (info_.dwRate == 0 || info_.dwScale == 0) return -1;
    __int128 s = clampToStream(sample, info_);
    __int128 num = s * info_.dwScale * 1000;
    return toInt32((num + info_.dwRate - 1) / info_.dwRate);
}

std::int32_t TAviStream::TimeToSample(std::int32_t ms) const {
    if (info_.dwRate == 0 || info_.dwScale == 0) return -1;
    __int128 t = std::max<std::int32_t>(ms, 0);
    __int128 s = t * info_.dwRate / (__int128(info_.dwScale) * 1000);
    s = std::min<__int128>(s, INT64_MAX);
    return toInt32(clampToStream(std::int64_t(s), info_));
}
