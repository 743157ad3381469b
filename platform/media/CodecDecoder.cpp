// Compressed video frames through libavcodec, converted to 24-bit rows by libswscale.
#include "FrameDecoder.h"

#include <algorithm>
#include <cstring>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

namespace {

void quietLibraries() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

AVPixelFormat plainFormat(AVPixelFormat f, bool& fullRange) {
    fullRange = true;
    switch (f) {
    case AV_PIX_FMT_YUVJ420P:
        return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P:
        return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P:
        return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P:
        return AV_PIX_FMT_YUV440P;
    case AV_PIX_FMT_YUVJ411P:
        return AV_PIX_FMT_YUV411P;
    default:
        fullRange = false;
        return f;
    }
}

class TCodecDecoder : public TFrameDecoder {
public:
    ~TCodecDecoder() override {
        sws_freeContext(sws_);
        av_frame_free(&frame_);
        av_frame_free(&shown_);
        av_packet_free(&packet_);
        avcodec_free_context(&ctx_);
    }

    bool Init(const BITMAPINFOHEADER& bi, const std::vector<std::uint8_t>& format, FOURCC tag,
              std::int64_t maxPixels, std::string* error) {
        quietLibraries();
        const AVCodecTag* const tables[] = {avformat_get_riff_video_tags(), nullptr};
        AVCodecID id = av_codec_get_id(tables, tag);
        const AVCodec* codec = id == AV_CODEC_ID_NONE ? nullptr : avcodec_find_decoder(id);
        if (!codec) {
            if (error) *error = "no decoder for the film's compression " + FourCCToString(tag);
            return false;
        }
        const AVCodecDescriptor* desc = avcodec_descriptor_get(id);
        intraOnly_ = desc && (desc->props & AV_CODEC_PROP_INTRA_ONLY);
        width_ = bi.biWidth;
        height_ = bi.biHeight < 0 ? -bi.biHeight : bi.biHeight;
        ctx_ = avcodec_alloc_context3(codec);
        frame_ = av_frame_alloc();
        shown_ = av_frame_alloc();
        packet_ = av_packet_alloc();
        if (!ctx_ || !frame_ || !shown_ || !packet_) return false;
        ctx_->width = width_;
        ctx_->height = height_;
        ctx_->codec_tag = tag;
        ctx_->bits_per_coded_sample = bi.biBitCount;
        ctx_->thread_count = 1;
        ctx_->max_pixels = maxPixels;
        if (format.size() > bi.biSize && bi.biSize >= 40) {
            std::size_t n = format.size() - bi.biSize;
            ctx_->extradata = static_cast<std::uint8_t*>(av_mallocz(n + AV_INPUT_BUFFER_PADDING_SIZE));
            if (!ctx_->extradata) return false;
            std::memcpy(ctx_->extradata, format.data() + bi.biSize, n);
            ctx_->extradata_size = int(n);
            if (bi.biBitCount <= 8) { // the colour table goes with the first packet
                palette_.assign(AVPALETTE_SIZE, 0);
                std::memcpy(palette_.data(), format.data() + bi.biSize,
                            std::min<std::size_t>(n, AVPALETTE_SIZE));
            }
        }
        if (avcodec_open2(ctx_, codec, nullptr) < 0) {
            if (error) *error = "the film's decoder cannot start";
            return false;
        }
        return true;
    }

    bool IntraOnly() const override { return intraOnly_; }
    void Reset() override {
        avcodec_flush_buffers(ctx_);
        av_frame_unref(shown_);
        sendPalette_ = true;
        draining_ = false;
    }

    // Codecs whose every packet stands alone give their frame at once.
    bool Decode(const std::uint8_t* data, std::size_t size, TDibFrame& out) override {
        if (!Send(data, size)) return false;
        bool got = false;
        while (avcodec_receive_frame(ctx_, frame_) == 0) {
            got = convert(frame_, out) || got;
            av_frame_unref(frame_);
        }
        return got || !out.Empty(); // a frame the decoder skips shows the one before
    }

    bool HoldsFrames() const override { return !intraOnly_; }

    bool Send(const std::uint8_t* data, std::size_t size) override {
        if (!data) {
            if (draining_) return true;
            draining_ = true;
            int rc = avcodec_send_packet(ctx_, nullptr);
            return rc == 0 || rc == AVERROR_EOF;
        }
        if (draining_ || size > std::size_t(INT32_MAX) - AV_INPUT_BUFFER_PADDING_SIZE) return false;
        scratch_.resize(size + AV_INPUT_BUFFER_PADDING_SIZE);
        std::memcpy(scratch_.data(), data, size);
        std::memset(scratch_.data() + size, 0, AV_INPUT_BUFFER_PADDING_SIZE);
        av_packet_unref(packet_);
        packet_->data = scratch_.data();
        packet_->size = int(size);
        packet_->flags = AV_PKT_FLAG_KEY;
        if (sendPalette_ && !palette_.empty()) {
            std::uint8_t* side = av_packet_new_side_data(packet_, AV_PKT_DATA_PALETTE, AVPALETTE_SIZE);
            if (side) std::memcpy(side, palette_.data(), AVPALETTE_SIZE);
            sendPalette_ = false;
        }
        int rc = avcodec_send_packet(ctx_, packet_);
        av_packet_unref(packet_);
        return rc >= 0;
    }

    bool Receive() override {
        if (avcodec_receive_frame(ctx_, frame_) != 0) return false;
        av_frame_unref(shown_);
        av_frame_move_ref(shown_, frame_);
        return true;
    }

    bool Show(TDibFrame& out) override { return shown_->data[0] && convert(shown_, out); }

private:
    bool convert(const AVFrame* f, TDibFrame& out) {
        if (f->width <= 0 || f->height <= 0) return false;
        auto fmt = AVPixelFormat(f->format);
        if (fmt == AV_PIX_FMT_PAL8 && f->width == width_ && f->height == height_) {
            out.Layout(width_, height_, 8, 256);
            const auto* pal = reinterpret_cast<const std::uint32_t*>(f->data[1]);
            for (int i = 0; i < 256; ++i) {
                RGBQUAD& q = out.Colors()[i];
                q.rgbBlue = std::uint8_t(pal[i]);
                q.rgbGreen = std::uint8_t(pal[i] >> 8);
                q.rgbRed = std::uint8_t(pal[i] >> 16);
                q.rgbReserved = 0;
            }
            for (int y = 0; y < height_; ++y)
                std::memcpy(out.Row(height_ - 1 - y), f->data[0] + std::ptrdiff_t(y) * f->linesize[0],
                            std::size_t(width_));
            return true;
        }
        bool fullRange = false;
        AVPixelFormat src = plainFormat(fmt, fullRange);
        if (f->color_range == AVCOL_RANGE_JPEG) fullRange = true;
        // One context as long as the frames keep their size, format and range. (libswscale's
        // own cache compares the context's settings after the range was set on it, so it made a
        // new context at limited range for the second frame of a full-range film.)
        if (!sws_ || swsWidth_ != f->width || swsHeight_ != f->height || swsFormat_ != src ||
            swsFullRange_ != fullRange) {
            sws_freeContext(sws_);
            sws_ = sws_getContext(f->width, f->height, src, width_, height_, AV_PIX_FMT_BGR24, SWS_BICUBIC,
                                  nullptr, nullptr, nullptr);
            if (!sws_) return false;
            int* inv;
            int* tbl;
            int srcRange, dstRange, brightness, contrast, saturation;
            sws_getColorspaceDetails(sws_, &inv, &srcRange, &tbl, &dstRange, &brightness, &contrast,
                                     &saturation);
            sws_setColorspaceDetails(sws_, sws_getCoefficients(SWS_CS_DEFAULT), fullRange ? 1 : 0,
                                     sws_getCoefficients(SWS_CS_DEFAULT), 1, brightness, contrast,
                                     saturation);
            swsWidth_ = f->width;
            swsHeight_ = f->height;
            swsFormat_ = src;
            swsFullRange_ = fullRange;
        }
        out.Layout(width_, height_, 24, 0);
        // The picture comes top-down; the bitmap stores its rows bottom-up.
        std::uint8_t* dst[4] = {out.Row(height_ - 1), nullptr, nullptr, nullptr};
        int dstStride[4] = {-int(out.Stride()), 0, 0, 0};
        return sws_scale(sws_, f->data, f->linesize, 0, f->height, dst, dstStride) > 0;
    }

    AVCodecContext* ctx_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVFrame* shown_ = nullptr; // the frame received last
    AVPacket* packet_ = nullptr;
    SwsContext* sws_ = nullptr;
    int swsWidth_ = 0;
    int swsHeight_ = 0;
    AVPixelFormat swsFormat_ = AV_PIX_FMT_NONE;
    bool swsFullRange_ = false;
    std::vector<std::uint8_t> scratch_;
    std::vector<std::uint8_t> palette_;
    bool sendPalette_ = true;
    bool intraOnly_ = false;
    bool draining_ = false;
    int width_ = 0;
    int height_ = 0;
};

} // namespace

std::unique_ptr<TFrameDecoder> MakeCodecDecoder(const std::vector<std::uint8_t>& format, FOURCC handler,
                                                std::int64_t maxPixels, std::string* error) {
    if (format.size() < sizeof(BITMAPINFOHEADER)) return nullptr;
    BITMAPINFOHEADER bi;
    std::memcpy(&bi, format.data(), sizeof bi);
    int h = bi.biHeight == INT32_MIN ? 0 : (bi.biHeight < 0 ? -bi.biHeight : bi.biHeight);
    if (bi.biWidth <= 0 || h <= 0 || bi.biWidth > 32768 || h > 32768 ||
        std::int64_t(bi.biWidth) * h > maxPixels) {
        if (error) *error = "the film's frame size is unusable";
        return nullptr;
    }
    auto tryTag = [&](FOURCC tag) -> std::unique_ptr<TFrameDecoder> {
        if (tag == 0) return nullptr;
        auto d = std::make_unique<TCodecDecoder>();
        if (!d->Init(bi, format, tag, maxPixels, error)) return nullptr;
        return d;
    };
    if (auto d = tryTag(bi.biCompression)) return d;
    return tryTag(handler);
}
