#include "MpegFilm.h"

#include "AviFixtures.h"

#include <cstring>
#include <stdexcept>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace {
void check(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(std::string("MakeMpeg: ") + what);
}

struct Muxer {
    AVFormatContext* fmt = nullptr;
    ~Muxer() {
        if (!fmt) return;
        if (fmt->pb) {
            std::uint8_t* buf = nullptr;
            avio_close_dyn_buf(fmt->pb, &buf);
            av_free(buf);
        }
        avformat_free_context(fmt);
    }
};

void drain(AVCodecContext* enc, AVFrame* frame, AVFormatContext* fmt, AVStream* st, AVPacket* pkt) {
    check(avcodec_send_frame(enc, frame) >= 0, "send frame");
    while (avcodec_receive_packet(enc, pkt) == 0) {
        av_packet_rescale_ts(pkt, enc->time_base, st->time_base);
        pkt->stream_index = st->index;
        check(av_interleaved_write_frame(fmt, pkt) >= 0, "write packet");
    }
}
} // namespace

std::vector<std::uint8_t> MakeMpeg(const MpegSpec& s) {
    Muxer m;
    check(avformat_alloc_output_context2(&m.fmt, nullptr, "mpeg", nullptr) >= 0, "muxer");
    const AVCodec* vc = avcodec_find_encoder(AV_CODEC_ID_MPEG1VIDEO);
    check(vc != nullptr, "no MPEG-1 encoder");
    AVCodecContext* v = avcodec_alloc_context3(vc);
    v->width = s.width;
    v->height = s.height;
    v->pix_fmt = AV_PIX_FMT_YUV420P;
    v->time_base = AVRational{1, 25};
    v->framerate = AVRational{25, 1};
    v->gop_size = 6;
    v->max_b_frames = s.bFrames;
    v->bit_rate = 2000000;
    if (m.fmt->oformat->flags & AVFMT_GLOBALHEADER) v->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    check(avcodec_open2(v, vc, nullptr) >= 0, "open MPEG-1 encoder");
    AVStream* vs = avformat_new_stream(m.fmt, nullptr);
    avcodec_parameters_from_context(vs->codecpar, v);
    vs->time_base = v->time_base;

    AVCodecContext* a = nullptr;
    AVStream* as = nullptr;
    if (s.sound) {
        const AVCodec* ac = avcodec_find_encoder(AV_CODEC_ID_MP2);
        check(ac != nullptr, "no MP2 encoder");
        a = avcodec_alloc_context3(ac);
        a->sample_rate = 44100;
        a->sample_fmt = AV_SAMPLE_FMT_S16;
        av_channel_layout_default(&a->ch_layout, 2);
        a->bit_rate = 128000;
        a->time_base = AVRational{1, 44100};
        check(avcodec_open2(a, ac, nullptr) >= 0, "open MP2 encoder");
        as = avformat_new_stream(m.fmt, nullptr);
        avcodec_parameters_from_context(as->codecpar, a);
        as->time_base = a->time_base;
    }
    check(avio_open_dyn_buf(&m.fmt->pb) >= 0, "buffer");
    check(avformat_write_header(m.fmt, nullptr) >= 0, "header");

    AVPacket* pkt = av_packet_alloc();
    AVFrame* f = av_frame_alloc();
    f->format = AV_PIX_FMT_YUV420P;
    f->width = s.width;
    f->height = s.height;
    av_frame_get_buffer(f, 0);
    AVFrame* af = nullptr;
    if (a) {
        af = av_frame_alloc();
        af->format = AV_SAMPLE_FMT_S16;
        af->nb_samples = a->frame_size;
        av_channel_layout_copy(&af->ch_layout, &a->ch_layout);
        af->sample_rate = 44100;
        av_frame_get_buffer(af, 0);
    }
    std::int64_t samples = 0;
    for (int n = 0; n < s.frames; ++n) {
        av_frame_make_writable(f);
        const TColor c = FrameColour(n);
        const double r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        const int Y = int(16 + 0.257 * r + 0.504 * g + 0.098 * b + 0.5);
        const int U = int(128 - 0.148 * r - 0.291 * g + 0.439 * b + 0.5);
        const int V = int(128 + 0.439 * r - 0.368 * g - 0.071 * b + 0.5);
        for (int y = 0; y < s.height; ++y)
            std::memset(f->data[0] + y * f->linesize[0], Y, std::size_t(s.width));
        for (int y = 0; y < s.height / 2; ++y) {
            std::memset(f->data[1] + y * f->linesize[1], U, std::size_t(s.width / 2));
            std::memset(f->data[2] + y * f->linesize[2], V, std::size_t(s.width / 2));
        }
        f->pts = n;
        drain(v, f, m.fmt, vs, pkt);
        while (a && samples < std::int64_t(n + 1) * 44100 / 25) {
            av_frame_make_writable(af);
            auto* d = reinterpret_cast<std::int16_t*>(af->data[0]);
            for (int i = 0; i < af->nb_samples; ++i)
                d[2 * i] = d[2 * i + 1] = std::int16_t(((samples + i) / 50 % 2) ? 8000 : -8000);
            af->pts = samples;
            samples += af->nb_samples;
            drain(a, af, m.fmt, as, pkt);
        }
    }
    drain(v, nullptr, m.fmt, vs, pkt);
    if (a) drain(a, nullptr, m.fmt, as, pkt);
    check(av_write_trailer(m.fmt) >= 0, "trailer");
    std::uint8_t* buf = nullptr;
    const int size = avio_close_dyn_buf(m.fmt->pb, &buf);
    m.fmt->pb = nullptr;
    std::vector<std::uint8_t> out(buf, buf + size);
    av_free(buf);
    av_frame_free(&f);
    av_frame_free(&af);
    av_packet_free(&pkt);
    avcodec_free_context(&v);
    avcodec_free_context(&a);
    return out;
}
