#include "AviGetFrame.h"

#include "FrameDecoder.h"

#include <algorithm>

TGetFrame::~TGetFrame() = default;

std::unique_ptr<TGetFrame> TGetFrame::Open(std::shared_ptr<TAviStream> stream, std::string* error) {
    if (!stream || stream->Type() != streamtypeVIDEO) {
        if (error) *error = "no video stream";
        return nullptr;
    }
    // The file's size bounds what the frames may claim; the stream shares the file's reader.
    const std::int64_t maxPixels = MaxFramePixels(stream->FileSize());
    const BITMAPINFOHEADER bi = stream->BitmapHeader();
    std::unique_ptr<TFrameDecoder> dec;
    if (bi.biCompression <= BI_BITFIELDS)
        dec = MakeDibDecoder(stream->Format(), maxPixels);
    else
        dec = MakeCodecDecoder(stream->Format(), stream->Info().fccHandler, maxPixels, error);
    if (!dec) {
        if (error && error->empty()) *error = "the film's frames cannot be decompressed";
        return nullptr;
    }
    auto g = std::unique_ptr<TGetFrame>(new TGetFrame());
    g->stream_ = std::move(stream);
    g->decoder_ = std::move(dec);
    g->frame_ = std::make_unique<TDibFrame>();
    const auto& chunks = g->stream_->Chunks();
    g->allKeys_ = g->decoder_->IntraOnly();
    if (!g->allKeys_) {
        g->keys_.push_back(0);
        for (std::size_t i = 1; i < chunks.size(); ++i)
            if (chunks[i].keyFrame) g->keys_.push_back(i);
        // A scan of the data knows no key frames: count on the first one only.
        if (g->keys_.size() == chunks.size() && chunks.size() > 1) g->keys_.resize(1);
    }
    const std::int64_t length = std::uint32_t(g->stream_->Info().dwLength);
    g->limit_ = std::min<std::int64_t>(length, std::int64_t(chunks.size()));
    return g;
}

bool TGetFrame::isKey(std::size_t i) const {
    return allKeys_ || std::binary_search(keys_.begin(), keys_.end(), i);
}

std::size_t TGetFrame::keyBefore(std::size_t i) const {
    if (allKeys_) return i;
    auto it = std::upper_bound(keys_.begin(), keys_.end(), i);
    return it == keys_.begin() ? 0 : *(it - 1);
}

const BITMAPINFOHEADER* TGetFrame::GetFrame(std::int32_t pos) {
    const std::int64_t i = std::int64_t(pos) - std::int64_t(stream_->Info().dwStart);
    if (i < 0 || i >= limit_) return nullptr;
    if (i == current_) return frame_->Header();
    if (decoder_->HoldsFrames()) {
        if (!decodeHeld(i)) {
            current_ = -1;
            return nullptr;
        }
        current_ = i;
        return frame_->Header();
    }
    const auto& chunks = stream_->Chunks();
    std::size_t key = keyBefore(std::size_t(i));
    std::size_t from = key;
    if (current_ >= std::int64_t(key) && current_ < i)
        from = std::size_t(current_) + 1;
    else
        decoder_->Reset();
    current_ = -1;
    for (std::size_t j = from; j <= std::size_t(i); ++j) {
        if (chunks[j].size == 0) { // a dropped frame repeats the one before
            if (frame_->Empty() && j == std::size_t(i)) return nullptr;
            continue;
        }
        if (!allKeys_ && j != from && isKey(j)) decoder_->Reset();
        chunk_.resize(chunks[j].size);
        if (!stream_->ReadChunkInto(j, chunk_.data(), chunk_.size()) ||
            !decoder_->Decode(chunk_.data(), chunk_.size(), *frame_))
            return nullptr;
    }
    if (frame_->Empty()) return nullptr;
    current_ = i;
    return frame_->Header();
}

// The chunks go in decode order; the frames come out in display order, some chunks later, and
// the last ones only when the end of the stream is sent. Frame i is the i-th frame out since
// the key frame decoding started from (groups of pictures closed at their key frames, as
// common encoders write them). Frames before the wanted one are taken but not converted.
bool TGetFrame::decodeHeld(std::int64_t i) {
    const auto& chunks = stream_->Chunks();
    if (receiveNext_ < 0 || receiveNext_ > i || std::int64_t(keyBefore(std::size_t(i))) > receiveNext_) {
        decoder_->Reset();
        sendNext_ = keyBefore(std::size_t(i));
        receiveNext_ = std::int64_t(sendNext_);
        heldAny_ = false;
    }
    bool shown = false; // a frame was received since the last Show
    while (receiveNext_ <= i) {
        if (decoder_->Receive()) {
            shown = heldAny_ = true;
            ++receiveNext_;
            continue;
        }
        if (sendNext_ < chunks.size()) {
            const std::size_t j = sendNext_++;
            if (chunks[j].size == 0) { // a dropped frame repeats the one before
                if (heldAny_) ++receiveNext_;
                continue;
            }
            chunk_.resize(chunks[j].size);
            if (!stream_->ReadChunkInto(j, chunk_.data(), chunk_.size()) ||
                !decoder_->Send(chunk_.data(), chunk_.size())) {
                receiveNext_ = -1;
                return false;
            }
        } else if (sendNext_ == chunks.size()) {
            ++sendNext_;
            decoder_->Send(nullptr, 0);
        } else {
            break; // the decoder gave fewer frames than the stream has chunks: the last one stays
        }
    }
    if (shown && !decoder_->Show(*frame_)) {
        receiveNext_ = -1;
        return false;
    }
    return !frame_->Empty();
}

const std::uint8_t* TGetFrame::Bits(const BITMAPINFOHEADER* dib) {
    return reinterpret_cast<const std::uint8_t*>(dib) + dib->biSize + std::size_t(dib->biClrUsed) * 4;
}
