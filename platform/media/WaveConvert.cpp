// Compressed sound (ADPCM, MP3, A-law, mu-law, ...) turned into 16-bit PCM through libavcodec and
// libswresample, one written buffer at a time, as the platform's wave mapper does.
#include "WaveConvert.h"

#include <algorithm>
#include <cstring>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
}

namespace {
constexpr std::size_t kMaxExtra = 4096;
} // namespace

struct TWaveConverter::Codec {
    AVCodecContext* ctx = nullptr;
    AVCodecParserContext* parser = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    SwrContext* swr = nullptr;
    AVChannelLayout outLayout{};
    int swrRate = 0;
    int swrFormat = -1;
    AVChannelLayout swrLayout{};

    ~Codec() {
        swr_free(&swr);
        av_channel_layout_uninit(&outLayout);
        av_channel_layout_uninit(&swrLayout);
        av_frame_free(&frame);
        av_packet_free(&packet);
        if (parser) av_parser_close(parser);
        avcodec_free_context(&ctx);
    }
};

TWaveConverter::TWaveConverter() = default;
TWaveConverter::~TWaveConverter() = default;

std::unique_ptr<TWaveConverter> TWaveConverter::Make(const WAVEFORMATEX& f,
                                                     std::span<const std::uint8_t> extra, WAVEFORMATEX& pcm) {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
    if (f.wFormatTag == WAVE_FORMAT_PCM || f.wFormatTag == WAVE_FORMAT_IEEE_FLOAT ||
        f.wFormatTag == WAVE_FORMAT_EXTENSIBLE)
        return nullptr;
    if (f.nChannels < 1 || f.nChannels > 8 || f.nSamplesPerSec < 1000 || f.nSamplesPerSec > 384000 ||
        f.nBlockAlign == 0)
        return nullptr;
    const AVCodecTag* const tables[] = {avformat_get_riff_audio_tags(), nullptr};
    const AVCodecID id = av_codec_get_id(tables, f.wFormatTag);
    const AVCodec* codec = id == AV_CODEC_ID_NONE ? nullptr : avcodec_find_decoder(id);
    if (!codec || codec->type != AVMEDIA_TYPE_AUDIO) return nullptr;

    auto c = std::unique_ptr<TWaveConverter>(new TWaveConverter());
    c->codec_ = std::make_unique<Codec>();
    Codec& k = *c->codec_;
    k.ctx = avcodec_alloc_context3(codec);
    k.packet = av_packet_alloc();
    k.frame = av_frame_alloc();
    if (!k.ctx || !k.packet || !k.frame) return nullptr;
    k.ctx->sample_rate = int(f.nSamplesPerSec);
    av_channel_layout_default(&k.ctx->ch_layout, f.nChannels);
    k.ctx->block_align = f.nBlockAlign;
    k.ctx->bit_rate = std::int64_t(f.nAvgBytesPerSec) * 8;
    k.ctx->bits_per_coded_sample = f.wBitsPerSample;
    k.ctx->codec_tag = f.wFormatTag;
    k.ctx->thread_count = 1;
    const std::size_t n = std::min<std::size_t>({extra.size(), f.cbSize, kMaxExtra});
    if (n) {
        k.ctx->extradata = static_cast<std::uint8_t*>(av_mallocz(n + AV_INPUT_BUFFER_PADDING_SIZE));
        if (!k.ctx->extradata) return nullptr;
        std::memcpy(k.ctx->extradata, extra.data(), n);
        k.ctx->extradata_size = int(n);
    }
    if (avcodec_open2(k.ctx, codec, nullptr) < 0) return nullptr;
    k.parser = av_parser_init(id); // formats framed inside the byte stream (MP3)
    av_channel_layout_default(&k.outLayout, f.nChannels);

    pcm = WAVEFORMATEX{};
    pcm.wFormatTag = WAVE_FORMAT_PCM;
    pcm.nChannels = f.nChannels;
    pcm.nSamplesPerSec = f.nSamplesPerSec;
    pcm.wBitsPerSample = 16;
    pcm.nBlockAlign = std::uint16_t(2 * f.nChannels);
    pcm.nAvgBytesPerSec = pcm.nSamplesPerSec * pcm.nBlockAlign;
    c->blockAlign_ = f.nBlockAlign;
    c->pcmBlock_ = pcm.nBlockAlign;
    return c;
}

void TWaveConverter::Reset() {
    avcodec_flush_buffers(codec_->ctx);
    if (codec_->parser) {
        av_parser_close(codec_->parser);
        codec_->parser = av_parser_init(codec_->ctx->codec_id);
    }
    pending_.clear();
}

void TWaveConverter::Convert(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out) {
    Codec& k = *codec_;
    if (k.parser) {
        while (size > 0) {
            std::uint8_t* pkt = nullptr;
            int pktSize = 0;
            const int chunk = int(std::min<std::size_t>(size, 1 << 20));
            const int used = av_parser_parse2(k.parser, k.ctx, &pkt, &pktSize, data, chunk, AV_NOPTS_VALUE,
                                              AV_NOPTS_VALUE, 0);
            if (used < 0) break;
            data += used;
            size -= std::size_t(used);
            if (pktSize > 0) decode(pkt, std::size_t(pktSize), out);
            if (used == 0 && pktSize == 0) break;
        }
        return;
    }
    // Whole blocks go to the decoder; a block cut between two buffers waits for the rest.
    pending_.insert(pending_.end(), data, data + size);
    const std::size_t whole = pending_.size() / blockAlign_ * blockAlign_;
    if (whole == 0) return;
    decode(pending_.data(), whole, out);
    pending_.erase(pending_.begin(), pending_.begin() + std::ptrdiff_t(whole));
}

void TWaveConverter::decode(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out) {
    Codec& k = *codec_;
    if (size > std::size_t(INT32_MAX) - AV_INPUT_BUFFER_PADDING_SIZE) return;
    scratch_.resize(size + AV_INPUT_BUFFER_PADDING_SIZE);
    std::memcpy(scratch_.data(), data, size);
    std::memset(scratch_.data() + size, 0, AV_INPUT_BUFFER_PADDING_SIZE);
    av_packet_unref(k.packet);
    k.packet->data = scratch_.data();
    k.packet->size = int(size);
    const int rc = avcodec_send_packet(k.ctx, k.packet);
    av_packet_unref(k.packet);
    if (rc < 0 && rc != AVERROR(EAGAIN)) return; // damaged sound plays as nothing
    while (avcodec_receive_frame(k.ctx, k.frame) == 0) {
        resample(out);
        av_frame_unref(k.frame);
    }
}

void TWaveConverter::resample(std::vector<std::uint8_t>& out) {
    Codec& k = *codec_;
    AVFrame* f = k.frame;
    if (f->nb_samples <= 0 || f->sample_rate <= 0 || f->ch_layout.nb_channels <= 0) return;
    if (!k.swr || k.swrRate != f->sample_rate || k.swrFormat != f->format ||
        av_channel_layout_compare(&k.swrLayout, &f->ch_layout) != 0) {
        swr_free(&k.swr);
        if (swr_alloc_set_opts2(&k.swr, &k.outLayout, AV_SAMPLE_FMT_S16, int(codec_->ctx->sample_rate),
                                &f->ch_layout, AVSampleFormat(f->format), f->sample_rate, 0, nullptr) < 0 ||
            swr_init(k.swr) < 0) {
            swr_free(&k.swr);
            return;
        }
        k.swrRate = f->sample_rate;
        k.swrFormat = f->format;
        av_channel_layout_uninit(&k.swrLayout);
        av_channel_layout_copy(&k.swrLayout, &f->ch_layout);
    }
    const int room = swr_get_out_samples(k.swr, f->nb_samples);
    if (room <= 0) return;
    const std::size_t at = out.size();
    out.resize(at + std::size_t(room) * pcmBlock_);
    std::uint8_t* dst = out.data() + at;
    const int got =
        swr_convert(k.swr, &dst, room, const_cast<const std::uint8_t**>(f->extended_data), f->nb_samples);
    out.resize(at + std::size_t(std::max(got, 0)) * pcmBlock_);
}
